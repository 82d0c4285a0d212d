#pragma once
// A label that belongs to another control (its FocusControl): it keeps itself beside that
// control and can take its caption from the display label of the control's database field.
// Placement and caption are refreshed when its properties change, once when it has been read,
// and on request (Adjust); it does not follow later moves of the control.

#include <cstdint>

#include "platform/controls/StdCtrls.h"

enum TDBLabelPos { psTop, psLeft, psRight, psBottom };
const TTypeInfo& TypeInfoOf(TDBLabelPos*);

class TDBLabel : public TLabel {
  PAVANE_CLASS(TDBLabel, TLabel)
public:
  explicit TDBLabel(TComponent* owner);

  bool AutoAlign() const { return autoAlign_; }
  void SetAutoAlign(bool autoAlign);
  bool AutoCaption() const { return autoCaption_; }
  void SetAutoCaption(bool autoCaption);
  // Refused, with a message, when another TDBLabel of the parent control has it already.
  void SetFocusControl(TWinControl* control) override;
  // A byte: values outside 0..255 are ignored.
  int Gap() const { return gap_; }
  void SetGap(int gap);
  TDBLabelPos Pos() const { return pos_; }
  void SetPos(TDBLabelPos pos);
  // Refreshes the caption and places the label.
  void Adjust();
  void Loaded() override;

private:
  // The display label of FocusControl's field, when it has DataSource and DataField.
  void RefreshCaption();
  void Place();
  // Another TDBLabel among the components of the parent control has the control.
  bool TakenByAnother(const TWinControl* control) const;

  bool autoAlign_ = true;
  bool autoCaption_ = true;
  std::uint8_t gap_ = 4;
  TDBLabelPos pos_ = psLeft;
};

void RegisterDBLabelClass();
