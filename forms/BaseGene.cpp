#include "forms/BaseGene.h"

#include "platform/classes/ClassDecl.h"

const TClassInfo& TfrmBaseGene::StaticClass() {
  static const TClassInfo info = DescribeClass<TfrmBaseGene>("TfrmBaseGene");
  return info;
}

bool TfrmBaseGene::Initialize(const Variant&) { return true; }

void TfrmBaseGene::ReceiveHostData(const Variant& pair) { ReceivedData = pair[1]; }
