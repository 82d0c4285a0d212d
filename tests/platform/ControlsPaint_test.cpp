#include "tests/platform/ControlFixture.h"

#include "platform/controls/Buttons.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/ListControls.h"
#include "platform/controls/Snapshot.h"
#include "platform/graphics/Canvas.h"
#include "tests/support/Pixels.h"

namespace {

class TTabLog : public TComponent {
  PAVANE_CLASS(TTabLog, TComponent)
public:
  using TComponent::TComponent;
  void DrawTab(TObject* control, int index, const TRect& rect, bool active) {
    auto* pages = static_cast<TPageControl*>(control);
    pages->Canvas()->Brush()->SetColor(clRed);
    pages->Canvas()->FillRect(rect);
    Tabs.push_back({index, rect, active});
  }
  struct TDrawn {
    int Index;
    TRect Rect;
    bool Active;
  };
  std::vector<TDrawn> Tabs;
};

}  // namespace

const TClassInfo& TTabLog::StaticClass() {
  static const TClassInfo info = DescribeClass<TTabLog>("TTabLog");
  return info;
}

class Painting : public ControlTest {
protected:
  // The control painted alone into a bitmap.
  std::unique_ptr<TBitmap> Render(TControl& control) {
    auto bitmap = std::make_unique<TBitmap>();
    RenderControl(control, *bitmap);
    return bitmap;
  }
};

TEST_F(Painting, CheckBoxShowsItsMarkOnlyWhenChecked) {
  auto* check = Add<TCheckBox>("chkAll", 0, 0, 97, 17);
  TRect box = Bounds(3, 5, 7, 7);
  auto unchecked = Render(*check);
  EXPECT_EQ(CountColor(*unchecked, box, clWindowText), 0);
  check->SetChecked(true);
  auto checked = Render(*check);
  EXPECT_GT(CountColor(*checked, box, clWindowText), 10);
  // Grayed: the mark in grey on the face colour.
  check->SetState(cbGrayed);
  auto grayed = Render(*check);
  EXPECT_EQ(CountColor(*grayed, box, clWindowText), 0);
  EXPECT_GT(CountColor(*grayed, box, clGrayText), 10);
}

TEST_F(Painting, ListBoxHighlightsTheSelectedRow) {
  auto* list = Add<TListBox>("lstNames", 0, 0, 100, 60);
  list->Items()->SetText("one\r\ntwo\r\nthree");
  list->SetItemIndex(1);
  auto bitmap = Render(*list);
  int rowTop = 2 + list->ItemHeight();
  EXPECT_GT(CountColor(*bitmap, Bounds(2, rowTop, 96, list->ItemHeight()), clHighlight), 200);
  EXPECT_EQ(CountColor(*bitmap, Bounds(2, 2, 96, list->ItemHeight()), clHighlight), 0);
}

TEST_F(Painting, SpeedButtonShowsTheGlyphImageOfItsState) {
  // A two-image glyph: blue normal image, green disabled image, a fuchsia transparent corner.
  TBitmap glyph(8, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x) glyph.SetPixel(x, y, x < 4 ? clBlue : clLime);
  glyph.SetPixel(0, 3, clFuchsia);
  glyph.SetPixel(4, 3, clFuchsia);
  auto* button = Add<TSpeedButton>("btnGo", 0, 0, 24, 24);
  button->SetGlyph(&glyph);
  button->SetNumGlyphs(2);
  TRect whole = Bounds(0, 0, 24, 24);
  auto normal = Render(*button);
  EXPECT_EQ(CountColor(*normal, whole, clBlue), 15);
  EXPECT_EQ(CountColor(*normal, whole, clLime), 0);
  // The transparent corner shows the face.
  EXPECT_EQ(CountColor(*normal, whole, clFuchsia), 0);
  button->SetEnabled(false);
  auto disabled = Render(*button);
  EXPECT_EQ(CountColor(*disabled, whole, clLime), 15);
  EXPECT_EQ(CountColor(*disabled, whole, clBlue), 0);
}

TEST_F(Painting, PageControlTabsGoThroughTheDrawHook) {
  auto* pages = Add<TPageControl>("pgMain", 0, 0, 200, 100);
  for (const char* caption : {"One", "Two", "Three"}) {
    auto* sheet = New<TTabSheet>(form);
    sheet->SetPageControl(pages);
    sheet->SetCaption(caption);
  }
  pages->Pages(1)->SetTabVisible(false);
  auto* hook = New<TTabLog>(form);
  pages->OnDrawTab = Bind<&TTabLog::DrawTab>(hook);
  auto bitmap = Render(*pages);
  ASSERT_EQ(hook->Tabs.size(), 2u);
  EXPECT_TRUE(hook->Tabs[0].Active);
  EXPECT_FALSE(hook->Tabs[1].Active);
  EXPECT_EQ(hook->Tabs[1].Index, 1);
  const TRect& second = hook->Tabs[1].Rect;
  EXPECT_EQ(CountColor(*bitmap, second, clRed), second.Width() * second.Height());
  EXPECT_EQ(pages->Canvas(), nullptr);
}

TEST_F(Painting, ReportRowsShowCaptionsSubItemsAndTheSelection) {
  auto* view = Add<TListView>("lvRows", 0, 0, 200, 80);
  view->SetViewStyle(vsReport);
  view->SetHideSelection(false);
  view->SetRowSelect(true);
  for (int c = 0; c < 2; ++c) view->Columns()->Add()->SetWidth(90);
  TListItem* item = view->Items()->Add();
  item->SetCaption("row");
  item->SubItems()->Add("sub");
  view->Items()->Add()->SetCaption("other");
  item->SetSelected(true);
  auto bitmap = Render(*view);
  int top = 2 + TListView::HeaderHeight;
  EXPECT_GT(CountColor(*bitmap, Bounds(2, top, 180, TListView::RowHeight), clHighlight), 1000);
  EXPECT_EQ(CountColor(*bitmap, Bounds(2, top + TListView::RowHeight, 180, TListView::RowHeight), clHighlight), 0);
  // Text is drawn in both columns of the row.
  EXPECT_GT(CountColor(*bitmap, Bounds(2, top, 88, TListView::RowHeight), clHighlightText), 5);
  EXPECT_GT(CountColor(*bitmap, Bounds(94, top, 88, TListView::RowHeight), clHighlightText), 5);
}

TEST_F(Painting, EveryRegisteredControlPaintsOnAForm) {
  const char* classes[] = {"TCheckBox", "TRadioButton", "TBitBtn", "TSpeedButton", "TComboBox", "TListBox",
                           "TMaskEdit", "TSpinEdit", "TSplitter", "TBevel", "TListView", "TPageControl",
                           "TStatusBar", "TToolBar", "TTreeView", "TAnimate", "TTabSet", "TDBNavigator",
                           "TStringGrid"};
  int left = 0;
  for (const char* name : classes) {
    TComponent* c = FindClass(name).Create(form);
    auto* control = dynamic_cast<TControl*>(c);
    ASSERT_NE(control, nullptr) << name;
    control->SetParent(form);
    control->SetBounds(left % 400, left / 400 * 60, 60, 50);
    left += 70;
  }
  form->Show();
  auto bitmap = Render(*form);
  EXPECT_EQ(bitmap->Width(), form->Width());
  // The controls drew something of their own over the form's face.
  EXPECT_LT(CountColor(*bitmap, form->ClientBounds(), clBtnFace), form->ClientWidth() * form->ClientHeight());
}
