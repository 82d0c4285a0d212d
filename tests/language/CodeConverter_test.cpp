#include "language/CodeConverter.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <vector>

#include "platform/controls/Application.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Grids.h"
#include "platform/controls/Input.h"
#include "platform/controls/ListControls.h"
#include "platform/controls/ListView.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Snapshot.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/Tabs.h"
#include "platform/Exceptions.h"
#include "tests/environment/TestInstallation.h"

#if !defined(PAVANE_OUTSIDE_DIR)
#error "PAVANE_OUTSIDE_DIR names the folder of the conversion library"
#endif

namespace {

const char kWindow[] = R"(object frmSample: TForm
  Caption = '个人资料'
  Hint = '选择工厂编号'
  object lblName: TLabel
    Caption = '个人资料'
    Hint = '选择工厂编号'
  end
  object edName: TEdit
    Text = '个人资料'
  end
  object cboOpen: TComboBox
    Items.Strings = ('个人资料' '选择工厂编号')
  end
  object cboList: TComboBox
    Style = csDropDownList
    Items.Strings = ('个人资料' '选择工厂编号')
    ItemIndex = 1
  end
  object cboSimple: TComboBox
    Style = csSimple
    Items.Strings = ('个人资料')
  end
  object lbNames: TListBox
    Items.Strings = ('个人资料')
  end
  object mmNote: TMemo
    Lines.Strings = ('个人资料')
  end
  object lstRows: TListView
    Columns = <
      item
        Caption = '个人资料'
      end
      item
        Caption = '选择工厂编号'
      end>
    ViewStyle = vsReport
  end
  object tsPages: TTabSet
    Tabs.Strings = ('个人资料' '选择工厂编号')
    TabIndex = 1
  end
  object sbMain: TStatusBar
    Panels = <
      item
        Text = '个人资料'
      end>
  end
  object tvTree: TTreeView
  end
  object sgCells: TStringGrid
    ColCount = 2
    RowCount = 1
  end
  object mnuMain: TMainMenu
    object miFile: TMenuItem
      Caption = '个人资料'
    end
  end
  object pmList: TPopupMenu
  end
end
)";

// The process's screen fonts and hint setting, put back after a test.
class ScreenFontsKept {
public:
  ScreenFontsKept() {
    for (size_t i = 0; i < fonts_.size(); ++i) saved_[i].Assign(*fonts_[i]);
  }
  ~ScreenFontsKept() {
    for (size_t i = 0; i < fonts_.size(); ++i) fonts_[i]->Assign(saved_[i]);
  }

private:
  std::array<TFont*, 3> fonts_{Screen->IconFont(), Screen->HintFont(), Screen->MenuFont()};
  std::array<TFont, 3> saved_;
};

class CodeConverterTest : public ::testing::Test {
protected:
  // A client installation whose profile sets the interface and database code pages.
  void Install(int systemCodePage, const char* uiCodePage, const char* dbCodePage = "936") {
    codePage.emplace(systemCodePage);
    installation.emplace("ClientPath=<root>\r\nServerPath=<root>\r\n");
    installation->write("TillerC.ini", std::string("[CodePage]\r\nUICodePage=") + uiCodePage +
                                           "\r\nDBCodePage=" + dbCodePage + "\r\n");
  }
  void MakeWindow() {
    RegisterStandardControls();
    form = FormFromDescription(kWindow);
    converter = New<TCodeConverter>(form);
    auto* view = Get<TListView>("lstRows");
    TListItem* item = view->Items()->Add();
    item->SetCaption(gb);
    item->SubItems()->Add(gb2);
    item->SubItems()->Add(gb);
    auto* tree = Get<TTreeView>("tvTree");
    tree->Items()->AddChild(tree->Items()->Add(nullptr, gb), gb2);
    Get<TStringGrid>("sgCells")->SetCells(1, 0, gb);
  }
  void TearDown() override {
    if (form) form->Free();
  }
  template <class T>
  T* Get(const char* name) const {
    return static_cast<T*>(form->FindComponent(name));
  }

