#include "controls/SelectPnlRange.h"

#include <algorithm>

#include "platform/classes/ClassDecl.h"

const TTypeInfo& TypeInfoOf(TValueType*) {
  static const TTypeInfo t =
      EnumTypeInfo("TValueType", {"vt_String", "vt_Number", "vt_Date", "vt_Time", "vt_Float", "vt_OtherMask"});
  return t;
}

const TTypeInfo& TypeInfoOf(TDateType*) {
  static const TTypeInfo t = EnumTypeInfo(
      "TDateType", {"dt_NoneCare", "dt_YYYYMMDD", "dt_MMDDYYYY", "dt_DDMMYYYY", "dt_YYMMDD", "dt_YYYMMDD"});
  return t;
}

namespace {

int CountOf(const AnsiString& sign, AnsiString text) {
  int count = 0;
  for (int at = AnsiPos(sign, text); at > 0; at = AnsiPos(sign, text)) {
    ++count;
    text.erase(0, static_cast<size_t>(at - 1) + sign.size());
  }
  return count;
}

int PartOf(const AnsiString& text) { return StrToIntDef(Trim(text), -1); }

// Both texts are normal decimals: compares their values.
int CompareDecimals(const AnsiString& a, const AnsiString& b) {
  const bool negativeA = a[0] == '-', negativeB = b[0] == '-';
  if (negativeA != negativeB) return negativeA ? -1 : 1;
  auto split = [](const AnsiString& s, bool negative, AnsiString& whole, AnsiString& fraction) {
    AnsiString digits = s.substr(negative ? 1 : 0);
    size_t dot = digits.find('.');
    whole = digits.substr(0, dot);
    fraction = dot == AnsiString::npos ? AnsiString() : digits.substr(dot + 1);
  };
  AnsiString wholeA, fractionA, wholeB, fractionB;
  split(a, negativeA, wholeA, fractionA);
  split(b, negativeB, wholeB, fractionB);
  int magnitude = wholeA.size() != wholeB.size() ? (wholeA.size() < wholeB.size() ? -1 : 1) : wholeA.compare(wholeB);
  if (magnitude == 0) magnitude = fractionA.compare(fractionB);
  magnitude = magnitude < 0 ? -1 : magnitude > 0 ? 1 : 0;
  return negativeA ? -magnitude : magnitude;
}

bool IsEmptyValue(const TRangeRules& rules, const AnsiString& begin, const AnsiString& final) {
  if (begin == rules.EmptyMaskText || final == rules.EmptyMaskText) return true;
  return rules.UseDiscard && (Trim(begin) == rules.Discard || Trim(final) == rules.Discard);
}

bool LaterDate(TDateTime begin, TDateTime final) {
  // No date (0) is earlier than every date.
  if (begin.Val == 0) return false;
  return final.Val == 0 || begin > final;
}

}  // namespace

TDateTime ParseRangeDate(const TRangeRules& rules, const AnsiString& text) {
  AnsiString t = Trim(text);
  const AnsiString& sign = rules.DateSign;
  if (t.empty() || t == Trim(rules.EmptyMaskText) || sign.empty()) return TDateTime();
  const int separators = CountOf(sign, t);
  if (separators != 1 && separators != 2) return TDateTime();
  if (separators == 1) switch (rules.DateType) {
      case dt_MMDDYYYY: t = Copy(t, 1, 2) + sign + "01" + Copy(t, 3, 5); break;
      case dt_DDMMYYYY: t = "01" + sign + t; break;
      default: t += sign + "01"; break;
    }
  const int first = AnsiPos(sign, t);
  AnsiString rest = t.substr(static_cast<size_t>(first - 1) + sign.size());
  const int second = AnsiPos(sign, rest);
  if (first == 0 || second == 0) return TDateTime();
  const int p1 = PartOf(t.substr(0, static_cast<size_t>(first - 1)));
  const int p2 = PartOf(rest.substr(0, static_cast<size_t>(second - 1)));
  const int p3 = PartOf(rest.substr(static_cast<size_t>(second - 1) + sign.size()));
  if (p1 == -1 || p2 == -1 || p3 == -1) return TDateTime();
  int year = p1, month = p2, day = p3;
  switch (rules.DateType) {
    case dt_MMDDYYYY: year = p3, month = p1, day = p2; break;
    case dt_DDMMYYYY: year = p3, month = p2, day = p1; break;
    case dt_YYMMDD:
    case dt_YYYMMDD: year = p1 + 1911; break;
    default: break;
  }
  TDateTime date;
  return TryEncodeDate(year, month, day, date) ? date : TDateTime();
}

bool NormalDecimal(const AnsiString& text, AnsiString& normal) {
  AnsiString t = Trim(text);
  bool negative = false;
  if (!t.empty() && (t[0] == '-' || t[0] == '+')) {
    negative = t[0] == '-';
    t.erase(0, 1);
  }
  size_t dot = t.find('.');
  AnsiString whole = t.substr(0, dot), fraction = dot == AnsiString::npos ? AnsiString() : t.substr(dot + 1);
  auto digitsOnly = [](const AnsiString& s) { return s.find_first_not_of("0123456789") == AnsiString::npos; };
  if (whole.empty() && fraction.empty()) return false;
  if (!digitsOnly(whole) || !digitsOnly(fraction)) return false;
  whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
  fraction.erase(std::min(fraction.find_last_not_of('0') + 1, fraction.size()));
  if (whole.empty()) whole = "0";
  normal = (negative && (whole != "0" || !fraction.empty()) ? "-" : "") + whole + (fraction.empty() ? "" : "." + fraction);
  return true;
}

bool RangeOutOfOrder(const TRangeRules& rules, const AnsiString& begin, const AnsiString& final) {
  switch (rules.ValueType) {
    case vt_String:
    case vt_Time: return !IsEmptyValue(rules, begin, final) && begin.compare(final) > 0;
    case vt_Number: return StrToIntDef(begin, 0) > StrToIntDef(final, 0);
    case vt_Date:
      if (!rules.AutoChangeDateSite || IsEmptyValue(rules, begin, final)) return false;
      if (rules.DateType == dt_NoneCare) return begin.compare(final) > 0;
      return LaterDate(ParseRangeDate(rules, begin), ParseRangeDate(rules, final));
    case vt_Float: {
      AnsiString a, b;
      return NormalDecimal(begin, a) && NormalDecimal(final, b) && CompareDecimals(a, b) > 0;
    }
    case vt_OtherMask: return false;
  }
  return false;
}
