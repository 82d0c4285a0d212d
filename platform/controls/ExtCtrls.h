#pragma once
// The splitter and the bevel.

#include "platform/controls/Controls.h"

enum TResizeStyle { rsNone, rsLine, rsUpdate, rsPattern };
const TTypeInfo& TypeInfoOf(TResizeStyle*);

// Dragged with the mouse, it resizes the control it is aligned against (the sibling ending where
// the splitter begins for alLeft and alTop, starting where it ends for alRight and alBottom), no
// smaller than MinSize; OnMoved follows.
class TSplitter : public TGraphicControl {
  PAVANE_CLASS(TSplitter, TGraphicControl)
public:
  explicit TSplitter(TComponent* owner);
  void Paint(TCanvas& canvas) override;
  int MinSize() const { return minSize_; }
  void SetMinSize(int size) { minSize_ = size > 0 ? size : 1; }
  bool Beveled() const { return beveled_; }
  void SetBeveled(bool beveled) { beveled_ = beveled; }
  TResizeStyle ResizeStyle() const { return resizeStyle_; }
  void SetResizeStyle(TResizeStyle style) { resizeStyle_ = style; }
  // The control the splitter resizes, nullptr when none is against it.
  TControl* ResizedControl() const;
  void WndProc(TMessage& message) override;

  TNotifyEvent OnMoved;

private:
  void MoveBy(int delta);

  int minSize_ = 30;
  bool beveled_ = false;
  TResizeStyle resizeStyle_ = rsPattern;
  bool dragging_ = false;
  int dragStart_ = 0;
};

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };
const TTypeInfo& TypeInfoOf(TBevelShape*);
const TTypeInfo& TypeInfoOf(TBevelStyle*);

class TBevel : public TGraphicControl {
  PAVANE_CLASS(TBevel, TGraphicControl)
public:
  explicit TBevel(TComponent* owner);
  void Paint(TCanvas& canvas) override;
  TBevelShape Shape() const { return shape_; }
  void SetShape(TBevelShape shape) { shape_ = shape; }
  TBevelStyle Style() const { return style_; }
  void SetStyle(TBevelStyle style) { style_ = style; }

private:
  TBevelShape shape_ = bsBox;
  TBevelStyle style_ = bsLowered;
};

void RegisterExtControlClasses();
