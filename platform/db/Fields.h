#pragma once
// Database fields as components, so form descriptions that list a data set's fields can be
// read. A field belongs to its owner and is listed by its data set (in a description it is
// written inside the data set's block, which makes the data set its parent component).

#include "platform/classes/Component.h"

class TDataSet;

class TField : public TComponent {
  PAVANE_CLASS(TField, TComponent)
public:
  using TComponent::TComponent;
  ~TField() override;
  TDataSet* DataSet() const { return dataSet_; }
  void SetDataSet(TDataSet* dataSet);
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;
  const AnsiString& FieldName() const { return fieldName_; }
  void SetFieldName(const AnsiString& name) { fieldName_ = name; }
  const AnsiString& DisplayLabel() const { return displayLabel_.empty() ? fieldName_ : displayLabel_; }
  void SetDisplayLabel(const AnsiString& label) { displayLabel_ = label; }
  int Size() const { return size_; }
  void SetSize(int size) { size_ = size; }

private:
  friend class TDataSet;
  TDataSet* dataSet_ = nullptr;
  AnsiString fieldName_;
  AnsiString displayLabel_;
  int size_ = 0;
};

#define PAVANE_FIELD_CLASS(Class, Parent) \
  class Class : public Parent {           \
    PAVANE_CLASS(Class, Parent)           \
  public:                                 \
    using Parent::Parent;                 \
  };

PAVANE_FIELD_CLASS(TObjectField, TField)
PAVANE_FIELD_CLASS(TADTField, TObjectField)
PAVANE_FIELD_CLASS(TArrayField, TObjectField)
PAVANE_FIELD_CLASS(TDataSetField, TObjectField)
PAVANE_FIELD_CLASS(TReferenceField, TDataSetField)
PAVANE_FIELD_CLASS(TAggregateField, TField)
PAVANE_FIELD_CLASS(TNumericField, TField)
PAVANE_FIELD_CLASS(TIntegerField, TNumericField)
PAVANE_FIELD_CLASS(TSmallintField, TIntegerField)
PAVANE_FIELD_CLASS(TWordField, TIntegerField)
PAVANE_FIELD_CLASS(TAutoIncField, TIntegerField)
PAVANE_FIELD_CLASS(TLargeintField, TNumericField)
PAVANE_FIELD_CLASS(TFloatField, TNumericField)
PAVANE_FIELD_CLASS(TCurrencyField, TFloatField)
PAVANE_FIELD_CLASS(TBCDField, TNumericField)
PAVANE_FIELD_CLASS(TBooleanField, TField)
PAVANE_FIELD_CLASS(TDateTimeField, TField)
PAVANE_FIELD_CLASS(TDateField, TDateTimeField)
PAVANE_FIELD_CLASS(TTimeField, TDateTimeField)
PAVANE_FIELD_CLASS(TStringField, TField)
PAVANE_FIELD_CLASS(TBinaryField, TField)
PAVANE_FIELD_CLASS(TBytesField, TBinaryField)
PAVANE_FIELD_CLASS(TVarBytesField, TBytesField)
PAVANE_FIELD_CLASS(TBlobField, TField)
PAVANE_FIELD_CLASS(TMemoField, TBlobField)
PAVANE_FIELD_CLASS(TGraphicField, TBlobField)

#undef PAVANE_FIELD_CLASS
