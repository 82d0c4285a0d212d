#include "controls/DBLabel.h"

#include "controls/OrvoEdit.h"
#include "platform/controls/Dialogs.h"
#include "platform/db/DataSource.h"
#include "tests/platform/ControlFixture.h"

namespace {

struct PlaceCase {
  TDBLabelPos Pos;
  int ControlTop, ControlHeight;
  int Left, Top;
};

}  // namespace

class DBLabelTest : public ControlTest {
protected:
  // A label 30 × 13 (or as high as given).
  TDBLabel* AddLabel(const char* name, int height = 13) {
    auto* label = Add<TDBLabel>(name, 0, 0, 30, height);
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 30, height);
    return label;
  }
};

TEST_F(DBLabelTest, NewLabelHasItsCaptionAndDefaults) {
  auto* label = New<TDBLabel>(form);
  EXPECT_EQ(label->Caption(), GbText("挂靠标签"));
  EXPECT_TRUE(label->AutoAlign());
  EXPECT_TRUE(label->AutoCaption());
  EXPECT_EQ(label->Gap(), 4);
  EXPECT_EQ(label->Pos(), psLeft);
  EXPECT_EQ(label->FocusControl(), nullptr);
}

TEST_F(DBLabelTest, PlacedBesideItsControlAndKeptInsideTheParent) {
  auto* edit = Add<TEdit>("edNote", 100, 20, 80, 21);
  auto* label = AddLabel("lblNote");
  label->SetFocusControl(edit);
  for (const PlaceCase& c :
       {PlaceCase{psTop, 20, 21, 100, 3}, PlaceCase{psTop, 5, 21, 100, 0}, PlaceCase{psBottom, 20, 21, 100, 45},
        PlaceCase{psLeft, 20, 21, 66, 24}, PlaceCase{psRight, 20, 21, 184, 24}, PlaceCase{psLeft, 20, 13, 66, 20},
        PlaceCase{psRight, 0, 4, 184, 0}}) {
    edit->SetBounds(100, c.ControlTop, 80, c.ControlHeight);
    label->SetPos(c.Pos == psLeft ? psRight : psLeft);
    label->SetPos(c.Pos);
    EXPECT_EQ(label->Left(), c.Left) << c.Pos << " top " << c.ControlTop;
    EXPECT_EQ(label->Top(), c.Top) << c.Pos << " top " << c.ControlTop;
  }
  // Left of a control near the edge: at least 0.
  edit->SetBounds(10, 20, 80, 21);
  label->SetPos(psLeft);
  label->SetGap(5);
  EXPECT_EQ(label->Left(), 0);
  EXPECT_EQ(label->Gap(), 5);
  label->SetGap(256);
  EXPECT_EQ(label->Gap(), 5);
}

TEST_F(DBLabelTest, WithoutAutoAlignTheLabelStays) {
  auto* edit = Add<TEdit>("edNote", 100, 20, 80, 21);
  auto* label = AddLabel("lblNote");
  label->SetAutoAlign(false);
  label->SetBounds(7, 9, 30, 13);
  label->SetFocusControl(edit);
  label->SetPos(psTop);
  EXPECT_EQ(label->Left(), 7);
  EXPECT_EQ(label->Top(), 9);
  label->SetAutoAlign(true);
  EXPECT_EQ(label->Top(), 3);
}

TEST_F(DBLabelTest, ASecondLabelForOneControlIsRefusedWithTheMessage) {
  auto* edit = Add<TEdit>("edNote", 100, 20, 80, 21);
  auto* first = AddLabel("lblFirst");
  auto* second = AddLabel("lblSecond");
  first->SetFocusControl(edit);
  ClearShownDialogs();
  Application->ModalResponder = [](TCustomForm& dialog) { ClickOn(*DialogButton(dialog, "OK")); };
  second->SetFocusControl(edit);
  ASSERT_EQ(ShownDialogs().size(), 1u);
  EXPECT_EQ(ShownDialogs()[0].Kind, mtError);
  EXPECT_EQ(ShownDialogs()[0].Text, GbText("不能同时有两个 DBLabel 指到同一个 Control."));
  EXPECT_EQ(ShownDialogs()[0].Buttons, std::vector<AnsiString>{"OK"});
  EXPECT_EQ(second->FocusControl(), nullptr);
  // The label that has the control keeps it silently.
  first->SetFocusControl(edit);
  EXPECT_EQ(ShownDialogs().size(), 1u);
  EXPECT_EQ(first->FocusControl(), edit);
  // Once the control is gone, another label may take its successor.
  edit->Free();
  EXPECT_EQ(first->FocusControl(), nullptr);
}

class DBLabelCaptionTest : public DBLabelTest {
protected:
  void SetUp() override {
    DBLabelTest::SetUp();
    dataSet = New<TDataSet>(form);
    auto* field = New<TStringField>(form);
    field->SetFieldName("SIGN_IN");
    field->SetDisplayLabel(GbText("签核"));
    field->SetDataSet(dataSet);
    source = New<TDataSource>(form);
    source->SetDataSet(dataSet);
    edit = Add<TKvDBEdit>("edSignIn", 100, 20, 80, 21);
    edit->SetDataSource(source);
  }
  TDataSet* dataSet = nullptr;
  TDataSource* source = nullptr;
  TKvDBEdit* edit = nullptr;
};

TEST_F(DBLabelCaptionTest, CaptionComesFromTheFieldsDisplayLabel) {
  edit->SetDataField("sign_in");
  auto* label = Add<TDBLabel>("lblSignIn", 0, 0, 30, 13);
  label->SetFocusControl(edit);
  EXPECT_EQ(label->Caption(), GbText("签核"));
  // Sized to the new caption before it was placed.
  EXPECT_EQ(label->Left(), 100 - label->Width() - 4);
  label->SetAutoCaption(false);
  label->SetCaption("mine");
  label->SetPos(psTop);
  EXPECT_EQ(label->Caption(), "mine");
}

TEST_F(DBLabelCaptionTest, MissingLinksLeaveTheCaption) {
  auto* label = Add<TDBLabel>("lblSignIn", 0, 0, 30, 13);
  label->SetCaption("kept");
  edit->SetDataField("NO_SUCH_FIELD");
  label->SetFocusControl(edit);
  EXPECT_EQ(label->Caption(), "kept");
  edit->SetDataField("SIGN_IN");
  source->SetDataSet(nullptr);
  label->Adjust();
  EXPECT_EQ(label->Caption(), "kept");
  // A control without DataSource and DataField.
  label->SetFocusControl(Add<TEdit>("edPlain", 10, 60, 80, 21));
  EXPECT_EQ(label->Caption(), "kept");
}
