#include "platform/controls/Buttons.h"

#include <algorithm>

#include "platform/classes/ClassDecl.h"
#include "platform/controls/Forms.h"

const TTypeInfo& TypeInfoOf(TCheckBoxState*) {
  static const TTypeInfo t = EnumTypeInfo("TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"});
  return t;
}
const TTypeInfo& TypeInfoOf(TBitBtnKind*) {
  static const TTypeInfo t = EnumTypeInfo("TBitBtnKind", {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo",
                                                          "bkClose", "bkAbort", "bkRetry", "bkIgnore", "bkAll"});
  return t;
}
const TTypeInfo& TypeInfoOf(TButtonLayout*) {
  static const TTypeInfo t = EnumTypeInfo("TButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"});
  return t;
}

namespace {

// The accelerator of a caption, for the focusable buttons.
bool TakeAccel(TWinControl& control, const TMessage& message) {
  return IsAccel(static_cast<char>(message.WParam), control.Caption()) && control.CanFocus();
}

}  // namespace

const TClassInfo& TCheckBox::StaticClass() {
  static const TClassInfo info = DescribeClass<TCheckBox>(
      "TCheckBox", {Prop("Caption", &TCheckBox::Caption, &TCheckBox::SetCaption),
                    Prop("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked),
                    Prop("State", &TCheckBox::State, &TCheckBox::SetState),
                    Prop("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed)});
  return info;
}

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 97, 17);
  SetTabStop(true);
  SetColor(clBtnFace);
}

void TCheckBox::SetState(TCheckBoxState state) {
  if (state == state_) return;
  state_ = state;
  if (!IsLoading()) TWinControl::Click();
}

void TCheckBox::Click() {
  switch (state_) {
    case cbUnchecked: SetState(cbChecked); break;
    case cbChecked: SetState(allowGrayed_ ? cbGrayed : cbUnchecked); break;
    case cbGrayed: SetState(cbUnchecked); break;
  }
}

void TCheckBox::KeyDown(WORD& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  if (key == VK_SPACE && shift.Empty()) {
    key = 0;
    Click();
  }
}

void TCheckBox::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGCHAR) {
    if (TakeAccel(*this, message)) {
      SetFocus();
      Click();
      message.Result = 1;
    }
    return;
  }
  TWinControl::WndProc(message);
}

const TClassInfo& TRadioButton::StaticClass() {
  static const TClassInfo info = DescribeClass<TRadioButton>(
      "TRadioButton", {Prop("Caption", &TRadioButton::Caption, &TRadioButton::SetCaption),
                       Prop("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked)});
  return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 113, 17);
  SetColor(clBtnFace);
}

void TRadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  SetTabStop(checked);
  if (!checked) return;
  if (Parent())
    for (int i = 0; i < Parent()->ControlCount(); ++i)
      if (auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i)); other && other != this)
        other->SetChecked(false);
  if (!IsLoading()) TWinControl::Click();
}

void TRadioButton::Click() { SetChecked(true); }

void TRadioButton::KeyDown(WORD& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  if (!Parent() || (key != VK_DOWN && key != VK_RIGHT && key != VK_UP && key != VK_LEFT)) return;
  bool forward = key == VK_DOWN || key == VK_RIGHT;
  key = 0;
  std::vector<TRadioButton*> group;
  for (int i = 0; i < Parent()->ControlCount(); ++i)
    if (auto* r = dynamic_cast<TRadioButton*>(Parent()->Controls(i)); r && (r == this || r->CanFocus()))
      group.push_back(r);
  std::sort(group.begin(), group.end(), [](auto* a, auto* b) { return a->TabOrder() < b->TabOrder(); });
  auto at = std::find(group.begin(), group.end(), this) - group.begin();
  auto count = static_cast<std::ptrdiff_t>(group.size());
  TRadioButton* next = group[static_cast<size_t>((at + (forward ? 1 : count - 1)) % count)];
  if (next == this) return;
  next->SetFocus();
  next->SetChecked(true);
}

void TRadioButton::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGCHAR) {
    if (TakeAccel(*this, message)) {
      SetFocus();
      SetChecked(true);
      message.Result = 1;
    }
    return;
  }
  TWinControl::WndProc(message);
}

