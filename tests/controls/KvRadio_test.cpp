#include "controls/KvRadioButton.h"
#include "controls/KvRadioGroup.h"

#include "platform/controls/Buttons.h"
#include "platform/controls/Snapshot.h"
#include "platform/graphics/Canvas.h"
#include "tests/platform/ControlFixture.h"

namespace {

class KvRadioTest : public ControlTest {
protected:
  TKvRadioButton* AddRadio(const char* name, int top, TWinControl* parent) {
    auto* radio = Add<TKvRadioButton>(name, 8, top, 113, 17, parent);
    radio->OnClick = Bind<&TEventLog::Clicked>(log);
    return radio;
  }
  TKvRadioGroup* AddGroup(std::initializer_list<const char*> items) {
    auto* group = Add<TKvRadioGroup>("grpKind", 10, 10, 185, 105);
    for (const char* item : items) group->Items()->Add(item);
    group->OnClick = Bind<&TEventLog::Clicked>(log);
    return group;
  }
};

// A group that never lets the user change its selection.
class TLockedRadioGroup : public TKvRadioGroup {
  PAVANE_CLASS(TLockedRadioGroup, TKvRadioGroup)
public:
  using TKvRadioGroup::TKvRadioGroup;
  bool AllowsChange() override { return false; }
};

class TKeyLog : public TComponent {
  PAVANE_CLASS(TKeyLog, TComponent)
public:
  using TComponent::TComponent;
  std::vector<AnsiString> Lines;
  void KeyDown(TObject*, WORD& key, TShiftState) { Lines.push_back("down " + IntToStr(key)); }
  void KeyPress(TObject*, char& key) { Lines.push_back(AnsiString("press ") + key); }
  void DoubleClicked(TObject*) { Lines.push_back("double"); }
  // A handler that asks the button for the same notification again.
  void ClickAgain(TObject*) {
    Lines.push_back("group click");
    Button->Perform(CN_COMMAND, BN_DOUBLECLICKED, 0);
  }
  void Fail(TObject*) { throw Exception("selection refused"); }
  TKvRadioButton* Button = nullptr;
};

}  // namespace

const TClassInfo& TLockedRadioGroup::StaticClass() {
  static const TClassInfo info = DescribeClass<TLockedRadioGroup>("TLockedRadioGroup");
  return info;
}

const TClassInfo& TKeyLog::StaticClass() {
  static const TClassInfo info = DescribeClass<TKeyLog>("TKeyLog");
  return info;
}

TEST_F(KvRadioTest, CheckingUnchecksOnlyTheKvRadioButtonsBesideIt) {
  auto* box = Add<TGroupBox>("grpRun", 10, 10, 200, 100);
  auto* queue = AddRadio("rdoQueue", 16, box);
  auto* realTime = AddRadio("rdoRealTime", 36, box);
  auto* platform = Add<TRadioButton>("rbPlain", 8, 56, 113, 17, box);
  auto* elsewhere = AddRadio("rdoEveryday", 150, nullptr);
  queue->SetChecked(true);
  platform->SetChecked(true);
  elsewhere->SetChecked(true);
  EXPECT_TRUE(queue->Checked());
  EXPECT_TRUE(queue->TabStop());
  form->Show();
  log->Lines.clear();
  ClickOn(*realTime);
  EXPECT_TRUE(realTime->Checked());
  EXPECT_TRUE(realTime->TabStop());
  EXPECT_FALSE(queue->Checked());
  EXPECT_FALSE(queue->TabStop());
  EXPECT_TRUE(platform->Checked());
  EXPECT_TRUE(elsewhere->Checked());
  EXPECT_EQ(form->FocusedControl(), realTime);
  // Clicking the checked button changes nothing and raises nothing.
  ClickOn(*realTime);
  EXPECT_EQ(log->Lines, std::vector<AnsiString>{"click rdoRealTime"});
}

TEST_F(KvRadioTest, SpaceChecksAcceleratorFocusesAndDoubleClickIsReported) {
  auto* keys = New<TKeyLog>(form);
  auto* first = AddRadio("rdoFirst", 10, nullptr);
  auto* second = AddRadio("rdoSecond", 40, nullptr);
  second->SetCaption("&Every month");
  second->OnDblClick = Bind<&TKeyLog::DoubleClicked>(keys);
  form->Show();
  first->SetFocus();
  PressKey(*form, 'E', TShiftState{ssAlt});
  EXPECT_EQ(form->FocusedControl(), second);
  EXPECT_FALSE(second->Checked());
  PressKey(*form, VK_SPACE);
  EXPECT_TRUE(second->Checked());
  EXPECT_EQ(log->Lines, std::vector<AnsiString>{"click rdoSecond"});
  int x = 0, y = 0;
  ControlOrigin(*second, x, y);
  DoubleClick(*form, x + 50, y + 8);
  EXPECT_EQ(keys->Lines, std::vector<AnsiString>{"double"});
  // A disabled button takes no click.
  first->SetEnabled(false);
  ClickOn(*first);
  EXPECT_FALSE(first->Checked());
}

