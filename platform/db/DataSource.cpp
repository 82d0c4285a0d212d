#include "platform/db/DataSource.h"

#include "platform/classes/ClassDecl.h"

const TClassInfo& TDataSource::StaticClass() {
  static const TClassInfo info =
      DescribeClass<TDataSource>("TDataSource", {Prop("DataSet", &TDataSource::DataSet, &TDataSource::SetDataSet)});
  return info;
}

void TDataSource::SetDataSet(TDataSet* dataSet) {
  dataSet_ = dataSet;
  if (dataSet) dataSet->FreeNotification(this);
}

void TDataSource::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == dataSet_) dataSet_ = nullptr;
}
