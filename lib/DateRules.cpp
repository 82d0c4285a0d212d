#include "lib/DateRules.h"

#include <cstdint>
#include <exception>

#include "lib/LibStrs.h"
#include "platform/Format.h"

namespace {

const AnsiString kFieldSep = "\x03";
constexpr int kEraOffset = 1911;

// Year, month and day of a date in the calendar; false for 0 and for values outside it.
bool SplitDate(TDateTime date, int& year, int& month, int& day) {
  if (date.Val == 0) return false;
  DecodeDate(date, year, month, day);
  return year >= 1 && year <= 9999;
}

AnsiString ToYmd(TDateTime date) {
  int year, month, day;
  if (!SplitDate(date, year, month, day)) return {};
  return FormatDateTime("yyyymmdd", date);
}

// The first character of a separator text (both bytes of a double-byte one).
AnsiString FirstCharacter(const AnsiString& text) {
  if (text.empty()) return {};
  return text.substr(0, IsDBCSLeadByte(static_cast<unsigned char>(text[0])) ? 2 : 1);
}

int NumberAt(const AnsiString& ymd, int index, int count) { return StrToIntDef(Copy(ymd, index, count), 0); }

AnsiString YearMonthOf(const AnsiString& ymd) { return Copy(ymd, 1, 6); }

// The counts below may be far beyond any calendar; they are added in 64 bits and a result
// outside the calendar is no date.
AnsiString AddDays(TDateTime date, std::int64_t days) {
  if (days > 4000000 || days < -4000000) return {};
  return ToYmd(date + static_cast<double>(days));
}

AnsiString AddMonths(TDateTime date, std::int64_t months) {
  int year, month, day;
  if (!SplitDate(date, year, month, day)) return {};
  std::int64_t total = year * 12LL + month + months;
  std::int64_t newYear = total / 12;
  int newMonth = static_cast<int>(total % 12);
  if (newMonth == 0) {
    newMonth = 12;
    --newYear;
  }
  // Outside the calendar no day of the month exists, and the day search below would not end.
  if (newYear < 1 || newYear > 9999) return {};
  TDateTime result;
  while (!TryEncodeDate(static_cast<int>(newYear), newMonth, day, result)) --day;
  return ToYmd(result);
}

AnsiString AddYears(TDateTime date, std::int64_t years) {
  int year, month, day;
  if (!SplitDate(date, year, month, day)) return {};
  TDateTime result = date;
  std::int64_t newYear = year + years;
  if (newYear >= 1 && newYear <= 9999) TryEncodeDate(static_cast<int>(newYear), month, day, result);
  return ToYmd(result);
}

AnsiString AddDaysToYmd(const AnsiString& ymd, std::int64_t days) {
  TDateTime date = YmdToDate(ymd);
  return date.Val == 0 ? AnsiString() : AddDays(date, days);
}

AnsiString AddMonthsToYmd(const AnsiString& ymd, std::int64_t months) {
  TDateTime date = YmdToDate(ymd);
  return date.Val == 0 ? AnsiString() : AddMonths(date, months);
}

AnsiString LastDayOfMonth(const AnsiString& ymd) {
  return YearMonthOf(ymd) + IntToStr(DaysInMonthOf(NumberAt(ymd, 1, 4), NumberAt(ymd, 5, 2)));
}

// A whole number of a rule; Empty, Null, arrays and texts that are no number are not.
bool ReadRuleNumber(const Variant& value, int& number) {
  if (value.IsEmpty() || value.IsNull() || value.IsArray()) return false;
  try {
    number = value.AsInteger();
    return true;
  } catch (const EVariantError&) {
    return false;
  }
}

// The element of a one-dimensional rule array, or nullptr when it has none.
const Variant* RuleElement(const Variant& rule, int index) {
  if (!rule.IsArray() || rule.DimCount() != 1 || index < rule.LowBound() || index > rule.HighBound()) return nullptr;
  return &rule[index];
}

bool ReadRuleNumber(const Variant& rule, int index, int& number) {
  const Variant* element = RuleElement(rule, index);
  return element != nullptr && ReadRuleNumber(*element, number);
}

AnsiString NextWeekly(const AnsiString& ymd, TDateTime start, const Variant& details) {
  int weeks, weekday;
  if (!ReadRuleNumber(details, 0, weeks) || !ReadRuleNumber(details, 1, weekday)) return {};
  if (weeks < 1 || weekday < 0 || weekday > 6) return {};
  const int target = weekday + 1;
  std::int64_t ahead = target >= DayOfWeek(start) ? weeks - 1 : weeks;
  AnsiString week = AddDaysToYmd(ymd, 7 * ahead);
  if (week.empty()) return {};
  return AddDaysToYmd(week, target - DayOfWeek(YmdToDate(week)));
}

AnsiString NextMonthlyByDay(TDateTime start, int months, const Variant& details) {
  int dayOfMonth;
  if (!ReadRuleNumber(details, 2, dayOfMonth) || dayOfMonth < 1 || dayOfMonth > 31) return {};
  int year, month, day;
  DecodeDate(start, year, month, day);
  AnsiString target = AddMonths(start, dayOfMonth >= day ? months - 1 : months);
  if (target.empty()) return {};
  AnsiString candidate = YearMonthOf(target) + Format("%.2d", {dayOfMonth});
  return IsValidYmd(candidate) ? candidate : LastDayOfMonth(target);
}

AnsiString NextMonthlyByWeekday(const AnsiString& ymd, TDateTime start, int months, const Variant& details) {
  int occurrence, weekday;
  if (!ReadRuleNumber(details, 2, occurrence) || !ReadRuleNumber(details, 3, weekday)) return {};
  if (occurrence < 0 || occurrence > 4 || weekday < 0 || weekday > 6) return {};
  const int target = weekday + 1;
  // This month's (or the M-1 months later) occurrence, else the one M months later; with at
  // least one month the second pass lies in a later month than Ymd.
  for (std::int64_t ahead : {months - 1LL, static_cast<long long>(months)}) {
    AnsiString month = AddMonths(start, ahead);
    if (month.empty()) return {};
    TDateTime first = YmdToDate(YearMonthOf(month) + "01");
    int offset = target - DayOfWeek(first);
    TDateTime result;
    if (occurrence == 4) {
      TDateTime last = first + (DaysInMonthOf(NumberAt(month, 1, 4), NumberAt(month, 5, 2)) - 1);
      int back = DayOfWeek(last) - target;
      result = last - (back < 0 ? back + 7 : back);
    } else {
      result = first + (offset < 0 ? offset + 7 * (occurrence + 1) : offset + 7 * occurrence);
    }
    AnsiString text = ToYmd(result);
    if (text >= ymd) return text;
  }
  return {};
}

AnsiString RelativeValue(const AnsiString& base, const AnsiString& count, const AnsiString& monthMode,
                         const AnsiString& edge, const AnsiString& days) {
  if (count == "0" && edge == "0" && days == "0") return base;
  return ShiftYmd(base, StrToInt(count), monthMode, edge, StrToInt(days));
}

void ApplyEntry(Variant& values, const AnsiString& entry, const AnsiString& baseYmd) {
  auto field = [&entry](int index) { return GetDelimitedField(entry, kFieldSep, index); };
  auto baseFor = [&baseYmd](const AnsiString& kind) { return kind == "D" ? baseYmd : YearMonthOf(baseYmd); };
  if (field(1) != "0") {
    AnsiString base = baseFor(field(8));
    int index = StrToInt(field(9));
    if (field(3) == "Y") values.PutElement(RelativeValue(base, field(4), field(5), field(6), field(7)), {index});
    return;
  }
  AnsiString base = baseFor(field(13));
  int index = StrToInt(field(14));
  Variant range = values[index];
  if (field(3) == "Y") range.PutElement(RelativeValue(base, field(4), field(5), field(6), field(7)), {1});
  if (field(8) == "Y") range.PutElement(RelativeValue(base, field(9), field(10), field(11), field(12)), {2});
  values.PutElement(range, {index});
}

}  // namespace

