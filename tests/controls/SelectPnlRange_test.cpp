#include "controls/SelectPnlRange.h"

#include <gtest/gtest.h>

#include "tests/support/ScopedEnv.h"

namespace {

TRangeRules Rules(TValueType type, TDateType dateType = dt_NoneCare) {
  TRangeRules rules;
  rules.ValueType = type;
  rules.DateType = dateType;
  return rules;
}

TDateTime Day(int year, int month, int day) { return EncodeDate(year, month, day); }

}  // namespace

TEST(RangeDates, ReadEachFieldOrder) {
  struct Case {
    TDateType type;
    const char* text;
    TDateTime expected;
  } cases[] = {
      {dt_YYYYMMDD, "2005/02/15", Day(2005, 2, 15)},
      {dt_YYYYMMDD, " 2005 / 2 / 5 ", Day(2005, 2, 5)},
      {dt_YYYYMMDD, "2005/03", Day(2005, 3, 1)},
      {dt_MMDDYYYY, "02/15/2005", Day(2005, 2, 15)},
      {dt_MMDDYYYY, "03/2005", Day(2005, 3, 1)},
      {dt_DDMMYYYY, "15/02/2005", Day(2005, 2, 15)},
      {dt_DDMMYYYY, "03/2005", Day(2005, 3, 1)},
      {dt_YYMMDD, "94/03/01", Day(2005, 3, 1)},
      {dt_YYMMDD, "94/03", Day(2005, 3, 1)},
      {dt_YYYMMDD, "094/03/01", Day(2005, 3, 1)},
      {dt_YYYYMMDD, "2005/13/01", TDateTime()},
      {dt_YYYYMMDD, "2005/02/30", TDateTime()},
      {dt_YYYYMMDD, "2005", TDateTime()},
      {dt_YYYYMMDD, "2005/01/01/01", TDateTime()},
      {dt_YYYYMMDD, "2005/x/01", TDateTime()},
      {dt_YYYYMMDD, "", TDateTime()},
      {dt_YYYYMMDD, "    /  /  ", TDateTime()},
  };
  TRangeRules rules = Rules(vt_Date);
  rules.EmptyMaskText = "    /  /  ";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    rules.DateType = c.type;
    EXPECT_EQ(ParseRangeDate(rules, c.text), c.expected);
  }
}

TEST(RangeDates, OtherSeparatorsAndAnEmptyOne) {
  TRangeRules rules = Rules(vt_Date, dt_YYYYMMDD);
  rules.DateSign = "-";
  EXPECT_EQ(ParseRangeDate(rules, "2005-02-15"), Day(2005, 2, 15));
  EXPECT_EQ(ParseRangeDate(rules, "2005/02/15"), TDateTime());
  // No separator to look for: no date (and no endless search).
  rules.DateSign = "";
  EXPECT_EQ(ParseRangeDate(rules, "2005/02/15"), TDateTime());
}

TEST(RangeOrders, ByValueType) {
  struct Case {
    const char* name;
    TValueType type;
    TDateType dateType;
    const char* begin;
    const char* final;
    bool swap;
  } cases[] = {
      {"strings in the wrong order", vt_String, dt_NoneCare, "B200", "A100", true},
      {"a prefix is smaller", vt_String, dt_NoneCare, "A", "A1", false},
      {"bytes compare unsigned", vt_String, dt_NoneCare, "\xB0\xA1", "A", true},
      {"times as strings", vt_Time, dt_NoneCare, "12:00", "09:30", true},
      {"numbers by value", vt_Number, dt_NoneCare, "10", "9", true},
      {"unreadable number is 0", vt_Number, dt_NoneCare, "x", "5", false},
      {"unreadable final is 0", vt_Number, dt_NoneCare, "5", "x", true},
      {"month without day", vt_Date, dt_YYYYMMDD, "2005/03", "2005/02/15", true},
      {"dates in order", vt_Date, dt_YYYYMMDD, "2005/02/15", "2005/03", false},
      {"era years", vt_Date, dt_YYMMDD, "94/03/01", "94/02/28", true},
      {"three-digit era years", vt_Date, dt_YYYMMDD, "094/03/01", "093/12/31", true},
      {"month day year", vt_Date, dt_MMDDYYYY, "03/2005", "02/15/2005", true},
      {"day month year", vt_Date, dt_DDMMYYYY, "01/03/2005", "28/02/2005", true},
      {"invalid begin is earliest", vt_Date, dt_YYYYMMDD, "2005/13/01", "2004/01/01", false},
      {"invalid final is earliest", vt_Date, dt_YYYYMMDD, "2004/01/01", "2005/13/01", true},
      {"dates without order as strings", vt_Date, dt_NoneCare, "2005/03/01", "2005/02/15", true},
      {"decimals by value", vt_Float, dt_NoneCare, "10.5", "9.75", true},
      {"decimals with zeros", vt_Float, dt_NoneCare, "1.05", "1.5", false},
      {"negative decimals", vt_Float, dt_NoneCare, "-1.5", "-2", true},
      {"a word is not ordered", vt_Float, dt_NoneCare, "abc", "1", false},
      {"other masks never", vt_OtherMask, dt_NoneCare, "B", "A", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RangeOutOfOrder(Rules(c.type, c.dateType), c.begin, c.final), c.swap);
  }
}

TEST(RangeOrders, DatesStayWhenNotAsked) {
  TRangeRules rules = Rules(vt_Date, dt_YYYYMMDD);
  rules.AutoChangeDateSite = false;
  EXPECT_FALSE(RangeOutOfOrder(rules, "2005/03/01", "2004/01/01"));
}

TEST(RangeOrders, EmptyAndDiscardTextsAreNeverSwapped) {
  struct Case {
    TValueType type;
    const char* begin;
    const char* final;
    bool swap;
  } cases[] = {
      {vt_String, "-", "A", false},      {vt_String, " - ", "A", false}, {vt_String, "B", "-", false},
      {vt_String, "    /  /  ", "", false}, {vt_Date, "-", "2005/01/01", false},
      {vt_Number, "-", "-5", true},  // numbers know no empty texts
  };
  TRangeRules rules;
  rules.DateType = dt_YYYYMMDD;
  rules.UseDiscard = true;
  rules.Discard = "-";
  rules.EmptyMaskText = "    /  /  ";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.begin);
    rules.ValueType = c.type;
    EXPECT_EQ(RangeOutOfOrder(rules, c.begin, c.final), c.swap);
  }
  rules.ValueType = vt_String;
  rules.UseDiscard = false;
  EXPECT_TRUE(RangeOutOfOrder(rules, "B", "-"));
}

TEST(RangeDecimals, NormalForms) {
  struct Case {
    const char* text;
    const char* normal;  // nullptr: no decimal
  } cases[] = {
      {"10", "10"},     {" 007.500 ", "7.5"}, {"1.05", "1.05"}, {"3.", "3"},    {".5", "0.5"},
      {"-.5", "-0.5"},  {"-0.0", "0"},        {"+2", "2"},      {"", nullptr},  {".", nullptr},
      {"1.2.3", nullptr}, {"1e5", nullptr},   {"abc", nullptr}, {"- 1", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    AnsiString normal;
    ASSERT_EQ(NormalDecimal(c.text, normal), c.normal != nullptr);
    if (c.normal) {
      EXPECT_EQ(normal, c.normal);
    }
  }
}
