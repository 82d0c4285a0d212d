#pragma once
// The page control and its tab sheets: one tab per sheet whose tab is visible, the active
// page shown and the others hidden; a click on a tab or Ctrl+Tab asks OnChanging (which may
// refuse) and then reports OnChange. Setting ActivePage in code reports nothing.

#include <vector>

#include "platform/controls/Forms.h"

class TPageControl;

// The same signature as the form's close query, so one type information serves both.
using TTabChangingEvent = TCloseQueryEvent;
// Draws one tab: the control, the tab's index among the visible tabs, its rectangle, active.
using TDrawTabEvent = TEvent<TObject*, int, const TRect&, bool>;
const TTypeInfo& TypeInfoOf(TDrawTabEvent*);
class TImageList;

class TTabSheet : public TWinControl {
  PAVANE_CLASS(TTabSheet, TWinControl)
public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;
  TPageControl* PageControl() const { return pageControl_; }
  void SetPageControl(TPageControl* pageControl);
  void SetParent(TWinControl* parent) override;
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool visible);
  int PageIndex() const;
  void SetPageIndex(int index);
  // The index among the visible tabs, -1 when its tab is hidden.
  int TabIndex() const;
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index) { imageIndex_ = index; }

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;

protected:
  void VisibleChanged() override;

private:
  friend class TPageControl;
  // Shown or hidden while the form is read, without the show and hide events.
  void SetShownQuietly(bool shown) { InitVisible(shown); }

  TPageControl* pageControl_ = nullptr;
  bool tabVisible_ = true;
  int imageIndex_ = -1;
};

struct TTabPlace {
  int Left = 0, Top = 0, Width = 0, Height = 0;
};

class TPageControl : public TWinControl {
  PAVANE_CLASS(TPageControl, TWinControl)
public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;
  // The frame and the tabs; owner-drawn tabs through DrawTab.
  void Paint(TCanvas& canvas) override;
  // The canvas being painted, for OnDrawTab; nullptr outside painting.
  TCanvas* Canvas() const { return canvas_; }
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }
  TTabSheet* ActivePage() const { return activePage_; }
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }
  void SetActivePageIndex(int index);
  // The active page's index among the visible tabs.
  int TabIndex() const { return activePage_ ? activePage_->TabIndex() : -1; }
  int TabHeight() const { return tabHeight_; }
  void SetTabHeight(int height) { tabHeight_ = height; }
  int TabWidth() const { return tabWidth_; }
  void SetTabWidth(int width) { tabWidth_ = width; }
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool ownerDraw) { ownerDraw_ = ownerDraw; }
  // The user's change to a page: OnChanging, then the page, then OnChange; false when refused.
  bool SelectPage(TTabSheet* page);
  // The next (or previous) page with a visible tab, cycling.
  TTabSheet* FindNextPage(TTabSheet* current, bool goForward) const;
  void SelectNextPage(bool goForward);

  // The pages whose tabs are visible, in page order, and where their tabs are.
  std::vector<TTabSheet*> VisibleTabs() const;
  TTabPlace TabRect(int tabIndex) const;
  // The tab at a point, -1 for none.
  int IndexOfTabAt(int x, int y) const;
  // The height of the tab strip and the place of the pages inside the control.
  int TabStripHeight() const { return tabHeight_ > 0 ? tabHeight_ : DefaultTabHeight; }
  void PlacePage(TTabSheet& page);

  static constexpr int DefaultTabHeight = 20, CharWidth = 6, TabPadding = 12;

  bool FocusOnClick() const override { return true; }
  void Loaded() override;

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;
  TDrawTabEvent OnDrawTab;

protected:
  void KeyDown(WORD& key, TShiftState shift) override;
  void WndProc(TMessage& message) override;
  void Resized() override;
  void Notification(TComponent* component, TOperation operation) override;
  // An owner-drawn tab (OwnerDraw, or an OnDrawTab handler): the handler draws it on Canvas.
  virtual void DrawTab(int tabIndex, const TRect& rect, bool active) { OnDrawTab(this, tabIndex, rect, active); }

private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);

  std::vector<TTabSheet*> pages_;
  TTabSheet* activePage_ = nullptr;
  int tabHeight_ = 0;
  int tabWidth_ = 0;
  bool ownerDraw_ = false;
  TImageList* images_ = nullptr;
  TCanvas* canvas_ = nullptr;
};