AnsiString FormatDateByStyle(int style, const AnsiString& separator, TDateTime date) {
  int year, month, day;
  if (!SplitDate(date, year, month, day)) return {};
  const AnsiString sep = FirstCharacter(separator);
  switch (style) {
    case 1: return Format("%.4d%s%.2d%s%.2d", {year, sep, month, sep, day});
    case 2: return Format("%.2d%s%.2d%s%.4d", {month, sep, day, sep, year});
    case 3: return Format("%.2d%s%.2d%s%.4d", {day, sep, month, sep, year});
    case 4: return Format("%.2d%s%.2d%s%.2d", {year - kEraOffset, sep, month, sep, day});
    case 5: return Format("%.3d%s%.2d%s%.2d", {year - kEraOffset, sep, month, sep, day});
    default: return {};
  }
}

AnsiString FormatYearMonthByStyle(int style, const AnsiString& separator, TDateTime date) {
  int year, month, day;
  if (!SplitDate(date, year, month, day)) return {};
  const AnsiString sep = FirstCharacter(separator);
  switch (style) {
    case 1: return Format("%.4d%s%.2d", {year, sep, month});
    case 2:
    case 3: return Format("%.2d%s%.4d", {month, sep, year});
    case 4: return Format("%.2d%s%.2d", {year - kEraOffset, sep, month});
    case 5: return Format("%.3d%s%.2d", {year - kEraOffset, sep, month});
    default: return {};
  }
}

