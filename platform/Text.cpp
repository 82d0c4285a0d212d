// Multi-byte aware searching, trimming and letter case; number texts.

#include "platform/Text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "platform/Exceptions.h"
#include "platform/FormatSettings.h"

namespace {

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }
char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// Applies f to every byte that starts a character (trail bytes are skipped).
template <class F>
AnsiString MapLeadBytes(std::string_view s, int codePage, F f) {
  AnsiString out(s);
  bool dbcs = IsDBCSCodePage(codePage);
  for (size_t i = 0; i < out.size(); ++i) {
    if (dbcs && IsDBCSLeadByte(static_cast<unsigned char>(out[i]), codePage)) {
      ++i;
      continue;
    }
    out[i] = f(out[i]);
  }
  return out;
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

int AnsiPos(std::string_view sub, std::string_view s, int codePage) {
  if (sub.empty() || sub.size() > s.size()) return 0;
  if (!IsDBCSCodePage(codePage)) {
    auto at = s.find(sub);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
  }
  for (size_t i = 0; i + sub.size() <= s.size();) {
    if (s.compare(i, sub.size(), sub) == 0) return static_cast<int>(i) + 1;
    i += IsDBCSLeadByte(static_cast<unsigned char>(s[i]), codePage) ? 2 : 1;
  }
  return 0;
}

AnsiString Copy(std::string_view s, int index, int count) {
  if (index < 1) index = 1;
  if (count <= 0 || static_cast<size_t>(index) > s.size()) return {};
  return AnsiString(s.substr(static_cast<size_t>(index) - 1, static_cast<size_t>(count)));
}

void Delete(AnsiString& s, int index, int count) {
  if (index < 1 || static_cast<size_t>(index) > s.size() || count <= 0) return;
  s.erase(static_cast<size_t>(index) - 1, static_cast<size_t>(count));
}

void Insert(std::string_view sub, AnsiString& s, int index) {
  if (index < 1) index = 1;
  size_t at = std::min(static_cast<size_t>(index) - 1, s.size());
  s.insert(at, sub);
}

AnsiString Trim(std::string_view s) { return TrimRight(TrimLeft(s)); }

AnsiString TrimLeft(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  return AnsiString(s.substr(i));
}

AnsiString TrimRight(std::string_view s) {
  size_t n = s.size();
  while (n > 0 && IsBlank(s[n - 1])) --n;
  return AnsiString(s.substr(0, n));
}

AnsiString UpperCase(std::string_view s, int codePage) { return MapLeadBytes(s, codePage, UpperAscii); }
AnsiString LowerCase(std::string_view s, int codePage) { return MapLeadBytes(s, codePage, LowerAscii); }

// As comparing the two upper-case copies, without making them.
int CompareText(std::string_view a, std::string_view b, int codePage) {
  const bool dbcs = IsDBCSCodePage(codePage);
  bool trailA = false, trailB = false;
  auto mapped = [&](char c, bool& trail) {
    const bool trailByte = trail;
    trail = !trailByte && dbcs && IsDBCSLeadByte(static_cast<unsigned char>(c), codePage);
    return static_cast<unsigned char>(trailByte || trail ? c : UpperAscii(c));
  };
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const unsigned char ca = mapped(a[i], trailA), cb = mapped(b[i], trailB);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

bool SameText(std::string_view a, std::string_view b, int codePage) {
  return a.size() == b.size() && CompareText(a, b, codePage) == 0;
}

AnsiString IntToStr(std::int64_t value) { return std::to_string(value); }

AnsiString IntToHex(std::int64_t value, int digits) {
  std::uint64_t bits = value < 0 && value >= std::numeric_limits<std::int32_t>::min()
                           ? static_cast<std::uint32_t>(value)
                           : static_cast<std::uint64_t>(value);
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%llX", static_cast<unsigned long long>(bits));
  AnsiString text = buffer;
  if (digits > static_cast<int>(text.size())) text.insert(0, static_cast<size_t>(digits) - text.size(), '0');
  return text;
}

bool TryStrToInt64(std::string_view s, std::int64_t& value) {
  size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  int base = 10;
  if (i < s.size() && s[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == s.size()) return false;
  std::uint64_t magnitude = 0;
  auto [end, ec] = std::from_chars(s.data() + i, s.data() + s.size(), magnitude, base);
  if (ec != std::errc() || end != s.data() + s.size()) return false;
  if (base == 16) {
    value = static_cast<std::int64_t>(magnitude);
    if (negative) value = -value;
    return true;
  }
  constexpr auto max = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
  if (magnitude > max + (negative ? 1 : 0)) return false;
  value = negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
  return true;
}

bool TryStrToInt(std::string_view s, int& value) {
  std::int64_t wide;
  if (!TryStrToInt64(s, wide)) return false;
  bool hex = s.find_first_of("$xX") != std::string_view::npos;
  if (hex && wide >= 0 && wide <= 0xFFFFFFFFLL) {
    value = static_cast<int>(static_cast<std::uint32_t>(wide));
    return true;
  }
  if (wide < std::numeric_limits<int>::min() || wide > std::numeric_limits<int>::max()) return false;
  value = static_cast<int>(wide);
  return true;
}

int StrToInt(std::string_view s) {
  int value;
  if (!TryStrToInt(s, value)) throw EConvertError("'" + AnsiString(s) + "' is not a valid integer value");
  return value;
}

int StrToIntDef(std::string_view s, int fallback) {
  int value;
  return TryStrToInt(s, value) ? value : fallback;
}

AnsiString FloatToStr(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";
  // Fifteen significant digits, fixed notation unless the exponent is large or the value tiny.
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.14e", value);
  std::string_view text(buffer);
  bool negative = text.front() == '-';
  if (negative) text.remove_prefix(1);
  auto e = text.find('e');
  std::string digits;
  for (char c : text.substr(0, e))
    if (c != '.') digits += c;
  int exponent = std::atoi(text.data() + e + 1);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  char sep = FormatSettings().DecimalSeparator;
  std::string out = negative ? "-" : "";
  if (exponent >= 15 || exponent < -5) {
    out += digits.substr(0, 1);
    if (digits.size() > 1) out += sep + digits.substr(1);
    out += "E" + std::to_string(exponent);
  } else if (exponent < 0) {
    out += "0";
    out += sep;
    out += std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  } else {
    size_t whole = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= whole) {
      out += digits + std::string(whole - digits.size(), '0');
    } else {
      out += digits.substr(0, whole);
      out += sep;
      out += digits.substr(whole);
    }
  }
  return out;
}

bool TryStrToFloat(std::string_view s, double& value) {
  AnsiString text = Trim(s);
  char sep = FormatSettings().DecimalSeparator;
  if (text.empty()) return false;
  for (char& c : text) {
    if (c == sep) c = '.';
    else if (c == '.' && sep != '.') return false;
    // Only digits, signs and an exponent: no "inf", "nan" or hexadecimal forms.
    else if (!((c >= '0' && c <= '9') || c == '+' || c == '-' || c == 'e' || c == 'E')) return false;
  }
  const char* begin = text.data();
  if (*begin == '+') ++begin;
  auto [end, ec] = std::from_chars(begin, text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

double StrToFloat(std::string_view s) {
  double value;
  if (!TryStrToFloat(s, value)) throw EConvertError("'" + AnsiString(s) + "' is not a valid floating point value");
  return value;
}
