#include "environment/SqlSa.h"

#include <gtest/gtest.h>

#include "platform/Files.h"
#include "tests/environment/TestInstallation.h"

namespace {

class SqlSaTest : public ::testing::Test {
protected:
  ScopedCodePage gb{936};
  FrozenClock clock{EncodeDate(2024, 3, 5) + EncodeTime(9, 7, 5, 0).Val};
  TestInstallation erp{"ServerPath=<root>\r\n"};

  std::string GeneratorLog() const { return erp.read("Log/Alert_QuillERPGenerator_20240305.log"); }
};

TEST_F(SqlSaTest, ScramblesEachByteRotatedByItsPosition) {
  // 'a' is 0x61: rotated right by 1 .. 7 places, then by 0 at the eighth position and by 1 again.
  EXPECT_EQ(EncodeSQLSa("a"), "b0");
  EXPECT_EQ(EncodeSQLSa("aaaaaaaaa"), "b0582c160b85c261b0");
  EXPECT_EQ(EncodeSQLSa("\xFF\x01"), "ff40");
  EXPECT_EQ(EncodeSQLSa("aaaaaaaaa").size(), 18u);
}

TEST_F(SqlSaTest, EmptyPasswordIsScrambledAsTheMarker) {
  EXPECT_EQ(EncodeSQLSa(""), EncodeSQLSa(EmptyPasswordMarker));
  EXPECT_EQ(EncodeSQLSa("").size(), 72u);
  EXPECT_EQ(DecodeSQLSa(EncodeSQLSa("")), "");
}

TEST_F(SqlSaTest, UnscramblingInvertsScrambling) {
  const std::vector<std::string> passwords = {
      "sa", "P@ssw0rd", "12345678", "123456789", "a much longer password of 33 bytes", GbText("口令"),
      std::string("\0\x80\xFF", 3), NeverHasPasswordMarker, PasswordErrorMarker};
  for (const auto& password : passwords) {
    std::string scrambled = EncodeSQLSa(password);
    EXPECT_EQ(scrambled.size(), 2 * password.size()) << password;
    EXPECT_EQ(DecodeSQLSa(scrambled), password) << password;
  }
  EXPECT_FALSE(FileExists(erp.root() + "Log/Alert_QuillERPGenerator_20240305.log"));
}

TEST_F(SqlSaTest, UnscramblingAcceptsUpperCaseAndIgnoresAnOddLastDigit) {
  EXPECT_EQ(DecodeSQLSa("B0582C160B85C261B0"), "aaaaaaaaa");
  EXPECT_EQ(DecodeSQLSa("b0582c160b85c261b07"), "aaaaaaaaa");
  EXPECT_EQ(DecodeSQLSa("7"), "");
  EXPECT_EQ(DecodeSQLSa(""), "");
}

TEST_F(SqlSaTest, TextThatIsNoScrambledPasswordGivesTheMarkerAndOneReport) {
  const std::string header = std::string(34, '-') + " on " + EncodeSQLSa("DecodeSQLSa") + " " + std::string(34, '-');
  for (const char* pair : {"zz", "1 ", " 1", "-1", "+f", "0x", "G0"}) {
    TestInstallation own("ServerPath=<root>\r\n");
    EXPECT_EQ(DecodeSQLSa(std::string("b058") + pair + "2c"), PasswordErrorMarker) << pair;
    const std::string stamp = "[2024/03/05 09:07:05] ";
    EXPECT_EQ(own.read("Log/Alert_QuillERPGenerator_20240305.log"),
              stamp + header + "\r\n" + stamp + GbText("讯息信息:") + "\r\n" + stamp +
                  "Exception is EConvertError\r\nMessage 01: '$" + pair + "' is not a valid integer value\r\n" +
                  stamp + "ErrorMessage Count: 1\r\n" + stamp + "Programer Message: " +
                  GbText("解析 Sa 时发生错误!") + "\r\n")
        << pair;
  }
}

}  // namespace
