#include "platform/controls/Controls.h"

#include <algorithm>

#include "platform/classes/ClassDecl.h"
#include "platform/controls/Application.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"
#include "platform/graphics/Canvas.h"

const TTypeInfo& TypeInfoOf(TShiftStateItem*) {
  static const TTypeInfo t = EnumTypeInfo("TShiftStateItem", {"ssShift", "ssAlt", "ssCtrl", "ssLeft", "ssRight", "ssMiddle", "ssDouble"});
  return t;
}
const TTypeInfo& TypeInfoOf(TShiftState*) {
  static const TTypeInfo t = SetTypeInfo("TShiftState", TypeInfoFor<TShiftStateItem>());
  return t;
}
const TTypeInfo& TypeInfoOf(TMouseButton*) {
  static const TTypeInfo t = EnumTypeInfo("TMouseButton", {"mbLeft", "mbRight", "mbMiddle"});
  return t;
}
const TTypeInfo& TypeInfoOf(TKeyEvent*) {
  static const TTypeInfo t = EventTypeInfo("TKeyEvent");
  return t;
}
const TTypeInfo& TypeInfoOf(TKeyPressEvent*) {
  static const TTypeInfo t = EventTypeInfo("TKeyPressEvent");
  return t;
}
const TTypeInfo& TypeInfoOf(TMouseEvent*) {
  static const TTypeInfo t = EventTypeInfo("TMouseEvent");
  return t;
}
const TTypeInfo& TypeInfoOf(TAlignment*) {
  static const TTypeInfo t = EnumTypeInfo("TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"});
  return t;
}
const TTypeInfo& TypeInfoOf(TAlign*) {
  static const TTypeInfo t = EnumTypeInfo("TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"});
  return t;
}
const TTypeInfo& TabOrderTypeInfo() {
  static const TTypeInfo t = IntegerTypeInfo("TTabOrder");
  return t;
}

bool IsAccel(char key, const AnsiString& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    return upper(caption[i + 1]) == upper(key);
  }
  return false;
}

const TClassInfo& TControl::StaticClass() {
  static const TClassInfo info = DescribeClass<TControl>(
      "TControl",
      {Prop("Left", &TControl::Left, &TControl::SetLeft), Prop("Top", &TControl::Top, &TControl::SetTop),
       Prop("Width", &TControl::Width, &TControl::SetWidth), Prop("Height", &TControl::Height, &TControl::SetHeight),
       Prop("Align", &TControl::Align, &TControl::SetAlign),
       Prop("Visible", &TControl::Visible, &TControl::SetVisible),
       Prop("Enabled", &TControl::Enabled, &TControl::SetEnabled), Prop("Hint", &TControl::Hint, &TControl::SetHint),
       Prop("ShowHint", &TControl::ShowHint, &TControl::SetShowHint),
       Prop("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint),
       Prop("Color", &TControl::Color, &TControl::SetColor, &ColorTypeInfo()),
       Prop("ParentColor", &TControl::ParentColor, &TControl::SetParentColor),
       Prop("Font", &TControl::Font, &TControl::SetFont),
       Prop("ParentFont", &TControl::ParentFont, &TControl::SetParentFont),
       Prop("Cursor", &TControl::Cursor, &TControl::SetCursor, &CursorTypeInfo()),
       Prop("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu), Prop("OnClick", &TControl::OnClick),
       Prop("OnDblClick", &TControl::OnDblClick), Prop("OnMouseDown", &TControl::OnMouseDown),
       Prop("OnMouseUp", &TControl::OnMouseUp), Prop("OnMouseMove", &TControl::OnMouseMove)});
  return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
  font_->OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
  if (parent_) parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* win = dynamic_cast<TWinControl*>(parent)) SetParent(win);
}

void TControl::SetName(const AnsiString& name) {
  bool follow = setCaptionFromName_ && !IsLoading() && text_ == TComponent::Name() &&
                !(Owner() && Owner()->IsLoading());
  TComponent::SetName(name);
  if (follow) SetText(name);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Invalidate();
  if (parent_) parent_->Invalidate();
  if (resized) Resized();
  if (align_ != alNone && parent_) parent_->AlignControls(this);
  if (auto* container = dynamic_cast<TWinControl*>(this); container && resized) container->AlignControls();
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  if (parent_) parent_->AlignControls(this);
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
  popupMenu_ = menu;
  if (menu) menu->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Invalidate();
  if (parent_) parent_->Invalidate();
  VisibleChanged();
  if (align_ != alNone && parent_) parent_->AlignControls(this);
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Invalidate();
  EnabledChanged();
}

bool TControl::IsShowing() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->visible_ || !c->enabled_) return false;
  return true;
}

