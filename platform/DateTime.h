#pragma once
// Date-time values: days since 30 December 1899, the time of day as the fraction. Years 1..9999
// of the Gregorian calendar.

#include <compare>
#include <optional>

#include "platform/FormatSettings.h"
#include "platform/Text.h"

struct TDateTime {
  constexpr TDateTime() = default;
  constexpr explicit TDateTime(double value) : Val(value) {}
  friend constexpr auto operator<=>(TDateTime, TDateTime) = default;
  friend constexpr TDateTime operator+(TDateTime d, double days) { return TDateTime(d.Val + days); }
  friend constexpr TDateTime operator-(TDateTime d, double days) { return TDateTime(d.Val - days); }

  double Val = 0;
};

bool IsLeapYear(int year);
// 28..31; 0 for a month outside 1..12.
int DaysInAMonth(int year, int month);

bool TryEncodeDate(int year, int month, int day, TDateTime& date);
// Raises EConvertError for a date outside the calendar.
TDateTime EncodeDate(int year, int month, int day);
void DecodeDate(TDateTime date, int& year, int& month, int& day);
bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& time);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
void DecodeTime(TDateTime time, int& hour, int& minute, int& second, int& millisecond);
// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime date);

// The clock. Tests freeze it to a moment; nullopt lets it run again.
TDateTime Now();
TDateTime Date();
void SetFrozenNow(std::optional<TDateTime> moment);


// The platform's date-time patterns: y yy yyyy, m mm mmm mmmm, d dd ddd dddd ddddd, h hh, n nn,
// s ss, z zzz, am/pm, c, "/" (date separator), ":" (time separator), quoted literals.
AnsiString FormatDateTime(std::string_view format, TDateTime value);
AnsiString DateToStr(TDateTime date);
AnsiString TimeToStr(TDateTime time);
// The date, then the time when it is not midnight.
AnsiString DateTimeToStr(TDateTime value);

// Texts in the order of the short date format, with the date separator (and a time after a blank).
bool TryStrToDate(std::string_view s, TDateTime& date);
bool TryStrToDateTime(std::string_view s, TDateTime& value);
TDateTime StrToDate(std::string_view s);
