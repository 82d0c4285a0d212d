#include "controls/OrvoEdit.h"

#include "platform/classes/TypInfo.h"
#include "tests/platform/ControlFixture.h"

namespace {

struct PlacementCase {
  TLabelPosition Position;
  int Spacing;
  int Left, Top;
};

}  // namespace

class CaptionedEditTest : public ControlTest {
protected:
  // An edit at 42, 4, 45 × 21 whose label is 30 × 13.
  template <class T>
  T* AddCaptioned() {
    auto* edit = Add<T>("edHour", 42, 4, 45, 21);
    edit->EditLabel()->SetAutoSize(false);
    edit->EditLabel()->SetBounds(0, 0, 30, 13);
    return edit;
  }
};

TEST_F(CaptionedEditTest, LabelSitsOnTheChosenSideAndFollowsTheBounds) {
  auto* edit = AddCaptioned<TKvEdit>();
  TLabel* label = edit->EditLabel();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Name(), "EditLabel");
  EXPECT_EQ(label->Owner(), edit);
  EXPECT_EQ(label->FocusControl(), edit);
  EXPECT_EQ(label->Parent(), form);
  EXPECT_EQ(edit->Caption(), "");
  for (const PlacementCase& c : {PlacementCase{lpLeft, 4, 8, 8}, PlacementCase{lpRight, 4, 91, 8},
                                 PlacementCase{lpAbove, 4, 42, -13}, PlacementCase{lpBelow, 4, 42, 29},
                                 PlacementCase{lpLeft, 0, 12, 8}}) {
    edit->SetLabelSpacing(c.Spacing);
    edit->SetLabelPosition(c.Position);
    EXPECT_EQ(label->Left(), c.Left) << c.Position;
    EXPECT_EQ(label->Top(), c.Top) << c.Position;
    EXPECT_EQ(label->Width(), 30);
    EXPECT_EQ(label->Height(), 13);
  }
  // An odd difference of heights rounds toward zero.
  edit->SetLabelPosition(lpRight);
  edit->SetBounds(100, 50, 60, 20);
  EXPECT_EQ(label->Left(), 160);
  EXPECT_EQ(label->Top(), 53);
}

TEST_F(CaptionedEditTest, NegativeSpacingIsIgnored) {
  auto* edit = AddCaptioned<TKvEdit>();
  edit->SetLabelSpacing(6);
  edit->SetLabelSpacing(-1);
  EXPECT_EQ(edit->LabelSpacing(), 6);
  EXPECT_EQ(edit->EditLabel()->Left(), 42 - 30 - 6);
}

TEST_F(CaptionedEditTest, LabelTakesParentEnablingAndVisibility) {
  auto* edit = AddCaptioned<TKvEdit>();
  auto* panel = Add<TPanel>("pnHours", 10, 100, 200, 60);
  edit->SetParent(panel);
  EXPECT_EQ(edit->EditLabel()->Parent(), panel);
  edit->SetEnabled(false);
  EXPECT_FALSE(edit->EditLabel()->Enabled());
  edit->Hide();
  EXPECT_FALSE(edit->EditLabel()->Visible());
  edit->Show();
  edit->SetEnabled(true);
  EXPECT_TRUE(edit->EditLabel()->Visible());
  EXPECT_TRUE(edit->EditLabel()->Enabled());
}

TEST_F(CaptionedEditTest, CaptionIsTheLabelsTextAndEmptyOnceTheLabelIsGone) {
  auto* edit = Add<TKvEdit>("edEveryHour", 60, 10, 45, 21);
  const TPropInfo* caption = GetPropInfo(*edit, "Caption");
  ASSERT_NE(caption, nullptr);
  SetStrProp(*edit, *caption, "Every");
  EXPECT_EQ(edit->EditLabel()->Caption(), "Every");
  // The label sized itself to the caption and was placed after that.
  EXPECT_EQ(edit->EditLabel()->Left(), 60 - edit->EditLabel()->Width() - 4);
  EXPECT_EQ(edit->Text(), "edEveryHour");
  edit->EditLabel()->Free();
  EXPECT_EQ(edit->EditLabel(), nullptr);
  EXPECT_EQ(edit->Caption(), "");
  edit->SetCaption("x");
  edit->SetBounds(0, 0, 10, 10);
  EXPECT_EQ(edit->Caption(), "");
}

TEST_F(CaptionedEditTest, LabelAcceleratorFocusesTheEdit) {
  auto* first = Add<TEdit>("edFirst", 200, 10, 45, 21);
  auto* edit = Add<TKvEdit>("edHour", 60, 40, 45, 21);
  edit->SetCaption("&Hour");
  form->Show();
  first->SetFocus();
  PressKey(*form, 'H', {ssAlt});
  EXPECT_TRUE(edit->Focused());
}

class DBEditTest : public CaptionedEditTest {
protected:
  void SetUp() override {
    CaptionedEditTest::SetUp();
    dataSet = New<TDataSet>(form);
    field = New<TStringField>(form);
    field->SetFieldName("NOTE_ID");
    field->SetDisplayLabel("Note");
    field->SetDataSet(dataSet);
    source = New<TDataSource>(form);
    source->SetDataSet(dataSet);
  }
  TDataSet* dataSet = nullptr;
  TStringField* field = nullptr;
  TDataSource* source = nullptr;
};

TEST_F(DBEditTest, ChoosingAFieldWhileDesignedTakesItsDisplayLabel) {
  auto* edit = Add<TKvDBEdit>("edNoteID", 60, 10, 45, 21);
  edit->SetDataSource(source);
  edit->SetDataField("note_id");
  EXPECT_EQ(edit->Field(), field);
  EXPECT_EQ(edit->Caption(), "") << "at run time the caption stays";
  edit->SetDesigning(true);
  edit->SetDataField("NOTE_ID");
  EXPECT_EQ(edit->Caption(), "Note");
  edit->SetDataField("MISSING");
  EXPECT_EQ(edit->Caption(), "Note");
  // The binding forgets a data source that goes.
  source->Free();
  EXPECT_EQ(edit->DataSource(), nullptr);
  EXPECT_EQ(edit->Field(), nullptr);
}
