#include "lib/DateRules.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/support/ScopedEnv.h"

namespace {

TDateTime Day(int y, int m, int d) { return EncodeDate(y, m, d); }

// ---- Display styles ----------------------------------------------------------------------

struct StyleCase {
  int style;
  AnsiString separator;
  TDateTime date;
  AnsiString full;
  AnsiString yearMonth;
};

TEST(DateStyles, FormatsFullDatesAndYearMonths) {
  const StyleCase cases[] = {
      {1, "/", Day(2024, 3, 5), "2024/03/05", "2024/03"},
      {2, "-", Day(2024, 3, 5), "03-05-2024", "03-2024"},
      {3, ".", Day(2024, 3, 5), "05.03.2024", "03.2024"},
      {4, "/", Day(2024, 3, 5), "113/03/05", "113/03"},
      {5, "/", Day(2024, 3, 5), "113/03/05", "113/03"},
      {4, "/", Day(2005, 3, 5), "94/03/05", "94/03"},
      {5, "/", Day(2005, 3, 5), "094/03/05", "094/03"},
      {1, "", Day(2024, 3, 5), "20240305", "202403"},
      {1, "-/", Day(2024, 3, 5), "2024-03-05", "2024-03"},
      {1, "/", Day(987, 1, 2), "0987/01/02", "0987/01"},
      {0, "/", Day(2024, 3, 5), "", ""},
      {6, "/", Day(2024, 3, 5), "", ""},
      {1, "/", TDateTime(), "", ""},
      {1, "/", TDateTime(-700000), "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << c.style << " '" << c.separator << "' " << c.date.Val);
    EXPECT_EQ(FormatDateByStyle(c.style, c.separator, c.date), c.full);
    EXPECT_EQ(FormatYearMonthByStyle(c.style, c.separator, c.date), c.yearMonth);
  }
}

TEST(DateStyles, DoubleByteSeparatorIsOneCharacter) {
  ScopedCodePage gb(936);
  const AnsiString sep = "\xA3\xAF" "x";  // a full-width slash, then more text
  EXPECT_EQ(FormatDateByStyle(1, sep, Day(2024, 3, 5)), "2024\xA3\xAF" "03\xA3\xAF" "05");
}

struct ParseCase {
  AnsiString text;
  int style;
  AnsiString separator;
  TDateTime expected;
};

TEST(DateStyles, ParsesInTheOrderOfTheStyle) {
  const ParseCase cases[] = {
      {"2024/03/05", 1, "/", Day(2024, 3, 5)},
      {" 2024 / 3 / 5 ", 1, "/", Day(2024, 3, 5)},
      {"03-05-2024", 2, "-", Day(2024, 3, 5)},
      {"05.03.2024", 3, ".", Day(2024, 3, 5)},
      {"113/03/05", 4, "/", Day(2024, 3, 5)},
      {"113/03/05", 5, "/", Day(2024, 3, 5)},
      {"94/03/05", 4, "/", Day(2005, 3, 5)},
      {"2024--03--05", 1, "--", Day(2024, 3, 5)},
      // The day is a count from the month's first day.
      {"2024/2/30", 1, "/", Day(2024, 3, 1)},
      {"2023/2/30", 1, "/", Day(2023, 3, 2)},
      {"2024/1/45", 1, "/", Day(2024, 2, 14)},
      {"2024/03/05/rest", 1, "/", Day(2024, 3, 5)},
      {"2024/13/01", 1, "/", TDateTime()},
      {"2024/0/5", 1, "/", TDateTime()},
      {"2024/3/0", 1, "/", TDateTime()},
      {"0/3/5", 1, "/", TDateTime()},
      {"2024/-3/5", 1, "/", TDateTime()},
      {"2024/3", 1, "/", TDateTime()},
      {"2024/x/5", 1, "/", TDateTime()},
      {"", 1, "/", TDateTime()},
      {"   ", 1, "/", TDateTime()},
      {"2024/03/05", 0, "/", TDateTime()},
      {"2024/03/05", 6, "/", TDateTime()},
      {"2024-03-05", 1, "/", TDateTime()},
      {"2024/03/05", 1, "", TDateTime()},
      {"10000/1/1", 1, "/", TDateTime()},
      {"9999/12/32", 1, "/", TDateTime()},
      {"99999/1/1", 4, "/", TDateTime()},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseDateByStyle(c.text, c.style, c.separator), c.expected)
        << '"' << c.text << "\" style " << c.style << " '" << c.separator << "'";
  }
}

// ---- Ymd texts ---------------------------------------------------------------------------

TEST(YmdTexts, ReadsEightCharactersOnly) {
  struct Case {
    AnsiString ymd;
    TDateTime expected;
  };
  const Case cases[] = {
      {"20240305", Day(2024, 3, 5)}, {"17520101", Day(1752, 1, 1)}, {"2024035", TDateTime()},
      {"202403051", TDateTime()},    {"20240230", TDateTime()},     {"2024ab05", TDateTime()},
      {"00000101", TDateTime()},     {"20240005", TDateTime()},     {"", TDateTime()},
  };
  for (const auto& c : cases) EXPECT_EQ(YmdToDate(c.ymd), c.expected) << '"' << c.ymd << '"';
}

TEST(YmdTexts, ValidityCutsThePiecesWhateverTheLength) {
  struct Case {
    AnsiString ymd;
    bool valid;
  };
  const Case cases[] = {
      {"", true},          {"20240229", true},  {"17530101", true}, {"99991231", true},
      {"17521231", false}, {"20240230", false}, {"20230229", false}, {"2024", false},
      {"abcdefgh", false},
      // Seven digits: the day is the single last digit.
      {"2024023", true},
      // Nine digits: the ninth is never looked at.
      {"202402031", true},
  };
  for (const auto& c : cases) EXPECT_EQ(IsValidYmd(c.ymd), c.valid) << '"' << c.ymd << '"';
}

TEST(YmdTexts, DaysInMonth) {
  struct Case {
    int year, month, days;
  };
  const Case cases[] = {{2024, 2, 29}, {2023, 2, 28}, {1900, 2, 28}, {2000, 2, 29}, {2024, 4, 30},
                        {2024, 1, 31}, {2024, 12, 31}, {2024, 0, 0},  {2024, 13, 0}};
  for (const auto& c : cases) EXPECT_EQ(DaysInMonthOf(c.year, c.month), c.days) << c.year << "-" << c.month;
}

struct AddCase {
  Variant value;
  AnsiString unit;
  int count;
  AnsiString expected;
};

TEST(YmdTexts, AddsYearsMonthsAndDays) {
  const AddCase cases[] = {
      {"20240131", "M", 1, "20240229"},
      {"20230131", "m", 1, "20230228"},
      {"20240315", "M", -3, "20231215"},
      {"20241115", "M", 1, "20241215"},
      {"20241215", "M", 1, "20250115"},
      {"20240115", "M", -1, "20231215"},
      {"20240115", "M", 24, "20260115"},
      {"20240229", "Y", 1, "20240229"},
      {"20240229", "y", 4, "20280229"},
      {"20240305", "Y", -1, "20230305"},
      {"20240301", "D", -1, "20240229"},
      {"20241231", "d", 1, "20250101"},
      {"20240305", "D", 0, "20240305"},
      {Variant(WideString(u"20240305")), "D", 1, "20240306"},
      {Variant(Day(2024, 3, 5)), "D", 1, "20240306"},
      {Variant(TDateTime(Day(2024, 1, 31).Val + 0.75)), "M", 1, "20240229"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AddToYmd(c.value, c.unit, c.count), c.expected)
        << VarToStr(c.value) << " " << c.unit << " " << c.count;
  }
}

TEST(YmdTexts, UnusableValuesAndUnitsGiveAnEmptyText) {
  const AddCase cases[] = {
      {"20240305", "X", 1, ""},
      {"20240305", "", 1, ""},
      {"20240305", "DD", 1, ""},
      {Variant(TDateTime()), "D", 1, ""},
      {Variant(45356), "D", 1, ""},
      {Variant(), "D", 1, ""},
      {Variant::Null(), "D", 1, ""},
      {Variant::ArrayOf({"20240305"}), "D", 1, ""},
      {"2024035", "D", 1, ""},
      {"", "D", 1, ""},
      // Results beyond the calendar are no dates; a month search there must not run for ever.
      {"99991231", "D", 1, ""},
      {"00010101", "D", -1, ""},
      {"99991215", "M", 1, ""},
      {"00010115", "M", -1, ""},
      {"20240305", "M", INT_MAX, ""},
      {"20240305", "M", INT_MIN, ""},
      {"20240305", "D", INT_MIN, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AddToYmd(c.value, c.unit, c.count), c.expected)
        << VarTypeName(c.value.Type()) << " " << c.unit << " " << c.count;
  }
  // A year that leaves the calendar leaves the date as it was, like a missing 29 February.
  EXPECT_EQ(AddToYmd("20240305", "Y", 8000), "20240305");
}

// ---- Relative dates ----------------------------------------------------------------------

TEST(RelativeDates, WeekEdges) {
  struct Case {
    AnsiString ymd;
    int weeks;
    AnsiString which;
    AnsiString expected;
  };
  // 3 March 2024 is a Sunday, 9 March a Saturday.
  const Case cases[] = {
      {"20240303", 0, "1", "20240303"}, {"20240309", 0, "2", "20240309"}, {"20240305", 0, "1", "20240303"},
      {"20240305", 0, "2", "20240309"}, {"20240305", 1, "1", "20240310"}, {"20240305", -1, "x", "20240302"},
      {"20240309", 0, "1", "20240303"}, {"", 0, "1", ""},                 {"99991231", 1, "1", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WeekEdge(c.ymd, c.weeks, c.which), c.expected) << c.ymd << " " << c.weeks << " " << c.which;
  }
}

TEST(RelativeDates, ShiftsByMonthsWeeksAndDays) {
  struct Case {
    AnsiString base;
    int count;
    AnsiString monthMode, edge;
    int days;
    AnsiString expected;
  };
  const Case cases[] = {
      // Year-month bases move by months whatever the other fields say.
      {"202403", 1, "1", "0", 0, "202404"},
      {"202412", 1, "0", "2", 9, "202501"},
      {"202403", -3, "1", "0", 0, "202312"},
      // Months, then days or an edge of the month.
      {"20240131", 1, "1", "0", 0, "20240229"},
      {"20240131", 1, "1", "0", 2, "20240302"},
      {"20240315", 1, "1", "1", 0, "20240401"},
      {"20240115", 1, "1", "2", 0, "20240229"},
      {"20240115", -1, "M", "2", 0, "20231231"},
      {"20240115", 1, "1", "9", 5, "20240215"},
      // Weeks and days, or an edge of the week.
      {"20240305", 1, "0", "0", 2, "20240314"},
      {"20240305", -2, "0", "0", 0, "20240220"},
      {"20240305", 1, "0", "1", 0, "20240310"},
      {"20240305", 0, "0", "2", 0, "20240309"},
      // Unusable bases.
      {"2024", 1, "1", "0", 0, ""},
      {"", 1, "1", "0", 0, ""},
      {"2024031", 1, "1", "0", 0, ""},
      {"99991215", 1, "1", "1", 0, ""},
      {"99991215", 1, "1", "2", 0, ""},
      {"20240305", INT_MAX, "0", "0", INT_MAX, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShiftYmd(c.base, c.count, c.monthMode, c.edge, c.days), c.expected)
        << c.base << " " << c.count << " " << c.monthMode << " " << c.edge << " " << c.days;
  }
}

// ---- Next run date -----------------------------------------------------------------------

Variant Rule(int kind, std::initializer_list<Variant> details) {
  return Variant::ArrayOf({kind, Variant::ArrayOf(details)});
}

struct RunCase {
  const char* what;
  AnsiString ymd;
  Variant rule;
  AnsiString expected;
};

TEST(NextRunDate, FindsTheFirstRunOnOrAfterTheDay) {
  // 4 March 2024 is a Monday, 6 March a Wednesday.
  const RunCase cases[] = {
      {"daily", "20240306", Variant::ArrayOf({0}), "20240306"},
      {"weekly Monday from a Wednesday", "20240306", Rule(1, {1, 1}), "20240311"},
      {"weekly Monday from a Monday", "20240304", Rule(1, {1, 1}), "20240304"},
      {"every 2 weeks Monday from a Monday", "20240304", Rule(1, {2, 1}), "20240311"},
      {"every 2 weeks Friday from a Wednesday", "20240306", Rule(1, {2, 5}), "20240315"},
      {"weekly Sunday from a Wednesday", "20240306", Rule(1, {1, 0}), "20240310"},
      {"weekly, numbers as texts", "20240306", Variant::ArrayOf({"1", Variant::ArrayOf({"1", "1"})}), "20240311"},
      {"day 31 from 15 April", "20240415", Rule(2, {0, 1, 31}), "20240430"},
      {"day 10 from 15 April", "20240415", Rule(2, {0, 1, 10}), "20240510"},
      {"day 15 from 15 April", "20240415", Rule(2, {0, 1, 15}), "20240415"},
      {"day 30 from 31 January", "20240131", Rule(2, {0, 1, 30}), "20240229"},
      {"day 5 every 3 months", "20240115", Rule(2, {0, 3, 5}), "20240405"},
      {"last Friday after March's", "20240330", Rule(2, {1, 1, 4, 5}), "20240426"},
      {"last Friday on March's", "20240329", Rule(2, {1, 1, 4, 5}), "20240329"},
      {"first Monday", "20240301", Rule(2, {1, 1, 0, 1}), "20240304"},
      {"first Friday on the 1st", "20240301", Rule(2, {1, 1, 0, 5}), "20240301"},
      {"second Tuesday", "20240301", Rule(2, {1, 1, 1, 2}), "20240312"},
      {"fourth Thursday", "20241101", Rule(2, {1, 1, 3, 4}), "20241128"},
      {"third Wednesday every 2 months", "20240320", Rule(2, {1, 2, 2, 3}), "20240417"},
      {"last Sunday into the next year", "20241231", Rule(2, {1, 1, 4, 0}), "20250126"},
  };
  for (const auto& c : cases) EXPECT_EQ(NextRunDate(c.ymd, c.rule), c.expected) << c.what;
}

TEST(NextRunDate, RulesOutsideTheContractGiveAnEmptyText) {
  Variant twoDimensional = Variant::CreateArray({{0, 1}, {0, 1}});
  const RunCase cases[] = {
      // These would loop for ever: no pass ever reaches a later month.
      {"by weekday, 0 months", "20240330", Rule(2, {1, 0, 4, 5}), ""},
      {"by weekday, -1 months", "20240330", Rule(2, {1, -1, 0, 5}), ""},
      {"occurrence 5", "20240301", Rule(2, {1, 1, 5, 1}), ""},
      {"occurrence -1", "20240301", Rule(2, {1, 1, -1, 1}), ""},
      {"by day, 0 months", "20240415", Rule(2, {0, 0, 10}), ""},
      {"day 0", "20240415", Rule(2, {0, 1, 0}), ""},
      {"day 32", "20240415", Rule(2, {0, 1, 32}), ""},
      {"weekday 7", "20240301", Rule(2, {1, 1, 0, 7}), ""},
      {"weekly, 0 weeks", "20240306", Rule(1, {0, 1}), ""},
      {"weekly, weekday -1", "20240306", Rule(1, {1, -1}), ""},
      {"mode 2", "20240301", Rule(2, {2, 1, 1, 1}), ""},
      {"kind 3", "20240301", Rule(3, {1, 1}), ""},
      {"kind -1", "20240301", Rule(-1, {1, 1}), ""},
      // Missing parts and wrong types.
      {"no rule", "20240301", Variant(), ""},
      {"a number for a rule", "20240301", Variant(2), ""},
      {"empty rule", "20240301", Variant::ArrayOf({}), ""},
      {"no details", "20240301", Variant::ArrayOf({2}), ""},
      {"details not an array", "20240301", Variant::ArrayOf({1, "1,1"}), ""},
      {"weekly without weekday", "20240301", Rule(1, {1}), ""},
      {"by day without day", "20240301", Rule(2, {0, 1}), ""},
      {"by weekday without weekday", "20240301", Rule(2, {1, 1, 0}), ""},
      {"empty months", "20240301", Rule(2, {0, Variant(), 1}), ""},
      {"null kind", "20240301", Variant::ArrayOf({Variant::Null(), Variant::ArrayOf({1, 1})}), ""},
      {"text weeks", "20240301", Rule(1, {"two", 1}), ""},
      {"array weeks", "20240301", Rule(1, {Variant::ArrayOf({1}), 1}), ""},
      {"two-dimensional rule", "20240301", twoDimensional, ""},
      // Days that are no dates, and runs beyond the calendar.
      {"seven-digit day", "2024030", Rule(1, {1, 1}), ""},
      {"empty day, daily", "", Variant::ArrayOf({0}), ""},
      {"February 30th", "20240230", Rule(2, {0, 1, 1}), ""},
      {"weekly past 9999", "99991231", Rule(1, {1, 0}), ""},
      {"monthly past 9999", "99991215", Rule(2, {0, 1, 10}), ""},
      {"by weekday past 9999", "99991231", Rule(2, {1, 1, 0, 1}), ""},
  };
  for (const auto& c : cases) EXPECT_EQ(NextRunDate(c.ymd, c.rule), c.expected) << c.what;
}

// ---- Re-dating a periodic job ------------------------------------------------------------

AnsiString Entry(std::initializer_list<const char*> fields) {
  AnsiString text;
  for (const char* f : fields) text += AnsiString(f) + "\x03";
  return text;
}

// A counted array: element 0 the number of entries, then the entries.
Variant Entries(std::initializer_list<AnsiString> entries) {
  const int count = static_cast<int>(entries.size());
  Variant array = Variant::CreateArray({{0, count}});
  array[0] = count;
  int i = 1;
  for (const auto& e : entries) array[i++] = e;
  return array;
}

Variant Setting(const Variant& values, const Variant& entries) {
  return Variant::ArrayOf({Variant(), values, Variant::ArrayOf({}), entries});
}

TEST(ApplyRelativeDates, RedatesSingleAndRangeValues) {
  // Values: 0 a text, 1 "from the first of last month", 2 a range "last month", 3 a year-month,
  // 4 a fixed date.
  Variant values = Variant::ArrayOf({"keep", "20240101", Variant::ArrayOf({"range", "20240101", "20240131"}),
                                     "202401", "20240101"});
  Variant entries = Entries({
      Entry({"1", "BeginDate", "Y", "-1", "1", "1", "0", "D", "1"}),
      Entry({"0", "Period", "Y", "-1", "1", "1", "0", "Y", "-1", "1", "2", "0", "D", "2"}),
      Entry({"1", "Month", "Y", "0", "0", "0", "0", "M", "3"}),
      Entry({"1", "Fixed", "N", "-1", "1", "1", "0", "D", "4"}),
  });
  const Variant setting = Setting(values, entries);

  Variant result = ApplyRelativeDates(setting, "20240315");

  ASSERT_TRUE(VarIsArray(result));
  EXPECT_EQ(result[0].AsString(), "keep");
  EXPECT_EQ(result[1].AsString(), "20240201");
  ASSERT_TRUE(VarIsArray(result[2]));
  EXPECT_EQ(result[2][0].AsString(), "range");
  EXPECT_EQ(result[2][1].AsString(), "20240201");
  EXPECT_EQ(result[2][2].AsString(), "20240229");
  EXPECT_EQ(result[3].AsString(), "202403");
  EXPECT_EQ(result[4].AsString(), "20240101");
  // The caller's values are left as they were.
  EXPECT_EQ(setting[1][1].AsString(), "20240101");
  EXPECT_EQ(setting[1][2][2].AsString(), "20240131");
}

TEST(ApplyRelativeDates, RangeEndsMoveOnlyWhenRelative) {
  Variant values = Variant::ArrayOf({Variant::ArrayOf({Variant(), "20240101", "20240131"})});
  Variant entries = Entries({
      Entry({"0", "Period", "Y", "0", "0", "0", "0", "N", "1", "1", "2", "0", "D", "0"}),
  });
  Variant result = ApplyRelativeDates(Setting(values, entries), "20240315");
  ASSERT_TRUE(VarIsArray(result));
  EXPECT_EQ(result[0][1].AsString(), "20240315");
  EXPECT_EQ(result[0][2].AsString(), "20240131");
}

TEST(ApplyRelativeDates, WeeksOnAYearMonthBaseMoveByMonths) {
  Variant values = Variant::ArrayOf({"202401"});
  Variant entries = Entries({Entry({"1", "Month", "Y", "2", "0", "1", "0", "M", "0"})});
  Variant result = ApplyRelativeDates(Setting(values, entries), "20240315");
  ASSERT_TRUE(VarIsArray(result));
  EXPECT_EQ(result[0].AsString(), "202405");
}

TEST(ApplyRelativeDates, NoEntriesLeaveTheValues) {
  Variant values = Variant::ArrayOf({"20240101"});
  Variant result = ApplyRelativeDates(Setting(values, Entries({})), "20240315");
  ASSERT_TRUE(VarIsArray(result));
  EXPECT_EQ(result[0].AsString(), "20240101");
}

TEST(ApplyRelativeDates, UnusableSettingsGiveAnEmptyText) {
  const Variant values = Variant::ArrayOf({"20240101", Variant::ArrayOf({Variant(), "20240101", "20240131"})});
  const AnsiString single = Entry({"1", "D1", "Y", "1", "0", "0", "0", "D", "0"});
  Variant tooFewEntries = Entries({single});
  tooFewEntries[0] = 2;
  Variant arrayEntry = Entries({single});
  arrayEntry[1] = Variant::ArrayOf({single});
  struct Case {
    const char* what;
    Variant setting;
  };
  const Case cases[] = {
      {"no setting", Variant()},
      {"a text for a setting", Variant("setting")},
      {"no values or entries", Variant::ArrayOf({Variant()})},
      {"no entries", Variant::ArrayOf({Variant(), values})},
      {"entries not an array", Setting(values, Variant("1"))},
      {"fewer entries than counted", Setting(values, tooFewEntries)},
      {"entry that is an array", Setting(values, arrayEntry)},
      {"index beyond the values", Setting(values, Entries({Entry({"1", "D1", "Y", "1", "0", "0", "0", "D", "7"})}))},
      {"index not a number", Setting(values, Entries({Entry({"1", "D1", "Y", "1", "0", "0", "0", "D", "x"})}))},
      {"no index", Setting(values, Entries({Entry({"1", "D1", "Y"})}))},
      {"count not a number", Setting(values, Entries({Entry({"1", "D1", "Y", "one", "0", "0", "0", "D", "0"})}))},
      {"days not a number", Setting(values, Entries({Entry({"1", "D1", "Y", "1", "0", "0", "", "D", "0"})}))},
      {"range over a single value",
       Setting(values, Entries({Entry({"0", "P", "Y", "1", "0", "0", "0", "Y", "1", "0", "0", "0", "D", "0"})}))},
      {"values not an array", Setting(Variant("20240101"), Entries({single}))},
  };
  for (const auto& c : cases) {
    Variant result = ApplyRelativeDates(c.setting, "20240315");
    EXPECT_TRUE(VarIsStr(result)) << c.what;
    EXPECT_EQ(VarToStr(result), "") << c.what;
  }
}

}  // namespace
