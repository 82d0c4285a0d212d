#include "controls/ExtPage.h"

#include "platform/classes/ClassDecl.h"
#include "platform/graphics/Canvas.h"

const TClassInfo& TExtPageControl::StaticClass() {
  static const TClassInfo info = DescribeClass<TExtPageControl>("TExtPageControl");
  return info;
}

TExtPageControl::TExtPageControl(TComponent* owner) : TPageControl(owner) { SetOwnerDraw(true); }

void TExtPageControl::DrawTab(int tabIndex, const TRect& rect, bool active) {
  if (OnDrawTab) {
    OnDrawTab(this, tabIndex, rect, active);
    return;
  }
  TCanvas& canvas = *Canvas();
  TFont& font = *canvas.Font();
  TRect r = rect;
  TFontStyles style = font.Style();
  if (active) {
    // The active tab's rectangle reaches over the strip's edge.
    r = InflateRect(r, -2, -2);
    font.SetColor(clCaptionText);
    font.SetStyle(style.Include(fsBold));
    canvas.Brush()->SetColor(clActiveCaption);
  } else {
    font.SetColor(clInactiveCaptionText);
    font.SetStyle(style.Exclude(fsBold));
    canvas.Brush()->SetColor(clInactiveCaption);
  }
  canvas.FillRect(r);
  if (!active) r.Top += 2;
  // The tab index counts the visible tabs only.
  std::vector<TTabSheet*> tabs = VisibleTabs();
  if (tabIndex < 0 || tabIndex >= static_cast<int>(tabs.size())) return;
  canvas.DrawText(tabs[static_cast<size_t>(tabIndex)]->Caption(), r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void RegisterExtPageClass() { RegisterClass(TExtPageControl::StaticClass()); }
