// The platform's date-time type: calendar arithmetic, the clock, patterns and date texts.

#include "platform/DateTime.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <mutex>

#include "platform/Exceptions.h"

namespace {

constexpr std::int64_t kMSecsPerDay = 86400000;
// Days from 1 January 0001 (day 1) to 30 December 1899 (day 0 of TDateTime), counting the latter.
constexpr std::int64_t kDateDelta = 693594;
// Beyond this magnitude a value is no calendar day at all (9999-12-31 is 2958465).
constexpr double kMaxMagnitude = 1e7;

constexpr const char* kShortMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kLongMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                             "July",    "August",   "September", "October", "November", "December"};
constexpr const char* kShortDayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kLongDayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr const char* kTimeAMString = "AM";
constexpr const char* kTimePMString = "PM";
// The format settings carry no long date or short time format; these are the platform's
// English defaults ("dddddd" and "t").
constexpr const char* kLongDateFormat = "dddd, mmmm d, yyyy";
constexpr const char* kShortTimeFormat = "hh:nn";
constexpr int kTwoDigitYearCenturyWindow = 50;

// The platform's time stamp: Date counts days from 1 January 0001 as day 1, Time the
// milliseconds of the day. The value is rounded to the millisecond first, then split; the
// time of a negative value is the magnitude of its fraction.
struct TimeStamp {
  std::int64_t Date = 0;
  std::int64_t Time = 0;
};

TimeStamp ToTimeStamp(TDateTime value) {
  TimeStamp stamp;
  if (!std::isfinite(value.Val) || std::fabs(value.Val) > kMaxMagnitude) return stamp;
  auto ms = static_cast<std::int64_t>(std::nearbyint(value.Val * static_cast<double>(kMSecsPerDay)));
  stamp.Date = kDateDelta + ms / kMSecsPerDay;
  stamp.Time = (ms < 0 ? -ms : ms) % kMSecsPerDay;
  return stamp;
}

// Days from 1 January 0001 (as day 1) to the civil date; the proleptic Gregorian calendar.
void CivilFromDayNumber(std::int64_t dayNumber, int& year, int& month, int& day) {
  // Shift to days since 1970-01-01 (day 719163 is 1 January 1970), then H. Hinnant's algorithm.
  std::int64_t z = dayNumber - 719163 + 719468;
  std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  std::int64_t doe = z - era * 146097;
  std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  std::int64_t mp = (5 * doy + 2) / 153;
  std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
  std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
  std::int64_t y = yoe + era * 400 + (m <= 2 ? 1 : 0);
  year = static_cast<int>(y);
  month = static_cast<int>(m);
  day = static_cast<int>(d);
}

// ---- Formatting ---------------------------------------------------------------------------

bool IsLead(char c) { return IsDBCSLeadByte(static_cast<unsigned char>(c)); }

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

