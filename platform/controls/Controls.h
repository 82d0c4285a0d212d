#pragma once
// Controls: TControl (bounds, visibility, enabling, text, hint, colour and font with their
// inheritance from the parent, mouse events, painting) and TWinControl (children in order, a
// handle on demand, tab order, focus, enter and exit, keys with the form's key preview).

#include <memory>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/Events.h"
#include "platform/classes/Graphics.h"
#include "platform/controls/Messages.h"
#include "platform/graphics/Geometry.h"

class TCanvas;
class TWinControl;
class TCustomForm;
class TPopupMenu;

using TKeyEvent = TEvent<TObject*, WORD&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, char&>;
using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
const TTypeInfo& TypeInfoOf(TKeyEvent*);
const TTypeInfo& TypeInfoOf(TKeyPressEvent*);
const TTypeInfo& TypeInfoOf(TMouseEvent*);

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
const TTypeInfo& TypeInfoOf(TAlignment*);
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
const TTypeInfo& TypeInfoOf(TAlign*);
const TTypeInfo& TabOrderTypeInfo();

// A focus change that cannot happen: the control is hidden or disabled, or has no form.
class EInvalidOperation : public Exception {
public:
  using Exception::Exception;
  AnsiString ClassName() const override { return "EInvalidOperation"; }
};

// True when the caption marks key as its accelerator ("&Save" for 's' or 'S'; "&&" is a plain "&").
bool IsAccel(char key, const AnsiString& caption);

class TControl : public TComponent {
  PAVANE_CLASS(TControl, TComponent)
public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;
  void SetName(const AnsiString& name) override;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  TAlign Align() const { return align_; }
  // An aligned control is placed by its parent (TWinControl::AlignControls).
  void SetAlign(TAlign align);

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);
  // Visible and enabled up to the top of the parent chain.
  bool IsShowing() const;

  // Caption and Text are one text, as the platform keeps it.
  const AnsiString& Caption() const { return text_; }
  void SetCaption(const AnsiString& text) { SetText(text); }
  const AnsiString& Text() const { return text_; }
  void SetText(const AnsiString& text);

  const AnsiString& Hint() const { return hint_; }
  void SetHint(const AnsiString& hint) { hint_ = hint; }
  // ShowHint follows the parent's while ParentShowHint is set.
  bool ShowHint() const;
  void SetShowHint(bool show);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool parentShowHint) { parentShowHint_ = parentShowHint; }

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool parentColor);
  // The font follows the parent's while ParentFont is set; changing it clears ParentFont.
  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* font);
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool parentFont);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor) { cursor_ = cursor; }
  // Shown at the mouse by a right click on the control.
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu);

  // Synchronous delivery of a message to this control.
  LRESULT Perform(unsigned msg, WPARAM wParam, LPARAM lParam);
  virtual void WndProc(TMessage& message);
  // The form the control is on (the top of its parent chain when that is a form).
  TCustomForm* ParentForm() const;

  virtual void Click();

  // Painting. Paint draws the control's face in its own coordinates ((0, 0) is its top-left
  // corner); the caller has clipped the canvas to the control and given it the control's font
  // and a solid brush of the control's colour. PaintTo paints the control and then its visible
  // children in z-order (graphic controls under windowed ones, each in child order), with the
  // control's top-left corner at (x, y) of the canvas.
  virtual void Paint(TCanvas& canvas);
  void PaintTo(TCanvas& canvas, int x, int y);
  // The area the children live in, in the control's coordinates: their Left and Top count
  // from its top-left corner and they are clipped to it.
  virtual TRect ClientBounds() const { return Bounds(0, 0, width_, height_); }
  int ClientWidth() const { return ClientBounds().Width(); }
  int ClientHeight() const { return ClientBounds().Height(); }
  // Marks the control (and its parents) as needing paint; cheap, painting clears the mark.
  void Invalidate();
  void Repaint() { Invalidate(); }
  bool NeedsPaint() const { return needsPaint_; }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseEvent OnMouseMove;

protected:
  void Notification(TComponent* component, TOperation operation) override;
  virtual void TextChanged() {}
  // The parent's font or colour changed.
  virtual void ParentFontChanged();
  virtual void ParentColorChanged();
  virtual void VisibleChanged() {}
  virtual void EnabledChanged() {}
  virtual void Resized() {}
  // The control's own font changed (also when it follows the parent's).
  virtual void FontChanged();
  // Visibility at construction, without the change notification.
  void InitVisible(bool visible) { visible_ = visible; }
  // The caption follows the name when they were equal (a control created and named in code).
  bool setCaptionFromName_ = true;

private:
  friend class TWinControl;

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = alNone;
  bool visible_ = true;
  bool enabled_ = true;
  AnsiString text_;
  AnsiString hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TColor color_ = clWindow;
  bool parentColor_ = false;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  bool updatingFont_ = false;
  TCursor cursor_ = crDefault;
  TPopupMenu* popupMenu_ = nullptr;
  bool clicked_ = false;
  bool needsPaint_ = true;
};

class TWinControl : public TControl {
  PAVANE_CLASS(TWinControl, TControl)
public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
  // True for the control itself and everything below it.
  bool ContainsControl(const TControl* control) const;

  // The window handle, made when first asked for; 0 once the control is gone.
  HWND Handle();
  bool HandleAllocated() const { return handle_ != 0; }

  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
  // The 3-D look of the window; it follows the parent's while ParentCtl3D is set, and setting
  // it clears ParentCtl3D.
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool ctl3D);
  bool ParentCtl3D() const { return parentCtl3D_; }
  void SetParentCtl3D(bool parentCtl3D);

  // Showing and enabled up to its form, which must exist.
  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  // The windowed controls below this one in tab order, depth first.
  std::vector<TWinControl*> TabOrderList() const;
  TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) const;
  void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

  void WndProc(TMessage& message) override;
  void Loaded() override;
  // Places the visible children whose Align is set: those at the top, bottom, left and right
  // edges in that order (each edge's controls by their position), then one filling the rest of
  // the client area. The control whose change asks for it wins a tie of positions. Not while the
  // control is being read; Loaded does it then.
  void AlignControls(const TControl* changed = nullptr);
  // A click gives this control the focus (edits, buttons, lists; not panels).
  virtual bool FocusOnClick() const { return false; }
  // Typed characters are the control's own; otherwise a character that the control leaves is
  // tried as an accelerator of the form.
  virtual bool WantsChars() const { return false; }

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;

protected:
  virtual void DoEnter() { OnEnter(this); }
  virtual void DoExit() { OnExit(this); }
  // True when the key was consumed (the form's key preview first, then the control).
  virtual bool DoKeyDown(WORD& key, TShiftState shift);
  virtual bool DoKeyPress(char& key);
  virtual void KeyDown(WORD& key, TShiftState shift) { OnKeyDown(this, key, shift); }
  virtual void KeyPress(char& key) { OnKeyPress(this, key); }
  // The 3-D look changed: repaints.
  virtual void Ctl3DChanged() { Invalidate(); }
  void DestroyHandle();

private:
  friend class TControl;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void ParentCtl3DChanged();

  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  HWND handle_ = 0;
  bool tabStop_ = false;
  bool ctl3D_ = true;
  bool parentCtl3D_ = true;
  int loadedTabOrder_ = -1;
  bool aligning_ = false;
};

class TGraphicControl : public TControl {
  PAVANE_CLASS(TGraphicControl, TControl)
public:
  using TControl::TControl;
};

class TCustomControl : public TWinControl {
  PAVANE_CLASS(TCustomControl, TWinControl)
public:
  using TWinControl::TWinControl;
};