  const AnsiString gb = GbText("个人资料");
  const AnsiString gb2 = GbText("选择工厂编号");
  const AnsiString big5 = Utf8ToAnsi("個人資料", 950);
  const AnsiString big5_2 = Utf8ToAnsi("選擇工廠編號", 950);
  ScopedEnv libraries{"PAVANE_LIBRARY_PATH", PAVANE_OUTSIDE_DIR};
  ScreenFontsKept screenFonts;
  std::optional<ScopedCodePage> codePage;
  std::optional<TestInstallation> installation;
  TForm* form = nullptr;
  TCodeConverter* converter = nullptr;
};

TEST_F(CodeConverterTest, KindZeroChangesNothing) {
  Install(936, "936");
  MakeWindow();
  EXPECT_EQ(converter->UIConversion, 0);
  TFont labelFont;
  labelFont.Assign(*Get<TLabel>("lblName")->Font());
  converter->ConvertForm(form, true);
  EXPECT_EQ(*Get<TLabel>("lblName")->Font(), labelFont);
  EXPECT_EQ(Get<TLabel>("lblName")->Caption(), gb);
  EXPECT_EQ(Get<TComboBox>("cboOpen")->Style(), csDropDown);
  EXPECT_FALSE(Get<TMainMenu>("mnuMain")->OwnerDraw());
  const Variant texts = Variant::ArrayOf({Variant(gb), Variant(12)});
  EXPECT_EQ(converter->SourceToScreen(texts)[1].Type(), varInteger);
  EXPECT_EQ(converter->GbToBig5Text(gb), gb);
  EXPECT_EQ(converter->ConvertValue(2, Variant(gb)).AsString(), gb);
}

TEST_F(CodeConverterTest, KindTwoShowsTheProgramsTextsInBig5) {
  Install(936, "950");
  MakeWindow();
  ASSERT_EQ(converter->UIConversion, 2);
  const bool showHint = Application->ShowHint;
  converter->ConvertForm(form, true);
  EXPECT_EQ(Application->ShowHint, showHint);
  EXPECT_EQ(form->Caption(), gb);  // the system code page is not 950
  EXPECT_EQ(form->Hint(), big5_2);
  auto* label = Get<TLabel>("lblName");
  EXPECT_EQ(label->Caption(), big5);
  EXPECT_EQ(label->Hint(), big5_2);
  EXPECT_EQ(label->Font()->Name(), "SimSun");
  EXPECT_EQ(label->Font()->Charset(), CHINESEBIG5_CHARSET);
  EXPECT_EQ(Screen->MenuFont()->Charset(), CHINESEBIG5_CHARSET);
  EXPECT_EQ(Get<TEdit>("edName")->Text(), gb);

  auto* open = Get<TComboBox>("cboOpen");
  EXPECT_EQ(open->Items()->Text(), big5 + "\r\n" + big5_2 + "\r\n");
  EXPECT_EQ(open->Style(), csOwnerDrawFixed);
  EXPECT_EQ(open->ItemIndex(), 0);
  auto* list = Get<TComboBox>("cboList");
  EXPECT_EQ(list->Style(), csOwnerDrawFixed);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(list->Text(), big5_2);
  EXPECT_EQ(Get<TComboBox>("cboSimple")->Style(), csSimple);
  EXPECT_EQ(Get<TListBox>("lbNames")->Style(), lbOwnerDrawFixed);
  EXPECT_EQ(Get<TListBox>("lbNames")->Items()->Strings(0), big5);
  EXPECT_EQ(Get<TMemo>("mmNote")->Lines()->Strings(0), big5);

  auto* view = Get<TListView>("lstRows");
  EXPECT_EQ(view->Columns()->Items(0)->Caption(), big5);
  EXPECT_EQ(view->Columns()->Items(1)->Caption(), big5_2);
  EXPECT_EQ(view->Items()->Item(0)->Caption(), big5);
  // Sub-items of columns the view has are converted, the one past them is not.
  EXPECT_EQ(view->Items()->Item(0)->SubItems()->Text(), big5_2 + "\r\n" + gb + "\r\n");
  auto* tabs = Get<TTabSet>("tsPages");
  EXPECT_EQ(tabs->Tabs()->Strings(1), big5_2);
  EXPECT_EQ(tabs->TabIndex(), 1);
  EXPECT_EQ(Get<TStatusBar>("sbMain")->Panels()->Items(0)->Text(), big5);
  EXPECT_EQ(Get<TTreeView>("tvTree")->Items()->Item(1)->Text(), big5_2);
  EXPECT_EQ(Get<TStringGrid>("sgCells")->Cells(1, 0), big5);
  EXPECT_EQ(Get<TMenuItem>("miFile")->Caption(), big5);
  EXPECT_TRUE(Get<TMainMenu>("mnuMain")->OwnerDraw());
  EXPECT_TRUE(Get<TPopupMenu>("pmList")->OwnerDraw());
}

