#include "platform/controls/wwDBComboBox.h"

#include "platform/classes/ClassDecl.h"

const TClassInfo& TwwDBCustomComboBox::StaticClass() {
  static const TClassInfo info = DescribeClass<TwwDBCustomComboBox>("TwwDBCustomComboBox");
  return info;
}

const TClassInfo& TwwDBComboBox::StaticClass() {
  static const TClassInfo info = DescribeClass<TwwDBComboBox>("TwwDBComboBox");
  return info;
}

void RegisterInfoPowerClasses() { RegisterClass(TwwDBComboBox::StaticClass()); }
