#include <gtest/gtest.h>

#include "platform/classes/Collection.h"
#include "platform/classes/ClassDecl.h"
#include "platform/streaming/FormReader.h"
#include "tests/platform/TestForms.h"

namespace {

class TColumn : public TCollectionItem {
  PAVANE_CLASS(TColumn, TCollectionItem)
public:
  using TCollectionItem::TCollectionItem;
  AnsiString Caption;
  int Width = 0;
};

// A component that records its state while it is read.
class TStateProbe : public TComponent {
  PAVANE_CLASS(TStateProbe, TComponent)
public:
  explicit TStateProbe(TComponent* owner) : TComponent(owner), columns_(ItemsOf<TColumn>()) {}
  TCollection* Columns() const { return const_cast<TCollection*>(&columns_); }
  void SetColumns(TCollection* c) { columns_.Assign(*c); }
  int Value() const { return value_; }
  void SetValue(int v) {
    value_ = v;
    loadingWhileSet = IsLoading();
    readingWhileSet = ComponentState().Contains(csReading);
  }
  void Loaded() override {
    TComponent::Loaded();
    ++loadedCalls;
  }
  bool loadingWhileSet = false;
  bool readingWhileSet = false;
  int loadedCalls = 0;

private:
  TCollection columns_;
  int value_ = 0;
};

}  // namespace

const TClassInfo& TColumn::StaticClass() {
  static const TClassInfo info = DescribeClass<TColumn>(
      "TColumn", {Prop("Caption", &TColumn::Caption), Prop("Width", &TColumn::Width)});
  return info;
}

const TClassInfo& TStateProbe::StaticClass() {
  static const TClassInfo info = DescribeClass<TStateProbe>(
      "TStateProbe", {Prop("Columns", &TStateProbe::Columns, &TStateProbe::SetColumns),
                      Prop("Value", &TStateProbe::Value, &TStateProbe::SetValue)});
  return info;
}

class FormReader : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterTestForms();
    RegisterClass(TStateProbe::StaticClass());
  }
};

TEST_F(FormReader, BuildsTheAncestorsFormWithOwnersParentsPropertiesAndEvents) {
  TScopedFree form(New<TfrmTestBase>(nullptr));
  EXPECT_EQ(form->Name(), "frmTestBase");
  EXPECT_EQ(form->Caption(), GbText("基础窗口"));
  EXPECT_TRUE(form->KeyPreview());
  ASSERT_NE(form->pnlTop, nullptr);
  ASSERT_NE(form->edFirst, nullptr);
  EXPECT_EQ(form->edFirst->Owner(), form.get());
  EXPECT_EQ(form->edFirst->Parent(), form->pnlTop);
  EXPECT_EQ(form->pnlTop->Parent(), form.get());
  EXPECT_EQ(form->pnlTop->Font()->Name(), "Tahoma");
  EXPECT_TRUE(form->pnlTop->Font()->Style().Contains(fsBold));
  EXPECT_EQ(form->pnlTop->Color(), clRed);
  EXPECT_EQ(form->edFirst->Font()->Name(), "Tahoma");  // parent font
  EXPECT_EQ(form->edSecond->Text(), "it's\r\ntwo");
  EXPECT_EQ(form->btnOk->ModalResult(), mrOk);
  EXPECT_EQ(form->edSecond->TabOrder(), 0);
  EXPECT_EQ(form->edFirst->TabOrder(), 1);
  EXPECT_FALSE(form->IsLoading());
  EXPECT_FALSE(form->edFirst->IsLoading());
  form->btnOk->Click();
  EXPECT_EQ(form->Log, std::vector<AnsiString>{"base ok"});
}

TEST_F(FormReader, DerivedDescriptionAppliesOverTheAncestors) {
  TScopedFree form(New<TfrmTestDerived>(nullptr));
  EXPECT_EQ(form->Name(), "frmTestDerived");
  EXPECT_EQ(form->Caption(), "Derived");
  EXPECT_EQ(form->pnlTop->Caption(), "Top2");
  EXPECT_EQ(form->edFirst->Text(), "changed");
  EXPECT_EQ(form->edSecond->Text(), "it's\r\ntwo");
  EXPECT_EQ(form->ComponentCount(), 5);
  ASSERT_NE(form->memNotes, nullptr);
  EXPECT_EQ(form->memNotes->Lines()->Text(), "line 1\r\n" + GbText("第二行") + "\r\n");
  EXPECT_EQ(form->memNotes->Hint(), "notes here");
  EXPECT_EQ(form->ActiveControl(), form->edFirst);
  form->btnOk->Click();
  EXPECT_EQ(form->Log, std::vector<AnsiString>{"derived ok"});
}

TEST_F(FormReader, KeepsTheLoadingStateDuringTheReadAndCallsLoadedOnce) {
  TScopedFree root(New<TComponent>(nullptr));
  TFormObject d = ParseFormText(
      "object Root: TComponent\n object probe: TStateProbe\n  Value = 7\n"
      "  Columns = <\n   item\n    Caption = 'A'\n    Width = 50\n   end\n   item\n    Caption = 'B'\n   end>\n end\nend\n");
  ReadDescriptions(*root.get(), {&d});
  auto* probe = dynamic_cast<TStateProbe*>(root->FindComponent("probe"));
  ASSERT_NE(probe, nullptr);
  EXPECT_EQ(probe->Value(), 7);
  EXPECT_TRUE(probe->loadingWhileSet);
  EXPECT_TRUE(probe->readingWhileSet);
  EXPECT_EQ(probe->loadedCalls, 1);
  EXPECT_FALSE(probe->IsLoading());
  ASSERT_EQ(probe->Columns()->Count(), 2);
  auto* first = static_cast<TColumn*>(probe->Columns()->Items(0));
  EXPECT_EQ(first->Caption, "A");
  EXPECT_EQ(first->Width, 50);
}

TEST_F(FormReader, ReportsBadDescriptionsWithTheirLine) {
  struct Case {
    const char* Text;
    const char* Expected;
  };
  for (const Case& c : std::vector<Case>{
           {"object F: TForm\n object x: TNoClass\n end\nend\n", "class TNoClass not found"},
           {"object F: TForm\n Widht = 3\nend\n", "property Widht does not exist"},
           {"object F: TForm\n OnShow = NoSuchHandler\nend\n", "method NoSuchHandler not found"},
           {"object F: TForm\n BorderStyle = bsRound\nend\n", "invalid property element: bsRound"},
           {"object F: TForm\n inherited b: TButton\n end\nend\n", "ancestor for 'b' not found"},
           {"object F: TForm\n ActiveControl = nobody\nend\n", "component nobody not found"},
           {"object F: TForm\n OnShow = OnKeyDown\nend\n", "method OnKeyDown not found"},
       }) {
    TScopedFree form(New<TForm>(nullptr));
    TFormObject d = ParseFormText(c.Text);
    try {
      ReadDescriptions(*form.get(), {&d});
      ADD_FAILURE() << c.Text;
    } catch (const EReadError& e) {
      EXPECT_NE(e.Message.find(c.Expected), std::string::npos) << e.Message;
    }
  }
}

TEST_F(FormReader, ParserRejectsMalformedText) {
  for (const char* text : {"", "object F TForm\nend\n", "object F: TForm\n Caption = 'open\nend\n",
                           "object F: TForm\n Width = \nend\n", "object F: TForm\n", "object F: TForm\nend\nend\n"})
    EXPECT_THROW(ParseFormText(text), EParserError) << text;
}