TEST_F(CodeConverterTest, TreesAndGridsOnlyWhenDeep) {
  Install(936, "950");
  MakeWindow();
  converter->ConvertForm(form, false);
  EXPECT_EQ(Get<TTreeView>("tvTree")->Items()->Item(0)->Text(), gb);
  EXPECT_EQ(Get<TStringGrid>("sgCells")->Cells(1, 0), gb);
  EXPECT_EQ(Get<TLabel>("lblName")->Caption(), big5);
}

TEST_F(CodeConverterTest, KindFourKeepsTextsAndSetsGbFonts) {
  Install(950, "936");
  MakeWindow();
  ASSERT_EQ(converter->UIConversion, 4);
  converter->ConvertForm(form, true);
  EXPECT_EQ(form->Caption(), Utf8ToAnsi("個人資料", 950));
  auto* label = Get<TLabel>("lblName");
  EXPECT_EQ(label->Caption(), gb);
  EXPECT_EQ(label->Font()->Name(), "SimSun");
  EXPECT_EQ(label->Font()->Charset(), GB2312_CHARSET);
  EXPECT_EQ(Screen->IconFont()->Charset(), GB2312_CHARSET);
  EXPECT_EQ(Get<TComboBox>("cboOpen")->Style(), csOwnerDrawVariable);
  EXPECT_EQ(Get<TComboBox>("cboOpen")->ItemIndex(), -1);
  EXPECT_EQ(Get<TComboBox>("cboList")->Style(), csOwnerDrawFixed);
  EXPECT_EQ(Get<TComboBox>("cboList")->ItemIndex(), 1);
  EXPECT_TRUE(Get<TMainMenu>("mnuMain")->OwnerDraw());
  EXPECT_EQ(Get<TListView>("lstRows")->Columns()->Items(0)->Caption(), gb);
}

TEST_F(CodeConverterTest, ValuesInArraysBothWays) {
  Install(936, "936", "950");  // data in BIG5 under a GB interface
  RegisterStandardControls();
  converter = New<TCodeConverter>(nullptr);
  ASSERT_EQ(converter->DataConversion, 1);
  ASSERT_EQ(converter->UIConversion, 0);
  // Without a translator values come back as they are.
  EXPECT_EQ(converter->DataToScreen(Variant(big5)).AsString(), big5);
  converter->Free();

  Install(936, "950", "936");  // data in GB under a BIG5 interface
  converter = New<TCodeConverter>(nullptr);
  ASSERT_EQ(converter->DataConversion, 2);
  Variant rows = Variant::CreateArray({{0, 1}, {0, 1}});
  rows.PutElement(Variant(gb), {0, 0});
  rows.PutElement(Variant(7), {0, 1});
  rows.PutElement(Variant(gb2), {1, 1});
  const Variant screen = converter->DataToScreen(rows);
  EXPECT_EQ(screen.GetElement({0, 0}).AsString(), big5);
  EXPECT_EQ(screen.GetElement({1, 1}).AsString(), big5_2);
  EXPECT_EQ(screen.GetElement({0, 1}).Type(), varString);
  EXPECT_TRUE(screen.GetElement({1, 0}).IsEmpty());

  const Variant nested = Variant::ArrayOf({Variant(gb), Variant(12), Variant::ArrayOf({Variant(gb2)})});
  const Variant shown = converter->DataToScreen(nested);
  EXPECT_EQ(shown[0].AsString(), big5);
  EXPECT_EQ(shown[1].Type(), varString);
  EXPECT_EQ(shown[1].AsString(), "12");
  EXPECT_EQ(shown[2][0].AsString(), big5_2);
  const Variant back = converter->ScreenToData(shown);
  EXPECT_EQ(back[0].AsString(), gb);
  EXPECT_EQ(back[2][0].AsString(), gb2);
  EXPECT_EQ(converter->ScreenToSource(Variant(big5)).AsString(), gb);
  EXPECT_EQ(converter->SourceToScreen(Variant(gb)).AsString(), big5);
  EXPECT_EQ(converter->Big5ToGbText(big5), gb);
  EXPECT_EQ(converter->GbToBig5Text(""), "");
  EXPECT_TRUE(converter->DataToScreen(Variant()).IsEmpty());
  EXPECT_TRUE(converter->ConvertValue(3, Variant(gb)).AsString() == gb);

  // An element that cannot be read as text: the forward direction raises, the way back
  // keeps the value and writes the failure to the alert log.
  const Variant withNull = Variant::ArrayOf({Variant(gb), Variant::Null()});
  EXPECT_THROW(converter->DataToScreen(withNull), EVariantError);
  FrozenClock clock(EncodeDate(2026, 12, 11));
  const Variant kept = converter->ScreenToData(withNull);
  EXPECT_EQ(kept[0].AsString(), gb);
  EXPECT_TRUE(kept[1].IsNull());
  EXPECT_NE(installation->read("Log/Alert_CodeConverter_20261211.log").find("back failed"), std::string::npos);
  converter->Free();
  converter = nullptr;
}

