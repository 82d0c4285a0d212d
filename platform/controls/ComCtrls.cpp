#include "platform/controls/ComCtrls.h"

#include <algorithm>

#include "platform/classes/ClassDecl.h"
#include "platform/controls/Menus.h"

const TTypeInfo& TypeInfoOf(TStatusPanelStyle*) {
  static const TTypeInfo t = EnumTypeInfo("TStatusPanelStyle", {"psText", "psOwnerDraw"});
  return t;
}
const TTypeInfo& TypeInfoOf(TStatusPanelBevel*) {
  static const TTypeInfo t = EnumTypeInfo("TStatusPanelBevel", {"pbNone", "pbLowered", "pbRaised"});
  return t;
}
const TTypeInfo& TypeInfoOf(TToolButtonStyle*) {
  static const TTypeInfo t =
      EnumTypeInfo("TToolButtonStyle", {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator", "tbsDivider"});
  return t;
}
const TTypeInfo& TypeInfoOf(TTVChangedEvent*) {
  static const TTypeInfo t = EventTypeInfo("TTVChangedEvent");
  return t;
}
const TTypeInfo& TypeInfoOf(TCommonAVI*) {
  static const TTypeInfo t =
      EnumTypeInfo("TCommonAVI", {"aviNone", "aviFindFolder", "aviFindFile", "aviFindComputer", "aviCopyFiles",
                                  "aviCopyFile", "aviRecycleFile", "aviEmptyRecycle", "aviDeleteFile"});
  return t;
}

const TClassInfo& TStatusPanel::StaticClass() {
  static const TClassInfo info = DescribeClass<TStatusPanel>(
      "TStatusPanel", {Prop("Text", &TStatusPanel::Text, &TStatusPanel::SetText),
                       Prop("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth),
                       Prop("Alignment", &TStatusPanel::Alignment, &TStatusPanel::SetAlignment),
                       Prop("Style", &TStatusPanel::Style, &TStatusPanel::SetStyle),
                       Prop("Bevel", &TStatusPanel::Bevel, &TStatusPanel::SetBevel)});
  return info;
}

void TStatusPanel::Assign(const TPersistent& source) {
  if (auto* p = dynamic_cast<const TStatusPanel*>(&source)) {
    text_ = p->text_;
    width_ = p->width_;
    alignment_ = p->alignment_;
    style_ = p->style_;
    bevel_ = p->bevel_;
    return;
  }
  TCollectionItem::Assign(source);
}

const TClassInfo& TStatusPanels::StaticClass() {
  static const TClassInfo info = DescribeClass<TStatusPanels>("TStatusPanels");
  return info;
}

const TClassInfo& TStatusBar::StaticClass() {
  static const TClassInfo info = DescribeClass<TStatusBar>(
      "TStatusBar", {Prop("Panels", &TStatusBar::Panels, &TStatusBar::SetPanels),
                     Prop("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel),
                     Prop("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText),
                     Prop("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip)});
  return info;
}

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner), panels_(std::make_unique<TStatusPanels>()) {
  SetAlign(alBottom);
  SetBounds(0, 0, 185, 19);
  SetColor(clBtnFace);
  setCaptionFromName_ = false;
}

void TStatusBar::SetPanels(TStatusPanels* panels) {
  if (panels) panels_->Assign(*panels);
}

const TClassInfo& TToolButton::StaticClass() {
  static const TClassInfo info = DescribeClass<TToolButton>(
      "TToolButton", {Prop("Caption", &TToolButton::Caption, &TToolButton::SetCaption),
                      Prop("Style", &TToolButton::Style, &TToolButton::SetStyle),
                      Prop("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex),
                      Prop("Down", &TToolButton::Down, &TToolButton::SetDown),
                      Prop("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped),
                      Prop("AllowAllUp", &TToolButton::AllowAllUp, &TToolButton::SetAllowAllUp),
                      Prop("DropdownMenu", &TToolButton::DropdownMenu, &TToolButton::SetDropdownMenu)});
  return info;
}

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 23, 22);
  SetColor(clBtnFace);
}

void TToolButton::SetDown(bool down) {
  if (down == down_) return;
  down_ = down;
  // Grouped check buttons next to each other let each other up.
  if (!down || !grouped_ || style_ != tbsCheck || !Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i)
    if (auto* other = dynamic_cast<TToolButton*>(Parent()->Controls(i));
        other && other != this && other->grouped_ && other->style_ == tbsCheck)
      other->down_ = false;
}

void TToolButton::SetDropdownMenu(TPopupMenu* menu) {
  dropdownMenu_ = menu;
  if (menu) menu->FreeNotification(this);
}

void TToolButton::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == dropdownMenu_) dropdownMenu_ = nullptr;
}

bool TToolButton::CheckMenuDropdown() {
  if (!dropdownMenu_) return false;
  TPoint screen = ScreenPoint({0, Height()});
  dropdownMenu_->SetPopupComponent(this);
  dropdownMenu_->Popup(screen.X, screen.Y);
  return true;
}

void TToolButton::SetParent(TWinControl* parent) {
  TWinControl* old = Parent();
  TGraphicControl::SetParent(parent);
  for (TWinControl* bar : {old, parent})
    if (auto* toolBar = dynamic_cast<TToolBar*>(bar); toolBar && !toolBar->IsLoading()) toolBar->ArrangeButtons();
}

void TToolButton::Click() {
  if (style_ == tbsSeparator || style_ == tbsDivider) return;
  if (style_ == tbsCheck) {
    if (!down_) SetDown(true);
    else if (!grouped_ || allowAllUp_) SetDown(false);
  }
  TGraphicControl::Click();
}

void TToolButton::WndProc(TMessage& message) {
  if (message.Msg == WM_LBUTTONDOWN && Enabled()) {
    auto x = static_cast<std::int16_t>(message.LParam & 0xFFFF);
    arrowPressed_ = style_ == tbsDropDown && x >= Width() - DropDownArrowWidth;
    if (arrowPressed_ || (style_ != tbsDropDown && dropdownMenu_)) {
      CheckMenuDropdown();
      return;
    }
  }
  if (message.Msg == WM_LBUTTONUP && arrowPressed_) {
    arrowPressed_ = false;
    return;
  }
  TGraphicControl::WndProc(message);
}

const TClassInfo& TToolBar::StaticClass() {
  static const TClassInfo info = DescribeClass<TToolBar>(
      "TToolBar", {Prop("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth),
                   Prop("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight),
                   Prop("Flat", &TToolBar::Flat, &TToolBar::SetFlat), Prop("Images", &TToolBar::Images, &TToolBar::SetImages),
                   Prop("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions)});
  return info;
}

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
  SetAlign(alTop);
  SetBounds(0, 0, 150, 29);
  SetColor(clBtnFace);
  setCaptionFromName_ = false;
}

void TToolBar::SetImages(TImageList* images) {
  images_ = images;
  if (images) images->FreeNotification(this);
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == images_) images_ = nullptr;
}

void TToolBar::SetButtonWidth(int width) {
  buttonWidth_ = width;
  ArrangeButtons();
}

void TToolBar::SetButtonHeight(int height) {
  buttonHeight_ = height;
  ArrangeButtons();
}

int TToolBar::ButtonCount() const {
  int count = 0;
  for (int i = 0; i < ControlCount(); ++i)
    if (dynamic_cast<TToolButton*>(Controls(i))) ++count;
  return count;
}

TToolButton* TToolBar::Buttons(int index) const {
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* b = dynamic_cast<TToolButton*>(Controls(i)); b && index-- == 0) return b;
  return nullptr;
}

void TToolBar::ArrangeButtons() {
  int left = 0;
  for (int i = 0; i < ButtonCount(); ++i) {
    TToolButton* b = Buttons(i);
    if (!b->Visible()) continue;
    bool gap = b->Style() == tbsSeparator || b->Style() == tbsDivider;
    int width = gap ? SeparatorWidth : buttonWidth_ + (b->Style() == tbsDropDown ? TToolButton::DropDownArrowWidth : 0);
    b->SetBounds(left, 2, width, buttonHeight_);
    left += width;
  }
}

void TToolBar::Loaded() {
  TWinControl::Loaded();
  ArrangeButtons();
}

int TTreeNode::Level() const {
  int level = 0;
  for (const TTreeNode* p = parent_; p; p = p->parent_) ++level;
  return level;
}

int TTreeNode::Index() const {
  const auto& siblings = owner_.SiblingsOf(parent_);
  for (size_t i = 0; i < siblings.size(); ++i)
    if (siblings[i].get() == this) return static_cast<int>(i);
  return -1;
}

std::vector<std::unique_ptr<TTreeNode>>& TTreeNodes::SiblingsOf(TTreeNode* parent) {
  return parent ? parent->children_ : roots_;
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const AnsiString& text) {
  return AddChild(sibling ? sibling->parent_ : nullptr, text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const AnsiString& text) {
  auto& siblings = SiblingsOf(parent);
  siblings.push_back(std::make_unique<TTreeNode>(*this, parent));
  siblings.back()->text_ = text;
  return siblings.back().get();
}

void TTreeNodes::Delete(TTreeNode* node) {
  if (!node) return;
  view_.NodeRemoving(node);
  auto& siblings = SiblingsOf(node->parent_);
  std::erase_if(siblings, [node](const auto& n) { return n.get() == node; });
}

void TTreeNodes::Clear() {
  view_.NodeRemoving(nullptr);
  roots_.clear();
}

namespace {

// The node and the nodes below it, depth first; with onlyExpanded the children of collapsed nodes are left out.
void Flatten(TTreeNode* node, bool onlyExpanded, std::vector<TTreeNode*>& out) {
  out.push_back(node);
  if (onlyExpanded && !node->Expanded()) return;
  for (int i = 0; i < node->Count(); ++i) Flatten(node->Item(i), onlyExpanded, out);
}

std::vector<TTreeNode*> AllNodes(const TTreeNodes& nodes, bool onlyExpanded) {
  std::vector<TTreeNode*> out;
  for (int i = 0; i < nodes.RootCount(); ++i) Flatten(nodes.Root(i), onlyExpanded, out);
  return out;
}

bool IsBelow(const TTreeNode* node, const TTreeNode* ancestor) {
  for (const TTreeNode* n = node; n; n = n->Parent())
    if (n == ancestor) return true;
  return false;
}

}  // namespace

int TTreeNodes::Count() const { return static_cast<int>(AllNodes(*this, false).size()); }

TTreeNode* TTreeNodes::Item(int index) const {
  std::vector<TTreeNode*> all = AllNodes(*this, false);
  return index >= 0 && index < static_cast<int>(all.size()) ? all[static_cast<size_t>(index)] : nullptr;
}

const TClassInfo& TTreeView::StaticClass() {
  static const TClassInfo info = DescribeClass<TTreeView>(
      "TTreeView", {Prop("ReadOnly", &TTreeView::ReadOnly, &TTreeView::SetReadOnly), Prop("OnChange", &TTreeView::OnChange)});
  return info;
}

TTreeView::TTreeView(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TTreeNodes>(*this)) {
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  setCaptionFromName_ = false;
}

void TTreeView::SetSelected(TTreeNode* node) {
  if (node == selected_) return;
  selected_ = node;
  for (TTreeNode* p = node ? node->Parent() : nullptr; p; p = p->Parent()) p->SetExpanded(true);
  OnChange(this, node);
}

void TTreeView::NodeRemoving(TTreeNode* node) {
  if (selected_ && (!node || IsBelow(selected_, node))) selected_ = nullptr;
}

std::vector<TTreeNode*> TTreeView::VisibleNodes() const { return AllNodes(*items_, true); }

TTreeNode* TTreeView::GetNodeAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= Width()) return nullptr;
  std::vector<TTreeNode*> shown = VisibleNodes();
  size_t row = static_cast<size_t>(y / RowHeight);
  return row < shown.size() ? shown[row] : nullptr;
}

void TTreeView::KeyDown(WORD& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  std::vector<TTreeNode*> shown = VisibleNodes();
  if (shown.empty() || (key != VK_UP && key != VK_DOWN && key != VK_LEFT && key != VK_RIGHT && key != VK_HOME &&
                        key != VK_END))
    return;
  auto at = std::find(shown.begin(), shown.end(), selected_) - shown.begin();
  auto last = static_cast<std::ptrdiff_t>(shown.size()) - 1;
  switch (key) {
    case VK_UP: SetSelected(shown[static_cast<size_t>(std::clamp<std::ptrdiff_t>(at - 1, 0, last))]); break;
    case VK_DOWN: SetSelected(shown[static_cast<size_t>(selected_ ? std::min(at + 1, last) : 0)]); break;
    case VK_HOME: SetSelected(shown.front()); break;
    case VK_END: SetSelected(shown.back()); break;
    case VK_RIGHT:
      if (selected_) selected_->SetExpanded(true);
      break;
    case VK_LEFT:
      if (selected_ && selected_->Expanded()) selected_->SetExpanded(false);
      else if (selected_ && selected_->Parent()) SetSelected(selected_->Parent());
      break;
    default: break;
  }
  key = 0;
}

void TTreeView::WndProc(TMessage& message) {
  if (message.Msg == WM_LBUTTONDOWN && Enabled()) {
    TWinControl::WndProc(message);
    auto x = static_cast<std::int16_t>(message.LParam & 0xFFFF);
    auto y = static_cast<std::int16_t>((message.LParam >> 16) & 0xFFFF);
    if (TTreeNode* node = GetNodeAt(x, y)) SetSelected(node);
    return;
  }
  if (message.Msg == WM_LBUTTONDBLCLK && Enabled() && selected_) selected_->SetExpanded(!selected_->Expanded());
  TWinControl::WndProc(message);
}

const TClassInfo& TAnimate::StaticClass() {
  static const TClassInfo info = DescribeClass<TAnimate>(
      "TAnimate", {Prop("CommonAVI", &TAnimate::CommonAVI, &TAnimate::SetCommonAVI),
                   Prop("FileName", &TAnimate::FileName, &TAnimate::SetFileName),
                   Prop("Active", &TAnimate::Active, &TAnimate::SetActive),
                   Prop("Repetitions", &TAnimate::Repetitions, &TAnimate::SetRepetitions),
                   Prop("Center", &TAnimate::Center, &TAnimate::SetCenter),
                   Prop("Transparent", &TAnimate::Transparent, &TAnimate::SetTransparent),
                   Prop("OnOpen", &TAnimate::OnOpen), Prop("OnStart", &TAnimate::OnStart),
                   Prop("OnStop", &TAnimate::OnStop)});
  return info;
}

TAnimate::TAnimate(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 100, 80);
  SetColor(clBtnFace);
  setCaptionFromName_ = false;
}

void TAnimate::SetActive(bool active) {
  if (active == active_) return;
  // Without a clip there is nothing to play.
  if (active && commonAVI_ == aviNone && fileName_.empty()) return;
  active_ = active;
  if (IsLoading()) return;
  if (active) {
    OnOpen(this);
    OnStart(this);
  } else {
    OnStop(this);
  }
}

void RegisterCommonControlClasses() {
  for (const TClassInfo* c :
       {&TListView::StaticClass(), &TListColumn::StaticClass(), &TPageControl::StaticClass(), &TTabSheet::StaticClass(),
        &TStatusBar::StaticClass(), &TToolBar::StaticClass(), &TToolButton::StaticClass(), &TTreeView::StaticClass(),
        &TAnimate::StaticClass()})
    RegisterClass(*c);
}
