#include "platform/Format.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

#include "platform/Exceptions.h"
#include "platform/FormatSettings.h"
#include "platform/Variant.h"

namespace {

struct Directive {
  bool leftJustify = false;
  int width = -1;
  int precision = -1;
  char type = 0;
};

class Formatter {
public:
  Formatter(std::string_view format, std::initializer_list<TVarRec> args) : format_(format), args_(args) {}

  AnsiString run() {
    AnsiString out;
    for (size_t i = 0; i < format_.size();) {
      char c = format_[i++];
      if (c != '%') {
        out += c;
        continue;
      }
      if (i < format_.size() && format_[i] == '%') {
        out += '%';
        ++i;
        continue;
      }
      size_t start = i - 1;
      Directive d = parse(i, start);
      out += pad(render(d, start, i), d);
    }
    return out;
  }

private:
  [[noreturn]] void fail(size_t start, size_t end) const {
    throw EConvertError("Format '" + AnsiString(format_.substr(start, end - start)) +
                        "' invalid or incompatible with argument");
  }

  const TVarRec& nextArg(size_t start, size_t end) {
    if (next_ >= args_.size()) fail(start, end);
    return args_.begin()[next_++];
  }

  // Reads digits or "*"; -1 when there are none.
  int number(size_t& i, size_t start) {
    if (i < format_.size() && format_[i] == '*') {
      ++i;
      const TVarRec& arg = nextArg(start, i);
      if (arg.kind() != TVarRec::Kind::Integer) fail(start, i);
      return static_cast<int>(arg.integer());
    }
    if (i >= format_.size() || format_[i] < '0' || format_[i] > '9') return -1;
    int value = 0;
    while (i < format_.size() && format_[i] >= '0' && format_[i] <= '9') {
      value = value * 10 + (format_[i++] - '0');
      if (value > 100000) fail(start, i);
    }
    return value;
  }

  Directive parse(size_t& i, size_t start) {
    Directive d;
    int first = number(i, start);
    if (i < format_.size() && format_[i] == ':') {
      if (first < 0) fail(start, i);
      next_ = static_cast<size_t>(first);
      ++i;
      first = -1;
    }
    if (first < 0) {
      if (i < format_.size() && format_[i] == '-') {
        d.leftJustify = true;
        ++i;
      }
      first = number(i, start);
    }
    d.width = first;
    if (i < format_.size() && format_[i] == '.') {
      ++i;
      d.precision = number(i, start);
      if (d.precision < 0) d.precision = 0;
    }
    if (i >= format_.size()) fail(start, i);
    d.type = static_cast<char>(format_[i] >= 'A' && format_[i] <= 'Z' ? format_[i] + 32 : format_[i]);
    ++i;
    return d;
  }

  std::int64_t integerArg(size_t start, size_t end) {
    const TVarRec& arg = nextArg(start, end);
    if (arg.kind() == TVarRec::Kind::Integer) return arg.integer();
    if (arg.kind() == TVarRec::Kind::Variant) {
      try {
        return arg.variant().AsInt64();
      } catch (const EVariantError&) {
      }
    }
    fail(start, end);
  }

  double floatArg(size_t start, size_t end) {
    const TVarRec& arg = nextArg(start, end);
    if (arg.kind() == TVarRec::Kind::Float) return arg.floating();
    if (arg.kind() == TVarRec::Kind::Variant) {
      try {
        return arg.variant().AsDouble();
      } catch (const EVariantError&) {
      }
    }
    fail(start, end);
  }

  AnsiString textArg(size_t start, size_t end) {
    const TVarRec& arg = nextArg(start, end);
    switch (arg.kind()) {
      case TVarRec::Kind::Char: case TVarRec::Kind::Text: return AnsiString(arg.text());
      case TVarRec::Kind::Wide: return WideToAnsi(arg.wide());
      case TVarRec::Kind::Variant:
        try {
          return arg.variant().AsString();
        } catch (const EVariantError&) {
        }
        break;
      default: break;
    }
    fail(start, end);
  }

