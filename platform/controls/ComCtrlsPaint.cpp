// The common controls painted in the classic look: the list view's sunken box with its
// header and items, the page control's tabs over a raised page frame, the status bar's
// sunken panels, tool buttons, the tree's indented nodes.

#include "platform/controls/ComCtrls.h"
#include "platform/graphics/ClassicLook.h"

namespace {

TRect Whole(const TControl& control) { return Bounds(0, 0, control.Width(), control.Height()); }

void FillWith(TCanvas& canvas, const TRect& rect, TColor color) {
  TCanvas::TStateSaver saved(canvas);
  canvas.Brush()->SetColor(color);
  canvas.FillRect(rect);
}

// Text in a cell with the highlight colours when selected.
void PaintCell(TCanvas& canvas, const AnsiString& text, const TRect& rect, bool selected, unsigned flags) {
  TCanvas::TStateSaver saved(canvas);
  if (selected) {
    canvas.Brush()->SetColor(clHighlight);
    canvas.FillRect(rect);
    canvas.Font()->SetColor(clHighlightText);
  }
  TRect textRect = InflateRect(rect, -2, 0);
  canvas.Brush()->SetStyle(bsClear);
  canvas.DrawText(text, textRect, flags | DT_NOPREFIX | DT_END_ELLIPSIS);
}

unsigned AlignmentFlags(TAlignment alignment) {
  return alignment == taRightJustify ? DT_RIGHT : alignment == taCenter ? DT_CENTER : DT_LEFT;
}

}  // namespace

void TListView::Paint(TCanvas& canvas) {
  TRect inner = DrawEdge(canvas, Whole(*this), edSunken);
  canvas.FillRect(inner);
  canvas.IntersectClipRect(inner);
  canvas.MoveOrigin(inner.Left, inner.Top);
  bool showSelection = Focused() || !hideSelection_;
  if (viewStyle_ == vsReport && showColumnHeaders_) {
    int left = 0;
    for (int c = 0; c < columns_->Count(); ++c) {
      TListColumn* column = columns_->Items(c);
      TRect header = Bounds(left, 0, column->Width(), HeaderHeight);
      TRect content = DrawButtonFace(canvas, header, false, false, false);
      PaintCell(canvas, column->Caption(), content, false, AlignmentFlags(column->Alignment()) | DT_VCENTER | DT_SINGLELINE);
      left += column->Width();
    }
  }
  TImageList* images = viewStyle_ == vsIcon ? largeImages_ : smallImages_;
  for (int i = 0; i < items_->Count(); ++i) {
    TListItem* item = items_->Item(i);
    TItemPlace place = ItemRect(i);
    TRect cell = Bounds(place.Left, place.Top, place.Width, place.Height);
    bool selected = item->Selected() && showSelection;
    AnsiString caption = editing_ == item ? editorText_ : item->Caption();
    if (viewStyle_ == vsIcon) {
      int imageHeight = images ? images->Height() : 32;
      if (images && item->ImageIndex() >= 0)
        images->Draw(canvas, cell.Left + (cell.Width() - images->Width()) / 2, cell.Top + 2, item->ImageIndex());
      PaintCell(canvas, caption, {cell.Left, cell.Top + imageHeight + 4, cell.Right, cell.Bottom}, selected,
                DT_CENTER | DT_WORDBREAK);
    } else {
      int textLeft = cell.Left;
      if (images) {
        if (item->ImageIndex() >= 0)
          images->Draw(canvas, cell.Left + 1, cell.Top + (cell.Height() - images->Height()) / 2, item->ImageIndex());
        textLeft += images->Width() + 2;
      }
      int firstWidth = viewStyle_ == vsReport && columns_->Count() > 0 ? columns_->Items(0)->Width() : cell.Width();
      TRect captionRect = {textLeft, cell.Top, cell.Left + firstWidth, cell.Bottom};
      PaintCell(canvas, caption, rowSelect_ && viewStyle_ == vsReport ? cell : captionRect, selected,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE);
      if (viewStyle_ == vsReport) {
        int left = firstWidth;
        for (int c = 1; c < columns_->Count(); ++c) {
          int width = columns_->Items(c)->Width();
          const TStrings& sub = *item->SubItems();
          AnsiString text = c - 1 < sub.Count() ? sub.Strings(c - 1) : AnsiString();
          PaintCell(canvas, text, Bounds(left, cell.Top, width, cell.Height()), selected && rowSelect_,
                    AlignmentFlags(columns_->Items(c)->Alignment()) | DT_VCENTER | DT_SINGLELINE);
          left += width;
        }
        if (gridLines_) FillWith(canvas, {0, cell.Bottom - 1, left, cell.Bottom}, clBtnFace);
      }
    }
    if (item == focused_ && Focused()) canvas.DrawFocusRect(cell);
  }
}

