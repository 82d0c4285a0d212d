#pragma once
// The condition form's page control: its tabs are drawn by the control, the active one in the
// active-caption colours with bold text, the others in the inactive-caption colours, unless
// an OnDrawTab handler draws them.

#include "platform/controls/PageControl.h"

class TExtPageControl : public TPageControl {
  PAVANE_CLASS(TExtPageControl, TPageControl)
public:
  explicit TExtPageControl(TComponent* owner);

protected:
  void DrawTab(int tabIndex, const TRect& rect, bool active) override;
};

void RegisterExtPageClass();