TDateTime ParseDateByStyle(const AnsiString& text, int style, const AnsiString& separator) {
  if (Trim(text).empty()) return {};
  AnsiString rest = text;
  int parts[3];
  for (int& part : parts) {
    AnsiString head;
    SplitOff(rest, separator, head);
    part = StrToIntDef(Trim(head), -1);
  }
  const auto [a, b, c] = parts;
  if (a <= 0 || b <= 0 || c <= 0 || style < 1 || style > 5) return {};
  int year = 0, month = b, day = 0;
  switch (style) {
    case 1: year = a, day = c; break;
    case 2: year = c, month = a, day = b; break;
    case 3: year = c, day = a; break;
    default:
      if (a > 9999) return {};
      year = a + kEraOffset, day = c;
      break;
  }
  TDateTime first;
  if (!TryEncodeDate(year, month, 1, first)) return {};
  // The day is a count from the first: days beyond the month's end run on into the next ones.
  TDateTime date = first + (static_cast<double>(day) - 1);
  return date > EncodeDate(9999, 12, 31) ? TDateTime() : date;
}

TDateTime YmdToDate(const AnsiString& ymd) {
  if (ymd.size() != 8) return {};
  int year = NumberAt(ymd, 1, 4), month = NumberAt(ymd, 5, 2), day = NumberAt(ymd, 7, 2);
  TDateTime date;
  if (year == 0 || month == 0 || day == 0 || !TryEncodeDate(year, month, day, date)) return {};
  return date;
}

bool IsValidYmd(const AnsiString& ymd) {
  if (ymd.empty()) return true;
  TDateTime date;
  return TryEncodeDate(NumberAt(ymd, 1, 4), NumberAt(ymd, 5, 2), NumberAt(ymd, 7, 2), date) && ymd >= "17530101" &&
         ymd <= "99991231";
}

AnsiString AddToYmd(const Variant& value, const AnsiString& unit, int count) {
  TDateTime date;
  if (value.IsString())
    date = YmdToDate(value.AsString());
  else if (value.Type() == varDate)
    date = value.AsDateTime();
  else
    return {};
  if (date.Val == 0) return {};
  if (SameText(unit, "Y")) return AddYears(date, count);
  if (SameText(unit, "M")) return AddMonths(date, count);
  if (SameText(unit, "D")) return AddDays(date, count);
  return {};
}

int DaysInMonthOf(int year, int month) {
  switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12: return 31;
    case 4: case 6: case 9: case 11: return 30;
    case 2: return (year % 100 != 0 && year % 4 == 0) || year % 400 == 0 ? 29 : 28;
    default: return 0;
  }
}

AnsiString NextRunDate(const AnsiString& ymd, const Variant& rule) {
  try {
    TDateTime start = YmdToDate(ymd);
    int kind;
    if (start.Val == 0 || !ReadRuleNumber(rule, 0, kind)) return {};
    if (kind == 0) return AddDays(start, 0);
    const Variant* details = RuleElement(rule, 1);
    if (details == nullptr) return {};
    if (kind == 1) return NextWeekly(ymd, start, *details);
    if (kind != 2) return {};
    int mode, months;
    // Fewer than one month would never reach a date after Ymd.
    if (!ReadRuleNumber(*details, 0, mode) || !ReadRuleNumber(*details, 1, months) || months < 1) return {};
    if (mode == 0) return NextMonthlyByDay(start, months, *details);
    if (mode == 1) return NextMonthlyByWeekday(ymd, start, months, *details);
    return {};
  } catch (const std::exception&) {
    return {};
  }
}

AnsiString ShiftYmd(const AnsiString& base, int count, const AnsiString& monthMode, const AnsiString& edge, int days) {
  if (base.size() < 7) return YearMonthOf(AddMonthsToYmd(base + "01", count));
  if (monthMode != "0") {
    AnsiString shifted = AddMonthsToYmd(base, count);
    if (shifted.empty()) return {};
    if (edge == "0") return AddDaysToYmd(shifted, days);
    if (edge == "1") return YearMonthOf(shifted) + "01";
    if (edge == "2") return LastDayOfMonth(shifted);
    return shifted;
  }
  if (edge != "0") return WeekEdge(base, count, edge);
  return AddDaysToYmd(base, 7LL * count + days);
}

AnsiString WeekEdge(const AnsiString& ymd, int weeks, const AnsiString& which) {
  AnsiString week = AddDaysToYmd(ymd, 7LL * weeks);
  if (week.empty()) return {};
  int weekday = DayOfWeek(YmdToDate(week));
  return AddDaysToYmd(week, which == "1" ? 1 - weekday : 7 - weekday);
}

Variant ApplyRelativeDates(const Variant& setting, const AnsiString& baseYmd) {
  try {
    Variant values = setting[1];
    const Variant& entries = setting[3];
    const int count = entries[0].AsInteger();
    for (int i = 1; i <= count; ++i) ApplyEntry(values, entries[i].AsString(), baseYmd);
    return values;
  } catch (const std::exception&) {
    return Variant(AnsiString());
  }
}
