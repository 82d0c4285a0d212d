#include "lib/LibStrs.h"

#include <charconv>
#include <vector>

#include "environment/AlertLog.h"
#include "platform/Files.h"

AnsiString GetDelimitedField(const AnsiString& text, const AnsiString& delim, int index) {
  AnsiString rest = text;
  AnsiString field;
  int i = 1;
  size_t remaining = rest.size();
  while (i <= index && remaining != 0) {
    int p = AnsiPos(delim, rest);
    if (p == 0) {
      field = rest;
      break;
    }
    field = rest.substr(0, static_cast<size_t>(p) - 1);
    rest.erase(0, static_cast<size_t>(p) - 1 + delim.size());
    ++i;
    remaining = static_cast<size_t>(p);
  }
  return i < index ? AnsiString() : field;
}

int CountDelimitedFields(const AnsiString& text, const AnsiString& delim) {
  if (text.empty()) return 0;
  if (delim.empty()) return 1;
  AnsiString scan = text;
  const char mark = delim == "#" ? '*' : '#';
  int count = 1;
  for (int p; (p = AnsiPos(delim, scan)) != 0; ++count) scan[static_cast<size_t>(p) - 1] = mark;
  return count;
}

void SplitOff(AnsiString& text, const AnsiString& delim, AnsiString& head) {
  int p = AnsiPos(delim, text);
  if (p <= 0) {
    head = text;
    text.clear();
    return;
  }
  head = text.substr(0, static_cast<size_t>(p) - 1);
  text.erase(0, static_cast<size_t>(p) - 1 + delim.size());
}

AnsiString ReplaceAllText(const AnsiString& text, const AnsiString& target, const AnsiString& replacement,
                          bool trimResult) {
  AnsiString result = text;
  // An empty target, or a replacement that holds the target, would never stop being found.
  if (!target.empty() && !SameText(target, replacement) && AnsiPos(target, replacement) == 0) {
    for (int p; (p = AnsiPos(target, result)) != 0;)
      result.replace(static_cast<size_t>(p) - 1, target.size(), replacement);
  }
  return trimResult ? Trim(result) : result;
}

Variant VarIif(bool condition, const Variant& whenTrue, const Variant& whenFalse) {
  return condition ? whenTrue : whenFalse;
}

bool VarIsBlank(const Variant& v) { return v.IsEmpty() || v.IsNull(); }

bool IsLocalAddress(const AnsiString& host) { return host == "127.0.0.1"; }

AnsiString GetTempDirectory() {
  AnsiString longName = GetLongPathName(GetTempPath());
  return longName.empty() ? AnsiString() : IncludeTrailingPathDelimiter(longName);
}

AnsiString WideToAnsiCP(const WideString& w, int codePage) {
  int size = WideCharToMultiByte(codePage, w.c_str(), -1, nullptr, 0);
  if (size == 0) return WideToAnsi(w, CP_ACP);
  std::vector<char> buffer(static_cast<size_t>(size));
  WideCharToMultiByte(codePage, w.c_str(), -1, buffer.data(), size);
  return AnsiString(buffer.data());
}

WideString AnsiToWideCP(const AnsiString& s, int codePage) {
  int n = s.empty() ? 0 : MultiByteToWideChar(codePage, s.data(), static_cast<int>(s.size()), nullptr, 0);
  if (n == 0 || n == -1) return AnsiToWide(s, CP_ACP);
  std::vector<WideChar> buffer(static_cast<size_t>(n) + 1, 0);
  MultiByteToWideChar(codePage, s.data(), static_cast<int>(s.size()), buffer.data(), n);
  return WideString(buffer.data());
}

namespace {

// The walk of the Variant conversions: arrays of one dimension recursively, of two dimensions
// element by element; Convert turns one string element into its converted Variant.
template <class Convert>
void ConvertArray(Variant& v, bool (*isConvertible)(const Variant&), Convert convert) {
  if (v.DimCount() == 1) {
    for (int i = v.LowBound(1); i <= v.HighBound(1); ++i) {
      Variant& element = v[i];
      if (element.IsArray()) ConvertArray(element, isConvertible, convert);
      else if (isConvertible(element)) element = convert(element);
    }
  } else if (v.DimCount() == 2) {
    for (int i = v.LowBound(1); i <= v.HighBound(1); ++i)
      for (int j = v.LowBound(2); j <= v.HighBound(2); ++j) {
        Variant& element = v.GetElement({i, j});
        if (isConvertible(element)) element = convert(element);
      }
  }
}

bool IsWide(const Variant& v) { return v.Type() == varOleStr; }
bool IsText(const Variant& v) { return v.IsString(); }

// Converts the texts of a scalar or an array; a failure is logged with the caller's mark and
// the unconverted copy is returned.
template <class Convert>
Variant ConvertTexts(const Variant& v, bool (*inArrays)(const Variant&), Convert convert, const char* failureMark) {
  if (VarIsBlank(v)) return v;
  try {
    Variant converted = v;
    if (converted.IsArray()) ConvertArray(converted, inArrays, convert);
    else if (converted.IsString()) converted = convert(converted);
    return converted;
  } catch (const std::exception& e) {
    WriteAlertLog("libstrs", failureMark + AnsiString(e.what()), "D");
  }
  return v;
}

}  // namespace

Variant VarWideToAnsiCP(const Variant& v, int codePage) {
  auto toAnsi = [codePage](const Variant& e) { return Variant(WideToAnsiCP(e.AsWideString(), codePage)); };
  return ConvertTexts(v, IsWide, toAnsi, "LINE[2735] ");
}

Variant VarAnsiToWideCP(const Variant& v, int codePage) {
  auto toWide = [codePage](const Variant& e) { return Variant(AnsiToWideCP(e.AsString(), codePage)); };
  return ConvertTexts(v, IsText, toWide, "LINE[115] ");
}

WideString JoinRecordFields(const AnsiString& prefix, const Variant& values) {
  const AnsiString sep(1, '\x03');
  Variant text = Variant(prefix + sep + values[0].AsString() + sep);
  int count = values[0].AsInteger();
  for (int i = 1; i <= count; ++i) text = text + values[i] + Variant(sep);
  return text.AsWideString();
}

AnsiString LocalizedButtonCaption(const AnsiString& name) {
  static const std::pair<const char*, AnsiString> captions[] = {
      {"Yes", GbText("是(&Y)")},       {"No", GbText("否(&N)")},        {"OK", GbText("确定")},
      {"Cancel", GbText("取消")},      {"Abort", GbText("中断(&A)")},   {"Retry", GbText("重试(&R)")},
      {"Ignore", GbText("忽略(&I)")},  {"All", GbText("全部(&A)")},     {"NoToAll", GbText("全否(&o)")},
      {"YesToAll", GbText("全是(&A)")}, {"Help", GbText("帮助(&H)")},
  };
  for (const auto& [english, chinese] : captions)
    if (name == english) return chinese;
  return name;
}

double StrToFloatOr(const AnsiString& text, double fallback) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  const char* begin = text.data() + i;
  const char* end = text.data() + text.size();
  if (begin < end && *begin == '+') ++begin;
  // Only digits, sign, point and exponent make a number here: no "inf", "nan" or hex forms.
  for (const char* p = begin; p < end; ++p)
    if (!((*p >= '0' && *p <= '9') || *p == '.' || *p == '-' || *p == '+' || *p == 'e' || *p == 'E'))
      return fallback;
  double value;
  auto [stop, ec] = std::from_chars(begin, end, value);
  return ec == std::errc() && stop == end && begin != end ? value : fallback;
}
