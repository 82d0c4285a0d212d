#include <gtest/gtest.h>

#include <memory>

#include "controls/DBLabel.h"
#include "controls/OrvoEdit.h"
#include "lib/PropertyAccess.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Snapshot.h"

namespace {

using TFormPtr = std::unique_ptr<TForm, void (*)(TForm*)>;

TFormPtr Read(std::string_view text) {
  RegisterStandardControls();
  RegisterFieldClasses();
  RegisterOrvoEditClasses();
  RegisterDBLabelClass();
  return TFormPtr(FormFromDescription(text), [](TForm* form) { form->Free(); });
}

}  // namespace

TEST(ConditionControlsReading, LabelsArePlacedAndCaptionedOnceTheFormIsRead) {
  // The label comes before the control it names, and the data source after both.
  TFormPtr form = Read(R"(object frmNotes: TForm
  object lblSignIn: TDBLabel
    Left = 1
    Top = 1
    FocusControl = edSignIn
    Pos = psTop
    Gap = 2
  end
  object edNoteID: TKvDBEdit
    Left = 120
    Top = 10
    Width = 60
    Height = 21
    Caption = 'Note'
    LabelPosition = lpRight
    LabelSpacing = 3
    DataSource = dsNote
    DataField = 'NOTE_ID'
  end
  object edSignIn: TDBEdit
    Left = 120
    Top = 60
    Width = 60
    Height = 21
    DataSource = dsNote
    DataField = 'SIGN_IN'
  end
  object cdsNote: TDataSet
    object cdsNoteSIGN_IN: TStringField
      FieldName = 'SIGN_IN'
      DisplayLabel = 'Signed by'
    end
  end
  object dsNote: TDataSource
    DataSet = cdsNote
  end
end
)");
  auto* edit = dynamic_cast<TKvDBEdit*>(form->FindComponent("edNoteID"));
  ASSERT_NE(edit, nullptr);
  TLabel* editLabel = edit->EditLabel();
  EXPECT_FALSE(editLabel->IsLoading());
  EXPECT_EQ(editLabel->Parent(), form.get());
  EXPECT_GT(editLabel->Width(), 0);
  EXPECT_EQ(editLabel->Left(), 120 + 60 + 3);
  EXPECT_EQ(editLabel->Top(), 10 + (21 - editLabel->Height()) / 2);
  EXPECT_EQ(edit->Caption(), "Note");

  auto* label = dynamic_cast<TDBLabel*>(form->FindComponent("lblSignIn"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Caption(), "Signed by");
  EXPECT_EQ(label->Left(), 120);
  EXPECT_EQ(label->Top(), 60 - label->Height() - 2);
}
