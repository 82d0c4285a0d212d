#include "tests/platform/TestForms.h"

#include "platform/classes/ClassDecl.h"

const TClassInfo& TfrmTestBase::StaticClass() {
  static const TClassInfo info = DescribeClass<TfrmTestBase>(
      "TfrmTestBase", {},
      {Method<&TfrmTestBase::FormShow>("FormShow"), Method<&TfrmTestBase::ControlEnter>("ControlEnter"),
       Method<&TfrmTestBase::ControlExit>("ControlExit"), Method<&TfrmTestBase::btnOkClick>("btnOkClick")},
      {Field("pnlTop", &TfrmTestBase::pnlTop), Field("edFirst", &TfrmTestBase::edFirst),
       Field("edSecond", &TfrmTestBase::edSecond), Field("btnOk", &TfrmTestBase::btnOk)});
  return info;
}

const TClassInfo& TfrmTestDerived::StaticClass() {
  static const TClassInfo info =
      DescribeClass<TfrmTestDerived>("TfrmTestDerived", {}, {Method<&TfrmTestDerived::DerivedOkClick>("DerivedOkClick")},
                                     {Field("memNotes", &TfrmTestDerived::memNotes)});
  return info;
}

void RegisterTestForms() {
  RegisterStandardControls();
  RegisterClass(TfrmTestBase::StaticClass());
  RegisterClass(TfrmTestDerived::StaticClass());
}
