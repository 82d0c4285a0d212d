#include "platform/controls/Spin.h"

#include <algorithm>
#include <climits>

#include "platform/classes/ClassDecl.h"
#include "platform/graphics/ClassicLook.h"

namespace {

constexpr int ArrowWidth = 15;

}  // namespace

const TClassInfo& TSpinEdit::StaticClass() {
  static const TClassInfo info = DescribeClass<TSpinEdit>(
      "TSpinEdit", {Prop("MinValue", &TSpinEdit::MinValue, &TSpinEdit::SetMinValue),
                    Prop("MaxValue", &TSpinEdit::MaxValue, &TSpinEdit::SetMaxValue),
                    Prop("Increment", &TSpinEdit::Increment, &TSpinEdit::SetIncrement),
                    Prop("EditorEnabled", &TSpinEdit::EditorEnabled, &TSpinEdit::SetEditorEnabled),
                    Prop("Value", &TSpinEdit::Value, &TSpinEdit::SetValue)});
  return info;
}

TSpinEdit::TSpinEdit(TComponent* owner) : TEdit(owner) {
  setCaptionFromName_ = false;
  SetText("0");
}

int TSpinEdit::Bounded(int value) const {
  if (maxValue_ == minValue_) return value;
  return std::clamp(value, std::min(minValue_, maxValue_), std::max(minValue_, maxValue_));
}

int TSpinEdit::Value() const { return Bounded(StrToIntDef(Trim(TEdit::Text()), minValue_)); }

void TSpinEdit::SetValue(int value) { SetText(IntToStr(Bounded(value))); }

void TSpinEdit::Step(int direction) {
  long long next = Value() + static_cast<long long>(direction) * increment_;
  SetValue(static_cast<int>(std::clamp<long long>(next, INT_MIN, INT_MAX)));
}

void TSpinEdit::KeyDown(WORD& key, TShiftState shift) {
  TEdit::KeyDown(key, shift);
  if (key != VK_UP && key != VK_DOWN) return;
  if (!ReadOnly()) Step(key == VK_UP ? 1 : -1);
  key = 0;
}

void TSpinEdit::KeyPress(char& key) {
  bool fits = (key >= '0' && key <= '9') || key == '-' || key == '+' || key == '\b';
  if (!editorEnabled_ || (!fits && static_cast<unsigned char>(key) >= ' ')) key = 0;
  TEdit::KeyPress(key);
}

void TSpinEdit::DoExit() {
  if (Bounded(StrToIntDef(Trim(Text()), minValue_)) != StrToIntDef(Trim(Text()), minValue_) || Trim(Text()).empty())
    SetValue(Value());
  TEdit::DoExit();
}

void TSpinEdit::WndProc(TMessage& message) {
  // The arrow buttons at the right: the upper half steps up, the lower half down.
  if (message.Msg == WM_LBUTTONDOWN && Enabled() && !ReadOnly()) {
    auto x = static_cast<std::int16_t>(message.LParam & 0xFFFF);
    auto y = static_cast<std::int16_t>((message.LParam >> 16) & 0xFFFF);
    if (x >= Width() - ArrowWidth) Step(y < Height() / 2 ? 1 : -1);
  }
  TEdit::WndProc(message);
}

void TSpinEdit::Paint(TCanvas& canvas) {
  TEdit::Paint(canvas);
  int half = Height() / 2;
  for (int i = 0; i < 2; ++i) {
    TRect face = DrawButtonFace(canvas, {Width() - ArrowWidth, i * half, Width(), i == 0 ? half : Height()}, false,
                                false, false);
    TCanvas::TStateSaver saved(canvas);
    canvas.Brush()->SetColor(Enabled() ? clBtnText : clGrayText);
    int cx = (face.Left + face.Right) / 2, cy = (face.Top + face.Bottom) / 2 - 1;
    for (int row = 0; row < 3; ++row) {
      int y = i == 0 ? cy + row : cy + 2 - row;
      canvas.FillRect({cx - row, y, cx + row + 1, y + 1});
    }
  }
}

void RegisterSpinClasses() { RegisterClass(TSpinEdit::StaticClass()); }
