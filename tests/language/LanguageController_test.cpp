#include "language/LanguageController.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/controls/ComCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/ListControls.h"
#include "platform/controls/ListView.h"
#include "platform/controls/Snapshot.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/wwDBComboBox.h"
#include "tests/environment/TestInstallation.h"

namespace {

const char kForm[] = R"(object frmSample: TForm
  Caption = 'Sample'
  object pnlTop: TPanel
    Caption = 'top'
    object lblName: TLabel
      Caption = 'name'
    end
    object cboKind: TComboBox
      Style = csDropDownList
      Items.Strings = ('one' 'two')
      ItemIndex = 1
    end
  end
  object wcbState: TwwDBComboBox
    Items.Strings = ('a' 'b' 'c')
    ItemIndex = 2
  end
  object lstItems: TListView
    Columns = <
      item
        Caption = 'first'
      end>
    ViewStyle = vsReport
  end
  object tvTree: TTreeView
  end
end
)";

class Recorder : public TObject {
public:
  std::vector<AnsiString> Lines;
  void Note(const AnsiString& what, TComponent* component, const TXmlNode& node) {
    Lines.push_back(what + " " + component->Name() + " " + node.NodeName());
  }
  void Before(TComponent* c, const TXmlNode& n) { Note("before", c, n); }
  void After(TComponent* c, const TXmlNode& n) { Note("after", c, n); }
  void Opening(TObject*) { Lines.push_back("BeforeOpen"); }
  void Opened(TObject*) { Lines.push_back("AfterOpen"); }
  void Closing(TObject*) { Lines.push_back("BeforeClose"); }
  void Closed(TObject*) { Lines.push_back("AfterClose"); }
};

class LanguageControllerTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterStandardControls();
    form = FormFromDescription(kForm);
    controller = New<TKvLangController>(form);
    auto* tree = form->FindComponent("tvTree");
    auto& nodes = *static_cast<TTreeView*>(tree)->Items();
    TTreeNode* root = nodes.Add(nullptr, "root");
    nodes.AddChild(root, "child");
    auto* view = static_cast<TListView*>(form->FindComponent("lstItems"));
    view->Items()->Add()->SetCaption("row");
  }
  void TearDown() override { form->Free(); }

  // Loads the document and applies it to the whole form.
  void Apply(const AnsiString& xml) {
    controller->XmlLines()->SetText(xml);
    controller->SetActive(true);
    controller->GetReader().ReadComponent(form);
  }
  template <class T>
  T& Get(const char* name) const {
    return *static_cast<T*>(form->FindComponent(name));
  }

  ScopedCodePage codePage{936};
  TForm* form = nullptr;
  TKvLangController* controller = nullptr;
};

TEST_F(LanguageControllerTest, PropertyPathsReachTheirTargets) {
  Apply(R"(<frmSample Caption="Window">
  <lblName Caption="Name" Font.Name="Tahoma" Font.Color="clRed" Font.Style=" [fsBold] "/>
  <cboKind Items_0="One" Items_5="Six"/>
  <lstItems Columns_0.Caption="First" Columns_1.Caption="Second" Items_0.Caption="Row" Items_3.Caption="x"/>
  <tvTree Items_1.Text="Child" Items_7.Text="x"/>
  <pnlTop Caption="Top" Missing.Caption="x" Width="not a number" Hint=" hint "/>
</frmSample>)");
  EXPECT_EQ(form->Caption(), "Window");
  auto& label = Get<TLabel>("lblName");
  EXPECT_EQ(label.Caption(), "Name");
  EXPECT_EQ(label.Font()->Name(), "Tahoma");
  EXPECT_EQ(label.Font()->Color(), clRed);
  EXPECT_TRUE(label.Font()->Style().Contains(fsBold));

  auto& combo = Get<TComboBox>("cboKind");
  ASSERT_EQ(combo.Items()->Count(), 6);
  EXPECT_EQ(combo.Items()->Text(), "One\r\ntwo\r\n\r\n\r\n\r\nSix\r\n");
  EXPECT_EQ(combo.ItemIndex(), 1);
  EXPECT_EQ(combo.Text(), "two");

  auto& view = Get<TListView>("lstItems");
  ASSERT_EQ(view.Columns()->Count(), 1);
  EXPECT_EQ(view.Columns()->Items(0)->Caption(), "First");
  EXPECT_EQ(view.Items()->Item(0)->Caption(), "Row");
  EXPECT_EQ(view.Items()->Count(), 1);

  auto& tree = Get<TTreeView>("tvTree");
  EXPECT_EQ(tree.Items()->Item(0)->Text(), "root");
  EXPECT_EQ(tree.Items()->Item(1)->Text(), "Child");

  auto& panel = Get<TPanel>("pnlTop");
  EXPECT_EQ(panel.Caption(), "Top");
  EXPECT_EQ(panel.Hint(), " hint ");
}

