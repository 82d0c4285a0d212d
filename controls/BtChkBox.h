#pragma once
// The check box of the forms, painted from one bitmap per state so that it looks the same under
// every code page and font.

#include <memory>

#include "platform/controls/Buttons.h"

class TBitCheckBox : public TCustomControl {
  PAVANE_CLASS(TBitCheckBox, TCustomControl)
public:
  explicit TBitCheckBox(TComponent* owner);

  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState state);
  bool Checked() const { return state_ == cbChecked; }
  void SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool allow) { allowGrayed_ = allow; }
  // taRightJustify: the glyph at the left and the caption right of it; taLeftJustify: the caption
  // at the left and the glyph at the right edge.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

  // The picture of each state; none loads the module's own. A bitmap whose width is a whole
  // multiple of its height sets the state's glyph count.
  TBitmap* CheckedGlyph() const { return glyphs_[cbChecked].Bitmap.get(); }
  void SetCheckedGlyph(TBitmap* glyph) { SetGlyph(cbChecked, glyph); }
  TBitmap* UncheckedGlyph() const { return glyphs_[cbUnchecked].Bitmap.get(); }
  void SetUncheckedGlyph(TBitmap* glyph) { SetGlyph(cbUnchecked, glyph); }
  TBitmap* GrayedGlyph() const { return glyphs_[cbGrayed].Bitmap.get(); }
  void SetGrayedGlyph(TBitmap* glyph) { SetGlyph(cbGrayed, glyph); }
  // Images side by side in a state's bitmap, 1 or 2: the enabled image, then the disabled one.
  int CheckedNumGlyphs() const { return glyphs_[cbChecked].Count; }
  void SetCheckedNumGlyphs(int count) { SetNumGlyphs(cbChecked, count); }
  int UncheckedNumGlyphs() const { return glyphs_[cbUnchecked].Count; }
  void SetUncheckedNumGlyphs(int count) { SetNumGlyphs(cbUnchecked, count); }
  int GrayedNumGlyphs() const { return glyphs_[cbGrayed].Count; }
  void SetGrayedNumGlyphs(int count) { SetNumGlyphs(cbGrayed, count); }

  // Advances the state as a click does: unchecked → grayed (AllowGrayed) or checked,
  // checked → unchecked, grayed → checked.
  virtual void Toggle();
  // Toggle, OnClick, then the focus when the box can take it.
  void Click() override;
  void Paint(TCanvas& canvas) override;
  // The accelerator focuses the box and toggles it without OnClick.
  void WndProc(TMessage& message) override;

protected:
  // A space typed in the box clicks it.
  void KeyPress(char& key) override;
  void DoEnter() override;
  void DoExit() override;
  void EnabledChanged() override { Invalidate(); }
  void Ctl3DChanged() override;

private:
  struct TStateGlyph {
    std::unique_ptr<TBitmap> Bitmap;
    int Count = 1;
  };
  void SetGlyph(TCheckBoxState state, TBitmap* glyph);
  void SetNumGlyphs(TCheckBoxState state, int count);

  TCheckBoxState state_ = cbUnchecked;
  bool allowGrayed_ = false;
  TAlignment alignment_ = taRightJustify;
  TStateGlyph glyphs_[3];
};

// The check box of the range panel.
class TTarnCheckBox : public TBitCheckBox {
  PAVANE_CLASS(TTarnCheckBox, TBitCheckBox)
public:
  using TBitCheckBox::TBitCheckBox;
};

// Registers the check boxes for creation by name.
void RegisterBitCheckBoxClasses();
