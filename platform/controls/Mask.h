#pragma once
// The masked edit and its mask syntax "mask;keep-literals;blank":
//   0 digit, 9 optional digit, # optional digit or sign, L letter, l optional letter,
//   A letter or digit, a optional letter or digit, C any character, c optional character;
//   > upper case, < lower case, <> no case change for what follows; \ takes the next character
//   as a literal; / and : are the date and time separators; _ is a blank literal; ! keeps the
//   blanks of a short input at the front instead of the end. Any other character is a literal.
// The second field ("0") leaves the literals out of Text; the third is the blank character
// shown in the places not yet typed ("_" when missing).

#include <vector>

#include "platform/controls/StdCtrls.h"

enum class TMaskCharClass { Literal, Digit, DigitOrSign, Letter, LetterOrDigit, AnyChar };
enum class TMaskCase { Keep, Upper, Lower };

struct TMaskPosition {
  TMaskCharClass Class = TMaskCharClass::Literal;
  char Literal = ' ';
  bool Required = false;
  TMaskCase Case = TMaskCase::Keep;
  bool IsInput() const { return Class != TMaskCharClass::Literal; }
};

class TEditMask {
public:
  TEditMask() = default;
  explicit TEditMask(std::string_view mask);

  bool Empty() const { return positions_.empty(); }
  const std::vector<TMaskPosition>& Positions() const { return positions_; }
  bool SaveLiterals() const { return saveLiterals_; }
  char Blank() const { return blank_; }

  // The character as it goes into the position (case applied), 0 when it does not fit.
  char Accept(size_t position, char c) const;
  // The edit text of no input: literals, blanks elsewhere.
  AnsiString EmptyEditText() const;
  // The typed characters of an edit text, blanks as spaces; trailing blanks dropped (leading
  // ones with "!").
  AnsiString InputOf(std::string_view editText) const;
  // Fills the input places in order from characters (a character that does not fit leaves
  // its place blank); blankChar fills the rest.
  AnsiString Fill(std::string_view input, char blankChar) const;
  // The edit text of a text given position by position (literals kept in their places).
  AnsiString Align(std::string_view text) const;
  // What Text reports for an edit text.
  AnsiString TextOf(std::string_view editText) const;
  // The edit text that Text := text gives.
  AnsiString EditTextOf(std::string_view text) const;

private:
  std::vector<TMaskPosition> positions_;
  bool saveLiterals_ = true;
  bool blanksFirst_ = false;
  char blank_ = '_';
};

class TMaskEdit : public TEdit {
  PAVANE_CLASS(TMaskEdit, TEdit)
public:
  explicit TMaskEdit(TComponent* owner);

  const AnsiString& EditMask() const { return editMask_; }
  // A new mask keeps the typed characters, placed into the new mask's input places.
  void SetEditMask(const AnsiString& mask);
  bool IsMasked() const { return !mask_.Empty(); }
  // The text as shown: literals, typed characters and blanks.
  const AnsiString& EditText() const { return TControl::Text(); }
  void SetEditText(const AnsiString& text);
  // The text as the program sees it: with or without the literals by the mask's second field.
  AnsiString Text() const;
  void SetText(const AnsiString& text);

  // The caret: the place in the edit text where the next character goes.
  int SelStart() const { return caret_; }
  void SetSelStart(int position);

  bool WantsChars() const override { return true; }
  bool FocusOnClick() const override { return true; }

protected:
  void KeyPress(char& key) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void DoEnter() override;

private:
  // The next input place at or after (forward) / before (backward) a position, -1 when none.
  int NextInput(int from) const;
  int PreviousInput(int from) const;
  void PutChar(size_t position, char c);

  AnsiString editMask_;
  TEditMask mask_;
  int caret_ = 0;
};

void RegisterMaskClasses();
