#include "platform/controls/MenusPaint.h"

#include <algorithm>

#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ClassicLook.h"

namespace {

constexpr int FrameWidth = 3;
// Columns of a row: the mark, the caption, the gap before the short cut, the arrow.
constexpr int MarkColumn = 18;
constexpr int ShortCutGap = 18;
constexpr int ArrowColumn = 17;
constexpr int BarItemPadding = 6;
// A sub-menu overlaps its parent's frame so its first row lines up with the parent's row.
constexpr int SubMenuOverlap = FrameWidth;

constexpr unsigned RowTextFlags = DT_SINGLELINE | DT_VCENTER;

// A canvas for measuring captions in the menu font.
class TMeasure {
public:
  explicit TMeasure(TFontCharset charset) : bitmap_(1, 1) { AssignMenuFont(*bitmap_.Canvas()->Font(), charset); }
  int Width(const AnsiString& text, unsigned flags = 0, bool bold = false) {
    TCanvas& canvas = *bitmap_.Canvas();
    TFontStyles style = bold ? TFontStyles{fsBold} : TFontStyles{};
    canvas.Font()->SetStyle(style);
    TRect extent = Bounds(0, 0, 0, 0);
    canvas.DrawText(text, extent, DT_CALCRECT | DT_SINGLELINE | flags);
    return extent.Width();
  }

private:
  TBitmap bitmap_;
};

TFontCharset CharsetOf(const TCustomForm& form) { return form.Font()->Charset(); }

// The form a menu shows on: a main menu on the form whose Menu it is, a pop-up menu on the form
// that owns it.
bool ShowsOn(const TMenu& menu, const TCustomForm& form) {
  if (dynamic_cast<const TMainMenu*>(&menu)) return form.Menu() == &menu;
  for (const TComponent* c = menu.Owner(); c; c = c->Owner())
    if (c == &form) return true;
  return false;
}

// The open item and the items it was opened from, outermost first; a main menu's chain starts
// at an item of the bar.
std::vector<TMenuItem*> OpenChain() {
  std::vector<TMenuItem*> chain;
  for (TMenuItem* item = OpenMenu(); item; item = item->Parent()) chain.push_back(item);
  std::reverse(chain.begin(), chain.end());
  if (chain.size() > 1 && dynamic_cast<TMainMenu*>(chain.front()->GetParentMenu())) chain.erase(chain.begin());
  return chain;
}

void PaintRow(TCanvas& canvas, const TMenuEntry& row, bool highlighted, TFontCharset charset, int shortCutRight) {
  const TMenuItem& item = *row.Item;
  const TRect& r = row.Bounds;
  if (item.IsLine()) {
    DrawEtchedLine(canvas, r.Left + 1, r.Right - 1, r.Top + (r.Height() - 2) / 2);
    return;
  }
  // A disabled item keeps the menu's colours and shows embossed grey text.
  bool enabled = item.Enabled();
  bool lit = highlighted && enabled;
  TColor textColor = lit ? clHighlightText : (enabled ? clMenuText : clGrayText);
  if (lit) {
    canvas.Brush()->SetColor(clHighlight);
    canvas.FillRect(r);
  }
  AssignMenuFont(*canvas.Font(), charset);
  if (item.Default()) canvas.Font()->SetStyle(TFontStyles{fsBold});
  canvas.Font()->SetColor(textColor);
  auto mark = [&](TMenuMark kind, int left, int width) {
    TPoint size = MenuMarkSize(kind);
    DrawMenuMark(canvas, left + (width - size.X) / 2, r.Top + (r.Height() - size.Y) / 2, kind, textColor);
  };
  if (item.Checked()) mark(item.RadioItem() ? mmRadio : mmCheck, r.Left, MarkColumn);
  if (item.Count() > 0) mark(mmSubMenu, r.Right - ArrowColumn, ArrowColumn);
  TRect caption{r.Left + MarkColumn, r.Top, r.Right - ArrowColumn, r.Bottom};
  DrawCaption(canvas, item.Caption(), caption, RowTextFlags, enabled);
  if (item.Count() == 0 && item.ShortCut() != 0) {
    TRect shortCut{caption.Left, r.Top, shortCutRight, r.Bottom};
    DrawCaption(canvas, ShortCutToText(item.ShortCut()), shortCut, RowTextFlags | DT_RIGHT | DT_NOPREFIX, enabled);
  }
}

}  // namespace

void AssignMenuFont(TFont& font, TFontCharset charset) {
  font.SetName("Tahoma");
  font.SetHeight(-11);
  font.SetStyle(TFontStyles{});
  font.SetColor(clMenuText);
  font.SetCharset(charset);
}

std::vector<TMenuEntry> MenuBarEntries(const TCustomForm& form) {
  std::vector<TMenuEntry> entries;
  TRect bar = form.MenuBarBounds();
  if (bar.IsEmpty()) return entries;
  TMeasure measure(CharsetOf(form));
  TMenuItem& top = *form.Menu()->Items();
  int left = bar.Left;
  for (int i = 0; i < top.Count(); ++i) {
    TMenuItem* item = top.Items(i);
    if (!item->Visible()) continue;
    int width = measure.Width(item->Caption()) + 2 * BarItemPadding;
    entries.push_back({item, {left, bar.Top, left + width, bar.Bottom}});
    left += width;
  }
  return entries;
}

