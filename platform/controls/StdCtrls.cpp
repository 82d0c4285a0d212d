#include "platform/controls/StdCtrls.h"

#include <algorithm>

#include "platform/classes/ClassDecl.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/DBCtrls.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Grids.h"
#include "platform/controls/ListControls.h"
#include "platform/controls/Mask.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Spin.h"
#include "platform/controls/Tabs.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

const TClassInfo& TLabel::StaticClass() {
  static const TClassInfo info = DescribeClass<TLabel>(
      "TLabel", {Prop("Caption", &TLabel::Caption, &TLabel::SetCaption),
                 Prop("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl),
                 Prop("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize),
                 Prop("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar)});
  return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 17);
  SetParentColor(true);
}

void TLabel::SetFocusControl(TWinControl* control) {
  focusControl_ = control;
  if (control) control->FreeNotification(this);
}

void TLabel::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  AdjustBounds();
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TLabel::AdjustBounds() {
  if (!autoSize_ || IsLoading()) return;
  TBitmap measure(1, 1);
  TCanvas& canvas = *measure.Canvas();
  canvas.SetFont(Font());
  TRect extent = Bounds(0, 0, 0, 0);
  canvas.DrawText(Caption(), extent, DT_CALCRECT | DT_LEFT | (showAccelChar_ ? 0u : DT_NOPREFIX));
  SetBounds(Left(), Top(), extent.Width(), extent.Height());
}

void TLabel::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGCHAR) {
    if (focusControl_ && Enabled() && showAccelChar_ && IsAccel(static_cast<char>(message.WParam), Caption()) &&
        focusControl_->CanFocus()) {
      focusControl_->SetFocus();
      message.Result = 1;
    }
    return;
  }
  TGraphicControl::WndProc(message);
}

void TLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

const TClassInfo& TButton::StaticClass() {
  static const TClassInfo info = DescribeClass<TButton>(
      "TButton", {Prop("Caption", &TButton::Caption, &TButton::SetCaption),
                  Prop("ModalResult", &TButton::ModalResult, &TButton::SetModalResult),
                  Prop("Default", &TButton::Default, &TButton::SetDefault),
                  Prop("Cancel", &TButton::Cancel, &TButton::SetCancel)});
  return info;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
  SetColor(clBtnFace);
}

void TButton::Click() {
  if (TCustomForm* form = ParentForm()) form->SetModalResult(modalResult_);
  TWinControl::Click();
}

void TButton::KeyDown(WORD& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  if (key == VK_SPACE && shift.Empty()) {
    key = 0;
    Click();
  }
}

void TButton::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGKEY) {
    if (!CanFocus() || !TShiftState::FromBits(static_cast<std::uint32_t>(message.LParam)).Empty()) return;
    TCustomForm* form = ParentForm();
    bool focusedButton = form && dynamic_cast<TButton*>(form->FocusedControl());
    bool enter = message.WParam == VK_RETURN && (focusedButton ? Focused() : default_);
    if (enter || (message.WParam == VK_ESCAPE && cancel_)) {
      Click();
      message.Result = 1;
    }
    return;
  }
  if (message.Msg == CM_DIALOGCHAR) {
    if (IsAccel(static_cast<char>(message.WParam), Caption()) && CanFocus()) {
      SetFocus();
      Click();
      message.Result = 1;
    }
    return;
  }
  TWinControl::WndProc(message);
}