void TControl::SetText(const AnsiString& text) {
  if (text == text_) return;
  text_ = text;
  Invalidate();
  TextChanged();
}

bool TControl::ShowHint() const {
  if (parentShowHint_ && parent_) return parent_->ShowHint();
  return showHint_;
}

void TControl::SetShowHint(bool show) {
  showHint_ = show;
  parentShowHint_ = false;
}

void TControl::SetColor(TColor color) {
  parentColor_ = false;
  if (color == color_) return;
  color_ = color;
  Invalidate();
  if (auto* win = dynamic_cast<TWinControl*>(this))
    for (TControl* c : win->controls_) c->ParentColorChanged();
}

void TControl::SetParentColor(bool parentColor) {
  parentColor_ = parentColor;
  if (parentColor) ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (parentColor_ && parent_) {
    SetColor(parent_->Color());
    parentColor_ = true;
  }
}

void TControl::SetFont(TFont* font) {
  if (font) font_->Assign(*font);
}

void TControl::SetParentFont(bool parentFont) {
  parentFont_ = parentFont;
  if (parentFont) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!parentFont_ || !parent_) return;
  updatingFont_ = true;
  font_->Assign(*parent_->Font());
  updatingFont_ = false;
}

void TControl::FontChanged() {
  if (!updatingFont_) parentFont_ = false;
  Invalidate();
  if (auto* win = dynamic_cast<TWinControl*>(this))
    for (TControl* c : win->controls_) c->ParentFontChanged();
}

LRESULT TControl::Perform(unsigned msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WndProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& message) {
  auto x = static_cast<std::int16_t>(message.LParam & 0xFFFF);
  auto y = static_cast<std::int16_t>((message.LParam >> 16) & 0xFFFF);
  TShiftState shift = TShiftState::FromBits(static_cast<std::uint32_t>(message.WParam));
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
      if (!enabled_) return;
      clicked_ = true;
      OnMouseDown(this, mbLeft, shift.Include(ssLeft), x, y);
      return;
    case WM_LBUTTONUP:
      if (!enabled_) return;
      OnMouseUp(this, mbLeft, shift, x, y);
      if (clicked_) {
        clicked_ = false;
        if (x >= 0 && y >= 0 && (x < width_ || width_ == 0) && (y < height_ || height_ == 0)) Click();
      }
      return;
    case WM_LBUTTONDBLCLK:
      if (enabled_) OnDblClick(this);
      return;
    case WM_MOUSEMOVE:
      if (enabled_) OnMouseMove(this, mbLeft, shift, x, y);
      return;
    case WM_RBUTTONUP:
      if (enabled_ && popupMenu_ && popupMenu_->AutoPopup()) {
        int screenX = x, screenY = y;
        for (const TControl* c = this; c; c = c->parent_) {
          screenX += c->left_;
          screenY += c->top_;
        }
        popupMenu_->SetPopupComponent(this);
        popupMenu_->Popup(screenX, screenY);
      }
      return;
    default:
      return;
  }
}

TCustomForm* TControl::ParentForm() const {
  const TControl* top = this;
  while (top->parent_) top = top->parent_;
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(top));
}

void TControl::Click() { OnClick(this); }

void TControl::Paint(TCanvas&) {}

void TControl::PaintTo(TCanvas& canvas, int x, int y) {
  TCanvas::TStateSaver saved(canvas);
  canvas.MoveOrigin(x, y);
  canvas.IntersectClipRect(Bounds(0, 0, width_, height_));
  needsPaint_ = false;
  if (canvas.ClipRect().IsEmpty()) return;
  canvas.SetFont(font_.get());
  canvas.Brush()->SetColor(color_);
  auto* win = dynamic_cast<TWinControl*>(this);
  // A window erases its background before it paints, as the platform's windows do.
  if (win) canvas.FillRect(Bounds(0, 0, width_, height_));
  Paint(canvas);
  if (!win || win->controls_.empty()) return;
  TRect client = ClientBounds();
  canvas.IntersectClipRect(client);
  for (bool windowed : {false, true})
    for (TControl* c : win->controls_)
      if (c->visible_ && (dynamic_cast<TWinControl*>(c) != nullptr) == windowed)
        c->PaintTo(canvas, client.Left + c->left_, client.Top + c->top_);
}

void TControl::Invalidate() {
  for (TControl* c = this; c; c = c->parent_) c->needsPaint_ = true;
}