  static AnsiString zeroPad(AnsiString digits, int precision) {
    bool negative = !digits.empty() && digits[0] == '-';
    if (negative) digits.erase(0, 1);
    if (precision > static_cast<int>(digits.size())) digits.insert(0, static_cast<size_t>(precision) - digits.size(), '0');
    return negative ? "-" + digits : digits;
  }

  static AnsiString withDecimalSeparator(AnsiString text) {
    char sep = FormatSettings().DecimalSeparator;
    for (char& c : text)
      if (c == '.') c = sep;
    return text;
  }

  static AnsiString fixed(double value, int decimals) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
  }

  // Scientific form of the platform: precision significant digits, "E", sign, three digits.
  static AnsiString scientific(double value, int precision) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*E", std::max(precision, 1) - 1, value);
    AnsiString text = buffer;
    auto e = text.find('E');
    AnsiString exponent = text.substr(e + 2);
    while (exponent.size() < 3) exponent.insert(0, "0");
    return text.substr(0, e + 2) + exponent;
  }

  static AnsiString thousands(AnsiString text) {
    size_t start = text[0] == '-' ? 1 : 0;
    size_t point = text.find('.');
    if (point == AnsiString::npos) point = text.size();
    for (size_t at = point; at > start + 3; at -= 3) text.insert(at - 3, ",");
    return text;
  }

  AnsiString render(const Directive& d, size_t start, size_t end) {
    switch (d.type) {
      case 'd': return zeroPad(IntToStr(integerArg(start, end)), d.precision);
      case 'u': {
        std::int64_t v = integerArg(start, end);
        std::uint64_t bits = v < 0 && v >= std::numeric_limits<std::int32_t>::min() ? static_cast<std::uint32_t>(v)
                                                                                      : static_cast<std::uint64_t>(v);
        return zeroPad(std::to_string(bits), d.precision);
      }
      case 'x': {
        std::int64_t v = integerArg(start, end);
        std::uint64_t bits = v < 0 && v >= std::numeric_limits<std::int32_t>::min() ? static_cast<std::uint32_t>(v)
                                                                                      : static_cast<std::uint64_t>(v);
        char buffer[24];
        std::snprintf(buffer, sizeof buffer, "%llx", static_cast<unsigned long long>(bits));
        return zeroPad(buffer, d.precision);
      }
      case 'f': return withDecimalSeparator(fixed(floatArg(start, end), d.precision < 0 ? 2 : d.precision));
      case 'n':
        return withDecimalSeparator(thousands(fixed(floatArg(start, end), d.precision < 0 ? 2 : d.precision)));
      case 'e': return withDecimalSeparator(scientific(floatArg(start, end), d.precision < 0 ? 15 : d.precision));
      case 'g': {
        double v = floatArg(start, end);
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*G", d.precision < 0 ? 15 : std::max(d.precision, 1), v);
        return withDecimalSeparator(buffer);
      }
      case 's': {
        AnsiString text = textArg(start, end);
        if (d.precision >= 0 && static_cast<size_t>(d.precision) < text.size()) text.resize(static_cast<size_t>(d.precision));
        return text;
      }
      default: fail(start, end);
    }
  }

  static AnsiString pad(AnsiString text, const Directive& d) {
    if (d.width > static_cast<int>(text.size())) {
      size_t fill = static_cast<size_t>(d.width) - text.size();
      if (d.leftJustify) text.append(fill, ' ');
      else text.insert(0, fill, ' ');
    }
    return text;
  }

  std::string_view format_;
  std::initializer_list<TVarRec> args_;
  size_t next_ = 0;
};

}  // namespace

AnsiString Format(std::string_view format, std::initializer_list<TVarRec> args) { return Formatter(format, args).run(); }
