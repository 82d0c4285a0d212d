#pragma once
// A lookup button: sits beside its edit control, and a click on it does what F2 in that
// control does, asking the form for a lookup window for it.

#include <cstdint>

#include "controls/GSpdBtn.h"

// The F2 request: sent to the form, wParam 0, lParam the control; the form treats it as F2
// pressed on that control.
inline constexpr unsigned WM_F2REQUEST = WM_USER + 10;

class TF2Button : public TGSpeedButton {
  PAVANE_CLASS(TF2Button, TGSpeedButton)
public:
  explicit TF2Button(TComponent* owner);
  // Keep the button placed beside F2Control whenever one of these is assigned.
  bool AutoAlign() const { return autoAlign_; }
  void SetAutoAlign(bool autoAlign);
  // Refused, with a message, when another button of the same parent already looks up control.
  TWinControl* F2Control() const { return f2Control_; }
  void SetF2Control(TWinControl* control);
  std::uint8_t Gap() const { return gap_; }
  void SetGap(std::uint8_t gap);
  // The platform's click, then the F2 request for an enabled F2Control that takes the focus.
  void Click() override;

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  bool IsUniqueFor(TWinControl* control) const;
  void Place();

  bool autoAlign_ = true;
  TWinControl* f2Control_ = nullptr;
  std::uint8_t gap_ = 2;
};