void TPageControl::Paint(TCanvas& canvas) {
  int strip = TabStripHeight();
  DrawEdge(canvas, {0, strip, Width(), Height()}, edRaised);
  canvas_ = &canvas;
  std::vector<TTabSheet*> tabs = VisibleTabs();
  for (int i = 0; i < static_cast<int>(tabs.size()); ++i) {
    TTabPlace place = TabRect(i);
    bool active = tabs[static_cast<size_t>(i)] == activePage_;
    // The active tab stands out: two pixels taller and wider, joined to the page.
    TRect r = Bounds(place.Left, place.Top, place.Width, place.Height);
    if (active) r = {r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 1};
    if (ownerDraw_ || OnDrawTab) {
      TCanvas::TStateSaver saved(canvas);
      DrawTab(i, r, active);
      continue;
    }
    FillWith(canvas, r, clBtnFace);
    FillWith(canvas, {r.Left, r.Top + 2, r.Left + 1, r.Bottom}, clBtnHighlight);
    FillWith(canvas, {r.Left + 2, r.Top, r.Right - 2, r.Top + 1}, clBtnHighlight);
    FillWith(canvas, {r.Left + 1, r.Top + 1, r.Left + 2, r.Top + 2}, clBtnHighlight);
    FillWith(canvas, {r.Right - 2, r.Top + 2, r.Right - 1, r.Bottom}, clBtnShadow);
    FillWith(canvas, {r.Right - 1, r.Top + 2, r.Right, r.Bottom}, cl3DDkShadow);
    FillWith(canvas, {r.Right - 2, r.Top + 1, r.Right - 1, r.Top + 2}, cl3DDkShadow);
    TRect text = InflateRect(r, -3, -2);
    TTabSheet* page = tabs[static_cast<size_t>(i)];
    if (images_ && page->ImageIndex() >= 0) {
      images_->Draw(canvas, text.Left, text.Top + (text.Height() - images_->Height()) / 2, page->ImageIndex());
      text.Left += images_->Width() + 2;
    }
    DrawCaption(canvas, page->Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE, Enabled());
    if (active && Focused()) canvas.DrawFocusRect(InflateRect(text, 1, 0));
  }
  canvas_ = nullptr;
}

void TStatusBar::Paint(TCanvas& canvas) {
  canvas.FillRect(Whole(*this));
  if (simplePanel_ || panels_->Count() == 0) {
    TRect text = {2, 1, Width() - 2, Height()};
    DrawCaption(canvas, simpleText_, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE, Enabled());
    return;
  }
  int left = 0;
  for (int i = 0; i < panels_->Count(); ++i) {
    TStatusPanel* panel = panels_->Items(i);
    // The last panel takes the rest of the bar.
    int width = i == panels_->Count() - 1 ? std::max(Width() - left, 0) : panel->Width();
    TRect r = {left, 2, left + width - 2, Height()};
    if (panel->Bevel() != pbNone)
      Frame3D(canvas, r, panel->Bevel() == pbLowered ? clBtnShadow : clBtnHighlight,
              panel->Bevel() == pbLowered ? clBtnHighlight : clBtnShadow);
    DrawCaption(canvas, panel->Text(), InflateRect(r, -2, -1),
                AlignmentFlags(panel->Alignment()) | DT_VCENTER | DT_SINGLELINE, Enabled());
    left += width;
  }
}

