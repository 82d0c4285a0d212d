#include <gtest/gtest.h>

#include "platform/db/DataSource.h"

TEST(DataSet, FieldsAreFoundByNameAndLeaveTheListWhenTheyGo) {
  auto* owner = New<TComponent>(nullptr);
  auto* dataSet = New<TDataSet>(owner);
  auto* id = New<TStringField>(owner);
  id->SetFieldName("NOTE_ID");
  id->SetDataSet(dataSet);
  auto* text = New<TMemoField>(owner);
  text->SetFieldName("NOTE");
  text->SetParentComponent(dataSet);
  EXPECT_EQ(dataSet->FieldCount(), 2);
  EXPECT_EQ(text->GetParentComponent(), dataSet);
  EXPECT_EQ(dataSet->FindField("note_id"), id);
  EXPECT_EQ(dataSet->FindField(""), nullptr);
  EXPECT_EQ(dataSet->FieldByName("Note"), text);
  try {
    dataSet->FieldByName("MISSING");
    ADD_FAILURE() << "no error";
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message, "Field 'MISSING' not found");
  }
  id->Free();
  EXPECT_EQ(dataSet->FieldCount(), 1);
  EXPECT_EQ(dataSet->FindField("NOTE_ID"), nullptr);

  auto* source = New<TDataSource>(owner);
  source->SetDataSet(dataSet);
  dataSet->Free();
  EXPECT_EQ(source->DataSet(), nullptr);
  EXPECT_EQ(text->DataSet(), nullptr);
  owner->Free();
}
