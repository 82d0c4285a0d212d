#pragma once
// The tab set: a row of tabs from a list of texts; a click on a tab asks OnChange, which may
// refuse, before the tab becomes the current one.

#include "platform/classes/Strings.h"
#include "platform/controls/Controls.h"

using TTabChangeEvent = TEvent<TObject*, int, bool&>;
const TTypeInfo& TypeInfoOf(TTabChangeEvent*);

class TTabSet : public TCustomControl {
  PAVANE_CLASS(TTabSet, TCustomControl)
public:
  explicit TTabSet(TComponent* owner);
  void Paint(TCanvas& canvas) override;
  TStrings* Tabs() const { return tabs_.get(); }
  void SetTabs(TStrings* tabs);
  // -1 for none; an index outside the tabs is refused.
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int index);
  // The tab at x, -1 for none.
  int ItemAtPos(int x) const;
  int TabLeft(int index) const;
  int TabWidth(int index) const;
  void Loaded() override;

  static constexpr int CharWidth = 6, TabPadding = 12, StartMargin = 5;

  TTabChangeEvent OnChange;

protected:
  void WndProc(TMessage& message) override;

private:
  std::unique_ptr<TStrings> tabs_;
  int tabIndex_ = -1;
  int loadedTabIndex_ = -1;
};

void RegisterTabClasses();
