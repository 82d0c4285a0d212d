#include "controls/TarnMaskEdit.h"

#include "tests/platform/ControlFixture.h"

class TarnMaskEdits : public ControlTest {};

TEST_F(TarnMaskEdits, SuppressedChangesRaiseNoChangeEvent) {
  auto* edit = Add<TTarnMaskEdit>("edBegin", 10, 10, 120, 24);
  edit->OnChange = Bind<&TEventLog::Changed>(log);
  form->Show();
  edit->SetFocus();
  TypeText(*form, "A");
  EXPECT_EQ(log->Lines, (std::vector<AnsiString>{"change edBegin"}));

  edit->SetChangeSuppressed(true);
  TypeText(*form, "B");
  edit->SetEditMask("9999/99/99;1; ");
  edit->SetText("");
  EXPECT_EQ(log->Lines.size(), 1u);
  EXPECT_EQ(edit->Text(), "    /  /  ");

  edit->SetChangeSuppressed(false);
  edit->SetText("2005/01/02");
  EXPECT_EQ(log->Lines.back(), "change edBegin");
}
