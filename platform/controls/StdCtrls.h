#pragma once
// The standard controls the forms are built from: labels, buttons, edits, memos, panels.
// Their painting in the classic look lives in StdCtrlsPaint.cpp.

#include "platform/classes/Strings.h"
#include "platform/controls/Controls.h"

class TLabel : public TGraphicControl {
  PAVANE_CLASS(TLabel, TGraphicControl)
public:
  explicit TLabel(TComponent* owner);
  // The control that a label's accelerator focuses.
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* control);
  void Paint(TCanvas& canvas) override;
  // The label's size follows its caption (measured when it is painted).
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  // "&" in the caption marks the accelerator; off, "&" is shown as it is.
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool show) { showAccelChar_ = show; }
  void WndProc(TMessage& message) override;

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void TextChanged() override { AdjustBounds(); }
  void Loaded() override;

private:
  // With AutoSize, the size of the caption in the label's font.
  void AdjustBounds();

  TWinControl* focusControl_ = nullptr;
  bool autoSize_ = true;
  bool showAccelChar_ = true;
};

class TButton : public TWinControl {
  PAVANE_CLASS(TButton, TWinControl)
public:
  explicit TButton(TComponent* owner);
  // Clicking sets the form's modal result to this value.
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  bool Default() const { return default_; }
  void SetDefault(bool value) { default_ = value; }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  void Click() override;
  void Paint(TCanvas& canvas) override;
  bool FocusOnClick() const override { return true; }
  // Enter reaches the focused button, else the default one; Escape the cancel button; the
  // accelerator of the caption clicks it.
  void WndProc(TMessage& message) override;

protected:
  void KeyDown(WORD& key, TShiftState shift) override;

private:
  int modalResult_ = mrNone;
  bool default_ = false;
  bool cancel_ = false;
};

// A native button window of the check or radio kind. The window reports a mouse click on it, or a
// Space typed in it that nobody consumed, as the BN_CLICKED notification and a double click as
// BN_DOUBLECLICKED, both through CN_COMMAND; the descendants act on them in WndProc.
class TButtonControl : public TWinControl {
  PAVANE_CLASS(TButtonControl, TWinControl)
public:
  using TWinControl::TWinControl;
  // The check state of the window.
  virtual bool Checked() const { return false; }
  virtual void SetChecked(bool) {}
  bool FocusOnClick() const override { return true; }
  void WndProc(TMessage& message) override;

protected:
  bool DoKeyPress(char& key) override;

private:
  bool pressed_ = false;
};

class TEdit : public TWinControl {
  PAVANE_CLASS(TEdit, TWinControl)
public:
  explicit TEdit(TComponent* owner);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int length) { maxLength_ = length; }
  void Paint(TCanvas& canvas) override;
  bool FocusOnClick() const override { return true; }
  bool WantsChars() const override { return true; }

  TNotifyEvent OnChange;

protected:
  void TextChanged() override { OnChange(this); }
  // A typed character that nobody consumed edits the text (backspace removes the last byte).
  void KeyPress(char& key) override;

private:
  bool readOnly_ = false;
  int maxLength_ = 0;
};

class TMemo : public TWinControl {
  PAVANE_CLASS(TMemo, TWinControl)
public:
  explicit TMemo(TComponent* owner);
  TStrings* Lines() const { return lines_.get(); }
  void SetLines(TStrings* lines);
  void Paint(TCanvas& canvas) override;
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  // The line the caret is on; typing goes to its end, Enter starts a new line after it.
  int CaretLine() const { return caretLine_; }
  void SetCaretLine(int line);
  bool FocusOnClick() const override { return true; }
  bool WantsChars() const override { return true; }

  TNotifyEvent OnChange;

protected:
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char& key) override;

private:
  std::unique_ptr<TStrings> lines_;
  bool readOnly_ = false;
  int caretLine_ = 0;
};

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
const TTypeInfo& TypeInfoOf(TPanelBevel*);

class TPanel : public TCustomControl {
  PAVANE_CLASS(TPanel, TCustomControl)
public:
  explicit TPanel(TComponent* owner);
  TPanelBevel BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TPanelBevel bevel);
  TPanelBevel BevelInner() const { return bevelInner_; }
  void SetBevelInner(TPanelBevel bevel);
  void Paint(TCanvas& canvas) override;

private:
  TPanelBevel bevelOuter_ = bvRaised;
  TPanelBevel bevelInner_ = bvNone;
};

// The etched frame with the caption on it.
class TCustomGroupBox : public TCustomControl {
  PAVANE_CLASS(TCustomGroupBox, TCustomControl)
public:
  explicit TCustomGroupBox(TComponent* owner);
  void Paint(TCanvas& canvas) override;
};

class TGroupBox : public TCustomGroupBox {
  PAVANE_CLASS(TGroupBox, TCustomGroupBox)
public:
  using TCustomGroupBox::TCustomGroupBox;
};

// Registers the standard control classes for creation by name.
void RegisterStandardControls();