TEST_F(KvRadioTest, CaptionOffsetFollowsTheFontSize) {
  const std::pair<int, int> cases[] = {{1, 17},  {8, 17},  {9, 19},  {15, 19}, {16, 20}, {17, 20}, {18, 21},
                                       {23, 21}, {24, 23}, {29, 23}, {30, 25}, {35, 25}, {36, 27}, {41, 27},
                                       {42, 29}, {43, 29}, {44, 31}, {60, 31}, {61, 39}, {80, 39}, {81, 44},
                                       {0, 44}};
  for (auto [points, offset] : cases) EXPECT_EQ(RadioCaptionOffset(points), offset) << points;
}

TEST_F(KvRadioTest, NinePointCaptionIsRepaintedNineteenPixelsFromTheLeft) {
  auto* radio = AddRadio("rdoQueue", 10, nullptr);
  radio->SetCaption("Queue");
  radio->Font()->SetSize(9);
  radio->SetChecked(true);
  TBitmap shown;
  RenderControl(*radio, shown);
  // What the control paints from 15 (19 - 4) on: its colour and the caption drawn at 19.
  TBitmap expected(113, 17);
  TCanvas& canvas = *expected.Canvas();
  canvas.Brush()->SetColor(clBtnFace);
  canvas.FillRect(Bounds(0, 0, 113, 17));
  canvas.Brush()->SetStyle(bsClear);
  canvas.SetFont(radio->Font());
  TRect text{19, 0, 113, 17};
  canvas.DrawText("Queue", text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  for (int y = 0; y < 17; ++y)
    for (int x = 15; x < 113; ++x) ASSERT_EQ(shown.Pixel(x, y), expected.Pixel(x, y)) << x << "," << y;
  // The mark is the platform's, at the left.
  int marks = 0;
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 12; ++x) marks += shown.Pixel(x, y) != TColor(0xC0C0C0);
  EXPECT_GT(marks, 20);
}

TEST_F(KvRadioTest, LeftAlignmentKeepsTheMarkAtTheRightEdge) {
  auto* radio = AddRadio("rdoQueue", 10, nullptr);
  radio->SetCaption("Queue");
  radio->SetAlignment(taLeftJustify);
  TBitmap shown;
  RenderControl(*radio, shown);
  auto inked = [&](int from, int to) {
    int n = 0;
    for (int y = 0; y < 17; ++y)
      for (int x = from; x < to; ++x) n += shown.Pixel(x, y) != TColor(0xC0C0C0);
    return n;
  };
  EXPECT_GT(inked(101, 113), 20);
  EXPECT_GT(inked(0, 40), 0);
  EXPECT_EQ(inked(80, 100), 0);
}

TEST_F(KvRadioTest, GroupArrangesItsButtonsInColumns) {
  auto* group = AddGroup({"Day", "Week", "Month", "Quarter", "Year"});
  group->SetColumns(2);
  TBitmap measure(1, 1);
  measure.Canvas()->SetFont(group->Font());
  ASSERT_EQ(measure.Canvas()->TextHeight("0"), 13);
  ASSERT_EQ(group->ButtonCount(), 5);
  struct TPlace {
    int Left, Top;
  };
  // 3 rows; width (185 - 10) div 2 = 87; height (105 - 13 - 5) div 3 = 29; top margin 13 + 1 + 0.
  const TPlace places[] = {{8, 14}, {8, 43}, {8, 72}, {95, 14}, {95, 43}};
  for (int k = 0; k < 5; ++k) {
    TKvGroupButton* b = group->Buttons(k);
    EXPECT_EQ(b->Left(), places[k].Left) << k;
    EXPECT_EQ(b->Top(), places[k].Top) << k;
    EXPECT_EQ(b->Width(), 87);
    EXPECT_EQ(b->Height(), 29);
    EXPECT_TRUE(b->Visible());
    EXPECT_EQ(b->Parent(), group);
  }
  EXPECT_EQ(group->Buttons(3)->Caption(), "Quarter");
  // Resizing arranges again.
  group->SetWidth(105);
  EXPECT_EQ(group->Buttons(3)->Left(), 8 + 47);
}

TEST_F(KvRadioTest, ColumnsAndItemIndexAreClamped) {
  auto* group = AddGroup({"A", "B", "C", "D", "E"});
  for (auto [columns, expected] : {std::pair{0, 1}, {20, 16}, {-3, 1}, {4, 4}}) {
    group->SetColumns(columns);
    EXPECT_EQ(group->Columns(), expected) << columns;
  }
  group->SetItemIndex(-5);
  EXPECT_EQ(group->ItemIndex(), -1);
  group->SetItemIndex(10);
  EXPECT_EQ(group->ItemIndex(), 4);
  EXPECT_TRUE(group->Buttons(4)->Checked());
  group->SetItemIndex(1);
  EXPECT_FALSE(group->Buttons(4)->Checked());
  EXPECT_TRUE(group->Buttons(1)->Checked());
  // Fewer items than the index: the last one is selected, and the buttons follow the items.
  group->Items()->SetText("A\r\n");
  EXPECT_EQ(group->ItemIndex(), 0);
  ASSERT_EQ(group->ButtonCount(), 1);
  EXPECT_TRUE(group->Buttons(0)->Checked());
  group->Items()->Clear();
  EXPECT_EQ(group->ItemIndex(), -1);
  EXPECT_EQ(group->ButtonCount(), 0);
}

