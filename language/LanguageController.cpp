#include "language/LanguageController.h"

#include <vector>

#include "lib/PropertyAccess.h"
#include "platform/classes/ClassDecl.h"
#include "platform/classes/Collection.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/ListView.h"
#include "platform/controls/wwDBComboBox.h"
#include "platform/Files.h"
#include "platform/Format.h"

const TTypeInfo& TypeInfoOf(TLoadComponentEvent*) {
  static const TTypeInfo t = EventTypeInfo("TLoadComponentEvent");
  return t;
}

namespace {

// What a property path leads to: a published object, or one of the list view's items or the
// tree view's nodes, which publish nothing.
struct TPathTarget {
  TObject* Object = nullptr;
  TListItem* Item = nullptr;
  TTreeNode* Node = nullptr;
};

// A step "Name" or "Name_N"; Index is -1 without a number after the last "_".
struct TPathStep {
  AnsiString Name;
  int Index = -1;
  bool Indexed = false;
};

TPathStep ParseStep(const AnsiString& text) {
  AnsiString step = Trim(text);
  size_t underscore = step.rfind('_');
  if (underscore == AnsiString::npos) return {step, -1, false};
  TPathStep parsed{Trim(step.substr(0, underscore)), -1, true};
  int index = 0;
  if (TryStrToInt(Trim(step.substr(underscore + 1)), index) && index >= 0) parsed.Index = index;
  return parsed;
}

std::vector<AnsiString> SplitPath(const AnsiString& path) {
  std::vector<AnsiString> steps;
  size_t start = 0;
  for (size_t dot; (dot = path.find('.', start)) != AnsiString::npos; start = dot + 1)
    steps.push_back(path.substr(start, dot - start));
  steps.push_back(path.substr(start));
  return steps;
}

// One "Items_N" or "Columns_N" step; false when it leads nowhere.
bool StepInto(TPathTarget& target, const TPathStep& step) {
  const int n = step.Index;
  if (auto* collection = dynamic_cast<TCollection*>(target.Object)) {
    if (n >= collection->Count()) return false;
    target = {collection->Items(n)};
    return true;
  }
  if (auto* view = dynamic_cast<TListView*>(target.Object)) {
    if (SameText(step.Name, "Columns")) {
      if (n >= view->Columns()->Count()) return false;
      target = {view->Columns()->Items(n)};
    } else {
      if (n >= view->Items()->Count()) return false;
      target = {nullptr, view->Items()->Item(n)};
    }
    return true;
  }
  if (auto* tree = dynamic_cast<TTreeView*>(target.Object); tree && SameText(step.Name, "Items")) {
    if (n >= tree->Items()->Count()) return false;
    target = {nullptr, nullptr, tree->Items()->Item(n)};
    return true;
  }
  TObject* inner = target.Object ? GetClassProperty(target.Object, step.Name) : nullptr;
  if (!inner) return false;
  target = {inner};
  return true;
}

bool IsListStep(const TPathStep& step) {
  return step.Index >= 0 && (SameText(step.Name, "Items") || SameText(step.Name, "Columns"));
}

bool IsIntegerKind(const Variant& v) {
  return v.IsNumeric() && v.Type() != varSingle && v.Type() != varDouble && v.Type() != varCurrency;
}

void ReadAllKeepingItemIndex(TComponentRead& reader, TComboBox* box) {
  if (!box) return reader.TComponentRead::ReadAll();
  const int itemIndex = box->ItemIndex();
  reader.TComponentRead::ReadAll();
  box->SetItemIndex(itemIndex);
}

}  // namespace

TComponentRead::TComponentRead(TComponent* component, TXmlNode node) : component_(component), node_(std::move(node)) {}