const TClassInfo& TBitBtn::StaticClass() {
  static const TClassInfo info = DescribeClass<TBitBtn>(
      "TBitBtn", {Prop("Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph), Prop("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs),
                  Prop("Kind", &TBitBtn::Kind, &TBitBtn::SetKind), Prop("Layout", &TBitBtn::Layout, &TBitBtn::SetLayout),
                  Prop("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing)});
  return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), glyph_(std::make_unique<TBitmap>()) {
  glyph_->OnChange = [this] { Invalidate(); };
}

void TBitBtn::SetGlyph(TBitmap* glyph) {
  if (glyph) glyph_->Assign(*glyph);
}

void TBitBtn::SetNumGlyphs(int count) {
  numGlyphs_ = std::clamp(count, 1, 4);
  Invalidate();
}

void TBitBtn::SetKind(TBitBtnKind kind) {
  kind_ = kind;
  if (kind == bkCustom) return;
  struct TKindLook {
    const char* Caption;
    int Result;
  };
  static const TKindLook looks[] = {{"", mrNone},        {"OK", mrOk},      {"Cancel", mrCancel},
                                    {"&Help", mrNone},   {"&Yes", mrYes},   {"&No", mrNo},
                                    {"&Close", mrNone},  {"Abort", mrAbort}, {"&Retry", mrRetry},
                                    {"&Ignore", mrIgnore}, {"&All", mrAll}};
  const TKindLook& look = looks[kind];
  // A stored caption comes with the description; the kind's caption only fills an empty one.
  if (!IsLoading() || Caption().empty()) SetCaption(look.Caption);
  SetModalResult(look.Result);
  if (kind == bkOK || kind == bkYes) SetDefault(true);
  if (kind == bkCancel || kind == bkNo) SetCancel(true);
}

const TClassInfo& TSpeedButton::StaticClass() {
  static const TClassInfo info = DescribeClass<TSpeedButton>(
      "TSpeedButton", {Prop("Caption", &TSpeedButton::Caption, &TSpeedButton::SetCaption),
                       Prop("Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph),
                       Prop("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs),
                       Prop("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat),
                       Prop("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex),
                       Prop("Down", &TSpeedButton::Down, &TSpeedButton::SetDown),
                       Prop("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp),
                       Prop("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout)});
  return info;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), glyph_(std::make_unique<TBitmap>()) {
  glyph_->OnChange = [this] { Invalidate(); };
  SetBounds(0, 0, 23, 22);
  SetColor(clBtnFace);
  setCaptionFromName_ = false;
}

void TSpeedButton::SetNumGlyphs(int count) {
  numGlyphs_ = std::clamp(count, 1, 4);
  Invalidate();
}

void TSpeedButton::SetGlyph(TBitmap* glyph) {
  if (glyph) glyph_->Assign(*glyph);
}

template <class F>
void TSpeedButton::ForGroup(F f) {
  if (!Parent() || groupIndex_ == 0) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i)
    if (auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
        other && other != this && other->groupIndex_ == groupIndex_)
      f(*other);
}

void TSpeedButton::SetGroupIndex(int index) {
  groupIndex_ = index;
  if (index == 0) down_ = false;
}

void TSpeedButton::SetDown(bool down) {
  Invalidate();
  // Only a grouped button stays down; the last down button of a group stays down unless all may be up.
  if (groupIndex_ == 0) down = false;
  if (down == down_) return;
  if (!down && !allowAllUp_ && !IsLoading()) return;
  down_ = down;
  if (down) ForGroup([](TSpeedButton& other) { other.down_ = false; });
}

void TSpeedButton::SetAllowAllUp(bool allow) {
  allowAllUp_ = allow;
  ForGroup([allow](TSpeedButton& other) { other.allowAllUp_ = allow; });
}

void TSpeedButton::WndProc(TMessage& message) {
  if (!Enabled()) return TGraphicControl::WndProc(message);
  if (message.Msg == WM_LBUTTONDOWN) pressed_ = true;
  if (message.Msg == WM_LBUTTONUP && pressed_) {
    pressed_ = false;
    auto x = static_cast<std::int16_t>(message.LParam & 0xFFFF);
    auto y = static_cast<std::int16_t>((message.LParam >> 16) & 0xFFFF);
    if (x >= 0 && y >= 0 && x < Width() && y < Height() && groupIndex_ != 0) SetDown(!down_);
  }
  TGraphicControl::WndProc(message);
}

void RegisterButtonClasses() {
  for (const TClassInfo* c : {&TCheckBox::StaticClass(), &TRadioButton::StaticClass(), &TBitBtn::StaticClass(),
                              &TSpeedButton::StaticClass()})
    RegisterClass(*c);
}