TEST_F(KvRadioTest, PickingAButtonSelectsItAndRaisesTheGroupsOnClick) {
  auto* group = AddGroup({"Day", "Week", "Month"});
  form->Show();
  ClickOn(*group->Buttons(2));
  EXPECT_EQ(group->ItemIndex(), 2);
  EXPECT_EQ(log->Lines, std::vector<AnsiString>{"click grpKind"});
  PressKey(*form, VK_SPACE);
  EXPECT_EQ(log->Lines.size(), 1u);
  // The selection by program checks its button and, as the platform's group does, clicks.
  group->SetItemIndex(0);
  EXPECT_TRUE(group->Buttons(0)->Checked());
  EXPECT_FALSE(group->Buttons(2)->Checked());
  EXPECT_EQ(log->Lines.size(), 2u);
  // Disabling the group disables its buttons.
  group->SetEnabled(false);
  EXPECT_FALSE(group->Buttons(1)->Enabled());
}

TEST_F(KvRadioTest, AGroupThatAllowsNoChangeIgnoresClicksAndSwallowsSpace) {
  auto* keys = New<TKeyLog>(form);
  auto* group = Add<TLockedRadioGroup>("grpLocked", 10, 10, 185, 105);
  group->Items()->SetText("Day\r\nWeek\r\n");
  group->OnClick = Bind<&TEventLog::Clicked>(log);
  group->OnKeyDown = Bind<&TKeyLog::KeyDown>(keys);
  group->OnKeyPress = Bind<&TKeyLog::KeyPress>(keys);
  form->Show();
  ClickOn(*group->Buttons(1));
  EXPECT_EQ(group->ItemIndex(), -1);
  EXPECT_FALSE(group->Buttons(1)->Checked());
  // The click still focused the button; its keys reach the group, Space goes no further.
  EXPECT_EQ(form->FocusedControl(), group->Buttons(1));
  PressKey(*form, VK_SPACE);
  EXPECT_FALSE(group->Buttons(1)->Checked());
  EXPECT_EQ(keys->Lines, (std::vector<AnsiString>{"down 32", "press  "}));
  EXPECT_TRUE(log->Lines.empty());
}

TEST_F(KvRadioTest, AButtonHandlesOneNotificationAtATimeAndReportsFailures) {
  auto* keys = New<TKeyLog>(form);
  auto* group = AddGroup({"Day", "Week"});
  TKvGroupButton* week = group->Buttons(1);
  keys->Button = week;
  week->OnDblClick = Bind<&TKeyLog::DoubleClicked>(keys);
  group->OnClick = Bind<&TKeyLog::ClickAgain>(keys);
  form->Show();
  ClickOn(*week);
  EXPECT_EQ(keys->Lines, std::vector<AnsiString>{"group click"});
  // Outside a click the double click is reported.
  week->Perform(CN_COMMAND, BN_DOUBLECLICKED, 0);
  EXPECT_EQ(keys->Lines.back(), "double");
  // A failure while handling the click goes to the application's handler, and the next click works.
  group->OnClick = Bind<&TKeyLog::Fail>(keys);
  ClickOn(*group->Buttons(0));
  EXPECT_EQ(Application->LastExceptionMessage(), "selection refused");
  EXPECT_EQ(group->ItemIndex(), 0);
  group->OnClick = Bind<&TEventLog::Clicked>(log);
  ClickOn(*week);
  EXPECT_EQ(log->Lines, std::vector<AnsiString>{"click grpKind"});
}

TEST_F(KvRadioTest, AGroupReadFromADescriptionChecksItsStoredIndex) {
  RegisterKvRadioGroupClass();
  struct TCase {
    const char* Index;
    int Expected;
  };
  for (TCase c : {TCase{"1", 1}, TCase{"7", 2}}) {
    std::string text = std::string(R"(object frmRead: TForm
  object grpCycle: TKvRadioGroup
    Left = 8
    Top = 8
    Width = 185
    Height = 105
    Columns = 2
    ItemIndex = )") + c.Index + R"(
    Items.Strings = ('Hour' 'Day' 'Week')
  end
end
)";
    std::unique_ptr<TForm, void (*)(TForm*)> read(FormFromDescription(text), [](TForm* f) { f->Free(); });
    auto* group = dynamic_cast<TKvRadioGroup*>(read->FindComponent("grpCycle"));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->ItemIndex(), c.Expected) << c.Index;
    ASSERT_EQ(group->ButtonCount(), 3);
    EXPECT_TRUE(group->Buttons(c.Expected)->Checked());
    EXPECT_EQ(group->Buttons(2)->Left(), 95);
  }
}
