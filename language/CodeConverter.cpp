#include "language/CodeConverter.h"

#include "environment/AlertLog.h"
#include "environment/TillerINI.h"
#include "lib/PropertyAccess.h"
#include "platform/classes/ClassDecl.h"
#include "platform/controls/Application.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/DBCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Grids.h"
#include "platform/controls/ListControls.h"
#include "platform/controls/ListView.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Tabs.h"

namespace {

constexpr int kBig5ToGb = 1;
constexpr int kGbToBig5 = 2;

bool TranslatesTexts(int kind) { return kind == kBig5ToGb || kind == kGbToBig5; }

void ConvertLines(TStrings& lines, const std::function<AnsiString(const AnsiString&)>& convert) {
  for (int i = 0; i < lines.Count(); ++i) lines.Put(i, convert(lines[i]));
}

}  // namespace

TCodeConverter::TCodeConverter(TComponent* owner) : TComponent(owner) {
  ReadCodePages();
  if (UIConversion != 0) translator_ = std::make_unique<TTranslator>();
}

TCodeConverter::~TCodeConverter() = default;

void TCodeConverter::ReadCodePages() {
  auto copy = [this](const TTillerIni& profile) {
    SystemCodePage = profile.SystemCodePage;
    UICodePage = profile.UICodePage;
    DBCodePage = profile.DBCodePage;
    UIConversion = profile.UIConversion;
    DataConversion = profile.DataConversion;
  };
  if (designType_ == dtServer) copy(TTillerIniS());
  else copy(TTillerIniC());
}

AnsiString TCodeConverter::Translate(int kind, const AnsiString& text) const {
  if (!translator_) return text;
  if (kind == kBig5ToGb) return translator_->Big5ToGb(text);
  if (kind == kGbToBig5) return translator_->GbToBig5(text);
  return text;
}

Variant TCodeConverter::ConvertValue(int kind, const Variant& value) const {
  Variant result = value;
  if (kind == 0 || !translator_ || value.IsEmpty() || value.IsNull()) return result;
  if (!value.IsArray()) return TranslatesTexts(kind) ? Variant(Translate(kind, value.AsString())) : result;
  if (value.DimCount() == 1) {
    for (int i = value.LowBound(1); i <= value.HighBound(1); ++i) {
      Variant& element = result.GetElement({i});
      if (element.IsArray()) element = ConvertValue(kind, element);
      else if (TranslatesTexts(kind)) element = Variant(Translate(kind, element.AsString()));
    }
  } else if (value.DimCount() == 2) {
    for (int i = value.LowBound(1); i <= value.HighBound(1); ++i)
      for (int j = value.LowBound(2); j <= value.HighBound(2); ++j) {
        Variant& element = result.GetElement({i, j});
        element = ConvertValue(kind, element);
      }
  }
  return result;
}

Variant TCodeConverter::ConvertBack(int conversion, const Variant& value) const {
  try {
    if (conversion == kBig5ToGb) return ConvertValue(kGbToBig5, value);
    if (conversion == kGbToBig5) return ConvertValue(kBig5ToGb, value);
  } catch (const std::exception& e) {
    WriteAlertLog("CodeConverter", AnsiString("Converting a value back failed: ") + e.what(), "D");
  }
  return value;
}

Variant TCodeConverter::DataToScreen(const Variant& value) const { return ConvertValue(DataConversion, value); }
Variant TCodeConverter::ScreenToData(const Variant& value) const { return ConvertBack(DataConversion, value); }
Variant TCodeConverter::SourceToScreen(const Variant& value) const { return ConvertValue(UIConversion, value); }
Variant TCodeConverter::ScreenToSource(const Variant& value) const { return ConvertBack(UIConversion, value); }

AnsiString TCodeConverter::Big5ToGbText(const AnsiString& text) const {
  return text.empty() ? AnsiString() : Translate(kBig5ToGb, text);
}

AnsiString TCodeConverter::GbToBig5Text(const AnsiString& text) const {
  return text.empty() ? AnsiString() : Translate(kGbToBig5, text);
}

void TCodeConverter::ApplyLangFont(int kind, TFont* font) {
  if (!font) return;
  TFontCharset charset;
  if (kind == 0 || kind == 1 || kind == 4) charset = GB2312_CHARSET;
  else if (kind == 2 || kind == 3) charset = CHINESEBIG5_CHARSET;
  else return;
  font->SetName("SimSun");
  font->SetCharset(charset);
}

void TCodeConverter::ConvertForm(TCustomForm* form, bool deep) {
  if (!translator_ || !form) return;
  const int kind = UIConversion;
  if (SystemCodePage == "950") form->SetCaption(translator_->GbToBig5(form->Caption()));
  for (const char* name : {"Hint", "ButtonHint"}) {
    const AnsiString text = GetStrPropByName(form, name);
    if (!text.empty()) SetStrPropByName(form, name, ConvertValue(kind, text).AsString());
  }
  ApplyLangFont(kind, Screen->IconFont());
  ApplyLangFont(kind, Screen->HintFont());
  ApplyLangFont(kind, Screen->MenuFont());
  // Switching hints off and on again makes the hint window take the new hint font.
  Application->ShowHint = !Application->ShowHint;
  Application->ShowHint = !Application->ShowHint;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    TComponent* component = form->Components(i);
    ConvertGeneric(component, kind);
    ConvertByClass(component, kind, deep);
  }
}

