#include "controls/TarnMaskEdit.h"

#include "platform/classes/ClassDecl.h"

const TClassInfo& TTarnMaskEdit::StaticClass() {
  static const TClassInfo info = DescribeClass<TTarnMaskEdit>("TTarnMaskEdit");
  return info;
}