TEST_F(LanguageControllerTest, ExclusionsSkipTheComponentButNotWhatItOwnsNorTheFormElement) {
  auto* owner = New<TPanel>(&Get<TLabel>("lblName"));
  owner->SetName("pnlOwned");
  controller->ExcludeControls()->SetText(" LBLNAME \r\nfrmSample\r\n");
  Apply(R"(<root Caption="Window"><frmSample Caption="By name"/><lblName Caption="x"/><pnlOwned Caption="Owned"/></root>)");
  EXPECT_EQ(form->Caption(), "Window");
  EXPECT_EQ(Get<TLabel>("lblName").Caption(), "name");
  EXPECT_EQ(owner->Caption(), "Owned");
  // Changes reach the reader that is live.
  controller->ExcludeControls()->Clear();
  controller->GetReader().ReadComponent(form);
  EXPECT_EQ(Get<TLabel>("lblName").Caption(), "x");
  EXPECT_EQ(form->Caption(), "By name");
}

TEST_F(LanguageControllerTest, FirstOfTwoEqualTagsAndEventsAroundEachComponent) {
  Recorder recorder;
  controller->BeforeLoadComponent = Bind<&Recorder::Before>(&recorder);
  controller->AfterLoadComponent = Bind<&Recorder::After>(&recorder);
  Apply(R"(<x><g><lblName Caption="first"/></g><lblName Caption="second" Hint="h"/></x>)");
  EXPECT_EQ(Get<TLabel>("lblName").Caption(), "first");
  EXPECT_EQ(Get<TLabel>("lblName").Hint(), "");
  EXPECT_EQ(recorder.Lines, (std::vector<AnsiString>{"before frmSample x", "after frmSample x",
                                                      "before lblName lblName", "after lblName lblName"}));
}

TEST_F(LanguageControllerTest, ReadersByComponentClassKeepTheSelection) {
  TXmlDocument document;
  ASSERT_TRUE(document.LoadXML("<r Items_1=\"B\" Items_4=\"E\"/>"));
  TComponent* data = &Get<TwwDBComboBox>("wcbState");
  TLangRead reader = TReaderFactory::CreateReader(data, document.DocumentElement());
  EXPECT_NE(dynamic_cast<TwwDBCustomComboBoxRead*>(reader.get()), nullptr);
  EXPECT_NE(dynamic_cast<TCustomComboBoxRead*>(TReaderFactory::CreateReader(&Get<TComboBox>("cboKind"), {}).get()),
            nullptr);
  auto plain = TReaderFactory::CreateReader(&Get<TLabel>("lblName"), {});
  EXPECT_EQ(dynamic_cast<TCustomComboBoxRead*>(plain.get()), nullptr);
  reader->ReadAll();
  auto& box = Get<TwwDBComboBox>("wcbState");
  EXPECT_EQ(box.Items()->Text(), "a\r\nB\r\nc\r\n\r\nE\r\n");
  EXPECT_EQ(box.ItemIndex(), 2);
}

TEST_F(LanguageControllerTest, ReadAttributeByPositionOrName) {
  TXmlDocument document;
  ASSERT_TRUE(document.LoadXML("<r Caption=\"A\" Hint=\"B\"/>"));
  auto& label = Get<TLabel>("lblName");
  TLangRead reader = TReaderFactory::CreateReader(&label, document.DocumentElement());
  struct Case {
    Variant index;
    const char* caption;
    const char* hint;
  };
  const std::vector<Case> cases = {
      {Variant(5), "name", ""},   {Variant(1.0), "name", ""}, {Variant(), "name", ""},
      {Variant("Hint"), "name", "B"}, {Variant(0), "A", "B"},
  };
  for (const auto& c : cases) {
    reader->ReadAttribute(c.index);
    EXPECT_EQ(label.Caption(), c.caption);
    EXPECT_EQ(label.Hint(), c.hint);
  }
}

