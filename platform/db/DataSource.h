#pragma once
// The data source: the link between data-aware controls and a data set.

#include "platform/db/DataSet.h"

class TDataSource : public TComponent {
  PAVANE_CLASS(TDataSource, TComponent)
public:
  using TComponent::TComponent;
  TDataSet* DataSet() const { return dataSet_; }
  void SetDataSet(TDataSet* dataSet);

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  TDataSet* dataSet_ = nullptr;
};