TEST_F(CodeConverterTest, LibraryMissingFailsTheCreation) {
  Install(936, "950");
  TempFolder empty;
  ScopedEnv noLibrary("PAVANE_LIBRARY_PATH", empty.path());
  try {
    New<TCodeConverter>(nullptr);
    ADD_FAILURE() << "created without its library";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "Load Library Kvlanguage.dll Error!");
  }
}

TEST_F(CodeConverterTest, DescriptionsCreateItByNameWithTheClientsCodePages) {
  Install(936, "950");
  installation->write("TillerS.ini", "[CodePage]\r\nUICodePage=936\r\n");
  RegisterStandardControls();
  RegisterLanguageClasses();
  form = FormFromDescription(R"(object frmX: TForm
  object KvConverter: TCodeConverter
    DesignType = dtServer
  end
end
)");
  auto* stored = dynamic_cast<TCodeConverter*>(form->FindComponent("KvConverter"));
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ(stored->DesignType(), dtServer);
  EXPECT_EQ(stored->UICodePage, "950");
  EXPECT_EQ(stored->UIConversion, 2);
}

TEST(LangFont, FontByConversionKind) {
  struct Case {
    int kind;
    const char* name;
    TFontCharset charset;
  };
  const std::vector<Case> cases = {{0, "SimSun", GB2312_CHARSET},       {1, "SimSun", GB2312_CHARSET},
                                   {4, "SimSun", GB2312_CHARSET},       {2, "SimSun", CHINESEBIG5_CHARSET},
                                   {3, "SimSun", CHINESEBIG5_CHARSET},  {5, "Tahoma", ANSI_CHARSET}};
  for (const auto& c : cases) {
    TFont font;
    font.SetName("Tahoma");
    font.SetCharset(ANSI_CHARSET);
    TCodeConverter::ApplyLangFont(c.kind, &font);
    EXPECT_EQ(font.Name(), c.name) << c.kind;
    EXPECT_EQ(font.Charset(), c.charset) << c.kind;
  }
}

TEST_F(CodeConverterTest, ConvertedMessageTakesTheWindowsCaptionAndFont) {
  Install(936, "950");
  MakeWindow();
  form->SetWindowState(wsMinimized);
  ClearShownDialogs();
  TFontCharset charset = DEFAULT_CHARSET;
  Application->ModalResponder = [&](TCustomForm& dialog) {
    charset = dialog.Font()->Charset();
    ClickOn(*DialogButton(dialog, "No"));
  };
  EXPECT_EQ(converter->ShowConvertedMessage(big5, mtConfirmation, TMsgDlgButtons{mbYes, mbNo}), mrNo);
  Application->ModalResponder = nullptr;
  EXPECT_EQ(form->WindowState(), wsNormal);
  EXPECT_EQ(charset, CHINESEBIG5_CHARSET);
  ASSERT_EQ(ShownDialogs().size(), 1u);
  EXPECT_EQ(ShownDialogs()[0].Caption, gb);
  EXPECT_EQ(ShownDialogs()[0].Text, big5 + "      ");  // the system code page is 936
  EXPECT_EQ(converter->ShowConvertedMessage("", mtError, TMsgDlgButtons{mbOK}), 0);
  EXPECT_EQ(ShownDialogs().size(), 1u);
}

}  // namespace