void TToolBar::Paint(TCanvas& canvas) {
  canvas.FillRect(Whole(*this));
  if (!flat_) DrawEdge(canvas, Whole(*this), edRaisedInner);
}

void TToolButton::Paint(TCanvas& canvas) {
  auto* bar = dynamic_cast<TToolBar*>(Parent());
  if (style_ == tbsSeparator) return;
  if (style_ == tbsDivider) {
    Frame3D(canvas, {Width() / 2 - 1, 2, Width() / 2 + 1, Height() - 2}, clBtnShadow, clBtnHighlight);
    return;
  }
  int arrow = style_ == tbsDropDown ? DropDownArrowWidth : 0;
  TRect face = {0, 0, Width() - arrow, Height()};
  bool flat = bar && bar->Flat();
  if (down_) Frame3D(canvas, face, clBtnShadow, clBtnHighlight);
  else if (!flat) DrawButtonFace(canvas, face, false, false, false);
  TRect content = InflateRect(face, -3, -3);
  TImageList* images = bar ? bar->Images() : nullptr;
  if (images && imageIndex_ >= 0) {
    images->Draw(canvas, content.Left + (content.Width() - images->Width()) / 2, content.Top, imageIndex_, Enabled());
    content.Top += images->Height() + 1;
  }
  if (!images || (bar && bar->ShowCaptions()))
    DrawCaption(canvas, Caption(), content, DT_CENTER | DT_VCENTER | DT_SINGLELINE, Enabled());
  if (arrow) {
    TRect r = {face.Right, 0, Width(), Height()};
    if (!flat) DrawButtonFace(canvas, r, false, false, false);
    TCanvas::TStateSaver saved(canvas);
    canvas.Brush()->SetColor(Enabled() ? clBtnText : clGrayText);
    int cx = (r.Left + r.Right) / 2, cy = Height() / 2 - 1;
    for (int row = 0; row < 3; ++row) canvas.FillRect({cx - 2 + row, cy + row, cx + 3 - row, cy + row + 1});
  }
}

void TTreeView::Paint(TCanvas& canvas) {
  TRect inner = DrawEdge(canvas, Whole(*this), edSunken);
  canvas.FillRect(inner);
  canvas.IntersectClipRect(inner);
  canvas.MoveOrigin(inner.Left, inner.Top);
  std::vector<TTreeNode*> shown = VisibleNodes();
  constexpr int Indent = 19;
  for (size_t row = 0; row < shown.size(); ++row) {
    TTreeNode* node = shown[row];
    int top = static_cast<int>(row) * RowHeight;
    int left = node->Level() * Indent;
    if (node->Count() > 0) {
      // The plus or minus box of a node with children.
      TRect box = Bounds(left + 4, top + 4, 9, 9);
      FillWith(canvas, box, clWindow);
      Frame3D(canvas, box, clGrayText, clGrayText);
      FillWith(canvas, {box.Left + 2, box.Top + 4, box.Right - 2, box.Top + 5}, clWindowText);
      if (!node->Expanded()) FillWith(canvas, {box.Left + 4, box.Top + 2, box.Left + 5, box.Bottom - 2}, clWindowText);
    }
    TRect text = {left + Indent, top, inner.Width(), top + RowHeight};
    canvas.DrawText(node->Text(), text, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    text = InflateRect({text.Left, top, text.Right, top + RowHeight}, 2, 0);
    PaintCell(canvas, node->Text(), text, node == selected_ && Focused(), DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  }
}

void TAnimate::Paint(TCanvas& canvas) {
  if (!transparent_) canvas.FillRect(Whole(*this));
}
