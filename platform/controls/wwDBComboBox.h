#pragma once
// The data-aware combo box of the InfoPower package, as far as the forms need it: a class of its
// own, so that language files and conversions can tell it from the standard combo box.

#include "platform/controls/ListControls.h"

class TwwDBCustomComboBox : public TComboBox {
  PAVANE_CLASS(TwwDBCustomComboBox, TComboBox)
public:
  using TComboBox::TComboBox;
};

class TwwDBComboBox : public TwwDBCustomComboBox {
  PAVANE_CLASS(TwwDBComboBox, TwwDBCustomComboBox)
public:
  using TwwDBCustomComboBox::TwwDBCustomComboBox;
};

void RegisterInfoPowerClasses();