bool StartsWithNoCase(std::string_view s, size_t at, std::string_view prefix) {
  if (s.size() - at < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (UpperAscii(s[at + i]) != UpperAscii(prefix[i])) return false;
  return true;
}

class DateTimeFormatter {
public:
  explicit DateTimeFormatter(TDateTime value) : value_(value) {}

  AnsiString Run(std::string_view format) {
    Append(format.empty() ? std::string_view("C") : format);
    return out_;
  }

private:
  void Number(int n, int digits) {
    AnsiString text = std::to_string(n < 0 ? -n : n);
    if (static_cast<int>(text.size()) < digits) text.insert(0, static_cast<size_t>(digits) - text.size(), '0');
    if (n < 0) text.insert(0, 1, '-');
    out_ += text;
  }

  // One level of a pattern; nested patterns (ddddd, dddddd, c, t) go one level deeper only.
  void Append(std::string_view f) {
    if (level_ >= 2) return;
    ++level_;
    char lastToken = ' ';
    bool dateDecoded = false, timeDecoded = false, use12HourClock = false;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, msec = 0;
    auto getDate = [&] {
      if (!dateDecoded) DecodeDate(value_, year, month, day);
      dateDecoded = true;
    };
    auto getTime = [&] {
      if (!timeDecoded) DecodeTime(value_, hour, minute, second, msec);
      timeDecoded = true;
    };

    size_t i = 0;
    while (i < f.size()) {
      const char starter = f[i];
      if (IsLead(starter)) {
        out_ += f.substr(i, i + 1 < f.size() ? 2 : 1);
        i += 2;
        lastToken = ' ';
        continue;
      }
      ++i;
      // The run of the same character (case-sensitive) that starts here.
      auto getCount = [&] {
        size_t start = i;
        while (i < f.size() && f[i] == starter) ++i;
        return static_cast<int>(i - start) + 1;
      };
      char token = UpperAscii(starter);
      if (token >= 'A' && token <= 'Z') {
        if (token == 'M' && lastToken == 'H') token = 'N';
        lastToken = token;
      }
      switch (token) {
        case 'Y': {
          int count = getCount();
          getDate();
          if (count <= 2)
            Number(year % 100, 2);
          else
            Number(year, 4);
          break;
        }
        case 'M': {
          int count = getCount();
          getDate();
          if (count <= 2)
            Number(month, count);
          else if (month >= 1 && month <= 12)
            out_ += count == 3 ? kShortMonthNames[month - 1] : kLongMonthNames[month - 1];
          break;
        }
        case 'D': {
          int count = getCount();
          if (count <= 2) {
            getDate();
            Number(day, count);
          } else if (count == 3) {
            out_ += kShortDayNames[DayOfWeek(value_) - 1];
          } else if (count == 4) {
            out_ += kLongDayNames[DayOfWeek(value_) - 1];
          } else if (count == 5) {
            Append(FormatSettings().ShortDateFormat);
          } else {
            Append(kLongDateFormat);
          }
          break;
        }
        case 'H': {
          int count = getCount();
          getTime();
          // An am/pm marker later in the pattern (before the next hour, outside quotes) makes
          // the hour a 12-hour clock.
          bool betweenQuotes = false;
          for (size_t p = i; p < f.size(); ++p) {
            char c = f[p];
            if (IsLead(c)) {
              ++p;
              continue;
            }
            if ((c == 'A' || c == 'a') && !betweenQuotes) {
              if (StartsWithNoCase(f, p, "AM/PM") || StartsWithNoCase(f, p, "A/P") || StartsWithNoCase(f, p, "AMPM"))
                use12HourClock = true;
              break;
            }
            if (c == 'H' || c == 'h') break;
            if (c == '\'' || c == '"') betweenQuotes = !betweenQuotes;
          }
          int h = hour;
          if (use12HourClock) {
            if (h == 0)
              h = 12;
            else if (h > 12)
              h -= 12;
          }
          Number(h, count > 2 ? 2 : count);
          break;
        }
        case 'N': {
          int count = getCount();
          getTime();
          Number(minute, count > 2 ? 2 : count);
          break;
        }
        case 'S': {
          int count = getCount();
          getTime();
          Number(second, count > 2 ? 2 : count);
          break;
        }
        case 'Z': {
          int count = getCount();
          getTime();
          Number(msec, count > 3 ? 3 : count);
          break;
        }
        case 'T': {
          int count = getCount();
          Append(count == 1 ? std::string_view(kShortTimeFormat) : std::string_view(FormatSettings().LongTimeFormat));
          break;
        }
        case 'A': {
          getTime();
          size_t p = i - 1;
          if (StartsWithNoCase(f, p, "AM/PM")) {
            out_ += f.substr(hour >= 12 ? p + 3 : p, 2);
            i += 4;
            use12HourClock = true;
          } else if (StartsWithNoCase(f, p, "A/P")) {
            out_ += f.substr(hour >= 12 ? p + 2 : p, 1);
            i += 2;
            use12HourClock = true;
          } else if (StartsWithNoCase(f, p, "AMPM")) {
            out_ += hour < 12 ? kTimeAMString : kTimePMString;
            i += 3;
            use12HourClock = true;
          } else if (StartsWithNoCase(f, p, "AAAA")) {
            out_ += kLongDayNames[DayOfWeek(value_) - 1];
            i += 3;
          } else if (StartsWithNoCase(f, p, "AAA")) {
            out_ += kShortDayNames[DayOfWeek(value_) - 1];
            i += 2;
          } else {
            out_ += starter;
          }
          break;
        }
        case 'C': {
          getCount();
          Append(FormatSettings().ShortDateFormat);
          getTime();
          if (hour != 0 || minute != 0 || second != 0 || msec != 0) {
            out_ += ' ';
            Append(FormatSettings().LongTimeFormat);
          }
          break;
        }
        case '/':
          if (FormatSettings().DateSeparator != '\0') out_ += FormatSettings().DateSeparator;
          break;
        case ':':
          if (FormatSettings().TimeSeparator != '\0') out_ += FormatSettings().TimeSeparator;
          break;
        case '\'':
        case '"': {
          size_t start = i;
          while (i < f.size() && f[i] != starter) i += IsLead(f[i]) ? 2 : 1;
          if (i > f.size()) i = f.size();
          out_ += f.substr(start, i - start);
          if (i < f.size()) ++i;
          break;
        }
        default:
          out_ += starter;
          break;
      }
    }
    --level_;
  }

  TDateTime value_;
  AnsiString out_;
  int level_ = 0;
};

// ---- Scanning ------------------------------------------------------------------------------
// Positions are 0-based indices into the text.

void ScanBlanks(std::string_view s, size_t& pos) {
  while (pos < s.size() && s[pos] == ' ') ++pos;
}

bool ScanNumber(std::string_view s, size_t& pos, int& number, int& charCount) {
  charCount = 0;
  ScanBlanks(s, pos);
  size_t i = pos;
  int n = 0;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9' && n < 1000) {
    n = n * 10 + (s[i] - '0');
    ++i;
  }
  if (i == pos) return false;
  charCount = static_cast<int>(i - pos);
  pos = i;
  number = n;
  return true;
}

