#pragma once
// The data navigator: a row of buttons (first, prior, next, last, insert, delete, edit, post,
// cancel, refresh) with a hint each; a click reports which button.

#include <vector>

#include "platform/classes/Strings.h"
#include "platform/controls/Controls.h"

enum TNavigateBtn { nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel, nbRefresh };
using TButtonSet = TSet<TNavigateBtn>;
const TTypeInfo& TypeInfoOf(TNavigateBtn*);
const TTypeInfo& TypeInfoOf(TButtonSet*);
using TNavClickEvent = TEvent<TObject*, TNavigateBtn>;
const TTypeInfo& TypeInfoOf(TNavClickEvent*);

class TDBNavigator : public TCustomControl {
  PAVANE_CLASS(TDBNavigator, TCustomControl)
public:
  explicit TDBNavigator(TComponent* owner);
  void Paint(TCanvas& canvas) override;
  TButtonSet VisibleButtons() const { return visibleButtons_; }
  void SetVisibleButtons(TButtonSet buttons) { visibleButtons_ = buttons; }
  // One line per button; missing lines use the English hints.
  TStrings* Hints() const { return hints_.get(); }
  void SetHints(TStrings* hints);
  AnsiString ButtonHint(TNavigateBtn button) const;
  // The shown buttons in order, and the one at x (false when none).
  std::vector<TNavigateBtn> ShownButtons() const;
  bool ButtonAt(int x, TNavigateBtn& button) const;
  void BtnClick(TNavigateBtn button);

  // Published as OnClick: the navigator's click names its button.
  TNavClickEvent OnNavigateClick;

protected:
  void WndProc(TMessage& message) override;

private:
  TButtonSet visibleButtons_{nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel, nbRefresh};
  std::unique_ptr<TStrings> hints_;
  bool pressed_ = false;
};

void RegisterDataControlClasses();
