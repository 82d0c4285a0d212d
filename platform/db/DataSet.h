#pragma once
// The data set as far as the data-aware controls need it: a component with a list of fields
// found by name. The records come with the client data set that grows from it.

#include <vector>

#include "platform/classes/Component.h"
#include "platform/db/Fields.h"

class EDatabaseError : public Exception {
public:
  using Exception::Exception;
  AnsiString ClassName() const override { return "EDatabaseError"; }
};

class TDataSet : public TComponent {
  PAVANE_CLASS(TDataSet, TComponent)
public:
  using TComponent::TComponent;
  ~TDataSet() override;

  int FieldCount() const { return static_cast<int>(fields_.size()); }
  TField* Fields(int index) const { return fields_.at(static_cast<size_t>(index)); }
  // The field of that name (case ignored); FindField answers nullptr, FieldByName raises
  // EDatabaseError "Field 'NAME' not found".
  TField* FindField(std::string_view fieldName) const;
  TField* FieldByName(std::string_view fieldName) const;

private:
  friend class TField;
  void AddField(TField* field);
  void RemoveField(TField* field);

  // The fields belong to their owner (the form); the data set only lists them.
  std::vector<TField*> fields_;
};
