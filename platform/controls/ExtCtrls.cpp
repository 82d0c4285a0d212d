#include "platform/controls/ExtCtrls.h"

#include <algorithm>

#include "platform/classes/ClassDecl.h"
#include "platform/graphics/ClassicLook.h"

const TTypeInfo& TypeInfoOf(TResizeStyle*) {
  static const TTypeInfo t = EnumTypeInfo("TResizeStyle", {"rsNone", "rsLine", "rsUpdate", "rsPattern"});
  return t;
}
const TTypeInfo& TypeInfoOf(TBevelShape*) {
  static const TTypeInfo t = EnumTypeInfo(
      "TBevelShape", {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer"});
  return t;
}
const TTypeInfo& TypeInfoOf(TBevelStyle*) {
  static const TTypeInfo t = EnumTypeInfo("TBevelStyle", {"bsLowered", "bsRaised"});
  return t;
}

const TClassInfo& TSplitter::StaticClass() {
  static const TClassInfo info = DescribeClass<TSplitter>(
      "TSplitter", {Prop("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize),
                    Prop("Beveled", &TSplitter::Beveled, &TSplitter::SetBeveled),
                    Prop("ResizeStyle", &TSplitter::ResizeStyle, &TSplitter::SetResizeStyle),
                    Prop("OnMoved", &TSplitter::OnMoved)});
  return info;
}

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
  SetAlign(alLeft);
  SetBounds(0, 0, 3, 100);
  SetCursor(crHSplit);
  SetColor(clBtnFace);
  setCaptionFromName_ = false;
}

TControl* TSplitter::ResizedControl() const {
  if (!Parent()) return nullptr;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    TControl* c = Parent()->Controls(i);
    if (c == this || !c->Visible()) continue;
    bool against = false;
    switch (Align()) {
      case alLeft: against = c->Left() + c->Width() == Left(); break;
      case alRight: against = c->Left() == Left() + Width(); break;
      case alTop: against = c->Top() + c->Height() == Top(); break;
      case alBottom: against = c->Top() == Top() + Height(); break;
      default: break;
    }
    if (against) return c;
  }
  return nullptr;
}

void TSplitter::MoveBy(int delta) {
  TControl* c = ResizedControl();
  if (!c || delta == 0) return;
  bool horizontal = Align() == alLeft || Align() == alRight;
  bool growsWithDelta = Align() == alLeft || Align() == alTop;
  int size = horizontal ? c->Width() : c->Height();
  int newSize = std::max(size + (growsWithDelta ? delta : -delta), minSize_);
  int change = newSize - size;
  if (change == 0) return;
  int shift = growsWithDelta ? change : -change;
  if (Align() == alLeft) c->SetWidth(newSize);
  if (Align() == alTop) c->SetHeight(newSize);
  if (Align() == alRight) c->SetBounds(c->Left() - change, c->Top(), newSize, c->Height());
  if (Align() == alBottom) c->SetBounds(c->Left(), c->Top() - change, c->Width(), newSize);
  if (horizontal) SetLeft(Left() + shift);
  else SetTop(Top() + shift);
  OnMoved(this);
}

void TSplitter::WndProc(TMessage& message) {
  auto x = static_cast<std::int16_t>(message.LParam & 0xFFFF);
  auto y = static_cast<std::int16_t>((message.LParam >> 16) & 0xFFFF);
  int along = Align() == alLeft || Align() == alRight ? x : y;
  if (message.Msg == WM_LBUTTONDOWN && Enabled()) {
    dragging_ = true;
    dragStart_ = along;
  } else if (message.Msg == WM_LBUTTONUP && dragging_) {
    dragging_ = false;
    MoveBy(along - dragStart_);
  }
  TGraphicControl::WndProc(message);
}

const TClassInfo& TBevel::StaticClass() {
  static const TClassInfo info = DescribeClass<TBevel>(
      "TBevel", {Prop("Shape", &TBevel::Shape, &TBevel::SetShape), Prop("Style", &TBevel::Style, &TBevel::SetStyle)});
  return info;
}

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 50, 50);
  setCaptionFromName_ = false;
}

void TSplitter::Paint(TCanvas& canvas) {
  canvas.FillRect(Bounds(0, 0, Width(), Height()));
  if (beveled_) Frame3D(canvas, Bounds(0, 0, Width(), Height()), clBtnHighlight, clBtnShadow);
}

void TBevel::Paint(TCanvas& canvas) {
  TColor first = style_ == bsLowered ? clBtnShadow : clBtnHighlight;
  TColor second = style_ == bsLowered ? clBtnHighlight : clBtnShadow;
  int w = Width(), h = Height();
  TCanvas::TStateSaver saved(canvas);
  auto line = [&canvas](const TRect& r, TColor color) {
    canvas.Brush()->SetColor(color);
    canvas.FillRect(r);
  };
  switch (shape_) {
    case bsBox: Frame3D(canvas, Bounds(0, 0, w, h), first, second); break;
    case bsFrame:
      Frame3D(canvas, Bounds(0, 0, w - 1, h - 1), first, first);
      Frame3D(canvas, Bounds(1, 1, w - 1, h - 1), second, second);
      break;
    case bsTopLine: line({0, 0, w, 1}, first), line({0, 1, w, 2}, second); break;
    case bsBottomLine: line({0, h - 2, w, h - 1}, first), line({0, h - 1, w, h}, second); break;
    case bsLeftLine: line({0, 0, 1, h}, first), line({1, 0, 2, h}, second); break;
    case bsRightLine: line({w - 2, 0, w - 1, h}, first), line({w - 1, 0, w, h}, second); break;
    case bsSpacer: break;
  }
}

void RegisterExtControlClasses() {
  for (const TClassInfo* c : {&TSplitter::StaticClass(), &TBevel::StaticClass()}) RegisterClass(*c);
}