const TClassInfo& TWinControl::StaticClass() {
  static const TClassInfo info = DescribeClass<TWinControl>(
      "TWinControl", {Prop("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder, &TabOrderTypeInfo()),
                      Prop("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop),
                      Prop("Ctl3D", &TWinControl::Ctl3D, &TWinControl::SetCtl3D),
                      Prop("ParentCtl3D", &TWinControl::ParentCtl3D, &TWinControl::SetParentCtl3D),
                      Prop("OnEnter", &TWinControl::OnEnter), Prop("OnExit", &TWinControl::OnExit),
                      Prop("OnKeyDown", &TWinControl::OnKeyDown), Prop("OnKeyUp", &TWinControl::OnKeyUp),
                      Prop("OnKeyPress", &TWinControl::OnKeyPress)});
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  // Leave the parent while still whole, so it forgets this control in every list.
  if (Parent()) Parent()->RemoveControl(this);
  DestroyHandle();
  for (TControl* c : controls_) c->parent_ = nullptr;
}

void TWinControl::DestroyHandle() {
  if (handle_) Application->ReleaseHandle(handle_);
  handle_ = 0;
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (const TControl* c = control; c; c = c->Parent())
    if (c == this) return true;
  return false;
}

HWND TWinControl::Handle() {
  if (!handle_ && !IsDestroying()) handle_ = Application->AllocateHandle(this);
  return handle_;
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  control->parent_ = this;
  if (auto* win = dynamic_cast<TWinControl*>(control)) tabList_.push_back(win);
  Invalidate();
  control->ParentFontChanged();
  control->ParentColorChanged();
  if (auto* win = dynamic_cast<TWinControl*>(control)) win->ParentCtl3DChanged();
  if (control->Align() != alNone) AlignControls(control);
}

void TWinControl::SetCtl3D(bool ctl3D) {
  parentCtl3D_ = false;
  if (ctl3D == ctl3D_) return;
  ctl3D_ = ctl3D;
  Ctl3DChanged();
  for (TWinControl* c : tabList_) c->ParentCtl3DChanged();
}

void TWinControl::SetParentCtl3D(bool parentCtl3D) {
  parentCtl3D_ = parentCtl3D;
  if (parentCtl3D) ParentCtl3DChanged();
}

void TWinControl::ParentCtl3DChanged() {
  if (!parentCtl3D_ || !Parent()) return;
  SetCtl3D(Parent()->Ctl3D());
  parentCtl3D_ = true;
}

void TWinControl::RemoveControl(TControl* control) {
  if (TCustomForm* form = ParentForm()) form->ControlRemoving(control);
  std::erase(controls_, control);
  if (auto* win = dynamic_cast<TWinControl*>(control)) std::erase(tabList_, win);
  control->parent_ = nullptr;
  Invalidate();
  if (control->Align() != alNone) AlignControls();
}

void TWinControl::AlignControls(const TControl* changed) {
  if (aligning_ || IsLoading() || IsDestroying()) return;
  aligning_ = true;
  TRect area = Bounds(0, 0, ClientWidth(), ClientHeight());
  for (TAlign edge : {alTop, alBottom, alLeft, alRight, alClient}) {
    std::vector<TControl*> placed;
    for (TControl* c : controls_)
      if (c->Align() == edge && c->Visible()) placed.push_back(c);
    // Nearest the edge first; ties keep the order of creation.
    auto distance = [edge](const TControl* c) {
      switch (edge) {
        case alTop: return c->Top();
        case alBottom: return -(c->Top() + c->Height());
        case alLeft: return c->Left();
        case alRight: return -(c->Left() + c->Width());
        default: return 0;
      }
    };
    std::stable_sort(placed.begin(), placed.end(), [&](const TControl* a, const TControl* b) {
      if (distance(a) != distance(b)) return distance(a) < distance(b);
      return a == changed && b != changed;
    });
    for (TControl* c : placed) {
      int width = std::max(area.Right - area.Left, 0), height = std::max(area.Bottom - area.Top, 0);
      switch (edge) {
        case alTop:
          c->SetBounds(area.Left, area.Top, width, c->Height());
          area.Top += c->Height();
          break;
        case alBottom:
          c->SetBounds(area.Left, area.Bottom - c->Height(), width, c->Height());
          area.Bottom -= c->Height();
          break;
        case alLeft:
          c->SetBounds(area.Left, area.Top, c->Width(), height);
          area.Left += c->Width();
          break;
        case alRight:
          c->SetBounds(area.Right - c->Width(), area.Top, c->Width(), height);
          area.Right -= c->Width();
          break;
        default:
          c->SetBounds(area.Left, area.Top, width, height);
          break;
      }
    }
  }
  aligning_ = false;
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (IsLoading()) {
    loadedTabOrder_ = order;
    return;
  }
  if (!Parent()) return;
  auto& list = Parent()->tabList_;
  std::erase(list, this);
  size_t at = order < 0 ? list.size() : std::min(static_cast<size_t>(order), list.size());
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), this);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  // Tab orders read from a description apply once all siblings exist.
  std::stable_sort(tabList_.begin(), tabList_.end(), [](const TWinControl* a, const TWinControl* b) {
    auto key = [](const TWinControl* c) { return c->loadedTabOrder_ < 0 ? INT32_MAX : c->loadedTabOrder_; };
    return key(a) < key(b);
  });
  if (loadedTabOrder_ >= 0 && Parent() && !Parent()->IsLoading()) SetTabOrder(loadedTabOrder_);
  AlignControls();
}

