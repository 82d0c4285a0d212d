#include "controls/BtChkBox.h"

#include <algorithm>

#include "controls/ModuleResources.h"
#include "platform/classes/ClassDecl.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Canvas.h"

namespace {

const char* const glyphResources[] = {"UNCHECKED", "CHECKED", "GRAYED"};

}  // namespace

const TClassInfo& TBitCheckBox::StaticClass() {
  static const TClassInfo info = DescribeClass<TBitCheckBox>(
      "TBitCheckBox",
      {Prop("Caption", &TBitCheckBox::Caption, &TBitCheckBox::SetCaption),
       Prop("State", &TBitCheckBox::State, &TBitCheckBox::SetState),
       Prop("Checked", &TBitCheckBox::Checked, &TBitCheckBox::SetChecked),
       Prop("AllowGrayed", &TBitCheckBox::AllowGrayed, &TBitCheckBox::SetAllowGrayed),
       Prop("Alignment", &TBitCheckBox::Alignment, &TBitCheckBox::SetAlignment),
       Prop("CheckedGlyph", &TBitCheckBox::CheckedGlyph, &TBitCheckBox::SetCheckedGlyph),
       Prop("UncheckedGlyph", &TBitCheckBox::UncheckedGlyph, &TBitCheckBox::SetUncheckedGlyph),
       Prop("GrayedGlyph", &TBitCheckBox::GrayedGlyph, &TBitCheckBox::SetGrayedGlyph),
       Prop("CheckedNumGlyphs", &TBitCheckBox::CheckedNumGlyphs, &TBitCheckBox::SetCheckedNumGlyphs),
       Prop("UncheckedNumGlyphs", &TBitCheckBox::UncheckedNumGlyphs, &TBitCheckBox::SetUncheckedNumGlyphs),
       Prop("GrayedNumGlyphs", &TBitCheckBox::GrayedNumGlyphs, &TBitCheckBox::SetGrayedNumGlyphs)});
  return info;
}

const TClassInfo& TTarnCheckBox::StaticClass() {
  static const TClassInfo info = DescribeClass<TTarnCheckBox>("TTarnCheckBox");
  return info;
}

TBitCheckBox::TBitCheckBox(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 97, 17);
  SetTabStop(true);
  SetColor(clBtnFace);
  for (int state = cbUnchecked; state <= cbGrayed; ++state) {
    TStateGlyph& glyph = glyphs_[state];
    glyph.Bitmap = std::make_unique<TBitmap>();
    LoadModuleBitmap(*glyph.Bitmap, glyphResources[state]);
    glyph.Bitmap->OnChange = [this] { Invalidate(); };
  }
}

void TBitCheckBox::SetState(TCheckBoxState state) {
  if (state == state_) return;
  state_ = state;
  Invalidate();
}

void TBitCheckBox::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

void TBitCheckBox::SetGlyph(TCheckBoxState state, TBitmap* glyph) {
  TStateGlyph& target = glyphs_[state];
  if (!glyph) {
    // The module's picture is one image, whatever the count of the picture it replaces.
    LoadModuleBitmap(*target.Bitmap, glyphResources[state]);
    SetNumGlyphs(state, 1);
    return;
  }
  target.Bitmap->Assign(*glyph);
  const TBitmap& bitmap = *target.Bitmap;
  // An empty bitmap has no whole multiple to count.
  if (bitmap.Height() > 0 && bitmap.Width() % bitmap.Height() == 0)
    SetNumGlyphs(state, bitmap.Width() / bitmap.Height());
  Invalidate();
}

void TBitCheckBox::SetNumGlyphs(TCheckBoxState state, int count) {
  glyphs_[state].Count = std::clamp(count, 1, 2);
  Invalidate();
}

void TBitCheckBox::Toggle() {
  switch (state_) {
    case cbUnchecked: SetState(allowGrayed_ ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
  }
}

void TBitCheckBox::Click() {
  Toggle();
  TCustomControl::Click();
  if (CanFocus()) SetFocus();
}

void TBitCheckBox::KeyPress(char& key) {
  TCustomControl::KeyPress(key);
  if (key != ' ') return;
  key = 0;
  Click();
}

void TBitCheckBox::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGCHAR) {
    if (IsAccel(static_cast<char>(message.WParam), Caption()) && Enabled() && CanFocus()) {
      SetFocus();
      if (Focused()) Toggle();
      message.Result = 1;
    }
    return;
  }
  TCustomControl::WndProc(message);
}

void TBitCheckBox::DoEnter() {
  Invalidate();
  TCustomControl::DoEnter();
}

void TBitCheckBox::DoExit() {
  Invalidate();
  TCustomControl::DoExit();
}

void TBitCheckBox::Ctl3DChanged() {
  Invalidate();
  AlignControls();
}

void TBitCheckBox::Paint(TCanvas& canvas) {
  TRect client = Bounds(0, 0, ClientWidth(), ClientHeight());
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(client);
  canvas.Brush()->SetStyle(bsClear);

  const TStateGlyph& glyph = glyphs_[state_];
  TBitmap& bitmap = *glyph.Bitmap;
  int glyphWidth = bitmap.Width() / glyph.Count;
  bool right = alignment_ == taRightJustify;

  const AnsiString& caption = Caption();
  int textHeight = canvas.TextHeight(caption);
  TRect text;
  text.Left = right ? glyphWidth + 4 : 1;
  text.Right = text.Left + canvas.TextWidth(caption);
  if (caption.find('&') != AnsiString::npos) text.Right -= canvas.TextWidth("&");
  text.Top = (client.Height() - textHeight) / 2 - 2;
  text.Bottom = text.Top + textHeight + 3;
  text = IntersectRect(text, client);

  const unsigned flags = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
  TColor fontColor = canvas.Font()->Color();
  if (Enabled()) {
    TRect r = text;
    canvas.DrawText(caption, r, flags);
  } else {
    if (Ctl3D()) {
      canvas.Font()->SetColor(clBtnHighlight);
      TRect shadow = OffsetRect(text, 1, 1);
      canvas.DrawText(caption, shadow, flags);
    }
    canvas.Font()->SetColor(clGrayText);
    TRect r = text;
    canvas.DrawText(caption, r, flags);
  }

  canvas.Font()->SetColor(fontColor);
  canvas.Brush()->SetColor(Color());
  if (Focused())
    canvas.DrawFocusRect({std::max(text.Left - 1, 0), std::max(text.Top - 1, 0), text.Right + 1,
                          std::min(text.Bottom + 1, Height())});

  int glyphLeft = right ? 0 : client.Width() - glyphWidth;
  int glyphTop = (client.Height() - bitmap.Height()) / 2;
  DrawGlyph(canvas, bitmap, glyph.Count, Enabled() ? 0 : 1, glyphLeft, glyphTop);
}

void RegisterBitCheckBoxClasses() {
  RegisterClass(TBitCheckBox::StaticClass());
  RegisterClass(TTarnCheckBox::StaticClass());
}
