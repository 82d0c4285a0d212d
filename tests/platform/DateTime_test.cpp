#include "platform/DateTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

#include "platform/Exceptions.h"
#include "tests/support/ScopedEnv.h"

namespace {

// Restores the format settings and lets the clock run again after each test.
class DateTimeTest : public ::testing::Test {
protected:
  void SetUp() override { saved_ = FormatSettings(); }
  void TearDown() override {
    FormatSettings() = saved_;
    SetFrozenNow(std::nullopt);
  }

private:
  TFormatSettings saved_;
};

TDateTime At(int y, int m, int d, int h = 0, int n = 0, int s = 0, int ms = 0) {
  return TDateTime(EncodeDate(y, m, d).Val + EncodeTime(h, n, s, ms).Val);
}

// ---- Calendar ----------------------------------------------------------------------------

struct DayCase {
  int year, month, day;
  double serial;
  int dayOfWeek;
};

TEST_F(DateTimeTest, EncodesAndDecodesDaysFromThe30thOfDecember1899) {
  const DayCase cases[] = {
      {1899, 12, 30, 0, 7},        {1899, 12, 29, -1, 6},      {1900, 1, 1, 2, 2},
      {2024, 3, 5, 45356, 3},      {2024, 2, 29, 45351, 5},    {2000, 2, 29, 36585, 3},
      {1752, 12, 31, -53689, 1},   {1, 1, 1, -693593, 2},      {9999, 12, 31, 2958465, 6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
    TDateTime date;
    ASSERT_TRUE(TryEncodeDate(c.year, c.month, c.day, date));
    EXPECT_EQ(date.Val, c.serial);
    EXPECT_EQ(EncodeDate(c.year, c.month, c.day), TDateTime(c.serial));
    int y, m, d;
    DecodeDate(TDateTime(c.serial), y, m, d);
    EXPECT_EQ(y, c.year);
    EXPECT_EQ(m, c.month);
    EXPECT_EQ(d, c.day);
    EXPECT_EQ(DayOfWeek(TDateTime(c.serial)), c.dayOfWeek);
  }
}

TEST_F(DateTimeTest, RoundTripsEveryDayOfTheCalendar) {
  TDateTime first = EncodeDate(1, 1, 1);
  TDateTime last = EncodeDate(9999, 12, 31);
  int expectedWeekday = 2;  // 1 January 0001 was a Monday.
  for (double serial = first.Val; serial <= last.Val; serial += 1) {
    int y, m, d;
    DecodeDate(TDateTime(serial), y, m, d);
    TDateTime back;
    ASSERT_TRUE(TryEncodeDate(y, m, d, back)) << serial;
    ASSERT_EQ(back.Val, serial);
    ASSERT_EQ(DayOfWeek(TDateTime(serial)), expectedWeekday) << serial;
    expectedWeekday = expectedWeekday % 7 + 1;
  }
}

TEST_F(DateTimeTest, RejectsDatesOutsideTheCalendar) {
  struct Case {
    int year, month, day;
  };
  const Case cases[] = {{0, 1, 1},     {10000, 1, 1}, {2024, 0, 1}, {2024, 13, 1}, {2024, 1, 0},
                        {2024, 1, 32}, {2023, 2, 29}, {1900, 2, 29}, {2024, 4, 31}, {-1, 1, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
    TDateTime date(123);
    EXPECT_FALSE(TryEncodeDate(c.year, c.month, c.day, date));
    EXPECT_EQ(date.Val, 123);
    EXPECT_THROW(EncodeDate(c.year, c.month, c.day), EConvertError);
  }
}

TEST_F(DateTimeTest, LeapYearsAndMonthLengths) {
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_FALSE(IsLeapYear(2023));
  EXPECT_EQ(DaysInAMonth(2024, 2), 29);
  EXPECT_EQ(DaysInAMonth(1900, 2), 28);
  EXPECT_EQ(DaysInAMonth(2024, 4), 30);
  EXPECT_EQ(DaysInAMonth(2024, 12), 31);
  EXPECT_EQ(DaysInAMonth(2024, 0), 0);
  EXPECT_EQ(DaysInAMonth(2024, 13), 0);
}

TEST_F(DateTimeTest, DecodesValuesBeforeTheFirstDayAsZeros) {
  int y = 1, m = 1, d = 1;
  DecodeDate(TDateTime(-693594), y, m, d);
  EXPECT_EQ(y, 0);
  EXPECT_EQ(m, 0);
  EXPECT_EQ(d, 0);
  DecodeDate(TDateTime(std::nan("")), y, m, d);
  EXPECT_EQ(y, 0);
}

// ---- Time of day -------------------------------------------------------------------------

TEST_F(DateTimeTest, EncodesAndDecodesTimesWithMilliseconds) {
  struct Case {
    int h, n, s, ms;
  };
  const Case cases[] = {{0, 0, 0, 0}, {6, 0, 0, 0}, {12, 0, 0, 0}, {13, 45, 30, 250}, {23, 59, 59, 999}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.h << ":" << c.n << ":" << c.s << "." << c.ms);
    TDateTime t = EncodeTime(c.h, c.n, c.s, c.ms);
    EXPECT_NEAR(t.Val, ((c.h * 60 + c.n) * 60 + c.s + c.ms / 1000.0) / 86400.0, 1e-12);
    int h, n, s, ms;
    DecodeTime(t, h, n, s, ms);
    EXPECT_EQ(h, c.h);
    EXPECT_EQ(n, c.n);
    EXPECT_EQ(s, c.s);
    EXPECT_EQ(ms, c.ms);
    // The date part does not disturb the time.
    DecodeTime(TDateTime(45356 + t.Val), h, n, s, ms);
    EXPECT_EQ(h, c.h);
    EXPECT_EQ(ms, c.ms);
  }
}

TEST_F(DateTimeTest, RejectsTimesOutsideTheDay) {
  struct Case {
    int h, n, s, ms;
  };
  const Case cases[] = {{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}, {-1, 0, 0, 0}, {0, 0, 0, -1}};
  for (const auto& c : cases) {
    TDateTime t;
    EXPECT_FALSE(TryEncodeTime(c.h, c.n, c.s, c.ms, t));
    EXPECT_THROW(EncodeTime(c.h, c.n, c.s, c.ms), EConvertError);
  }
}

TEST_F(DateTimeTest, NegativeValuesTakeTheFractionsMagnitudeAsTheTime) {
  // -1.25 is 29 December 1899, 6:00 (not 18:00 of the 28th).
  int y, m, d, h, n, s, ms;
  DecodeDate(TDateTime(-1.25), y, m, d);
  DecodeTime(TDateTime(-1.25), h, n, s, ms);
  EXPECT_EQ(y, 1899);
  EXPECT_EQ(m, 12);
  EXPECT_EQ(d, 29);
  EXPECT_EQ(h, 6);
  EXPECT_EQ(DayOfWeek(TDateTime(-1.25)), 6);
  // -0.5 is the same moment of day 0 as 0.5.
  DecodeDate(TDateTime(-0.5), y, m, d);
  DecodeTime(TDateTime(-0.5), h, n, s, ms);
  EXPECT_EQ(d, 30);
  EXPECT_EQ(h, 12);
}

TEST_F(DateTimeTest, RoundsToTheMillisecondBeforeSplitting) {
  // Half a millisecond before midnight is already the next day.
  TDateTime almost(45356 + (86400000.0 - 0.4) / 86400000.0);
  int y, m, d, h, n, s, ms;
  DecodeDate(almost, y, m, d);
  DecodeTime(almost, h, n, s, ms);
  EXPECT_EQ(d, 6);
  EXPECT_EQ(h, 0);
  EXPECT_EQ(ms, 0);
}

// ---- Clock -------------------------------------------------------------------------------

TEST_F(DateTimeTest, FrozenClockAnswersTheMomentAndItsDay) {
  TDateTime moment = At(2024, 3, 5, 13, 45, 30, 250);
  SetFrozenNow(moment);
  EXPECT_EQ(Now(), moment);
  EXPECT_EQ(Date(), EncodeDate(2024, 3, 5));
}

TEST_F(DateTimeTest, RunningClockFollowsTheLocalTime) {
  SetFrozenNow(std::nullopt);
  std::time_t before = std::time(nullptr);
  TDateTime now = Now();
  std::tm local{};
  localtime_r(&before, &local);
  TDateTime expected = At(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                          local.tm_sec > 59 ? 59 : local.tm_sec);
  EXPECT_NEAR(now.Val, expected.Val, 5.0 / 86400.0);
  EXPECT_EQ(Date().Val, std::floor(Now().Val));
}

// ---- Patterns ----------------------------------------------------------------------------

struct FormatCase {
  const char* pattern;
  const char* expected;
};

TEST_F(DateTimeTest, FormatsThePatternLetters) {
  // Tuesday 5 March 2024, 13:04:09.007.
  TDateTime value = At(2024, 3, 5, 13, 4, 9, 7);
  const FormatCase cases[] = {
      {"yyyymmdd", "20240305"},
      {"y", "24"},
      {"yy", "24"},
      {"yyy", "2024"},
      {"yyyy", "2024"},
      {"m", "3"},
      {"mm", "03"},
      {"mmm", "Mar"},
      {"mmmm", "March"},
      {"mmmmm", "March"},
      {"d", "5"},
      {"dd", "05"},
      {"ddd", "Tue"},
      {"dddd", "Tuesday"},
      {"ddddd", "2024/03/05"},
      {"dddddd", "Tuesday, March 5, 2024"},
      {"h", "13"},
      {"hh", "13"},
      {"hhh", "13"},
      {"n", "4"},
      {"nn", "04"},
      {"nnn", "04"},
      {"s", "9"},
      {"ss", "09"},
      {"z", "7"},
      {"zz", "07"},
      {"zzz", "007"},
      {"zzzz", "007"},
      {"t", "13:04"},
      {"tt", "13:04:09"},
      {"c", "2024/03/05 13:04:09"},
      {"", "2024/03/05 13:04:09"},
      {"YYYY-MM-DD HH:NN:SS.ZZZ", "2024-03-05 13:04:09.007"},
      {"yyyy/mm/dd hh:nn:ss", "2024/03/05 13:04:09"},
      {"Dddd", "5Tue"},
      {"aaa", "Tue"},
      {"aaaa", "Tuesday"},
      {"x#-_ ,", "x#-_ ,"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.pattern, value), c.expected) << '"' << c.pattern << '"';
}

TEST_F(DateTimeTest, MAfterAnHourMeansMinutes) {
  TDateTime value = At(2024, 3, 5, 13, 4, 9);
  const FormatCase cases[] = {
      {"hh:mm", "13:04"},
      {"h:m", "13:4"},
      {"hh'h'mm", "13h04"},
      {"hh mm", "13 04"},
      {"mm hh", "03 13"},
      {"hh:mm:ss mm", "13:04:09 03"},
      {"hh:nn:mm", "13:04:03"},
      {"hh dd mm", "13 05 03"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.pattern, value), c.expected) << '"' << c.pattern << '"';
}

TEST_F(DateTimeTest, TwelveHourClock) {
  struct Case {
    int hour;
    const char* pattern;
    const char* expected;
  };
  const Case cases[] = {
      {0, "h:nn am/pm", "12:00 am"},     {1, "h:nn am/pm", "1:00 am"},      {12, "h:nn am/pm", "12:00 pm"},
      {13, "hh:nn AM/PM", "01:00 PM"},   {23, "h a/p", "11 p"},             {9, "h A/P", "9 A"},
      {15, "h ampm", "3 PM"},            {3, "h ampm", "3 AM"},             {15, "Am/Pm h", "Pm 3"},
      {15, "h 'am/pm'", "15 am/pm"},     {15, "h h am/pm", "15 3 pm"},      {15, "h amx", "15 a3x"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatDateTime(c.pattern, At(2024, 3, 5, c.hour)), c.expected)
        << '"' << c.pattern << "\" at " << c.hour;
  }
}

TEST_F(DateTimeTest, SeparatorsAndLiterals) {
  FormatSettings().DateSeparator = '-';
  FormatSettings().TimeSeparator = '.';
  TDateTime value = At(2024, 3, 5, 13, 4, 9);
  const FormatCase cases[] = {
      {"yyyy/mm/dd", "2024-03-05"},
      {"hh:nn", "13.04"},
      {"yyyy'/'mm\"/\"dd", "2024/03/05"},
      {"'yyyy mm' yyyy", "yyyy mm 2024"},
      {"\"it's\" d", "it's 5"},
      {"'unclosed d", "unclosed d"},
      {"d''d", "55"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.pattern, value), c.expected) << '"' << c.pattern << '"';

  FormatSettings().DateSeparator = '\0';
  EXPECT_EQ(FormatDateTime("yyyy/mm/dd", value), "20240305");
}

TEST_F(DateTimeTest, DoubleByteCharactersAreCopiedWhole) {
  // In GB (936) the trail byte of a character may be a pattern letter: 0xB0 0x64 is one
  // character, not 0xB0 and "d".
  TDateTime value = At(2024, 3, 5);
  {
    ScopedCodePage gb(936);
    EXPECT_EQ(FormatDateTime("yyyy\xB0\x64mm", value), "2024\xB0\x64" "03");
    EXPECT_EQ(FormatDateTime("'\xB0\x27'd", value), "\xB0\x27" "5");
  }
  ScopedCodePage western(1252);
  EXPECT_EQ(FormatDateTime("yyyy\xB0\x64mm", value), "2024\xB0" "503");
}

TEST_F(DateTimeTest, NestedFormatsGoOneLevelDeep) {
  FormatSettings().ShortDateFormat = "dd.mm.yyyy ddddd";
  TDateTime value = At(2024, 3, 5);
  EXPECT_EQ(FormatDateTime("ddddd", value), "05.03.2024 ");
  EXPECT_EQ(DateToStr(value), "05.03.2024 05.03.2024 ");
}

TEST_F(DateTimeTest, DateAndTimeTexts) {
  EXPECT_EQ(DateToStr(EncodeDate(2024, 3, 5)), "2024/03/05");
  EXPECT_EQ(TimeToStr(EncodeTime(7, 8, 9, 0)), "07:08:09");
  EXPECT_EQ(DateTimeToStr(EncodeDate(2024, 3, 5)), "2024/03/05");
  EXPECT_EQ(DateTimeToStr(At(2024, 3, 5, 7, 8, 9)), "2024/03/05 07:08:09");
  // A millisecond is enough to show the time.
  EXPECT_EQ(DateTimeToStr(At(2024, 3, 5, 0, 0, 0, 1)), "2024/03/05 00:00:00");

  FormatSettings().ShortDateFormat = "dd/mm/yyyy";
  FormatSettings().DateSeparator = '.';
  EXPECT_EQ(DateToStr(EncodeDate(2024, 3, 5)), "05.03.2024");
}

// ---- Date texts --------------------------------------------------------------------------

struct ParseCase {
  const char* text;
  bool ok;
  int year, month, day;
};

void ExpectParses(const ParseCase& c) {
  SCOPED_TRACE(testing::Message() << '"' << c.text << '"');
  TDateTime date(-7);
  ASSERT_EQ(TryStrToDate(c.text, date), c.ok);
  if (c.ok) {
    EXPECT_EQ(date, EncodeDate(c.year, c.month, c.day));
    EXPECT_EQ(StrToDate(c.text), date);
  } else {
    EXPECT_EQ(date.Val, -7);
    EXPECT_THROW(StrToDate(c.text), EConvertError);
  }
}

TEST_F(DateTimeTest, ReadsDatesInTheOrderOfTheShortDateFormat) {
  SetFrozenNow(At(2024, 6, 15));
  const ParseCase yearFirst[] = {
      {"2024/03/05", true, 2024, 3, 5},
      {"2024/3/5", true, 2024, 3, 5},
      {" 2024 / 3 / 5 ", true, 2024, 3, 5},
      {"2024/03/05/", true, 2024, 3, 5},
      {"24/3/5", true, 2024, 3, 5},
      {"73/3/5", true, 2073, 3, 5},
      {"74/3/5", true, 1974, 3, 5},
      {"0024/3/5", true, 24, 3, 5},
      {"3/5", true, 2024, 3, 5},
      {"2024/02/30", false, 0, 0, 0},
      {"2024/13/01", false, 0, 0, 0},
      {"2024-03-05", false, 0, 0, 0},
      {"2024/03/05 10:00", false, 0, 0, 0},
      {"2024/03/05x", false, 0, 0, 0},
      {"", false, 0, 0, 0},
      {"2024", false, 0, 0, 0},
      {"2024/", false, 0, 0, 0},
      {"2024/03/", false, 0, 0, 0},
  };
  for (const auto& c : yearFirst) ExpectParses(c);

  FormatSettings().ShortDateFormat = "dd.mm.yyyy";
  FormatSettings().DateSeparator = '.';
  const ParseCase dayFirst[] = {
      {"05.03.2024", true, 2024, 3, 5},
      {"5.3", true, 2024, 3, 5},
      {"31.12.99", true, 1999, 12, 31},
      {"2024/03/05", false, 0, 0, 0},
  };
  for (const auto& c : dayFirst) ExpectParses(c);

  FormatSettings().ShortDateFormat = "m/d/yy";
  FormatSettings().DateSeparator = '/';
  const ParseCase monthFirst[] = {
      {"03/05/2024", true, 2024, 3, 5},
      {"3/5", true, 2024, 3, 5},
      {"13/05/2024", false, 0, 0, 0},
  };
  for (const auto& c : monthFirst) ExpectParses(c);
}

TEST_F(DateTimeTest, InvalidDateMessageQuotesTheText) {
  try {
    StrToDate("2024/02/30");
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, "'2024/02/30' is not a valid date");
  }
}

TEST_F(DateTimeTest, ReadsDatesWithATime) {
  struct Case {
    const char* text;
    bool ok;
    double expected;
  };
  const double day = EncodeDate(2024, 3, 5).Val;
  const Case cases[] = {
      {"2024/03/05", true, day},
      {"2024/03/05 13:04", true, At(2024, 3, 5, 13, 4).Val},
      {"2024/03/05 13:04:09", true, At(2024, 3, 5, 13, 4, 9).Val},
      {"2024/03/05 13:04:09.250", true, At(2024, 3, 5, 13, 4, 9, 250).Val},
      {"2024/03/05 1:04 pm", true, At(2024, 3, 5, 13, 4).Val},
      {"2024/03/05 AM 12:30", true, At(2024, 3, 5, 0, 30).Val},
      {"2024/03/05 13", true, At(2024, 3, 5, 13).Val},
      {"13:04", true, EncodeTime(13, 4, 0, 0).Val},
      {"2024/03/05 25:00", false, 0},
      {"2024/03/05 13 pm", false, 0},
      {"2024/03/05 13:04 later", false, 0},
      {"2024/02/30 13:04", false, 0},
      {"nonsense", false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.text << '"');
    TDateTime value;
    ASSERT_EQ(TryStrToDateTime(c.text, value), c.ok);
    if (c.ok) {
      EXPECT_NEAR(value.Val, c.expected, 1e-9);
    }
  }
  // Before the epoch the time is subtracted, so it stays the magnitude of the fraction.
  TDateTime early;
  ASSERT_TRUE(TryStrToDateTime("1899/12/29 06:00", early));
  EXPECT_DOUBLE_EQ(early.Val, -1.25);
}

}  // namespace
