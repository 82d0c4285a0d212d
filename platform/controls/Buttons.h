#pragma once
// Check box, radio button, bitmap button and speed button.

#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
const TTypeInfo& TypeInfoOf(TCheckBoxState*);

// The platform's check box: a click (or Space, or its accelerator) moves it to the next state,
// unchecked → checked (→ grayed when AllowGrayed) → unchecked. A change of state, also by
// program, runs OnClick.
class TCheckBox : public TWinControl {
  PAVANE_CLASS(TCheckBox, TWinControl)
public:
  explicit TCheckBox(TComponent* owner);
  void Paint(TCanvas& canvas) override;
  bool Checked() const { return state_ == cbChecked; }
  void SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }
  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState state);
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool allow) { allowGrayed_ = allow; }
  // The user's click: the next state.
  void Click() override;
  bool FocusOnClick() const override { return true; }
  void WndProc(TMessage& message) override;

protected:
  void KeyDown(WORD& key, TShiftState shift) override;

private:
  TCheckBoxState state_ = cbUnchecked;
  bool allowGrayed_ = false;
};

// Checking a radio button unchecks the radio buttons beside it (same parent); checking runs OnClick.
class TRadioButton : public TWinControl {
  PAVANE_CLASS(TRadioButton, TWinControl)
public:
  explicit TRadioButton(TComponent* owner);
  void Paint(TCanvas& canvas) override;
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  void Click() override;
  bool FocusOnClick() const override { return true; }
  void WndProc(TMessage& message) override;

protected:
  // The arrow keys move to the next radio button beside it and check it.
  void KeyDown(WORD& key, TShiftState shift) override;

private:
  bool checked_ = false;
};

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
const TTypeInfo& TypeInfoOf(TBitBtnKind*);
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
const TTypeInfo& TypeInfoOf(TButtonLayout*);

// A button with a glyph of one to four images side by side (normal, disabled, pressed, down).
class TBitBtn : public TButton {
  PAVANE_CLASS(TBitBtn, TButton)
public:
  explicit TBitBtn(TComponent* owner);
  void Paint(TCanvas& canvas) override;
  // The glyph strip: NumGlyphs equal images side by side (normal, disabled, pressed, down).
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(TBitmap* glyph);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int count);
  // A kind gives the button its caption, modal result and default or cancel role.
  TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind kind);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout) { layout_ = layout; }
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing) { spacing_ = spacing; }

private:
  std::unique_ptr<TBitmap> glyph_;
  int numGlyphs_ = 1;
  TBitBtnKind kind_ = bkCustom;
  TButtonLayout layout_ = blGlyphLeft;
  int spacing_ = 4;
};

// A non-focusable button. With a GroupIndex it stays down when clicked and lets the other
// buttons of its group (same parent, same GroupIndex) up; with AllowAllUp a click on the down
// button lets it up.
class TSpeedButton : public TGraphicControl {
  PAVANE_CLASS(TSpeedButton, TGraphicControl)
public:
  explicit TSpeedButton(TComponent* owner);
  void Paint(TCanvas& canvas) override;
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(TBitmap* glyph);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int count);
  bool Flat() const { return flat_; }
  void SetFlat(bool flat) { flat_ = flat; }
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int index);
  bool Down() const { return down_; }
  void SetDown(bool down);
  bool AllowAllUp() const { return allowAllUp_; }
  // Shared by the whole group.
  void SetAllowAllUp(bool allow);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout) { layout_ = layout; }
  // Pressed by the mouse and not yet released.
  bool Pressed() const { return pressed_; }
  void WndProc(TMessage& message) override;

private:
  template <class F>
  void ForGroup(F f);

  std::unique_ptr<TBitmap> glyph_;
  int numGlyphs_ = 1;
  bool flat_ = false;
  int groupIndex_ = 0;
  bool down_ = false;
  bool allowAllUp_ = false;
  bool pressed_ = false;
  TButtonLayout layout_ = blGlyphLeft;
};

// Draws image Index (0 normal, 1 disabled, 2 pressed, 3 down; a missing one falls back to the
// normal image) of a glyph strip of Count images with its transparent colour left out.
void DrawGlyph(TCanvas& canvas, TBitmap& glyph, int count, int index, int x, int y);

// The face of a native radio button: the round mark, the caption beside it and the focus
// rectangle round the caption; taLeftJustify puts the caption at the left and the mark at the
// right edge.
void PaintRadioButtonFace(TCanvas& canvas, const TWinControl& button, bool checked, TAlignment alignment);

void RegisterButtonClasses();