void TComponentRead::ReadAttribute(const Variant& index) {
  if (!node_) return;
  std::optional<std::pair<AnsiString, AnsiString>> attribute;
  if (IsIntegerKind(index)) {
    const auto attributes = node_.Attributes();
    const std::int64_t at = index.AsInt64();
    if (at >= 0 && at < static_cast<std::int64_t>(attributes.size())) attribute = attributes[static_cast<size_t>(at)];
  } else if (index.IsString()) {
    const AnsiString name = index.AsString();
    if (auto value = node_.GetAttribute(name)) attribute = std::make_pair(name, *value);
  }
  if (attribute) ApplyAttribute(attribute->first, attribute->second);
}

void TComponentRead::ReadAll() {
  const int count = node_ ? static_cast<int>(node_.Attributes().size()) : 0;
  for (int i = 0; i < count; ++i) ReadAttribute(i);
}

void TComponentRead::ApplyAttribute(const AnsiString& path, const AnsiString& value) {
  TPathTarget target{component_};
  const std::vector<AnsiString> steps = SplitPath(path);
  TPathStep last = ParseStep(steps.back());
  bool walkStopped = false;
  for (size_t i = 0; i + 1 < steps.size(); ++i) {
    const TPathStep step = ParseStep(steps[i]);
    if (!step.Indexed) {
      TObject* inner = target.Object ? GetClassProperty(target.Object, step.Name) : nullptr;
      if (!inner) return;
      target = {inner};
      continue;
    }
    if (!IsListStep(step)) {
      // A step that is no list index ends the walk and names the property itself.
      last = step;
      walkStopped = true;
      break;
    }
    if (!StepInto(target, step)) return;
  }
  if (!walkStopped && target.Object == component_ && last.Index >= 0) {
    target = {GetClassProperty(component_, last.Name)};
    if (!target.Object) return;
  }
  if (auto* lines = dynamic_cast<TStrings*>(target.Object); lines && last.Index >= 0) {
    while (lines->Count() <= last.Index) lines->Add("");
    lines->Put(last.Index, value);
  } else if (target.Item) {
    if (SameText(last.Name, "Caption")) target.Item->SetCaption(value);
  } else if (target.Node) {
    if (SameText(last.Name, "Text")) target.Node->SetText(value);
  } else {
    TrySetPropertyByPath(target.Object, last.Name, value);
  }
}

void TCustomComboBoxRead::ReadAll() { ReadAllKeepingItemIndex(*this, dynamic_cast<TComboBox*>(GetComponent())); }

void TwwDBCustomComboBoxRead::ReadAll() {
  ReadAllKeepingItemIndex(*this, dynamic_cast<TwwDBCustomComboBox*>(GetComponent()));
}

TLangRead TReaderFactory::CreateReader(TComponent* component, const TXmlNode& node) {
  if (dynamic_cast<TwwDBCustomComboBox*>(component)) return std::make_shared<TwwDBCustomComboBoxRead>(component, node);
  if (dynamic_cast<TComboBox*>(component)) return std::make_shared<TCustomComboBoxRead>(component, node);
  return std::make_shared<TComponentRead>(component, node);
}

TLangReader::TLangReader(std::shared_ptr<TXmlDocument> document) : document_(std::move(document)) {}

bool TLangReader::IsExcluded(const AnsiString& name) const {
  for (int i = 0; i < ExcludeControls.Count(); ++i)
    if (SameText(Trim(ExcludeControls[i]), name)) return true;
  return false;
}

void TLangReader::Read(TComponent* component, const TXmlNode& node) {
  BeforeLoadComponent(component, node);
  TReaderFactory::CreateReader(component, node)->ReadAll();
  AfterLoadComponent(component, node);
}

void TLangReader::ReadComponent(TComponent* component) {
  if (!component) return;
  if (dynamic_cast<TCustomForm*>(component)) {
    if (TXmlNode root = document_->DocumentElement()) Read(component, root);
  }
  const AnsiString name = Trim(component->Name());
  if (!name.empty() && !IsExcluded(name)) {
    if (TXmlNode node = document_->SelectSingleNode("//" + name)) Read(component, node);
  }
  for (int i = 0; i < component->ComponentCount(); ++i) ReadComponent(component->Components(i));
}

