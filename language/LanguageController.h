#pragma once
// The language controller: loads a language document (a file per window class and interface
// language, or a text in memory) and hands out a reader that puts its texts into a component
// tree. Elements name components, attributes give property paths ("Caption", "Items_2",
// "Columns_0.Caption", "Font.Name") and the texts to put there.

#include <memory>

#include "language/LangCommon.h"
#include "platform/classes/Component.h"
#include "platform/classes/Events.h"
#include "platform/classes/Strings.h"
#include "platform/Exceptions.h"
#include "platform/Variant.h"
#include "platform/xml/XmlDom.h"

class LanguageControllerError : public Exception {
public:
  using Exception::Exception;
  AnsiString ClassName() const override { return "LanguageControllerError"; }
};

using TLoadComponentEvent = TEvent<TComponent*, const TXmlNode&>;
const TTypeInfo& TypeInfoOf(TLoadComponentEvent*);

// Puts the attributes of one element into one component. Readers are shared and end with
// their last user.
inline constexpr char IID_ILangRead[] = "{B0CB6881-FA13-4102-805C-97686F87497B}";
class ILangRead {
public:
  virtual ~ILangRead() = default;
  virtual TComponent* GetComponent() const = 0;
  virtual TXmlNode GetNode() const = 0;
  virtual void SetComponent(TComponent* component) = 0;
  virtual void SetNode(const TXmlNode& node) = 0;
  // An integer selects the attribute by position, a text by name; anything else selects none.
  virtual void ReadAttribute(const Variant& index) = 0;
  virtual void ReadAll() = 0;
};
using TLangRead = std::shared_ptr<ILangRead>;

class TComponentRead : public ILangRead {
public:
  TComponentRead(TComponent* component, TXmlNode node);

  TComponent* GetComponent() const override { return component_; }
  TXmlNode GetNode() const override { return node_; }
  void SetComponent(TComponent* component) override { component_ = component; }
  void SetNode(const TXmlNode& node) override { node_ = node; }
  void ReadAttribute(const Variant& index) override;
  void ReadAll() override;

protected:
  // Puts one attribute's text at the end of its property path; what does not exist or does
  // not fit is left alone.
  virtual void ApplyAttribute(const AnsiString& path, const AnsiString& value);

private:
  TComponent* component_;
  TXmlNode node_;
};

// Combo boxes keep their selected item while their lists change.
class TCustomComboBoxRead : public TComponentRead {
public:
  using TComponentRead::TComponentRead;
  void ReadAll() override;
};

class TwwDBCustomComboBoxRead : public TComponentRead {
public:
  using TComponentRead::TComponentRead;
  void ReadAll() override;
};

class TReaderFactory {
public:
  static TLangRead CreateReader(TComponent* component, const TXmlNode& node);
};

// Applies a document to components: the document element to a form, the first element named
// after a component to that component, then the same for every component it owns.
class TLangReader {
public:
  explicit TLangReader(std::shared_ptr<TXmlDocument> document);
  virtual ~TLangReader() = default;
  TLangReader(const TLangReader&) = delete;
  TLangReader& operator=(const TLangReader&) = delete;

  virtual void ReadComponent(TComponent* component);

  // Names of components whose own element is skipped (their components are still visited).
  TStringList ExcludeControls;
  TLoadComponentEvent BeforeLoadComponent;
  TLoadComponentEvent AfterLoadComponent;

private:
  bool IsExcluded(const AnsiString& name) const;
  void Read(TComponent* component, const TXmlNode& node);

  std::shared_ptr<TXmlDocument> document_;
};

class TLanguageController : public TComponent {
  PAVANE_CLASS(TLanguageController, TComponent)
public:
  explicit TLanguageController(TComponent* owner);
  ~TLanguageController() override;

  bool Active() const;
  // Loads the document (XmlLines when it has text, else FileName) or drops it. Raises
  // LanguageControllerError for a missing file or a document that is not well-formed; the
  // controller then stays inactive. While loading from a form description it only remembers.
  void SetActive(bool active);
  const AnsiString& FileName() const { return fileName_; }
  void SetFileName(const AnsiString& fileName);
  TStrings* XmlLines() const { return xmlLines_.get(); }
  void SetXmlLines(TStrings* lines);
  TStrings* ExcludeControls() const { return excludeControls_.get(); }
  void SetExcludeControls(TStrings* names);
  const AnsiString& LangPackageName() const { return langPackageName_; }
  // FileName becomes the language folder + name + ".Lng".
  void SetLangPackageName(const AnsiString& name);
  TDesignType DesignType() const { return designType_; }
  void SetDesignType(TDesignType type) { designType_ = type; }

  // Raises LanguageControllerError "No active LanguageController!" when nothing is loaded.
  TLangReader& GetReader() const;

  void Loaded() override;

  TNotifyEvent BeforeOpen;
  TNotifyEvent AfterOpen;
  TNotifyEvent BeforeClose;
  TNotifyEvent AfterClose;
  TLoadComponentEvent BeforeLoadComponent;
  TLoadComponentEvent AfterLoadComponent;

private:
  void Open();
  void Close();
  void XmlLinesChanged();

  AnsiString fileName_;
  std::unique_ptr<TStrings> xmlLines_;
  std::unique_ptr<TStrings> excludeControls_;
  AnsiString langPackageName_;
  TDesignType designType_ = dtClient;
  std::shared_ptr<TXmlDocument> document_;
  std::unique_ptr<TLangReader> reader_;
  bool streamedActive_ = false;
};

// The controller of every window: the same, with its properties published.
class TKvLangController : public TLanguageController {
  PAVANE_CLASS(TKvLangController, TLanguageController)
public:
  using TLanguageController::TLanguageController;
};

