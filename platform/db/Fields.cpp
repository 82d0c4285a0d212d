#include "platform/db/Fields.h"

#include "platform/classes/ClassDecl.h"
#include "platform/db/DataSet.h"

const TClassInfo& TField::StaticClass() {
  static const TClassInfo info = DescribeClass<TField>(
      "TField", {Prop("FieldName", &TField::FieldName, &TField::SetFieldName),
                 Prop("DisplayLabel", &TField::DisplayLabel, &TField::SetDisplayLabel),
                 Prop("Size", &TField::Size, &TField::SetSize)});
  return info;
}

TField::~TField() { SetDataSet(nullptr); }

void TField::SetDataSet(TDataSet* dataSet) {
  if (dataSet == dataSet_) return;
  if (dataSet_) dataSet_->RemoveField(this);
  dataSet_ = dataSet;
  if (dataSet) dataSet->AddField(this);
}

TComponent* TField::GetParentComponent() const { return dataSet_; }

void TField::SetParentComponent(TComponent* parent) {
  if (auto* dataSet = dynamic_cast<TDataSet*>(parent)) SetDataSet(dataSet);
}

#define PAVANE_FIELD_CLASS_INFO(Class)                                    \
  const TClassInfo& Class::StaticClass() {                                \
    static const TClassInfo info = DescribeClass<Class>(#Class);          \
    return info;                                                          \
  }

PAVANE_FIELD_CLASS_INFO(TObjectField)
PAVANE_FIELD_CLASS_INFO(TADTField)
PAVANE_FIELD_CLASS_INFO(TArrayField)
PAVANE_FIELD_CLASS_INFO(TDataSetField)
PAVANE_FIELD_CLASS_INFO(TReferenceField)
PAVANE_FIELD_CLASS_INFO(TAggregateField)
PAVANE_FIELD_CLASS_INFO(TNumericField)
PAVANE_FIELD_CLASS_INFO(TIntegerField)
PAVANE_FIELD_CLASS_INFO(TSmallintField)
PAVANE_FIELD_CLASS_INFO(TWordField)
PAVANE_FIELD_CLASS_INFO(TAutoIncField)
PAVANE_FIELD_CLASS_INFO(TLargeintField)
PAVANE_FIELD_CLASS_INFO(TFloatField)
PAVANE_FIELD_CLASS_INFO(TCurrencyField)
PAVANE_FIELD_CLASS_INFO(TBCDField)
PAVANE_FIELD_CLASS_INFO(TBooleanField)
PAVANE_FIELD_CLASS_INFO(TDateTimeField)
PAVANE_FIELD_CLASS_INFO(TDateField)
PAVANE_FIELD_CLASS_INFO(TTimeField)
PAVANE_FIELD_CLASS_INFO(TStringField)
PAVANE_FIELD_CLASS_INFO(TBinaryField)
PAVANE_FIELD_CLASS_INFO(TBytesField)
PAVANE_FIELD_CLASS_INFO(TVarBytesField)
PAVANE_FIELD_CLASS_INFO(TBlobField)
PAVANE_FIELD_CLASS_INFO(TMemoField)
PAVANE_FIELD_CLASS_INFO(TGraphicField)