TEST_F(LanguageControllerTest, ActivationErrorsLeaveTheControllerInactive) {
  TempFolder folder;
  const AnsiString missing = folder.path() + "TKvForm.Lng";
  const AnsiString broken = folder.write("broken.Lng", "<a><b></a>");
  struct Case {
    AnsiString fileName;
    AnsiString lines;
    AnsiString message;  // empty: any parser's reason
  };
  const std::vector<Case> cases = {
      {"", "", "Cannot Find File !"},
      {missing, "", "Cannot Find File " + missing + "!"},
      {broken, "", ""},
      {"", "<a b='1'><c></a>", ""},
  };
  for (const auto& c : cases) {
    controller->SetFileName(c.fileName);
    if (!c.lines.empty()) controller->XmlLines()->SetText(c.lines);
    try {
      controller->SetActive(true);
      ADD_FAILURE() << "activated " << c.fileName << c.lines;
    } catch (const LanguageControllerError& e) {
      if (c.message.empty()) EXPECT_FALSE(e.Message.empty());
      else EXPECT_EQ(e.Message, c.message);
    }
    EXPECT_FALSE(controller->Active());
    try {
      controller->GetReader();
      ADD_FAILURE() << "reader of an inactive controller";
    } catch (const LanguageControllerError& e) {
      EXPECT_EQ(e.Message, "No active LanguageController!");
    }
  }
}

TEST_F(LanguageControllerTest, FileNameAndLinesReplaceEachOther) {
  Recorder recorder;
  controller->BeforeOpen = Bind<&Recorder::Opening>(&recorder);
  controller->AfterOpen = Bind<&Recorder::Opened>(&recorder);
  controller->BeforeClose = Bind<&Recorder::Closing>(&recorder);
  controller->AfterClose = Bind<&Recorder::Closed>(&recorder);
  TempFolder folder;
  const AnsiString file = folder.write("TKvForm.Lng", "<r Caption='file'/>");
  controller->SetFileName(file);
  controller->SetActive(true);
  EXPECT_TRUE(controller->Active());
  controller->XmlLines()->SetText("<r Caption='lines'/>");
  EXPECT_FALSE(controller->Active());
  EXPECT_EQ(controller->FileName(), "");
  controller->SetActive(true);
  controller->GetReader().ReadComponent(form);
  EXPECT_EQ(form->Caption(), "lines");
  controller->SetFileName(file);
  EXPECT_FALSE(controller->Active());
  EXPECT_EQ(controller->XmlLines()->Count(), 0);
  controller->SetActive(true);
  controller->GetReader().ReadComponent(form);
  EXPECT_EQ(form->Caption(), "file");
  EXPECT_EQ(recorder.Lines, (std::vector<AnsiString>{"BeforeOpen", "AfterOpen", "BeforeClose", "AfterClose",
                                                      "BeforeOpen", "AfterOpen", "BeforeClose", "AfterClose",
                                                      "BeforeOpen", "AfterOpen"}));
}

TEST_F(LanguageControllerTest, PackageNameNamesTheFileInTheLanguageFolder) {
  TestInstallation installation("ClientPath=<root>client\r\nServerPath=<root>server\r\n");
  installation.write("client/MultiLanguage/CHS/TKvForm.Lng", "<r/>");
  installation.write("server/MultiLanguage/CHS/TKvForm.Lng", "<r/>");
  controller->SetLangPackageName("TKvForm");
  EXPECT_EQ(controller->FileName(), installation.root() + "client/MultiLanguage/CHS/TKvForm.Lng");
  controller->SetActive(true);
  controller->SetLangPackageName("TKvForm");
  EXPECT_TRUE(controller->Active());
  controller->SetDesignType(dtServer);
  controller->SetLangPackageName("TfrmBaseGene");
  EXPECT_FALSE(controller->Active());
  EXPECT_EQ(controller->FileName(), installation.root() + "server/MultiLanguage/CHS/TfrmBaseGene.Lng");
}

TEST(LanguageControllerDescription, ActiveIsAppliedWhenLoadingEnds) {
  ScopedCodePage codePage(936);
  TestInstallation installation("ClientPath=<root>\r\n");
  installation.write("MultiLanguage/CHS/TKvForm.Lng", "<r><lblA Caption='x'/></r>");
  RegisterStandardControls();
  RegisterLanguageClasses();
  TForm* form = FormFromDescription(R"(object frmX: TForm
  object lcMain: TKvLangController
    Active = True
    LangPackageName = 'TKvForm'
    ExcludeControls.Strings = ('lblA')
  end
end
)");
  auto* controller = static_cast<TKvLangController*>(form->FindComponent("lcMain"));
  ASSERT_NE(controller, nullptr);
  EXPECT_TRUE(controller->Active());
  EXPECT_EQ(controller->GetReader().ExcludeControls.Text(), "lblA\r\n");
  EXPECT_EQ(controller->FileName(), installation.root() + "MultiLanguage/CHS/TKvForm.Lng");
  form->Free();
}

}  // namespace
