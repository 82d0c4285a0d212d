#include "platform/streaming/FormText.h"

#include <cctype>
#include <cstdlib>

namespace {

class TFormParser {
public:
  explicit TFormParser(std::string_view text) : text_(text) {}

  TFormObject ParseRoot() {
    TFormObject root = ParseObject();
    SkipBlanks();
    if (pos_ < text_.size()) Fail("text after the last 'end'");
    return root;
  }

private:
  [[noreturn]] void Fail(const AnsiString& what) const {
    throw EParserError("Line " + IntToStr(line_) + ": " + what);
  }

  void SkipBlanks() {
    while (pos_ < text_.size()) {
      char c = text_[pos_];
      if (c == '\n') ++line_;
      if (static_cast<unsigned char>(c) > ' ') {
        if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
          while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
          continue;
        }
        return;
      }
      ++pos_;
    }
  }

  char Peek() {
    SkipBlanks();
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }

  void Expect(char c) {
    if (Peek() != c) Fail(AnsiString("'") + c + "' expected");
    ++pos_;
  }

  static bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

  AnsiString Identifier() {
    SkipBlanks();
    size_t start = pos_;
    while (pos_ < text_.size() && IsIdentChar(text_[pos_])) ++pos_;
    if (start == pos_) Fail("identifier expected");
    return AnsiString(text_.substr(start, pos_ - start));
  }

  // A dotted name: Font.Name, Items.Strings.
  AnsiString DottedName() {
    AnsiString name = Identifier();
    while (pos_ < text_.size() && text_[pos_] == '.') {
      ++pos_;
      name += '.';
      name += Identifier();
    }
    return name;
  }

  bool AtKeyword(std::string_view word) {
    SkipBlanks();
    if (text_.size() - pos_ < word.size()) return false;
    if (!SameText(text_.substr(pos_, word.size()), word)) return false;
    return pos_ + word.size() == text_.size() || !IsIdentChar(text_[pos_ + word.size()]);
  }

  TFormObject ParseObject() {
    TFormObject object;
    object.Line = line_;
    if (AtKeyword("inherited"))
      object.Inherited = true;
    else if (!AtKeyword("object"))
      Fail("'object' or 'inherited' expected");
    Identifier();
    object.Name = Identifier();
    Expect(':');
    object.ClassName = Identifier();
    while (true) {
      if (AtKeyword("end")) {
        Identifier();
        return object;
      }
      if (AtKeyword("object") || AtKeyword("inherited")) {
        object.Children.push_back(ParseObject());
        continue;
      }
      if (pos_ >= text_.size()) Fail("'end' expected");
      object.Properties.push_back(ParseProperty());
    }
  }

  TFormProperty ParseProperty() {
    TFormProperty p;
    p.Line = line_;
    p.Path = DottedName();
    Expect('=');
    p.Value = ParseValue();
    return p;
  }

  TFormValue ParseValue() {
    char c = Peek();
    TFormValue v;
    if (c == '\'' || c == '#') {
      v.Kind = TFormValue::vaString;
      v.Text = GbText(StringValue());
    } else if (c == '-' || c == '+' || c == '$' || std::isdigit(static_cast<unsigned char>(c))) {
      Number(v);
    } else if (c == '[') {
      ++pos_;
      v.Kind = TFormValue::vaSet;
      while (Peek() != ']') {
        v.Elements.push_back(Identifier());
        if (Peek() == ',') ++pos_;
        else if (Peek() != ']') Fail("',' or ']' expected");
      }
      ++pos_;
    } else if (c == '(') {
      ++pos_;
      v.Kind = TFormValue::vaList;
      while (Peek() != ')') {
        if (pos_ >= text_.size()) Fail("')' expected");
        v.Items.push_back(ParseValue());
      }
      ++pos_;
    } else if (c == '<') {
      ++pos_;
      v.Kind = TFormValue::vaCollection;
      while (Peek() != '>') {
        if (!AtKeyword("item")) Fail("'item' expected");
        Identifier();
        std::vector<TFormProperty> item;
        while (!AtKeyword("end")) {
          if (pos_ >= text_.size()) Fail("'end' expected");
          item.push_back(ParseProperty());
        }
        Identifier();
        v.CollectionItems.push_back(std::move(item));
      }
      ++pos_;
    } else if (IsIdentChar(c)) {
      v.Kind = TFormValue::vaIdent;
      v.Text = DottedName();
    } else {
      Fail("value expected");
    }
    return v;
  }

  void Number(TFormValue& v) {
    size_t start = pos_;
    if (text_[pos_] == '-' || text_[pos_] == '+') ++pos_;
    bool hex = pos_ < text_.size() && text_[pos_] == '$';
    if (hex) ++pos_;
    bool isFloat = false;
    while (pos_ < text_.size()) {
      char c = text_[pos_];
      if (std::isdigit(static_cast<unsigned char>(c)) || (hex && std::isxdigit(static_cast<unsigned char>(c)))) {
        ++pos_;
      } else if (!hex && (c == '.' || c == 'e' || c == 'E')) {
        isFloat = true;
        ++pos_;
        if (pos_ < text_.size() && (text_[pos_] == '-' || text_[pos_] == '+')) ++pos_;
      } else {
        break;
      }
    }
    std::string_view token = text_.substr(start, pos_ - start);
    if (isFloat) {
      v.Kind = TFormValue::vaFloat;
      AnsiString s(token);
      char* end = nullptr;
      v.Float = std::strtod(s.c_str(), &end);
      if (end != s.c_str() + s.size()) Fail("invalid number " + s);
    } else {
      v.Kind = TFormValue::vaInteger;
      if (!TryStrToInt64(token, v.Int)) Fail("invalid number " + AnsiString(token));
    }
  }

  static void AppendUtf8(AnsiString& out, std::uint32_t cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  // Quoted parts and #codes, joined directly or by "+"; the result is UTF-8.
  AnsiString StringValue() {
    AnsiString out;
    while (true) {
      char c = pos_ < text_.size() ? text_[pos_] : '\0';
      if (c == '\'') {
        ++pos_;
        while (true) {
          if (pos_ >= text_.size() || text_[pos_] == '\n') Fail("unterminated string");
          if (text_[pos_] == '\'') {
            if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
              out += '\'';
              pos_ += 2;
              continue;
            }
            ++pos_;
            break;
          }
          out += text_[pos_++];
        }
      } else if (c == '#') {
        ++pos_;
        size_t start = pos_;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
        int code = 0;
        if (start == pos_ || !TryStrToInt(text_.substr(start, pos_ - start), code) || code < 0 || code > 0x10FFFF)
          Fail("invalid character code");
        AppendUtf8(out, static_cast<std::uint32_t>(code));
      } else if (c == '+' ) {
        ++pos_;
        SkipBlanks();
        if (pos_ >= text_.size() || (text_[pos_] != '\'' && text_[pos_] != '#')) Fail("string expected after '+'");
      } else {
        size_t save = pos_;
        int saveLine = line_;
        SkipBlanks();
        if (pos_ < text_.size() && text_[pos_] == '+') continue;
        pos_ = save;
        line_ = saveLine;
        return out;
      }
    }
  }

  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace

TFormObject ParseFormText(std::string_view text) { return TFormParser(text).ParseRoot(); }
