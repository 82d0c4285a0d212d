#include <gtest/gtest.h>

#include "platform/Exceptions.h"
#include "platform/Format.h"
#include "platform/Variant.h"

namespace {

TEST(Format, Directives) {
  EXPECT_EQ(Format("%s-%d", {"a", 5}), "a-5");
  EXPECT_EQ(Format("%.2d", {7}), "07");
  EXPECT_EQ(Format("%.3d", {-7}), "-007");
  EXPECT_EQ(Format("%.2d", {123}), "123");
  EXPECT_EQ(Format("%.4d/%.2d", {2024, 3}), "2024/03");
  EXPECT_EQ(Format("%x", {255}), "ff");
  EXPECT_EQ(Format("%.2x", {10}), "0a");
  EXPECT_EQ(Format("%x", {-1}), "ffffffff");
  EXPECT_EQ(Format("%f", {1.0 / 3}), "0.33");
  EXPECT_EQ(Format("%.3f", {2.5}), "2.500");
  EXPECT_EQ(Format("%e", {1.0}), "1.00000000000000E+000");
  EXPECT_EQ(Format("%n", {1234567.891}), "1,234,567.89");
  EXPECT_EQ(Format("100%%", {}), "100%");
  EXPECT_EQ(Format("[%5s|%-5s]", {"ab", "cd"}), "[   ab|cd   ]");
  EXPECT_EQ(Format("%.2s", {"abcdef"}), "ab");
  EXPECT_EQ(Format("%1:s %0:s", {"a", "b"}), "b a");
  EXPECT_EQ(Format("%*d", {4, 7}), "   7");
  EXPECT_EQ(Format("%s", {'c'}), "c");
}

TEST(Format, TakesWideTextsAndVariants) {
  WideString wide = u"wide";
  Variant number = 42;
  Variant text = "v";
  EXPECT_EQ(Format("%s %d %s", {wide, number, text}), "wide 42 v");
}

TEST(Format, ArgumentsThatDoNotFitRaiseConversionErrors) {
  for (const char* format : {"%d", "%s %s", "%q", "%", "%f"}) {
    EXPECT_THROW(Format(format, {"text"}), EConvertError) << format;
  }
  EXPECT_THROW(Format("%d", {1.5}), EConvertError);
  EXPECT_THROW(Format("%f", {1}), EConvertError);
  try {
    Format("a %d b", {"x"});
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, "Format '%d' invalid or incompatible with argument");
  }
}

TEST(Format, MessagesWithPercentSignsPassThroughAsArguments) {
  EXPECT_EQ(Format("Message %.2d: %s", {1, "50% done"}), "Message 01: 50% done");
}

}  // namespace