void TCodeConverter::ConvertGeneric(TComponent* component, int kind) {
  auto convert = [this, kind](const AnsiString& text) { return ConvertValue(kind, text).AsString(); };
  for (const char* name : {"Font", "TitleFont"})
    if (HasPropertyOfType(component, name, "TFont"))
      ApplyLangFont(kind, dynamic_cast<TFont*>(GetClassProperty(component, name)));
  if (const TPropInfo* caption = GetPropInfo(*component, "Caption"); caption && caption->PropType->Kind == tkString)
    SetStrPropByName(component, "Caption", convert(GetStrPropByName(component, "Caption")));
  for (const char* name : {"Hint", "ButtonHint"}) {
    const AnsiString text = GetStrPropByName(component, name);
    if (!text.empty()) SetStrPropByName(component, name, convert(text));
  }
  auto* combo = dynamic_cast<TComboBox*>(component);
  const int savedIndex = combo ? combo->ItemIndex() : -1;
  for (const char* name : {"Items", "Lines"}) {
    if (!HasPropertyOfType(component, name, "TStrings")) continue;
    auto* lines = dynamic_cast<TStrings*>(GetClassProperty(component, name));
    if (!lines) continue;
    lines->SetText(convert(lines->Text()));
    if (combo && combo->Items()->Count() > 0 && lines == combo->Items()) combo->SetItemIndex(savedIndex);
  }
  if (kind != 0 && HasPropertyOfType(component, "Style", "TComboBoxStyle")) {
    const int style = GetOrdPropByName(component, "Style");
    if (style == csDropDown) SetOrdPropByName(component, "Style", csOwnerDrawVariable);
    else if (style == csDropDownList) SetOrdPropByName(component, "Style", csOwnerDrawFixed);
    if (combo && combo->Items()->Count() > 0 && combo->ItemIndex() == -1) combo->SetItemIndex(savedIndex);
  } else if (kind != 0 && HasPropertyOfType(component, "Style", "TListBoxStyle")) {
    if (GetOrdPropByName(component, "Style") == lbStandard) SetOrdPropByName(component, "Style", lbOwnerDrawFixed);
  }
  if (HasPropertyOfType(component, "Panels", "TStatusPanels"))
    if (auto* panels = dynamic_cast<TStatusPanels*>(GetClassProperty(component, "Panels")))
      for (int i = 0; i < panels->Count(); ++i) panels->Items(i)->SetText(convert(panels->Items(i)->Text()));
}

void TCodeConverter::ConvertByClass(TComponent* component, int kind, bool deep) {
  if (auto* menu = dynamic_cast<TMenu*>(component)) menu->SetOwnerDraw(true);
  if (!TranslatesTexts(kind)) return;
  auto translate = [this, kind](const AnsiString& text) { return Translate(kind, text); };
  if (auto* view = dynamic_cast<TListView*>(component)) {
    const int columns = view->Columns()->Count();
    if (columns == 0) return;
    for (int c = 0; c < columns; ++c) view->Columns()->Items(c)->SetCaption(translate(view->Columns()->Items(c)->Caption()));
    for (int i = 0; i < view->Items()->Count(); ++i) {
      TListItem* item = view->Items()->Item(i);
      item->SetCaption(translate(item->Caption()));
      for (int c = 1; c < columns && c - 1 < item->SubItems()->Count(); ++c)
        item->SubItems()->Put(c - 1, translate(item->SubItems()->Strings(c - 1)));
    }
  } else if (auto* tabs = dynamic_cast<TTabSet*>(component)) {
    const int tabIndex = tabs->TabIndex();
    tabs->Tabs()->SetText(translate(tabs->Tabs()->Text()));
    tabs->SetTabIndex(tabIndex);
  } else if (auto* combo = dynamic_cast<TComboBox*>(component)) {
    if (combo->Style() != csSimple) combo->SetStyle(csOwnerDrawFixed);
    if (combo->ItemIndex() == -1) combo->SetItemIndex(0);
  } else if (auto* navigator = dynamic_cast<TDBNavigator*>(component)) {
    ConvertLines(*navigator->Hints(), translate);
  } else if (auto* tree = dynamic_cast<TTreeView*>(component); tree && deep) {
    for (int i = 0; i < tree->Items()->Count(); ++i) tree->Items()->Item(i)->SetText(translate(tree->Items()->Item(i)->Text()));
  } else if (auto* grid = dynamic_cast<TStringGrid*>(component); grid && deep) {
    for (int row = 0; row < grid->RowCount(); ++row)
      for (int col = 0; col < grid->ColCount(); ++col) grid->SetCells(col, row, translate(grid->Cells(col, row)));
  }
}

int TCodeConverter::ShowConvertedMessage(const AnsiString& text, TMsgDlgType kind, TMsgDlgButtons buttons) {
  if (text.empty()) return 0;
  AnsiString shown = text;
  if (UICodePage == "936" || SystemCodePage == "936") shown += "      ";
  auto* window = dynamic_cast<TCustomForm*>(Owner());
  TMessageForm* dialog = CreateMessageDialog(shown, kind, buttons);
  struct TFreeDialog {
    TMessageForm* dialog;
    ~TFreeDialog() { dialog->Free(); }
  } freeDialog{dialog};
  if (window) {
    if (window->WindowState() == wsMinimized) window->SetWindowState(wsNormal);
    dialog->SetCaption(window->Caption());
  }
  ApplyLangFont(UIConversion, dialog->Font());
  return dialog->ShowModal();
}

const TClassInfo& TCodeConverter::StaticClass() {
  static const TClassInfo info = DescribeClass<TCodeConverter>(
      "TCodeConverter", {Prop("DesignType", &TCodeConverter::DesignType, &TCodeConverter::SetDesignType)});
  return info;
}
