#include "platform/controls/Forms.h"

#include "platform/classes/ClassDecl.h"
#include "platform/controls/Application.h"
#include "platform/controls/Menus.h"
#include "platform/streaming/FormReader.h"

namespace {

// Counts focus changes, so an exit or enter handler that moves the focus ends the change
// that called it.
int focusChanges = 0;

constexpr int MaxModalAnswers = 16;

}  // namespace

const TTypeInfo& TypeInfoOf(TCloseAction*) {
  static const TTypeInfo t = EnumTypeInfo("TCloseAction", {"caNone", "caHide", "caFree", "caMinimize"});
  return t;
}
const TTypeInfo& TypeInfoOf(TCloseEvent*) {
  static const TTypeInfo t = EventTypeInfo("TCloseEvent");
  return t;
}
const TTypeInfo& TypeInfoOf(TCloseQueryEvent*) {
  static const TTypeInfo t = EventTypeInfo("TCloseQueryEvent");
  return t;
}
const TTypeInfo& TypeInfoOf(TWindowState*) {
  static const TTypeInfo t = EnumTypeInfo("TWindowState", {"wsNormal", "wsMinimized", "wsMaximized"});
  return t;
}
const TTypeInfo& TypeInfoOf(TFormBorderStyle*) {
  static const TTypeInfo t =
      EnumTypeInfo("TFormBorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"});
  return t;
}
const TTypeInfo& TypeInfoOf(TBorderIcon*) {
  static const TTypeInfo t = EnumTypeInfo("TBorderIcon", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"});
  return t;
}
const TTypeInfo& TypeInfoOf(TBorderIcons*) {
  static const TTypeInfo t = SetTypeInfo("TBorderIcons", TypeInfoFor<TBorderIcon>());
  return t;
}
const TTypeInfo& TypeInfoOf(TPosition*) {
  static const TTypeInfo t =
      EnumTypeInfo("TPosition", {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                                 "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"});
  return t;
}

const TClassInfo& TCustomForm::StaticClass() {
  static const TClassInfo info = DescribeClass<TCustomForm>(
      "TCustomForm",
      {Prop("Caption", &TCustomForm::Caption, &TCustomForm::SetCaption),
       Prop("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl),
       Prop("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview),
       Prop("WindowState", &TCustomForm::WindowState, &TCustomForm::SetWindowState),
       Prop("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle),
       Prop("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons),
       Prop("Position", &TCustomForm::Position, &TCustomForm::SetPosition),
       Prop("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu),
       Prop("ModalResult", &TCustomForm::ModalResult, &TCustomForm::SetModalResult),
       Prop<TCustomForm>("ClientWidth", &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth),
       Prop<TCustomForm>("ClientHeight", &TCustomForm::ClientHeight, &TCustomForm::SetClientHeight),
       Prop("OnCreate", &TCustomForm::OnCreate), Prop("OnDestroy", &TCustomForm::OnDestroy),
       Prop("OnShow", &TCustomForm::OnShow), Prop("OnHide", &TCustomForm::OnHide), Prop("OnClose", &TCustomForm::OnClose),
       Prop("OnCloseQuery", &TCustomForm::OnCloseQuery), Prop("OnResize", &TCustomForm::OnResize)});
  return info;
}

const TClassInfo& TForm::StaticClass() {
  static const TClassInfo info = DescribeClass<TForm>("TForm");
  return info;
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  InitVisible(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 320, 240);
  Screen->AddForm(this);
}

TCustomForm::~TCustomForm() { Screen->RemoveForm(this); }

void TCustomForm::AfterConstruction() {
  TWinControl::AfterConstruction();
  ReadInheritedDescriptions(*this, TForm::StaticClass());
  try {
    DoCreate();
  } catch (const std::exception& e) {
    Application->HandleException(this, e);
  }
}

void TCustomForm::BeforeDestruction() {
  if (!destroyEventsRun_) {
    destroyEventsRun_ = true;
    Destroying();
    if (active_) Deactivate();
    try {
      DoDestroy();
    } catch (const std::exception& e) {
      Application->HandleException(this, e);
    }
    Screen->RemoveForm(this);
  }
  TWinControl::BeforeDestruction();
}

void TCustomForm::VisibleChanged() {
  if (IsDestroying()) return;
  if (Visible()) {
    Handle();
    DoShow();
    if (Visible()) Activate();
  } else {
    if (active_) Deactivate();
    DoHide();
  }
}

void TCustomForm::Activate() {
  Screen->SetActiveForm(this);
  if (!activeControl_) activeControl_ = FindNextControl(nullptr, true, true, false);
  SetFocusedControl(activeControl_ ? activeControl_ : this);
}

void TCustomForm::Deactivate() {
  active_ = false;
  TCustomForm* next = nullptr;
  for (int i = Screen->FormCount() - 1; i >= 0 && !next; --i) {
    TCustomForm* f = Screen->Forms(i);
    if (f != this && f->Visible() && !f->IsDestroying()) next = f;
  }
  if (Screen->ActiveForm() == this) Screen->SetActiveForm(nullptr);
  if (next) next->Activate();
}

void TCustomForm::SetFocus() {
  if (active_) return;
  if (!Visible() || !Enabled()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  Activate();
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control && (control == this || control->ParentForm() != this || (!IsLoading() && !control->CanFocus())))
    throw EInvalidOperation("Cannot focus a disabled or invisible window");
  activeControl_ = control;
  if (!IsLoading() && active_) SetFocusedControl(control ? control : this);
}

void TCustomForm::FocusControl(TWinControl* control) {
  bool wasActive = active_;
  SetActiveControl(control);
  if (!wasActive) SetFocus();
}

bool TCustomForm::SetFocusedControl(TWinControl* control) {
  if (IsDestroying() || !control) return false;
  ++focusChanges;
  activeControl_ = control != this ? control : nullptr;
  if (!focusedControl_) focusedControl_ = this;
  while (focusedControl_ && !focusedControl_->ContainsControl(control)) {
    int before = focusChanges;
    focusedControl_->Perform(CM_EXIT, 0, 0);
    if (before != focusChanges) return false;
    focusedControl_ = focusedControl_->Parent();
  }
  while (focusedControl_ != control) {
    TWinControl* step = control;
    while (step->Parent() != focusedControl_) step = step->Parent();
    focusedControl_ = step;
    int before = focusChanges;
    step->Perform(CM_ENTER, 0, 0);
    if (before != focusChanges) return false;
  }
  return true;
}

void TCustomForm::ControlRemoving(TControl* control) {
  auto* win = dynamic_cast<TWinControl*>(control);
  if (!win) return;
  if (focusedControl_ && win->ContainsControl(focusedControl_)) focusedControl_ = win->Parent();
  if (activeControl_ && win->ContainsControl(activeControl_)) activeControl_ = nullptr;
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  switch (action) {
    case caHide:
      Hide();
      break;
    case caMinimize:
      SetWindowState(wsMinimized);
      break;
    case caFree:
      Release();
      break;
    case caNone:
      break;
  }
}

void TCustomForm::Release() { Application->PostMessage(Handle(), CM_RELEASE, 0, 0); }

void TCustomForm::CloseModal() {
  TCloseAction action = caNone;
  if (CloseQuery()) {
    action = caHide;
    DoClose(action);
  }
  if (action == caNone) modalResult_ = mrNone;
  if (action == caFree) Release();
}

int TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
  modal_ = true;
  modalResult_ = mrNone;
  try {
    Show();
    for (int answers = 0;;) {
      Application->ProcessMessages();
      if (Application->Terminated()) modalResult_ = mrCancel;
      if (modalResult_ != mrNone) {
        CloseModal();
        if (modalResult_ != mrNone) break;
        continue;
      }
      const TWindowResponder& person = WindowResponder();
      if ((!Application->ModalResponder && !person) || answers == MaxModalAnswers)
        throw EModalNotAnswered("The modal window " + Name() + " (" + ClassName() + ") was not answered");
      ++answers;
      if (Application->ModalResponder) Application->ModalResponder(*this);
      else person(Handle());
    }
  } catch (...) {
    modal_ = false;
    Hide();
    throw;
  }
  int result = modalResult_;
  modal_ = false;
  Hide();
  // A window whose close action freed it goes now; this form may be gone after the call.
  Application->ProcessMessages();
  return result;
}

void TCustomForm::SetWindowState(TWindowState state) { windowState_ = state; }

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (menu == menu_) return;
  int clientHeight = ClientHeight();
  menu_ = menu;
  if (menu) menu->FreeNotification(this);
  // A description stores the client size the designer saw with the bar; later the window keeps
  // its size and the bar takes its height from the client area.
  if (IsLoading()) SetClientHeight(clientHeight);
  Invalidate();
  AlignControls();
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == menu_) menu_ = nullptr;
}

void TCustomForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_RELEASE:
      Free();
      return;
    case WM_CLOSE:
      Close();
      return;
    default:
      TWinControl::WndProc(message);
  }
}
