#include "tools/langfile/LangFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "language/LanguageController.h"
#include "platform/Exceptions.h"
#include "platform/Files.h"
#include "platform/controls/Forms.h"
#include "platform/controls/ListControls.h"
#include "platform/controls/ListView.h"
#include "platform/controls/Snapshot.h"
#include "platform/controls/StdCtrls.h"
#include "platform/streaming/FormText.h"
#include "tests/environment/TestInstallation.h"

#if !defined(PAVANE_OUTSIDE_DIR)
#error "PAVANE_OUTSIDE_DIR names the folder of the conversion library"
#endif

namespace {

const char kForm[] = R"(object frmSample: TfrmSample
  Caption = '个人资料'
  Hint = '提示 "a" <b>'
  object pnlTop: TPanel
    Caption = ''
    object lblName: TLabel
      Caption = '备注 &Notes'
    end
  end
  object cboKind: TComboBox
    Items.Strings = ('个人资料' '' '选择工厂编号')
  end
  object lstRows: TListView
    Columns = <
      item
        Caption = '选择工厂编号'
      end>
  end
end
)";

const char kEnglish[] =
    "# sample\r\n"
    "个人资料=Personal data\r\n"
    "提示 \"a\" <b>=Hint \"a\" <b>\r\n"
    "备注 &Notes=&Notes\r\n"
    "\r\n"
    "选择工厂编号=Choose factories\r\n";

std::string SourceDir() {
  const char* dir = std::getenv("PAVANE_SOURCE_DIR");
  return dir ? dir : ".";
}

TEST(LangFile, TextsByComponent) {
  const TLangTexts texts = ExtractLangTexts(kForm);
  EXPECT_EQ(texts.FormClass, "TfrmSample");
  std::vector<std::string> lines;
  for (const auto& t : texts.Texts) lines.push_back(t.Component + " " + t.Path + " " + WideToUtf8(AnsiToWide(t.Text, 936)));
  EXPECT_EQ(lines, (std::vector<std::string>{" Caption 个人资料", " Hint 提示 \"a\" <b>", "lblName Caption 备注 &Notes",
                                             "cboKind Items_0 个人资料", "cboKind Items_2 选择工厂编号",
                                             "lstRows Columns_0.Caption 选择工厂编号"}));
  EXPECT_THROW(ExtractLangTexts("object x"), EParserError);
}

TEST(LangFile, BadInputIsNamed) {
  const TLangTexts texts = ExtractLangTexts(kForm);
  try {
    LangFileText(texts, "ENG", ParseTranslations("个人资料=Personal data\n"));
    ADD_FAILURE() << "English file with texts left out";
  } catch (const Exception& e) {
    EXPECT_NE(e.Message.find("No English text for:\n  提示 \"a\" <b>"), std::string::npos) << e.Message;
    EXPECT_EQ(e.Message.find("Personal"), std::string::npos);
  }
  try {
    ParseTranslations("a=b\nno sign\n");
    ADD_FAILURE() << "line without =";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "Translation line 2 has no \"=\": no sign");
  }
  EXPECT_THROW(LangFileText(texts, "JPN"), Exception);
  TempFolder empty;
  ScopedEnv noLibrary("PAVANE_LIBRARY_PATH", empty.path());
  EXPECT_THROW(LangFileText(texts, "CHT"), Exception);
}

