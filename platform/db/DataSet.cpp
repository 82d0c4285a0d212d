#include "platform/db/DataSet.h"

#include <algorithm>

#include "platform/classes/ClassDecl.h"

const TClassInfo& TDataSet::StaticClass() {
  static const TClassInfo info = DescribeClass<TDataSet>("TDataSet");
  return info;
}

TDataSet::~TDataSet() {
  for (TField* field : fields_) field->dataSet_ = nullptr;
}

TField* TDataSet::FindField(std::string_view fieldName) const {
  if (fieldName.empty()) return nullptr;
  auto found = std::find_if(fields_.begin(), fields_.end(),
                            [fieldName](const TField* f) { return SameText(f->FieldName(), fieldName); });
  return found == fields_.end() ? nullptr : *found;
}

TField* TDataSet::FieldByName(std::string_view fieldName) const {
  TField* field = FindField(fieldName);
  if (!field) throw EDatabaseError("Field '" + AnsiString(fieldName) + "' not found");
  return field;
}

void TDataSet::AddField(TField* field) { fields_.push_back(field); }

void TDataSet::RemoveField(TField* field) { std::erase(fields_, field); }
