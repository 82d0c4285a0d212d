#include "tests/platform/ControlFixture.h"

#include "platform/FormatSettings.h"
#include "platform/classes/TypInfo.h"
#include "platform/controls/Mask.h"

// What a mask makes of typed characters: the edit text, Text, and the empty input's texts.
struct TTypingCase {
  const char* Mask;
  const char* Typed;
  const char* EditText;
  const char* Text;
  const char* EmptyText;
};

class MaskTyping : public ControlTest, public ::testing::WithParamInterface<TTypingCase> {};

TEST_P(MaskTyping, TypedCharactersFillTheInputPlacesUnderTheMask) {
  const TTypingCase& c = GetParam();
  auto* edit = Add<TMaskEdit>("meDate", 10, 10, 100, 21);
  edit->SetText("");
  edit->SetEditMask(c.Mask);
  EXPECT_EQ(edit->Text(), c.EmptyText) << c.Mask;
  form->Show();
  TypeText(*form, c.Typed);
  EXPECT_EQ(edit->EditText(), c.EditText) << c.Mask;
  EXPECT_EQ(edit->Text(), c.Text) << c.Mask;
}

INSTANTIATE_TEST_SUITE_P(
    Masks, MaskTyping,
    ::testing::Values(
        // The date masks of the forms: literals kept, blank " ".
        TTypingCase{"9999/99/99;1; ", "20240105", "2024/01/05", "2024/01/05", "    /  /  "},
        TTypingCase{"9999/99/99;1; ", "2024", "2024/  /  ", "2024/  /  ", "    /  /  "},
        TTypingCase{"99/99/9999;1; ", "1231", "12/31/    ", "12/31/    ", "  /  /    "},
        // Literals left out of Text; the blank character shows in the edit text only.
        TTypingCase{"000-0000;0;_", "12345", "123-45__", "12345", ""},
        // Characters that do not fit are refused and the caret stays.
        TTypingCase{"99:99;1;_", "1a2x34", "12:34", "12:34", "  :  "},
        TTypingCase{"LL-00;0;*", "a1Bc23", "aB-23", "aB23", ""},
        // Case conversion and escaped literals.
        TTypingCase{">LL<ll;0;_", "abCD", "ABcd", "ABcd", ""},
        TTypingCase{"\\A-aa;1;_", "x9", "A-x9", "A-x9", "A-  "},
        TTypingCase{"#99;0;_", "-12", "-12", "-12", ""},
        // Typing the literal at the caret steps over it.
        TTypingCase{"\\A-aa;1;_", "A-x9", "A-x9", "A-x9", "A-  "},
        TTypingCase{"99/99;1;_", "12/3", "12/3_", "12/3 ", "  /  "},
        TTypingCase{"ccc;0;_", "A b", "A b", "A b", ""}));

TEST_F(ControlTest, MaskSeparatorsFollowTheDateAndTimeSettings) {
  TFormatSettings saved = FormatSettings();
  FormatSettings().DateSeparator = '-';
  TEditMask mask("99/99;1;_");
  FormatSettings() = saved;
  EXPECT_EQ(mask.EmptyEditText(), "__-__");
}

TEST_F(ControlTest, MaskEditTextByProgramAndANewMaskKeepTheInput) {
  auto* edit = Add<TMaskEdit>("meDate", 10, 10, 100, 21);
  edit->SetEditMask("9999/99/99;1; ");
  edit->SetText("2023/12/01");
  EXPECT_EQ(edit->EditText(), "2023/12/01");
  // Without literals in Text, Text := fills the input places in order.
  edit->SetEditMask("9999-99-99;0;_");
  EXPECT_EQ(edit->EditText(), "2023-12-01");
  EXPECT_EQ(edit->Text(), "20231201");
  edit->SetText("2024");
  EXPECT_EQ(edit->EditText(), "2024-__-__");
  // Through the published property, as form descriptions and the path helpers set it.
  const TPropInfo* text = GetPropInfo(*edit, "Text");
  ASSERT_NE(text, nullptr);
  SetStrProp(*edit, *text, "19991231");
  EXPECT_EQ(GetStrProp(*edit, *text), "19991231");
  EXPECT_EQ(edit->EditText(), "1999-12-31");
  // No mask: a plain edit.
  edit->SetEditMask("");
  EXPECT_EQ(edit->Text(), "19991231");
  form->Show();
  TypeText(*form, "x");
  EXPECT_EQ(edit->Text(), "19991231x");
}

TEST_F(ControlTest, MaskEditKeysBackspaceDeleteAndReadOnly) {
  auto* edit = Add<TMaskEdit>("meTime", 10, 10, 100, 21);
  edit->SetEditMask("99:99;1;_");
  form->Show();
  TypeText(*form, "123");
  TypeText(*form, "\b\b");
  EXPECT_EQ(edit->EditText(), "1_:__");
  PressKey(*form, VK_HOME);
  PressKey(*form, VK_DELETE);
  EXPECT_EQ(edit->EditText(), "__:__");
  // Past the last place nothing more is taken.
  TypeText(*form, "123456");
  EXPECT_EQ(edit->EditText(), "12:34");
  edit->SetReadOnly(true);
  PressKey(*form, VK_HOME);
  TypeText(*form, "9\b");
  EXPECT_EQ(edit->EditText(), "12:34");
}

TEST_F(ControlTest, MaskEditOddMasksGiveClearResults) {
  struct TOdd {
    const char* Mask;
    const char* Empty;
  };
  // A trailing escape, fields without values, and a mask of literals only.
  for (const TOdd& odd : {TOdd{"99\\", "  "}, TOdd{"99;;", "  "}, TOdd{"--;1;x", "--"}, TOdd{";0;_", ""}}) {
    TEditMask mask(odd.Mask);
    EXPECT_EQ(mask.TextOf(mask.EmptyEditText()), odd.Empty) << odd.Mask;
  }
  auto* edit = Add<TMaskEdit>("meOdd", 10, 10, 100, 21);
  edit->SetText("");
  edit->SetEditMask("--;1;x");
  form->Show();
  TypeText(*form, "abc\b");
  EXPECT_EQ(edit->EditText(), "--");
}