bool TWinControl::CanFocus() const {
  const TCustomForm* form = ParentForm();
  if (!form) return false;
  for (const TControl* c = this; c && c != form; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const {
  const TCustomForm* form = ParentForm();
  return form && form->Active() && form->FocusedControl() == this;
}

void TWinControl::SetFocus() {
  TCustomForm* form = ParentForm();
  if (!form) throw EInvalidOperation("Cannot focus a control that is on no form");
  form->FocusControl(this);
}

std::vector<TWinControl*> TWinControl::TabOrderList() const {
  std::vector<TWinControl*> list;
  for (TWinControl* c : tabList_) {
    list.push_back(c);
    std::vector<TWinControl*> inner = c->TabOrderList();
    list.insert(list.end(), inner.begin(), inner.end());
  }
  return list;
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
  std::vector<TWinControl*> list = TabOrderList();
  if (list.empty()) return nullptr;
  auto found = std::find(list.begin(), list.end(), current);
  size_t count = list.size();
  size_t start = found != list.end() ? static_cast<size_t>(found - list.begin()) : (goForward ? count - 1 : 0);
  size_t i = start;
  do {
    i = goForward ? (i + 1) % count : (i + count - 1) % count;
    TWinControl* c = list[i];
    if (c->CanFocus() && (!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this)) return c;
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop)) next->SetFocus();
}

bool TWinControl::DoKeyDown(WORD& key, TShiftState shift) {
  TCustomForm* form = ParentForm();
  if (form && form != this && form->KeyPreview() && form->DoKeyDown(key, shift)) return true;
  KeyDown(key, shift);
  return key == 0;
}

bool TWinControl::DoKeyPress(char& key) {
  TCustomForm* form = ParentForm();
  if (form && form != this && form->KeyPreview() && form->DoKeyPress(key)) return true;
  KeyPress(key);
  return key == 0;
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_KEYDOWN: {
      auto key = static_cast<WORD>(message.WParam);
      auto shift = TShiftState::FromBits(static_cast<std::uint32_t>(message.LParam));
      message.Result = 1;
      if (DoKeyDown(key, shift)) return;
      TCustomForm* form = ParentForm();
      if (!form) return;
      if (key == VK_TAB && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt))
        form->SelectNext(this, !shift.Contains(ssShift), true);
      else
        message.Result = form->Perform(CM_DIALOGKEY, key, message.LParam);
      return;
    }
    case WM_KEYUP: {
      auto key = static_cast<WORD>(message.WParam);
      OnKeyUp(this, key, TShiftState::FromBits(static_cast<std::uint32_t>(message.LParam)));
      return;
    }
    case WM_CHAR: {
      char key = static_cast<char>(message.WParam);
      message.Result = 1;
      if (DoKeyPress(key) || WantsChars()) return;
      TCustomForm* form = ParentForm();
      message.Result = form ? form->Perform(CM_DIALOGCHAR, static_cast<unsigned char>(key), 0) : 0;
      return;
    }
    case WM_SYSCHAR:
      if (TCustomForm* form = ParentForm())
        message.Result = form->Perform(CM_DIALOGCHAR, message.WParam, TShiftState{ssAlt}.Bits());
      return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR: {
      // Offered to every control below until one takes it.
      std::vector<TControl*> children = controls_;
      for (TControl* c : children) {
        if (!c->Visible()) continue;
        message.Result = c->Perform(message.Msg, message.WParam, message.LParam);
        if (message.Result) return;
      }
      return;
    }
    case WM_LBUTTONDOWN:
      if (FocusOnClick() && CanFocus() && !Focused()) SetFocus();
      TControl::WndProc(message);
      return;
    case CM_ENTER:
      DoEnter();
      return;
    case CM_EXIT:
      DoExit();
      return;
    default:
      TControl::WndProc(message);
  }
}

const TClassInfo& TGraphicControl::StaticClass() {
  static const TClassInfo info = DescribeClass<TGraphicControl>("TGraphicControl");
  return info;
}

const TClassInfo& TCustomControl::StaticClass() {
  static const TClassInfo info = DescribeClass<TCustomControl>("TCustomControl");
  return info;
}