const TClassInfo& TEdit::StaticClass() {
  static const TClassInfo info = DescribeClass<TEdit>(
      "TEdit", {Prop("Text", &TEdit::Text, &TEdit::SetText), Prop("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly),
                Prop("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength), Prop("OnChange", &TEdit::OnChange)});
  return info;
}

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
}

void TEdit::KeyPress(char& key) {
  TWinControl::KeyPress(key);
  if (key == 0 || readOnly_) return;
  AnsiString text = Text();
  if (key == '\b') {
    if (!text.empty()) text.pop_back();
  } else if (static_cast<unsigned char>(key) >= ' ' && (maxLength_ == 0 || static_cast<int>(text.size()) < maxLength_)) {
    text += key;
  }
  SetText(text);
}

const TClassInfo& TMemo::StaticClass() {
  static const TClassInfo info = DescribeClass<TMemo>(
      "TMemo", {Prop("Lines", &TMemo::Lines, &TMemo::SetLines), Prop("ReadOnly", &TMemo::ReadOnly, &TMemo::SetReadOnly),
                Prop("OnChange", &TMemo::OnChange)});
  return info;
}

TMemo::TMemo(TComponent* owner) : TWinControl(owner), lines_(std::make_unique<TStrings>()) {
  SetBounds(0, 0, 185, 89);
  SetTabStop(true);
  setCaptionFromName_ = false;
  lines_->OnChange = [this] { OnChange(this); };
}

void TMemo::SetLines(TStrings* lines) {
  if (lines) lines_->Assign(*lines);
}

void TMemo::SetCaretLine(int line) { caretLine_ = std::clamp(line, 0, std::max(lines_->Count() - 1, 0)); }

void TMemo::KeyDown(WORD& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  switch (key) {
    case VK_UP: SetCaretLine(caretLine_ - 1); break;
    case VK_DOWN: SetCaretLine(caretLine_ + 1); break;
    case VK_RETURN:
      if (readOnly_) return;
      lines_->Insert(std::min(caretLine_ + 1, lines_->Count()), "");
      caretLine_ = std::min(caretLine_ + 1, lines_->Count() - 1);
      break;
    default: return;
  }
  key = 0;
}

void TMemo::KeyPress(char& key) {
  TWinControl::KeyPress(key);
  if (key == 0 || readOnly_ || (static_cast<unsigned char>(key) < ' ' && key != '\b')) return;
  if (lines_->Count() == 0) {
    if (key == '\b') return;
    lines_->Add("");
  }
  SetCaretLine(caretLine_);
  AnsiString line = lines_->Strings(caretLine_);
  if (key != '\b') {
    lines_->Put(caretLine_, line + key);
  } else if (!line.empty()) {
    line.pop_back();
    lines_->Put(caretLine_, line);
  } else if (caretLine_ > 0) {
    lines_->Delete(caretLine_--);
  }
}

const TTypeInfo& TypeInfoOf(TPanelBevel*) {
  static const TTypeInfo t = EnumTypeInfo("TPanelBevel", {"bvNone", "bvLowered", "bvRaised", "bvSpace"});
  return t;
}

const TClassInfo& TPanel::StaticClass() {
  static const TClassInfo info = DescribeClass<TPanel>(
      "TPanel", {Prop("Caption", &TPanel::Caption, &TPanel::SetCaption),
                 Prop("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter),
                 Prop("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner)});
  return info;
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
}

void TPanel::SetBevelOuter(TPanelBevel bevel) {
  bevelOuter_ = bevel;
  Invalidate();
}

void TPanel::SetBevelInner(TPanelBevel bevel) {
  bevelInner_ = bevel;
  Invalidate();
}

const TClassInfo& TButtonControl::StaticClass() {
  static const TClassInfo info = DescribeClass<TButtonControl>("TButtonControl");
  return info;
}

void TButtonControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
      if (Enabled()) pressed_ = true;
      break;
    case WM_LBUTTONUP: {
      if (!Enabled()) return;
      auto x = static_cast<std::int16_t>(message.LParam & 0xFFFF);
      auto y = static_cast<std::int16_t>((message.LParam >> 16) & 0xFFFF);
      OnMouseUp(this, mbLeft, TShiftState::FromBits(static_cast<std::uint32_t>(message.WParam)), x, y);
      bool clicked = pressed_ && x >= 0 && y >= 0 && x < Width() && y < Height();
      pressed_ = false;
      // The window tells its control instead of the mouse-up clicking it.
      if (clicked) Perform(CN_COMMAND, BN_CLICKED, 0);
      return;
    }
    case WM_LBUTTONDBLCLK:
      if (Enabled()) Perform(CN_COMMAND, BN_DOUBLECLICKED, 0);
      return;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

bool TButtonControl::DoKeyPress(char& key) {
  if (TWinControl::DoKeyPress(key)) return true;
  if (key != ' ') return false;
  key = 0;
  Perform(CN_COMMAND, BN_CLICKED, 0);
  return true;
}

const TClassInfo& TCustomGroupBox::StaticClass() {
  static const TClassInfo info = DescribeClass<TCustomGroupBox>("TCustomGroupBox");
  return info;
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 185, 105);
  SetColor(clBtnFace);
}

const TClassInfo& TGroupBox::StaticClass() {
  static const TClassInfo info =
      DescribeClass<TGroupBox>("TGroupBox", {Prop("Caption", &TGroupBox::Caption, &TGroupBox::SetCaption)});
  return info;
}

void RegisterStandardControls() {
  for (const TClassInfo* c : {&TForm::StaticClass(), &TLabel::StaticClass(), &TButton::StaticClass(),
                              &TEdit::StaticClass(), &TMemo::StaticClass(), &TPanel::StaticClass(),
                              &TGroupBox::StaticClass()})
    RegisterClass(*c);
  RegisterButtonClasses();
  RegisterListControlClasses();
  RegisterMaskClasses();
  RegisterSpinClasses();
  RegisterExtControlClasses();
  RegisterMenuClasses();
  RegisterCommonControlClasses();
  RegisterGridClasses();
  RegisterTabClasses();
  RegisterDataControlClasses();
}
