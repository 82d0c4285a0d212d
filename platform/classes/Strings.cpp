#include "platform/classes/Strings.h"

#include "platform/classes/ClassDecl.h"

const TClassInfo& TStrings::StaticClass() {
  static const TClassInfo info = DescribeClass<TStrings>("TStrings", {Prop<TStrings>("Text", &TStrings::Text, &TStrings::SetText)});
  return info;
}

void TStrings::Assign(const TPersistent& source) {
  if (auto* strings = dynamic_cast<const TStrings*>(&source)) return TStringList::Assign(*strings);
  TPersistent::Assign(source);
}