// Writes the three files of the sample form into an installation and loads the one of the
// profile's interface code page into a window built from the same description.
class LangFileWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterStandardControls();
    ScopedEnv libraries("PAVANE_LIBRARY_PATH", PAVANE_OUTSIDE_DIR);
    const TLangTexts texts = ExtractLangTexts(kForm);
    for (const char* folder : {"CHS", "CHT", "ENG"})
      installation.write(std::string("MultiLanguage/") + folder + "/TfrmSample.Lng",
                         LangFileText(texts, folder, ParseTranslations(kEnglish)));
  }
  // The window's texts after loading the language file for that interface.
  std::vector<AnsiString> Load(int systemCodePage, const char* uiCodePage) {
    ScopedCodePage codePage(systemCodePage);
    installation.write("TillerC.ini", std::string("[CodePage]\r\nUICodePage=") + uiCodePage + "\r\n");
    TForm* form = FormFromDescription(kForm);
    form->SetCaption("");
    auto* combo = static_cast<TComboBox*>(form->FindComponent("cboKind"));
    combo->Items()->Clear();
    auto* controller = New<TKvLangController>(form);
    controller->SetLangPackageName("TfrmSample");
    std::vector<AnsiString> shown;
    if (FileExists(controller->FileName())) {
      controller->SetActive(true);
      controller->GetReader().ReadComponent(form);
      shown = {form->Caption(), form->Hint(), static_cast<TLabel*>(form->FindComponent("lblName"))->Caption(),
               combo->Items()->Text(),
               static_cast<TListView*>(form->FindComponent("lstRows"))->Columns()->Items(0)->Caption()};
    }
    form->Free();
    return shown;
  }

  TestInstallation installation{"ClientPath=<root>\r\n"};
};

TEST_F(LangFileWindowTest, EachInterfaceGetsItsTexts) {
  auto in = [](const char* utf8, int codePage) { return Utf8ToAnsi(utf8, codePage); };
  EXPECT_EQ(Load(936, "936"),
            (std::vector<AnsiString>{in("个人资料", 936), in("提示 \"a\" <b>", 936), in("备注 &Notes", 936),
                                     in("个人资料\r\n\r\n选择工厂编号\r\n", 936), in("选择工厂编号", 936)}));
  EXPECT_EQ(Load(950, "950"),
            (std::vector<AnsiString>{in("個人資料", 950), in("提示 \"a\" <b>", 950), in("備註 &Notes", 950),
                                     in("個人資料\r\n\r\n選擇工廠編號\r\n", 950), in("選擇工廠編號", 950)}));
  EXPECT_EQ(Load(1252, "437"), (std::vector<AnsiString>{"Personal data", "Hint \"a\" <b>", "&Notes",
                                                        "Personal data\r\n\r\nChoose factories\r\n",
                                                        "Choose factories"}));
}

TEST(ShippedLangFiles, AreWhatTheToolMakesAndLoadIntoTheWindow) {
  ScopedEnv libraries("PAVANE_LIBRARY_PATH", PAVANE_OUTSIDE_DIR);
  const std::string root = SourceDir() + "/sample/";
  std::string description, english;
  ASSERT_TRUE(ReadFileBytes(root + "forms/Conditions.dfm", description));
  ASSERT_TRUE(ReadFileBytes(root + "forms/Conditions.ENG.txt", english));
  const TLangTexts texts = ExtractLangTexts(description);
  for (const char* folder : {"CHS", "CHT", "ENG"}) {
    std::string shipped;
    ASSERT_TRUE(ReadFileBytes(root + "installation/client/MultiLanguage/" + folder + "/TfrmConditions.Lng", shipped))
        << folder << ": run scripts/langfiles.sh";
    EXPECT_EQ(shipped, LangFileText(texts, folder, ParseTranslations(english))) << folder << ": run scripts/langfiles.sh";
  }
  ScopedCodePage codePage(1252);
  RegisterStandardControls();
  TForm* form = FormFromDescription(description);
  auto* controller = New<TKvLangController>(form);
  controller->SetFileName(root + "installation/client/MultiLanguage/ENG/TfrmConditions.Lng");
  controller->SetActive(true);
  controller->GetReader().ReadComponent(form);
  EXPECT_EQ(form->Caption(), "Report conditions");
  EXPECT_EQ(static_cast<TButton*>(form->FindComponent("btnCancel"))->Caption(), "Cancel");
  form->Free();
}

}  // namespace
