#include "controls/KvSpin.h"

#include "platform/classes/ClassDecl.h"

const TClassInfo& TKvSpinEdit::StaticClass() {
  static const TClassInfo info = DescribeClass<TKvSpinEdit>("TKvSpinEdit");
  return info;
}

void TKvSpinEdit::Change() {
  const AnsiString& text = Text();
  // A sign after the first character came last: take it back. The shortened text comes
  // through here again and reports the change once.
  if (text.find_first_of("+-", 1) != AnsiString::npos) {
    SetText(text.substr(0, text.size() - 1));
    return;
  }
  if (!Trim(text).empty()) TSpinEdit::Change();
}

void RegisterKvSpinClass() { RegisterClass(TKvSpinEdit::StaticClass()); }
