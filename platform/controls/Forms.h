#pragma once
// Forms: active control and focus with enter and exit events, key preview, show and hide,
// close with its close actions, release, modal runs with their modal result, and the form
// events. A form reads its description when it has been constructed, then runs OnCreate.

#include "platform/controls/Controls.h"

enum TCloseAction { caNone, caHide, caFree, caMinimize };
const TTypeInfo& TypeInfoOf(TCloseAction*);
using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;
const TTypeInfo& TypeInfoOf(TCloseEvent*);
const TTypeInfo& TypeInfoOf(TCloseQueryEvent*);

enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
                 poMainFormCenter, poOwnerFormCenter };
const TTypeInfo& TypeInfoOf(TWindowState*);
const TTypeInfo& TypeInfoOf(TFormBorderStyle*);
const TTypeInfo& TypeInfoOf(TBorderIcon*);
const TTypeInfo& TypeInfoOf(TBorderIcons*);
const TTypeInfo& TypeInfoOf(TPosition*);

// A modal window that nobody answered in a headless run.
class EModalNotAnswered : public Exception {
public:
  using Exception::Exception;
  AnsiString ClassName() const override { return "EModalNotAnswered"; }
};

class TMainMenu;

class TCustomForm : public TWinControl {
  PAVANE_CLASS(TCustomForm, TWinControl)
public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);
  // The control that holds the focus while the form is active (the form itself when none).
  TWinControl* FocusedControl() const { return focusedControl_; }
  // Moves the focus, sending exit events up to the common container and enter events down.
  bool SetFocusedControl(TWinControl* control);
  void FocusControl(TWinControl* control);
  bool Active() const { return active_; }
  bool CanFocus() const override { return Visible() && Enabled(); }
  void SetFocus() override;

  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool keyPreview) { keyPreview_ = keyPreview; }

  void Close();
  // Frees the form once the messages in the queue before it have run.
  void Release();
  // Runs the form modally and answers its modal result; raises EModalNotAnswered in a
  // headless run that nobody answers.
  int ShowModal();
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  bool IsModal() const { return modal_; }

  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState state);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style) { borderStyle_ = style; }
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons) { borderIcons_ = icons; }
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  // The main menu shown as the bar under the caption; the client area starts below it.
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  // The menu bar in the form's coordinates, empty when the form shows none.
  TRect MenuBarBounds() const;

  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

  // The frame with its caption bar; the client area lies inside it.
  void Paint(TCanvas& canvas) override;
  TRect ClientBounds() const override;
  void SetClientWidth(int width);
  void SetClientHeight(int height);

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnResize;

protected:
  void AfterConstruction() override;
  void BeforeDestruction() override;
  void VisibleChanged() override;
  void Resized() override { OnResize(this); }
  virtual void DoCreate() { OnCreate(this); }
  virtual void DoDestroy() { OnDestroy(this); }
  virtual void DoShow() { OnShow(this); }
  virtual void DoHide() { OnHide(this); }
  virtual void DoClose(TCloseAction& action) { OnClose(this, action); }
  virtual bool CloseQuery();

private:
  friend class TWinControl;
  friend class TScreen;
  // Forgets a control that leaves the form.
  void ControlRemoving(TControl* control);
  void Activate();
  void Deactivate();
  void CloseModal();

  bool destroyEventsRun_ = false;
  TWinControl* activeControl_ = nullptr;
  TWinControl* focusedControl_ = nullptr;
  bool active_ = false;
  bool keyPreview_ = false;
  bool modal_ = false;
  int modalResult_ = mrNone;
  TWindowState windowState_ = wsNormal;
  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
  TPosition position_ = poDesigned;
  TMainMenu* menu_ = nullptr;
};

class TForm : public TCustomForm {
  PAVANE_CLASS(TForm, TCustomForm)
public:
  using TCustomForm::TCustomForm;
};
