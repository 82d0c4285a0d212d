#include "controls/ExtPage.h"

#include "platform/controls/Snapshot.h"
#include "platform/graphics/Canvas.h"
#include "tests/platform/ControlFixture.h"
#include "tests/support/Pixels.h"

namespace {

class TTabHook : public TComponent {
  PAVANE_CLASS(TTabHook, TComponent)
public:
  using TComponent::TComponent;
  void DrawTab(TObject*, int index, const TRect&, bool active) { Drawn.push_back({index, active}); }
  std::vector<std::pair<int, bool>> Drawn;
};

const TClassInfo& TTabHook::StaticClass() {
  static const TClassInfo info = DescribeClass<TTabHook>("TTabHook");
  return info;
}

// The columns of the rectangle that hold a pixel of the colour.
int ColumnsWith(const TBitmap& bitmap, const TRect& rect, TColor color) {
  int columns = 0;
  for (int x = rect.Left; x < rect.Right; ++x)
    if (CountColor(bitmap, {x, rect.Top, x + 1, rect.Bottom}, color) > 0) ++columns;
  return columns;
}

}  // namespace

class ExtPageTest : public ControlTest {
protected:
  void SetUp() override {
    ControlTest::SetUp();
    pages = Add<TExtPageControl>("pgOption", 0, 0, 240, 120);
    // The first page's tab is hidden; an empty caption shows if it were drawn on a tab.
    for (const char* caption : {"", "B", "CCCCCCCC"}) {
      auto* sheet = New<TTabSheet>(form);
      sheet->SetPageControl(pages);
      sheet->SetCaption(caption);
    }
    pages->Pages(0)->SetTabVisible(false);
    form->Show();
  }
  // The tab's rectangle as it is filled: the active one reaches 2 pixels beyond its place and
  // is drawn 2 pixels inside that.
  TRect Tab(int index) const {
    TTabPlace p = pages->TabRect(index);
    TRect r = Bounds(p.Left, p.Top, p.Width, p.Height);
    if (pages->TabIndex() == index) r.Bottom -= 1;
    return r;
  }
  std::unique_ptr<TBitmap> Render() {
    auto bitmap = std::make_unique<TBitmap>();
    RenderControl(*pages, *bitmap);
    return bitmap;
  }
  TExtPageControl* pages = nullptr;
};

TEST_F(ExtPageTest, TabsShowTheVisiblePagesInCaptionColours) {
  ASSERT_EQ(pages->ActivePage(), pages->Pages(1));
  auto bitmap = Render();
  TRect active = Tab(0), inactive = Tab(1);
  int activeArea = active.Width() * active.Height();
  int activeText = CountColor(*bitmap, active, clCaptionText);
  EXPECT_GT(activeText, 0);
  EXPECT_EQ(CountColor(*bitmap, active, clActiveCaption) + activeText, activeArea);
  // Tab 0 carries "B": one character wide.
  EXPECT_LT(ColumnsWith(*bitmap, active, clCaptionText), 12);
  int inactiveArea = inactive.Width() * inactive.Height();
  int inactiveText = CountColor(*bitmap, inactive, clInactiveCaptionText);
  EXPECT_EQ(CountColor(*bitmap, inactive, clInactiveCaption) + inactiveText, inactiveArea);
  // Tab 1 carries the eight characters of the third page.
  EXPECT_GT(ColumnsWith(*bitmap, inactive, clInactiveCaptionText), 30);
  // The inactive caption sits two pixels lower than it would centred in the whole tab.
  EXPECT_EQ(CountColor(*bitmap, {inactive.Left, inactive.Top, inactive.Right, inactive.Top + 2 + 3},
                       clInactiveCaptionText),
            0);
}

TEST_F(ExtPageTest, AClickOnATabMovesTheActiveColoursAndBoldText) {
  int normalPixels = CountColor(*Render(), Tab(1), clInactiveCaptionText);
  TTabPlace place = pages->TabRect(1);
  ClickAt(*pages, place.Left + place.Width / 2, place.Top + place.Height / 2);
  ASSERT_EQ(pages->ActivePage(), pages->Pages(2));
  auto bitmap = Render();
  EXPECT_EQ(CountColor(*bitmap, Tab(1), clInactiveCaption), 0);
  EXPECT_GT(CountColor(*bitmap, Tab(1), clActiveCaption), 0);
  // Bold text is heavier.
  EXPECT_GT(CountColor(*bitmap, Tab(1), clCaptionText), normalPixels);
  EXPECT_GT(CountColor(*bitmap, Tab(0), clInactiveCaption), 0);
}

TEST_F(ExtPageTest, AHandlerDrawsTheTabsAlone) {
  auto* hook = New<TTabHook>(form);
  pages->OnDrawTab = Bind<&TTabHook::DrawTab>(hook);
  auto bitmap = Render();
  EXPECT_EQ(hook->Drawn, (std::vector<std::pair<int, bool>>{{0, true}, {1, false}}));
  EXPECT_EQ(CountColor(*bitmap, Tab(0), clActiveCaption), 0);
  EXPECT_EQ(CountColor(*bitmap, Tab(1), clInactiveCaption), 0);
}
