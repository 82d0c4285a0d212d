#pragma once
// Dates of the condition forms: display styles, the "yyyymmdd" (Ymd) texts dates travel in,
// and the rules of periodic jobs (next run date, relative dates). Unusable input gives 0 or an
// empty text, never an error.

#include "platform/DateTime.h"
#include "platform/Text.h"
#include "platform/Variant.h"

// Styles 1..5: year first, month first, day first, era year (year - 1911) with at least two
// digits, era year with at least three. Only the first character of Separator is used.
// Empty for the date 0 or another style.
AnsiString FormatDateByStyle(int style, const AnsiString& separator, TDateTime date);
AnsiString FormatYearMonthByStyle(int style, const AnsiString& separator, TDateTime date);
// 0 when Text is no date. The day is a plain count: day 30 of February is 1 or 2 March.
TDateTime ParseDateByStyle(const AnsiString& text, int style, const AnsiString& separator);

// 0 unless Ymd is eight characters forming a date.
TDateTime YmdToDate(const AnsiString& ymd);
// True for an empty text; otherwise a date from 17530101 to 99991231 (compared as texts). The
// pieces are cut from their positions whatever the length is.
bool IsValidYmd(const AnsiString& ymd);
// Value holds a Ymd text or a date; Unit is "Y", "M" or "D" in any case. Empty when Value is
// unusable. A month added to the 31st ends on the month's last day; a year added to 29 February
// of a leap year into a common year leaves the date as it was.
AnsiString AddToYmd(const Variant& value, const AnsiString& unit, int count);
// 28..31; 0 for a month outside 1..12.
int DaysInMonthOf(int year, int month);

// The first run date on or after Ymd of a period rule: [kind, details], kind 0 daily, 1 weekly
// with details [weeks, weekday 0..6], 2 monthly with details [0, months, day 1..31] or
// [1, months, occurrence 0..4 (4 = last), weekday 0..6]. Empty for anything else.
AnsiString NextRunDate(const AnsiString& ymd, const Variant& rule);
// One relative date from Base (Ymd, or a year-month "yyyymm"): Count months (MonthMode other
// than "0") or weeks, then Edge "0" adds Days, "1" snaps to the first and "2" to the last day of
// the month (or week).
AnsiString ShiftYmd(const AnsiString& base, int count, const AnsiString& monthMode, const AnsiString& edge, int days);
// The Sunday (Which "1") or Saturday (anything else) of the week Weeks after Ymd.
AnsiString WeekEdge(const AnsiString& ymd, int weeks, const AnsiString& which);
// Re-dates the relative dates of a periodic job's option values to BaseYmd. Setting: [1] the
// option values, [3] the counted relative-date entries. The re-dated values, or an empty text
// when the setting is unusable.
Variant ApplyRelativeDates(const Variant& setting, const AnsiString& baseYmd);