TMenuBox MenuBoxAt(TMenuItem& menu, TPoint at, TFontCharset charset) {
  TMeasure measure(charset);
  int captionWidth = 0, shortCutWidth = 0, height = 0;
  TMenuBox box{&menu, {}, {}, nullptr};
  for (int i = 0; i < menu.Count(); ++i) {
    TMenuItem* item = menu.Items(i);
    if (!item->Visible()) continue;
    int rowHeight = item->IsLine() ? MenuLineHeight : MenuRowHeight;
    box.Rows.push_back({item, Bounds(0, height, 0, rowHeight)});
    height += rowHeight;
    if (item->IsLine()) continue;
    captionWidth = std::max(captionWidth, measure.Width(item->Caption(), 0, item->Default()));
    if (item->Count() == 0 && item->ShortCut() != 0)
      shortCutWidth = std::max(shortCutWidth, measure.Width(ShortCutToText(item->ShortCut()), DT_NOPREFIX));
  }
  int rowWidth = MarkColumn + captionWidth + (shortCutWidth > 0 ? ShortCutGap + shortCutWidth : 0) + ArrowColumn;
  box.Bounds = Bounds(at.X, at.Y, rowWidth + 2 * FrameWidth, height + 2 * FrameWidth);
  for (TMenuEntry& row : box.Rows)
    row.Bounds = Bounds(at.X + FrameWidth, at.Y + FrameWidth + row.Bounds.Top, rowWidth, row.Bounds.Height());
  return box;
}

std::vector<TMenuBox> OpenMenuBoxes(const TCustomForm& form) {
  std::vector<TMenuBox> boxes;
  std::vector<TMenuItem*> chain = OpenChain();
  if (chain.empty()) return boxes;
  TMenu* menu = chain.front()->GetParentMenu();
  if (!menu || !ShowsOn(*menu, form)) return boxes;
  TPoint at;
  if (auto* popup = dynamic_cast<TPopupMenu*>(menu)) {
    at = {popup->PopupX() - form.Left(), popup->PopupY() - form.Top()};
  } else {
    TRect bar = form.MenuBarBounds();
    at = {bar.Left, bar.Bottom};
    for (const TMenuEntry& entry : MenuBarEntries(form))
      if (entry.Item == chain.front()) at = {entry.Bounds.Left, entry.Bounds.Bottom};
  }
  TFontCharset charset = CharsetOf(form);
  for (std::size_t level = 0; level < chain.size(); ++level) {
    boxes.push_back(MenuBoxAt(*chain[level], at, charset));
    TMenuBox& box = boxes.back();
    if (level + 1 == chain.size()) {
      int highlight = OpenMenuHighlight();
      if (highlight >= 0 && highlight < box.Menu->Count()) box.Highlighted = box.Menu->Items(highlight);
      break;
    }
    box.Highlighted = chain[level + 1];
    for (const TMenuEntry& row : box.Rows)
      if (row.Item == box.Highlighted) at = {box.Bounds.Right - SubMenuOverlap, row.Bounds.Top - FrameWidth};
  }
  return boxes;
}

void PaintMenuBar(TCanvas& canvas, const TCustomForm& form) {
  TRect bar = form.MenuBarBounds();
  if (bar.IsEmpty()) return;
  TCanvas::TStateSaver saved(canvas);
  canvas.IntersectClipRect(bar);
  canvas.Brush()->SetColor(clMenu);
  canvas.FillRect(bar);
  std::vector<TMenuItem*> chain = OpenChain();
  TMenuItem* open = chain.empty() ? nullptr : chain.front();
  AssignMenuFont(*canvas.Font(), CharsetOf(form));
  for (const TMenuEntry& entry : MenuBarEntries(form)) {
    TRect text = entry.Bounds;
    // The item whose menu is open is pressed in.
    if (entry.Item == open) {
      DrawEdge(canvas, entry.Bounds, edSunkenOuter);
      text = OffsetRect(text, 1, 1);
    }
    DrawCaption(canvas, entry.Item->Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_CENTER, entry.Item->Enabled());
  }
}

void PaintMenuBox(TCanvas& canvas, const TMenuBox& box, TFontCharset charset) {
  TCanvas::TStateSaver saved(canvas);
  canvas.Brush()->SetColor(clMenu);
  canvas.FillRect(box.Bounds);
  DrawEdge(canvas, box.Bounds, edRaised);
  int shortCutRight = box.Bounds.Right - FrameWidth - ArrowColumn;
  for (const TMenuEntry& row : box.Rows) PaintRow(canvas, row, row.Item == box.Highlighted, charset, shortCutRight);
}

void PaintOpenMenus(TCanvas& canvas, const TCustomForm& form) {
  for (const TMenuBox& box : OpenMenuBoxes(form)) PaintMenuBox(canvas, box, CharsetOf(form));
}

bool MenuClick(TCustomForm& form, TPoint at) {
  std::vector<TMenuBox> boxes = OpenMenuBoxes(form);
  // Sub-menus lie over their parents: the innermost box takes the click.
  for (auto box = boxes.rbegin(); box != boxes.rend(); ++box) {
    if (!box->Bounds.Contains(at)) continue;
    for (const TMenuEntry& row : box->Rows)
      if (row.Bounds.Contains(at) && OpenMenu() != row.Item) ChooseMenuItem(*row.Item);
    return true;
  }
  if (form.MenuBarBounds().Contains(at)) {
    std::vector<TMenuItem*> chain = OpenChain();
    TMenuItem* open = boxes.empty() ? nullptr : chain.front();
    CloseMenus();
    for (const TMenuEntry& entry : MenuBarEntries(form))
      if (entry.Bounds.Contains(at) && entry.Item != open) ChooseMenuItem(*entry.Item);
    return true;
  }
  if (!OpenMenu()) return false;
  CloseMenus();
  return true;
}
