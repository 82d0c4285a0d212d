#include <gtest/gtest.h>

#include "platform/Text.h"
#include "tests/support/ScopedEnv.h"

namespace {

const AnsiString kGbZhong = "\xD6\xD0";    // 中 in GB
const AnsiString kBig5Zhong = "\xA4\xA4";  // 中 in BIG5

TEST(CodePage, SystemCodePageComesFromTheSettingThenTheLocale) {
  struct Case {
    const char* acp;
    const char* lang;
    int expected;
  };
  const Case cases[] = {
      {"950", "zh_CN.GBK", 950}, {nullptr, "zh_CN.GBK", 936}, {nullptr, "zh_TW.Big5", 950},
      {nullptr, "zh_CN", 936},   {nullptr, "C.UTF-8", 1252},  {nullptr, nullptr, 1252},
  };
  ScopedCodePage restore(GetACP());
  for (const auto& c : cases) {
    ScopedEnv acp("PAVANE_ACP", c.acp ? std::optional<std::string>(c.acp) : std::nullopt);
    ScopedEnv all("LC_ALL", std::nullopt);
    ScopedEnv ctype("LC_CTYPE", std::nullopt);
    ScopedEnv lang("LANG", c.lang ? std::optional<std::string>(c.lang) : std::nullopt);
    SetACP(-1);
    EXPECT_EQ(GetACP(), c.expected) << (c.acp ? c.acp : "-") << " " << (c.lang ? c.lang : "-");
  }
}

TEST(CodePage, ConvertsBetweenCodePagesAndWideText) {
  EXPECT_EQ(AnsiToWide(kGbZhong, 936), u"中");
  EXPECT_EQ(AnsiToWide(kBig5Zhong, 950), u"中");
  EXPECT_EQ(WideToAnsi(u"中文", 936), GbText("中文"));
  EXPECT_EQ(WideToAnsi(u"個人", 950), "\xAD\xD3\xA4\x48");
  EXPECT_EQ(WideToAnsi(u"caf\u00e9", 1252), "caf\xE9");
  EXPECT_EQ(Utf8ToWide("\xE4\xB8\xAD"), u"中");
  EXPECT_EQ(WideToUtf8(u"中"), "\xE4\xB8\xAD");
}

TEST(CodePage, SizeQueryThenConversionWithTheTerminator) {
  int size = WideCharToMultiByte(936, u"中a", -1, nullptr, 0);
  ASSERT_EQ(size, 4);  // two bytes, one byte, the NUL
  char buffer[4];
  EXPECT_EQ(WideCharToMultiByte(936, u"中a", -1, buffer, size), 4);
  EXPECT_EQ(std::string(buffer), kGbZhong + "a");
  EXPECT_EQ(WideCharToMultiByte(936, u"中a", -1, buffer, 2), 0) << "a buffer too small fails";
  EXPECT_EQ(MultiByteToWideChar(950, kBig5Zhong.data(), 2, nullptr, 0), 1);
}

TEST(CodePage, UnsupportedCodePageFails) {
  EXPECT_EQ(WideCharToMultiByte(12345, u"a", -1, nullptr, 0), 0);
  EXPECT_EQ(MultiByteToWideChar(12345, "a", 1, nullptr, 0), 0);
  EXPECT_EQ(AnsiToWide("\xC0", 12345), u"");
}

TEST(CodePage, WhatDoesNotConvertIsReplacedNotDropped) {
  EXPECT_EQ(WideToAnsi(u"a\u0E01b", 936), "a?b");
  EXPECT_EQ(WideToAnsi(u"a\xD800" u"b", 936), "a?b") << "a lone surrogate";
  EXPECT_EQ(AnsiToWide("a\xFF" "b", 936), u"a\uFFFDb");
}

TEST(Text, SearchesStartOnCharacterBoundaries) {
  ScopedCodePage gb(936);
  // "\xB5\x5C" is a GB character whose trail byte is a backslash.
  const AnsiString text = "\xB5\\x\\";
  EXPECT_EQ(AnsiPos("\\", text), 4);
  EXPECT_EQ(AnsiPos("\\", text, 1252), 2);
  EXPECT_EQ(AnsiPos("", text), 0);
  EXPECT_EQ(AnsiPos("zz", text), 0);
}

TEST(Text, LetterCaseLeavesTrailBytesAlone) {
  ScopedCodePage gb(936);
  const AnsiString text = "a\xB0\x61z";  // 'a', a character whose trail byte is 'a', 'z'
  EXPECT_EQ(UpperCase(text), "A\xB0\x61Z");
  EXPECT_TRUE(SameText("Abc", "aBC"));
  EXPECT_FALSE(SameText("\xB0\x61", "\xB0\x41"));
}

TEST(Text, TrimAndSubstrings) {
  EXPECT_EQ(Trim(" \t\r\nab c \x01"), "ab c");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a "), "  a");
  EXPECT_EQ(Copy("abcdef", 2, 3), "bcd");
  EXPECT_EQ(Copy("abc", 0, 2), "ab");
  EXPECT_EQ(Copy("abc", 5, 2), "");
  EXPECT_EQ(Copy("abc", 2, 100), "bc");
  AnsiString s = "abcdef";
  Delete(s, 2, 2);
  EXPECT_EQ(s, "adef");
  Delete(s, 10, 1);
  EXPECT_EQ(s, "adef");
  Insert("XY", s, 2);
  EXPECT_EQ(s, "aXYdef");
  Insert("!", s, 99);
  EXPECT_EQ(s, "aXYdef!");
}

TEST(Text, IntegerTexts) {
  struct Case {
    const char* text;
    bool ok;
    int value;
  };
  const Case cases[] = {{"12", true, 12},       {"  -7", true, -7},      {"+3", true, 3},
                        {"$FF", true, 255},     {"0x10", true, 16},      {"$FFFFFFFF", true, -1},
                        {"12 ", false, 0},      {"", false, 0},          {"1.5", false, 0},
                        {"abc", false, 0},      {"2147483648", false, 0}, {"-2147483648", true, -2147483647 - 1}};
  for (const auto& c : cases) {
    int value = 0;
    EXPECT_EQ(TryStrToInt(c.text, value), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
  EXPECT_EQ(StrToIntDef("x", 211), 211);
  EXPECT_THROW(StrToInt("x"), std::exception);
  EXPECT_EQ(IntToHex(255, 4), "00FF");
  EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
}

TEST(Text, FloatTexts) {
  EXPECT_EQ(FloatToStr(1.5), "1.5");
  EXPECT_EQ(FloatToStr(-0.25), "-0.25");
  EXPECT_EQ(FloatToStr(100), "100");
  EXPECT_EQ(FloatToStr(0.1), "0.1");
  EXPECT_EQ(FloatToStr(1e20), "1E20");
  EXPECT_EQ(FloatToStr(1.5e-7), "1.5E-7");
  EXPECT_EQ(FloatToStr(123456789012345.0), "123456789012345");
  double v = 0;
  EXPECT_TRUE(TryStrToFloat(" 2.5e1 ", v));
  EXPECT_EQ(v, 25);
  EXPECT_FALSE(TryStrToFloat("2,5", v));
  EXPECT_FALSE(TryStrToFloat("inf", v));
  EXPECT_FALSE(TryStrToFloat("", v));
}

}  // namespace