bool ScanChar(std::string_view s, size_t& pos, char c) {
  ScanBlanks(s, pos);
  if (pos < s.size() && s[pos] == c) {
    ++pos;
    return true;
  }
  return false;
}

bool ScanString(std::string_view s, size_t& pos, std::string_view symbol) {
  if (symbol.empty()) return false;
  ScanBlanks(s, pos);
  if (pos <= s.size() && s.size() - pos >= symbol.size() && SameText(s.substr(pos, symbol.size()), symbol)) {
    pos += symbol.size();
    return true;
  }
  return false;
}

enum class DateOrder { MDY, DMY, YMD };

// The order of the first year, month or day letter of the pattern; month first by default.
DateOrder GetDateOrder(std::string_view format) {
  for (char c : format) {
    switch (UpperAscii(c)) {
      case 'E':
      case 'Y':
        return DateOrder::YMD;
      case 'M':
        return DateOrder::MDY;
      case 'D':
        return DateOrder::DMY;
      default:
        break;
    }
  }
  return DateOrder::MDY;
}

int CurrentYear() {
  int year, month, day;
  DecodeDate(Date(), year, month, day);
  return year;
}

bool ScanDate(std::string_view s, size_t& pos, TDateTime& date) {
  const TFormatSettings& settings = FormatSettings();
  const DateOrder order = GetDateOrder(settings.ShortDateFormat);
  int n1 = 0, n2 = 0, n3 = 0, l1 = 0, l2 = 0, l3 = 0;
  int y = 0, m = 0, d = 0;
  if (!(ScanNumber(s, pos, n1, l1) && ScanChar(s, pos, settings.DateSeparator) && ScanNumber(s, pos, n2, l2)))
    return false;
  if (ScanChar(s, pos, settings.DateSeparator)) {
    if (!ScanNumber(s, pos, n3, l3)) return false;
    int yearLength = 0;
    switch (order) {
      case DateOrder::MDY:
        y = n3, yearLength = l3, m = n1, d = n2;
        break;
      case DateOrder::DMY:
        y = n3, yearLength = l3, m = n2, d = n1;
        break;
      case DateOrder::YMD:
        y = n1, yearLength = l1, m = n2, d = n3;
        break;
    }
    if (yearLength <= 2) {
      // A two-digit year falls into the window of the 50 years before the current one and
      // the 49 after it.
      int centuryBase = CurrentYear() - kTwoDigitYearCenturyWindow;
      y += centuryBase / 100 * 100;
      if (kTwoDigitYearCenturyWindow > 0 && y < centuryBase) y += 100;
    }
  } else {
    y = CurrentYear();
    if (order == DateOrder::DMY) {
      d = n1, m = n2;
    } else {
      m = n1, d = n2;
    }
  }
  ScanChar(s, pos, settings.DateSeparator);
  ScanBlanks(s, pos);
  return TryEncodeDate(y, m, d, date);
}

bool ScanTime(std::string_view s, size_t& pos, TDateTime& time) {
  const TFormatSettings& settings = FormatSettings();
  int baseHour = -1;
  if (ScanString(s, pos, kTimeAMString))
    baseHour = 0;
  else if (ScanString(s, pos, kTimePMString))
    baseHour = 12;
  if (baseHour >= 0) ScanBlanks(s, pos);
  int hour = 0, minute = 0, second = 0, msec = 0, junk = 0;
  if (!ScanNumber(s, pos, hour, junk)) return false;
  if (ScanChar(s, pos, settings.TimeSeparator)) {
    if (!ScanNumber(s, pos, minute, junk)) return false;
    if (ScanChar(s, pos, settings.TimeSeparator)) {
      if (!ScanNumber(s, pos, second, junk)) return false;
      if (ScanChar(s, pos, settings.DecimalSeparator) && !ScanNumber(s, pos, msec, junk)) return false;
    }
  }
  if (baseHour < 0) {
    if (ScanString(s, pos, kTimeAMString))
      baseHour = 0;
    else if (ScanString(s, pos, kTimePMString))
      baseHour = 12;
  }
  if (baseHour >= 0) {
    if (hour == 0 || hour > 12) return false;
    if (hour == 12) hour = 0;
    hour += baseHour;
  }
  ScanBlanks(s, pos);
  return TryEncodeTime(hour, minute, second, msec, time);
}

