#pragma once
// The code converter of a window: GB/BIG5 translation of its texts through the conversion
// library, fonts of the character set of those texts, owner-drawn lists and menus, the
// conversion of data values between the database's and the interface's code page, and message
// dialogs with the window's caption and the interface font.

#include <memory>

#include "language/LangCommon.h"
#include "language/TranslatorU.h"
#include "platform/classes/Component.h"
#include "platform/classes/Graphics.h"
#include "platform/controls/Dialogs.h"
#include "platform/Variant.h"

class TCustomForm;

class TCodeConverter : public TComponent {
  PAVANE_CLASS(TCodeConverter, TComponent)
public:
  // Reads the client profile's code pages; creates the translator when the interface is
  // converted, raising when the conversion library cannot be had.
  explicit TCodeConverter(TComponent* owner);
  ~TCodeConverter() override;

  // A stored value is taken as it is: the code pages were read when the converter was made.
  TDesignType DesignType() const { return designType_; }
  void SetDesignType(TDesignType type) { designType_ = type; }

  AnsiString SystemCodePage = "936";
  AnsiString UICodePage = "936";
  AnsiString DBCodePage = "936";
  int UIConversion = 0;
  int DataConversion = 0;

  void ReadCodePages();
  // Converts the window and the components it owns; nothing without a translator. Deep also
  // converts tree views and grids.
  void ConvertForm(TCustomForm* form, bool deep);
  // Kind 1: BIG5 to GB, 2: GB to BIG5, else none. Texts in one-dimensional arrays (and
  // arrays in them) and each element of two-dimensional ones are translated; an element that
  // cannot be read as text raises EVariantError.
  Variant ConvertValue(int kind, const Variant& value) const;
  Variant DataToScreen(const Variant& value) const;
  // Never raises: a failure is written to the alert log and the value comes back unchanged.
  Variant ScreenToData(const Variant& value) const;
  Variant SourceToScreen(const Variant& value) const;
  Variant ScreenToSource(const Variant& value) const;
  AnsiString Big5ToGbText(const AnsiString& text) const;
  AnsiString GbToBig5Text(const AnsiString& text) const;
  // Kinds 0, 1 and 4: "SimSun" in GB2312; 2 and 3: "SimSun" in BIG5; others leave the font.
  static void ApplyLangFont(int kind, TFont* font);
  // A message dialog with the owner window's caption and the interface font; 0 for an empty
  // text, which shows nothing.
  int ShowConvertedMessage(const AnsiString& text, TMsgDlgType kind, TMsgDlgButtons buttons);

private:
  AnsiString Translate(int kind, const AnsiString& text) const;
  Variant ConvertBack(int conversion, const Variant& value) const;
  void ConvertGeneric(TComponent* component, int kind);
  void ConvertByClass(TComponent* component, int kind, bool deep);

  TDesignType designType_ = dtClient;
  std::unique_ptr<TTranslator> translator_;
};