TLanguageController::TLanguageController(TComponent* owner)
    : TComponent(owner), xmlLines_(std::make_unique<TStrings>()), excludeControls_(std::make_unique<TStrings>()) {
  xmlLines_->OnChange = [this] { XmlLinesChanged(); };
  excludeControls_->OnChange = [this] {
    if (reader_) reader_->ExcludeControls.Assign(*excludeControls_);
  };
}

TLanguageController::~TLanguageController() {
  xmlLines_->OnChange = nullptr;
  excludeControls_->OnChange = nullptr;
}

bool TLanguageController::Active() const { return document_ && document_->DocumentElement(); }

void TLanguageController::SetActive(bool active) {
  if (IsLoading()) {
    streamedActive_ = active;
    return;
  }
  if (active == Active()) return;
  if (active) Open();
  else Close();
}

void TLanguageController::Loaded() {
  TComponent::Loaded();
  if (streamedActive_) SetActive(true);
}

void TLanguageController::Open() {
  BeforeOpen(this);
  document_.reset();
  reader_.reset();
  auto document = std::make_shared<TXmlDocument>();
  bool parsed = false;
  if (!Trim(xmlLines_->Text()).empty()) {
    parsed = document->LoadXML(xmlLines_->Text());
  } else {
    if (fileName_.empty() || !FileExists(fileName_))
      throw LanguageControllerError(Format("Cannot Find File %s!", {fileName_}));
    parsed = document->Load(fileName_);
  }
  if (!parsed || document->ParseError().ErrorCode != 0) throw LanguageControllerError(document->ParseError().Reason);
  auto reader = std::make_unique<TLangReader>(document);
  reader->ExcludeControls.Assign(*excludeControls_);
  reader->BeforeLoadComponent = BeforeLoadComponent;
  reader->AfterLoadComponent = AfterLoadComponent;
  document_ = std::move(document);
  reader_ = std::move(reader);
  AfterOpen(this);
}

void TLanguageController::Close() {
  BeforeClose(this);
  document_.reset();
  reader_.reset();
  AfterClose(this);
}

void TLanguageController::SetFileName(const AnsiString& fileName) {
  if (fileName == fileName_) return;
  // A description may name the package after Active; what it asked for stays remembered.
  if (Active()) Close();
  xmlLines_->Clear();
  fileName_ = fileName;
}

void TLanguageController::SetXmlLines(TStrings* lines) {
  if (lines) xmlLines_->Assign(*lines);
}

void TLanguageController::XmlLinesChanged() {
  if (IsLoading()) return;
  fileName_.clear();
  SetActive(false);
}

void TLanguageController::SetExcludeControls(TStrings* names) {
  if (names) excludeControls_->Assign(*names);
}

void TLanguageController::SetLangPackageName(const AnsiString& name) {
  if (name == langPackageName_) return;
  langPackageName_ = name;
  SetFileName(GetLangFolder(designType_ == dtServer) + name + ".Lng");
}

TLangReader& TLanguageController::GetReader() const {
  if (!Active() || !reader_) throw LanguageControllerError("No active LanguageController!");
  return *reader_;
}

const TClassInfo& TLanguageController::StaticClass() {
  static const TClassInfo info = DescribeClass<TLanguageController>("TLanguageController");
  return info;
}

const TClassInfo& TKvLangController::StaticClass() {
  using C = TLanguageController;
  static const TClassInfo info = DescribeClass<TKvLangController>(
      "TKvLangController",
      {Prop("Active", &C::Active, &C::SetActive), Prop("ExcludeControls", &C::ExcludeControls, &C::SetExcludeControls),
       Prop("LangPackageName", &C::LangPackageName, &C::SetLangPackageName),
       Prop("DesignType", &C::DesignType, &C::SetDesignType), Prop("BeforeOpen", &C::BeforeOpen),
       Prop("AfterOpen", &C::AfterOpen), Prop("BeforeClose", &C::BeforeClose), Prop("AfterClose", &C::AfterClose),
       Prop("BeforeLoadComponent", &C::BeforeLoadComponent),
       Prop("AfterLoadComponent", &C::AfterLoadComponent)});
  return info;
}