bool TryStrToTime(std::string_view s, TDateTime& time) {
  size_t pos = 0;
  return ScanTime(s, pos, time) && pos >= s.size();
}

std::mutex g_clockMutex;
std::optional<TDateTime> g_frozenNow;

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInAMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& date) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInAMonth(year, month)) return false;
  std::int64_t days = day;
  for (int m = 1; m < month; ++m) days += DaysInAMonth(year, m);
  std::int64_t y = year - 1;
  date = TDateTime(static_cast<double>(y * 365 + y / 4 - y / 100 + y / 400 + days - kDateDelta));
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime date;
  if (!TryEncodeDate(year, month, day, date)) throw EConvertError("Invalid argument to date encode");
  return date;
}

void DecodeDate(TDateTime date, int& year, int& month, int& day) {
  TimeStamp stamp = ToTimeStamp(date);
  if (stamp.Date <= 0) {
    year = month = day = 0;
    return;
  }
  CivilFromDayNumber(stamp.Date, year, month, day);
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& time) {
  if (hour < 0 || hour >= 24 || minute < 0 || minute >= 60 || second < 0 || second >= 60 || millisecond < 0 ||
      millisecond >= 1000)
    return false;
  std::int64_t ms = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
  time = TDateTime(static_cast<double>(ms) / static_cast<double>(kMSecsPerDay));
  return true;
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  TDateTime time;
  if (!TryEncodeTime(hour, minute, second, millisecond, time)) throw EConvertError("Invalid argument to time encode");
  return time;
}

void DecodeTime(TDateTime time, int& hour, int& minute, int& second, int& millisecond) {
  std::int64_t ms = ToTimeStamp(time).Time;
  hour = static_cast<int>(ms / 3600000);
  minute = static_cast<int>(ms / 60000 % 60);
  second = static_cast<int>(ms / 1000 % 60);
  millisecond = static_cast<int>(ms % 1000);
}

int DayOfWeek(TDateTime date) {
  // Day 1 (1 January 0001) was a Monday.
  std::int64_t r = ToTimeStamp(date).Date % 7;
  if (r < 0) r += 7;
  return static_cast<int>(r) + 1;
}

TDateTime Now() {
  {
    std::lock_guard lock(g_clockMutex);
    if (g_frozenNow) return *g_frozenNow;
  }
  auto now = std::chrono::system_clock::now();
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
  std::time_t seconds = static_cast<std::time_t>(ms / 1000 - (ms % 1000 < 0 ? 1 : 0));
  int milli = static_cast<int>(((ms % 1000) + 1000) % 1000);
  std::tm local{};
  if (localtime_r(&seconds, &local) == nullptr) return TDateTime();
  TDateTime day, time;
  if (!TryEncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, day)) return TDateTime();
  TryEncodeTime(local.tm_hour, local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec, milli, time);
  return TDateTime(day.Val + time.Val);
}

TDateTime Date() { return TDateTime(std::trunc(Now().Val)); }

void SetFrozenNow(std::optional<TDateTime> moment) {
  std::lock_guard lock(g_clockMutex);
  g_frozenNow = moment;
}

AnsiString FormatDateTime(std::string_view format, TDateTime value) { return DateTimeFormatter(value).Run(format); }

AnsiString DateToStr(TDateTime date) { return FormatDateTime(FormatSettings().ShortDateFormat, date); }

AnsiString TimeToStr(TDateTime time) { return FormatDateTime(FormatSettings().LongTimeFormat, time); }

AnsiString DateTimeToStr(TDateTime value) { return FormatDateTime("", value); }

bool TryStrToDate(std::string_view s, TDateTime& date) {
  size_t pos = 0;
  TDateTime value;
  if (!ScanDate(s, pos, value) || pos < s.size()) return false;
  date = value;
  return true;
}

bool TryStrToDateTime(std::string_view s, TDateTime& value) {
  size_t pos = 0;
  TDateTime date, time;
  // The time, when there is one, must end the text.
  if (!ScanDate(s, pos, date) || !(pos >= s.size() || (ScanTime(s, pos, time) && pos >= s.size())))
    return TryStrToTime(s, value);
  value = date.Val >= 0 ? TDateTime(date.Val + time.Val) : TDateTime(date.Val - time.Val);
  return true;
}

TDateTime StrToDate(std::string_view s) {
  TDateTime date;
  if (!TryStrToDate(s, date)) throw EConvertError("'" + AnsiString(s) + "' is not a valid date");
  return date;
}
