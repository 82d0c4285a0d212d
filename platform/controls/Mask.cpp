#include "platform/controls/Mask.h"

#include <algorithm>

#include "platform/FormatSettings.h"
#include "platform/classes/ClassDecl.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

char ApplyCase(char c, TMaskCase mode) {
  if (mode == TMaskCase::Upper && c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  if (mode == TMaskCase::Lower && c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
  return c;
}

// The mask field, the literals field and the blank field; ";" escaped by "\" stays in the mask.
std::vector<AnsiString> MaskFields(std::string_view mask) {
  std::vector<AnsiString> fields(1);
  for (size_t i = 0; i < mask.size(); ++i) {
    if (mask[i] == '\\' && i + 1 < mask.size() && fields.size() == 1) {
      fields.back() += mask[i];
      fields.back() += mask[++i];
    } else if (mask[i] == ';' && fields.size() < 3) {
      fields.emplace_back();
    } else {
      fields.back() += mask[i];
    }
  }
  return fields;
}

}  // namespace

TEditMask::TEditMask(std::string_view mask) {
  std::vector<AnsiString> fields = MaskFields(mask);
  if (fields.size() > 1) saveLiterals_ = fields[1].empty() || fields[1][0] != '0';
  if (fields.size() > 2 && !fields[2].empty()) blank_ = fields[2][0];
  const AnsiString& m = fields[0];
  TMaskCase mode = TMaskCase::Keep;
  for (size_t i = 0; i < m.size(); ++i) {
    char c = m[i];
    TMaskPosition p;
    p.Case = mode;
    switch (c) {
      case '!':
        blanksFirst_ = true;
        continue;
      case '>':
        mode = TMaskCase::Upper;
        continue;
      case '<':
        if (i + 1 < m.size() && m[i + 1] == '>') {
          ++i;
          mode = TMaskCase::Keep;
        } else {
          mode = TMaskCase::Lower;
        }
        continue;
      case '\\':
        // A trailing backslash escapes nothing.
        if (i + 1 >= m.size()) continue;
        p.Literal = m[++i];
        break;
      case '0': p.Class = TMaskCharClass::Digit, p.Required = true; break;
      case '9': p.Class = TMaskCharClass::Digit; break;
      case '#': p.Class = TMaskCharClass::DigitOrSign; break;
      case 'L': p.Class = TMaskCharClass::Letter, p.Required = true; break;
      case 'l': p.Class = TMaskCharClass::Letter; break;
      case 'A': p.Class = TMaskCharClass::LetterOrDigit, p.Required = true; break;
      case 'a': p.Class = TMaskCharClass::LetterOrDigit; break;
      case 'C': p.Class = TMaskCharClass::AnyChar, p.Required = true; break;
      case 'c': p.Class = TMaskCharClass::AnyChar; break;
      case '/': p.Literal = FormatSettings().DateSeparator; break;
      case ':': p.Literal = FormatSettings().TimeSeparator; break;
      case '_': p.Literal = ' '; break;
      default: p.Literal = c;
    }
    positions_.push_back(p);
  }
}

char TEditMask::Accept(size_t position, char c) const {
  if (position >= positions_.size()) return 0;
  const TMaskPosition& p = positions_[position];
  bool fits = false;
  switch (p.Class) {
    case TMaskCharClass::Literal: return 0;
    case TMaskCharClass::Digit: fits = IsDigit(c); break;
    case TMaskCharClass::DigitOrSign: fits = IsDigit(c) || c == '+' || c == '-'; break;
    case TMaskCharClass::Letter: fits = IsLetter(c); break;
    case TMaskCharClass::LetterOrDigit: fits = IsLetter(c) || IsDigit(c); break;
    case TMaskCharClass::AnyChar: fits = static_cast<unsigned char>(c) >= ' '; break;
  }
  return fits ? ApplyCase(c, p.Case) : 0;
}

AnsiString TEditMask::EmptyEditText() const { return Fill("", blank_); }

AnsiString TEditMask::InputOf(std::string_view editText) const {
  AnsiString input;
  for (size_t i = 0; i < positions_.size(); ++i)
    if (positions_[i].IsInput()) input += i < editText.size() ? editText[i] : blank_;
  if (blanksFirst_) {
    input.erase(0, std::min(input.find_first_not_of(blank_), input.size()));
  } else {
    size_t last = input.find_last_not_of(blank_);
    input.erase(last == AnsiString::npos ? 0 : last + 1);
  }
  std::replace(input.begin(), input.end(), blank_, ' ');
  return input;
}

AnsiString TEditMask::Fill(std::string_view input, char blankChar) const {
  size_t inputPlaces = std::count_if(positions_.begin(), positions_.end(), [](auto& p) { return p.IsInput(); });
  // With "!" a short input fills the last places.
  size_t skip = blanksFirst_ && input.size() < inputPlaces ? inputPlaces - input.size() : 0;
  AnsiString text;
  size_t next = 0;
  for (size_t i = 0; i < positions_.size(); ++i) {
    if (!positions_[i].IsInput()) {
      text += positions_[i].Literal;
      continue;
    }
    char c = 0;
    if (skip > 0) {
      --skip;
    } else if (next < input.size()) {
      c = input[next++] == ' ' ? 0 : Accept(i, input[next - 1]);
    }
    text += c ? c : blankChar;
  }
  return text;
}

AnsiString TEditMask::Align(std::string_view text) const {
  AnsiString edit;
  for (size_t i = 0; i < positions_.size(); ++i) {
    char c = i < text.size() ? Accept(i, text[i]) : 0;
    edit += positions_[i].IsInput() ? (c ? c : blank_) : positions_[i].Literal;
  }
  return edit;
}

AnsiString TEditMask::TextOf(std::string_view editText) const {
  AnsiString input = InputOf(editText);
  return saveLiterals_ ? Fill(input, ' ') : input;
}

AnsiString TEditMask::EditTextOf(std::string_view text) const {
  return saveLiterals_ ? Align(text) : Fill(text, blank_);
}

const TClassInfo& TMaskEdit::StaticClass() {
  static const TClassInfo info = DescribeClass<TMaskEdit>(
      "TMaskEdit", {Prop("EditMask", &TMaskEdit::EditMask, &TMaskEdit::SetEditMask),
                    Prop("Text", &TMaskEdit::Text, &TMaskEdit::SetText)});
  return info;
}

TMaskEdit::TMaskEdit(TComponent* owner) : TEdit(owner) {}

void TMaskEdit::SetEditMask(const AnsiString& mask) {
  if (mask == editMask_) return;
  AnsiString input = mask_.Empty() ? AnsiString(TControl::Text()) : mask_.InputOf(EditText());
  editMask_ = mask;
  mask_ = TEditMask(mask);
  TControl::SetText(mask_.Empty() ? input : mask_.Fill(input, mask_.Blank()));
  caret_ = 0;
}

void TMaskEdit::SetEditText(const AnsiString& text) { TControl::SetText(mask_.Empty() ? text : mask_.Align(text)); }

AnsiString TMaskEdit::Text() const { return mask_.Empty() ? TControl::Text() : mask_.TextOf(EditText()); }

void TMaskEdit::SetText(const AnsiString& text) {
  TControl::SetText(mask_.Empty() ? text : mask_.EditTextOf(text));
}

void TMaskEdit::SetSelStart(int position) { caret_ = std::clamp(position, 0, static_cast<int>(EditText().size())); }

int TMaskEdit::NextInput(int from) const {
  const auto& positions = mask_.Positions();
  for (int i = std::max(from, 0); i < static_cast<int>(positions.size()); ++i)
    if (positions[static_cast<size_t>(i)].IsInput()) return i;
  return -1;
}

int TMaskEdit::PreviousInput(int from) const {
  const auto& positions = mask_.Positions();
  for (int i = std::min(from, static_cast<int>(positions.size())) - 1; i >= 0; --i)
    if (positions[static_cast<size_t>(i)].IsInput()) return i;
  return -1;
}

void TMaskEdit::PutChar(size_t position, char c) {
  AnsiString text = EditText();
  if (position >= text.size()) text = mask_.Align(text);
  text[position] = c;
  TControl::SetText(text);
}

void TMaskEdit::KeyPress(char& key) {
  if (mask_.Empty()) return TEdit::KeyPress(key);
  TWinControl::KeyPress(key);
  if (key == 0 || ReadOnly()) return;
  const auto& positions = mask_.Positions();
  if (key == '\b') {
    int at = PreviousInput(caret_);
    if (at < 0) return;
    PutChar(static_cast<size_t>(at), mask_.Blank());
    caret_ = at;
    return;
  }
  // Typing the literal that stands at the caret steps over it.
  if (caret_ < static_cast<int>(positions.size()) && !positions[static_cast<size_t>(caret_)].IsInput() &&
      positions[static_cast<size_t>(caret_)].Literal == key) {
    ++caret_;
    return;
  }
  int at = NextInput(caret_);
  if (at < 0) return;
  char accepted = mask_.Accept(static_cast<size_t>(at), key);
  if (!accepted) return;
  PutChar(static_cast<size_t>(at), accepted);
  int next = NextInput(at + 1);
  caret_ = next < 0 ? static_cast<int>(positions.size()) : next;
}

void TMaskEdit::KeyDown(WORD& key, TShiftState shift) {
  TEdit::KeyDown(key, shift);
  if (key == 0 || mask_.Empty()) return;
  int size = static_cast<int>(mask_.Positions().size());
  switch (key) {
    case VK_LEFT: caret_ = std::max(caret_ - 1, 0); break;
    case VK_RIGHT: caret_ = std::min(caret_ + 1, size); break;
    case VK_HOME: caret_ = 0; break;
    case VK_END: caret_ = size; break;
    case VK_DELETE:
      if (!ReadOnly())
        if (int at = NextInput(caret_); at >= 0) PutChar(static_cast<size_t>(at), mask_.Blank());
      break;
    default: return;
  }
  key = 0;
}

void TMaskEdit::DoEnter() {
  caret_ = 0;
  TEdit::DoEnter();
}

void RegisterMaskClasses() { RegisterClass(TMaskEdit::StaticClass()); }
