#include "platform/controls/PageControl.h"

#include <algorithm>

#include "platform/classes/ClassDecl.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/ImageList.h"

const TTypeInfo& TypeInfoOf(TDrawTabEvent*) {
  static const TTypeInfo t = EventTypeInfo("TDrawTabEvent");
  return t;
}

namespace {

// A caption's width on its tab: its characters without the accelerator marks.
int CaptionChars(const AnsiString& caption) {
  int count = 0;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] != '&') continue;
    if (caption[i] == '&') ++i;
    ++count;
  }
  return count;
}

}  // namespace

const TClassInfo& TTabSheet::StaticClass() {
  static const TClassInfo info = DescribeClass<TTabSheet>(
      "TTabSheet", {Prop("Caption", &TTabSheet::Caption, &TTabSheet::SetCaption),
                    // Typed by the base class: the page control's ActivePage names this class already.
                    Prop("PageControl", &TTabSheet::PageControl, &TTabSheet::SetPageControl,
                         &TWinControl::StaticClass().TypeInfo()),
                    Prop("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible),
                    Prop("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex),
                    Prop("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex),
                    Prop("OnShow", &TTabSheet::OnShow), Prop("OnHide", &TTabSheet::OnHide)});
  return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  InitVisible(false);
  SetColor(clBtnFace);
}

TTabSheet::~TTabSheet() { SetPageControl(nullptr); }

void TTabSheet::SetPageControl(TPageControl* pageControl) {
  if (pageControl == pageControl_) return;
  if (pageControl_) pageControl_->RemovePage(this);
  pageControl_ = pageControl;
  TWinControl::SetParent(pageControl);
  if (pageControl) pageControl->InsertPage(this);
}

void TTabSheet::SetParent(TWinControl* parent) {
  if (auto* pages = dynamic_cast<TPageControl*>(parent)) return SetPageControl(pages);
  if (pageControl_) {
    pageControl_->RemovePage(this);
    pageControl_ = nullptr;
  }
  TWinControl::SetParent(parent);
}

void TTabSheet::SetTabVisible(bool visible) {
  tabVisible_ = visible;
  // A hidden tab's page cannot stay active.
  if (!visible && pageControl_ && pageControl_->activePage_ == this && !IsLoading()) {
    TTabSheet* next = pageControl_->FindNextPage(this, true);
    pageControl_->SetActivePage(next != this ? next : nullptr);
  }
}

int TTabSheet::PageIndex() const {
  if (!pageControl_) return -1;
  auto& pages = pageControl_->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int index) {
  if (!pageControl_) return;
  auto& pages = pageControl_->pages_;
  std::erase(pages, this);
  index = std::clamp(index, 0, static_cast<int>(pages.size()));
  pages.insert(pages.begin() + index, this);
}

int TTabSheet::TabIndex() const {
  if (!pageControl_ || !tabVisible_) return -1;
  std::vector<TTabSheet*> tabs = pageControl_->VisibleTabs();
  return static_cast<int>(std::find(tabs.begin(), tabs.end(), this) - tabs.begin());
}

void TTabSheet::VisibleChanged() {
  if (IsDestroying()) return;
  if (Visible()) OnShow(this);
  else OnHide(this);
}

const TClassInfo& TPageControl::StaticClass() {
  static const TClassInfo info = DescribeClass<TPageControl>(
      "TPageControl", {Prop("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage),
                       Prop("TabHeight", &TPageControl::TabHeight, &TPageControl::SetTabHeight),
                       Prop("TabWidth", &TPageControl::TabWidth, &TPageControl::SetTabWidth),
                       Prop("OwnerDraw", &TPageControl::OwnerDraw, &TPageControl::SetOwnerDraw),
                       Prop("Images", &TPageControl::Images, &TPageControl::SetImages),
                       Prop("OnDrawTab", &TPageControl::OnDrawTab),
                       Prop("OnChange", &TPageControl::OnChange), Prop("OnChanging", &TPageControl::OnChanging)});
  return info;
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 289, 193);
  SetColor(clBtnFace);
  SetTabStop(true);
  setCaptionFromName_ = false;
}

TPageControl::~TPageControl() {
  for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
}

void TPageControl::SetImages(TImageList* images) {
  images_ = images;
  if (images) images->FreeNotification(this);
}

void TPageControl::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == images_) images_ = nullptr;
}

void TPageControl::InsertPage(TTabSheet* page) {
  pages_.push_back(page);
  PlacePage(*page);
  if (!activePage_ && !IsLoading() && page->TabVisible()) SetActivePage(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
  if (activePage_ == page) {
    TTabSheet* next = FindNextPage(page, true);
    SetActivePage(next != page ? next : nullptr);
  }
  std::erase(pages_, page);
}

void TPageControl::PlacePage(TTabSheet& page) {
  int top = TabStripHeight() + 4;
  page.SetBounds(4, top, std::max(Width() - 8, 0), std::max(Height() - top - 4, 0));
}

void TPageControl::Resized() {
  for (TTabSheet* page : pages_) PlacePage(*page);
}

void TPageControl::Loaded() {
  TWinControl::Loaded();
  if (!activePage_) {
    std::vector<TTabSheet*> tabs = VisibleTabs();
    if (!tabs.empty()) SetActivePage(tabs.front());
  }
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->PageControl() != this) return;
  if (IsLoading()) {
    activePage_ = page;
    if (page) page->SetShownQuietly(true);
    for (TTabSheet* other : pages_)
      if (other != page) other->SetShownQuietly(false);
    return;
  }
  if (page == activePage_) {
    if (page && !page->Visible()) page->Show();
    return;
  }
  TCustomForm* form = ParentForm();
  TTabSheet* old = activePage_;
  bool focusInside = form && old && old->ContainsControl(form->FocusedControl());
  activePage_ = page;
  if (page) page->Show();
  // The focus leaves the hidden page: to the new page's first control, else to the page control.
  if (focusInside) {
    TWinControl* next = page ? page->FindNextControl(nullptr, true, true, false) : nullptr;
    if (next) next->SetFocus();
    else if (CanFocus()) SetFocus();
  }
  if (old) old->Hide();
}

void TPageControl::SetActivePageIndex(int index) {
  SetActivePage(index >= 0 && index < PageCount() ? Pages(index) : nullptr);
}

bool TPageControl::SelectPage(TTabSheet* page) {
  if (!page || page == activePage_ || !page->TabVisible()) return false;
  bool allow = true;
  OnChanging(this, allow);
  if (!allow) return false;
  SetActivePage(page);
  OnChange(this);
  return true;
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward) const {
  std::vector<TTabSheet*> tabs = VisibleTabs();
  if (tabs.empty()) return nullptr;
  auto at = std::find(tabs.begin(), tabs.end(), current);
  if (at == tabs.end()) return goForward ? tabs.front() : tabs.back();
  auto count = static_cast<std::ptrdiff_t>(tabs.size());
  auto index = at - tabs.begin();
  return tabs[static_cast<size_t>((index + (goForward ? 1 : count - 1)) % count)];
}

void TPageControl::SelectNextPage(bool goForward) { SelectPage(FindNextPage(activePage_, goForward)); }

std::vector<TTabSheet*> TPageControl::VisibleTabs() const {
  std::vector<TTabSheet*> tabs;
  for (TTabSheet* page : pages_)
    if (page->TabVisible()) tabs.push_back(page);
  return tabs;
}

TTabPlace TPageControl::TabRect(int tabIndex) const {
  std::vector<TTabSheet*> tabs = VisibleTabs();
  if (tabIndex < 0 || tabIndex >= static_cast<int>(tabs.size())) return {};
  int left = 2;
  auto width = [this](TTabSheet* page) {
    return tabWidth_ > 0 ? tabWidth_ : CaptionChars(page->Caption()) * CharWidth + TabPadding;
  };
  for (int i = 0; i < tabIndex; ++i) left += width(tabs[static_cast<size_t>(i)]);
  return {left, 2, width(tabs[static_cast<size_t>(tabIndex)]), TabStripHeight()};
}

int TPageControl::IndexOfTabAt(int x, int y) const {
  int count = static_cast<int>(VisibleTabs().size());
  for (int i = 0; i < count; ++i) {
    TTabPlace r = TabRect(i);
    if (x >= r.Left && x < r.Left + r.Width && y >= r.Top && y < r.Top + r.Height) return i;
  }
  return -1;
}

void TPageControl::KeyDown(WORD& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  if (key == 0) return;
  if (key != VK_RIGHT && key != VK_LEFT) return;
  SelectNextPage(key == VK_RIGHT);
  key = 0;
}

void TPageControl::WndProc(TMessage& message) {
  // Ctrl+Tab turns the pages while the focus is anywhere inside.
  if (message.Msg == CM_DIALOGKEY && message.WParam == VK_TAB) {
    auto shift = TShiftState::FromBits(static_cast<std::uint32_t>(message.LParam));
    TCustomForm* form = ParentForm();
    if (shift.Contains(ssCtrl) && form && ContainsControl(form->FocusedControl())) {
      SelectNextPage(!shift.Contains(ssShift));
      message.Result = 1;
      return;
    }
  }
  if (message.Msg == WM_LBUTTONDOWN && Enabled()) {
    auto x = static_cast<std::int16_t>(message.LParam & 0xFFFF);
    auto y = static_cast<std::int16_t>((message.LParam >> 16) & 0xFFFF);
    int tab = IndexOfTabAt(x, y);
    if (tab >= 0) {
      TWinControl::WndProc(message);
      SelectPage(VisibleTabs()[static_cast<size_t>(tab)]);
      return;
    }
  }
  TWinControl::WndProc(message);
}
