#include <gtest/gtest.h>

#include <filesystem>

#include "lib/LibStrs.h"
#include "platform/FormatSettings.h"
#include "platform/Files.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

namespace {

const AnsiString kSep3 = "\x03";

TEST(DelimitedFields, FieldsByIndex) {
  struct Case {
    AnsiString text;
    AnsiString delim;
    int index;
    AnsiString field;
  };
  const AnsiString three = "a" + kSep3 + "b" + kSep3 + "c";
  const Case cases[] = {
      {three, kSep3, 1, "a"},   {three, kSep3, 3, "c"},  {three, kSep3, 4, ""},   {three, kSep3, 0, ""},
      {"abc", ",", 1, "abc"},   {"a,b", ",", 2, "b"},    {"a,b", ",", 3, ""},     {"a,", ",", 2, ""},
      {"", ",", 1, ""},         {"a,,c", ",", 2, ""},    {"a,,c", ",", 3, "c"},   {"x\r\ny", "\r\n", 2, "y"},
      {"a;;b", ";;", 2, "b"},   {"a,b", ",", -1, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(GetDelimitedField(c.text, c.delim, c.index), c.field) << c.text << " " << c.index;
}

TEST(DelimitedFields, DelimitersInsideDoubleByteCharactersAreNotFields) {
  ScopedCodePage gb(936);
  // The GB character B5 5C carries a backslash as its trail byte.
  const AnsiString text = "\xB5\\" "a\\b";
  EXPECT_EQ(GetDelimitedField(text, "\\", 1), "\xB5\\" "a");
  EXPECT_EQ(GetDelimitedField(text, "\\", 2), "b");
  EXPECT_EQ(CountDelimitedFields(text, "\\"), 2);
}

TEST(DelimitedFields, Counting) {
  EXPECT_EQ(CountDelimitedFields("", ","), 0);
  EXPECT_EQ(CountDelimitedFields(",", ","), 2);
  EXPECT_EQ(CountDelimitedFields("a,,c,d", ","), 4);
  EXPECT_EQ(CountDelimitedFields("abc", ","), 1);
  EXPECT_EQ(CountDelimitedFields("a#b#c", "#"), 3);
  EXPECT_EQ(CountDelimitedFields("a;;b;;", ";;"), 3);
}

TEST(DelimitedFields, SplitOff) {
  AnsiString text = "head;rest;more";
  AnsiString head;
  SplitOff(text, ";", head);
  EXPECT_EQ(head, "head");
  EXPECT_EQ(text, "rest;more");
  text = "alone";
  SplitOff(text, ";", head);
  EXPECT_EQ(head, "alone");
  EXPECT_EQ(text, "");
  text = "2024//02";
  SplitOff(text, "//", head);
  EXPECT_EQ(head, "2024");
  EXPECT_EQ(text, "02");
}

TEST(ReplaceAllText, ReplacesEveryOccurrence) {
  EXPECT_EQ(ReplaceAllText("a;;b;c", ";", "", false), "abc");
  EXPECT_EQ(ReplaceAllText("l1\r\nl2\r\n", "\r\n", "", false), "l1l2");
  EXPECT_EQ(ReplaceAllText("xax", "a", "A", false), "xax") << "equal ignoring case: nothing replaced";
  EXPECT_EQ(ReplaceAllText("abc", "B", "x", false), "abc") << "the search is case-sensitive";
  EXPECT_EQ(ReplaceAllText("  ab  ", "z", "", true), "ab");
  EXPECT_EQ(ReplaceAllText(" a-b ", "-", "+", true), "a+b");
}

TEST(ReplaceAllText, AReplacementHoldingTheTargetEndsInsteadOfGrowingForEver) {
  EXPECT_EQ(ReplaceAllText("a.b", ".", "..", false), "a.b");
  EXPECT_EQ(ReplaceAllText("a.b", "", "x", false), "a.b");
}

TEST(VariantHelpers, ChoiceAndBlankness) {
  EXPECT_EQ(VarIif(true, 1, "no").AsInteger(), 1);
  EXPECT_EQ(VarIif(false, 1, "no").AsString(), "no");
  EXPECT_TRUE(VarIsBlank(Variant()));
  EXPECT_TRUE(VarIsBlank(Variant::Null()));
  EXPECT_FALSE(VarIsBlank(Variant("")));
  EXPECT_FALSE(VarIsBlank(Variant(0)));
}

TEST(IsLocalAddress, OnlyTheLoopbackAddressWrittenExactly) {
  EXPECT_TRUE(IsLocalAddress("127.0.0.1"));
  EXPECT_FALSE(IsLocalAddress("localhost"));
  EXPECT_FALSE(IsLocalAddress("127.0.0.1 "));
}

TEST(GetTempDirectory, LongNameWithTrailingSeparator) {
  TempFolder folder;
  std::filesystem::create_directory(folder.path() + "real");
  std::filesystem::create_directory_symlink(folder.path() + "real", folder.path() + "link");
  {
    ScopedEnv tmp("TMPDIR", folder.path() + "link");
    EXPECT_EQ(GetTempDirectory(), GetLongPathName(folder.path() + "real") + "/");
  }
  ScopedEnv missing("TMPDIR", folder.path() + "missing");
  EXPECT_EQ(GetTempDirectory(), "");
}

TEST(CodePageTexts, ExplicitCodePagesWithFallback) {
  ScopedCodePage gb(936);
  EXPECT_EQ(WideToAnsiCP(u"個人資料", 950), "\xAD\xD3\xA4\x48\xB8\xEA\xAE\xC6");
  EXPECT_EQ(WideToAnsiCP(u"个人", 936), GbText("个人"));
  EXPECT_EQ(WideToAnsiCP(u"个人", 4242), GbText("个人")) << "an invalid code page falls back to the system's";
  EXPECT_EQ(WideToAnsiCP(u"", 950), "");
  EXPECT_EQ(AnsiToWideCP("\xAD\xD3\xA4\x48", 950), u"個人");
  EXPECT_EQ(AnsiToWideCP(GbText("个人"), 4242), u"个人");
  EXPECT_EQ(AnsiToWideCP("", 950), u"");
}

TEST(CodePageVariants, WideToAnsiWalksNestedArrays) {
  Variant v = Variant::ArrayOf({Variant(u"中"), 5, Variant::ArrayOf({Variant(u"個"), 2.5})});
  Variant out = VarWideToAnsiCP(v, 950);
  EXPECT_EQ(out[0].Type(), varString);
  EXPECT_EQ(out[0].AsString(), "\xA4\xA4");
  EXPECT_EQ(out[1].Type(), varInteger);
  EXPECT_EQ(out[2][0].AsString(), "\xAD\xD3");
  EXPECT_EQ(out[2][1].Type(), varDouble);
  EXPECT_EQ(v[0].Type(), varOleStr) << "the argument stays";
  EXPECT_EQ(VarWideToAnsiCP(Variant(u"中"), 936).AsString(), "\xD6\xD0");
  EXPECT_TRUE(VarWideToAnsiCP(Variant::Null(), 936).IsNull());
}

TEST(CodePageVariants, TwoDimensionsElementByElement) {
  Variant grid = Variant::CreateArray({{0, 1}, {0, 1}});
  grid.GetElement({1, 1}) = u"中";
  grid.GetElement({0, 1}) = 7;
  Variant out = VarWideToAnsiCP(grid, 936);
  EXPECT_EQ(out.GetElement({1, 1}).AsString(), "\xD6\xD0");
  EXPECT_EQ(out.GetElement({0, 1}).AsInteger(), 7);
}

TEST(CodePageVariants, AnsiToWideConvertsEveryTextInsideArrays) {
  ScopedCodePage gb(936);
  Variant v = Variant::ArrayOf({AnsiString("\xA4\xA4"), 1, Variant::ArrayOf({AnsiString("\xAD\xD3")})});
  Variant out = VarAnsiToWideCP(v, 950);
  EXPECT_EQ(out[0].Type(), varOleStr);
  EXPECT_EQ(out[0].AsWideString(), u"中");
  EXPECT_EQ(out[1].Type(), varInteger);
  EXPECT_EQ(out[2][0].AsWideString(), u"個");
  EXPECT_EQ(VarAnsiToWideCP(Variant(AnsiString("\xA4\xA4")), 950).AsWideString(), u"中");
}

TEST(CodePageVariants, OtherDimensionCountsStayUnchanged) {
  Variant cube = Variant::CreateArray({{0, 0}, {0, 0}, {0, 0}});
  cube.GetElement({0, 0, 0}) = u"中";
  Variant out = VarWideToAnsiCP(cube, 936);
  EXPECT_EQ(out.GetElement({0, 0, 0}).Type(), varOleStr);
}

TEST(JoinRecordFields, PrefixCountAndValues) {
  Variant values = Variant::ArrayOf({2, "a", "b"});
  EXPECT_EQ(JoinRecordFields("P", values), u"P\x03" u"2\x03" u"a\x03" u"b\x03");
  EXPECT_EQ(JoinRecordFields("", Variant::ArrayOf({0})), u"\x03" u"0\x03");
}

TEST(LocalizedButtonCaption, ExactNamesOnly) {
  EXPECT_EQ(LocalizedButtonCaption("Yes"), GbText("是(&Y)"));
  EXPECT_EQ(LocalizedButtonCaption("NoToAll"), GbText("全否(&o)"));
  EXPECT_EQ(LocalizedButtonCaption("Help"), GbText("帮助(&H)"));
  EXPECT_EQ(LocalizedButtonCaption("OK"), GbText("确定"));
  EXPECT_EQ(LocalizedButtonCaption("yes"), "yes");
  EXPECT_EQ(LocalizedButtonCaption("Close"), "Close");
}

TEST(StrToFloatOr, LanguageNeutralNumbersOnly) {
  FormatSettings().DecimalSeparator = ',';
  EXPECT_DOUBLE_EQ(StrToFloatOr("1.5", -1), 1.5);
  EXPECT_DOUBLE_EQ(StrToFloatOr("1,5", -1), -1);
  FormatSettings().DecimalSeparator = '.';
  EXPECT_DOUBLE_EQ(StrToFloatOr("  -2e3", 0), -2000);
  EXPECT_DOUBLE_EQ(StrToFloatOr("+4", 0), 4);
  for (const char* bad : {"", "1.5 ", "abc", "1,000", "inf", "0x10", "-", "."}) EXPECT_DOUBLE_EQ(StrToFloatOr(bad, 9), 9) << bad;
}

}  // namespace
