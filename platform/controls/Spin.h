#pragma once
// The spin edit: an integer edit with a minimum, a maximum and up and down steps.

#include "platform/controls/StdCtrls.h"

class TSpinEdit : public TEdit {
  PAVANE_CLASS(TSpinEdit, TEdit)
public:
  explicit TSpinEdit(TComponent* owner);
  // The edit with the up and down buttons at its right.
  void Paint(TCanvas& canvas) override;
  int MinValue() const { return minValue_; }
  void SetMinValue(int value) { minValue_ = value; }
  int MaxValue() const { return maxValue_; }
  void SetMaxValue(int value) { maxValue_ = value; }
  int Increment() const { return increment_; }
  void SetIncrement(int increment) { increment_ = increment; }
  bool EditorEnabled() const { return editorEnabled_; }
  void SetEditorEnabled(bool enabled) { editorEnabled_ = enabled; }
  // The text as a number, MinValue when it is none; kept within the bounds unless both are equal.
  int Value() const;
  void SetValue(int value);

protected:
  void KeyDown(WORD& key, TShiftState shift) override;
  // Digits and signs, as the platform's spin edit takes them (a sign anywhere).
  void KeyPress(char& key) override;
  // Leaving the edit puts a number out of the bounds back into them.
  void DoExit() override;
  void WndProc(TMessage& message) override;

private:
  int Bounded(int value) const;
  // One increment up (1) or down (-1).
  void Step(int direction);

  int minValue_ = 0;
  int maxValue_ = 0;
  int increment_ = 1;
  bool editorEnabled_ = true;
};

void RegisterSpinClasses();
