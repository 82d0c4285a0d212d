#include "environment/ExceptionReport.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/environment/TestInstallation.h"

namespace {

const std::string kStamp = "[2024/03/05 09:07:05] ";
const std::string kDashes(34, '-');

std::string Lines(std::initializer_list<std::string> entries) {
  std::string text;
  for (const auto& entry : entries) text += kStamp + entry + "\r\n";
  return text;
}

class ExceptionReportTest : public ::testing::Test {
protected:
  ScopedCodePage gb{936};
  FrozenClock clock{EncodeDate(2024, 3, 5) + EncodeTime(9, 7, 5, 0).Val};
  TestInstallation erp{"ClientPath=<root>\r\n"};

  std::string Log() const { return erp.read("Log/Alert_QuillERPGenerator_20240305.log"); }
};

TEST_F(ExceptionReportTest, WithoutExceptionOnlyTheHeaderIsWritten) {
  WriteExceptionReport(nullptr, "", "");
  WriteExceptionReport(nullptr, " \t", "  ");
  EXPECT_EQ(Log(), Lines({std::string(68, '-'), std::string(68, '-')}));
}

TEST_F(ExceptionReportTest, EveryKindOfExceptionIsReported) {
  const std::string info = GbText("讯息信息:");
  struct Case {
    std::shared_ptr<Exception> error;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {std::make_shared<EDBEngineError>("Engine", std::vector<TDBError>{{13059, "Table busy"}, {8708, "100% full"}}),
       Lines({kDashes + kDashes, info, "EDBEngineError Error 01: Code: 13059, Message: Table busy",
              "EDBEngineError Error 02: Code: 8708, Message: 100% full", "ErrorMessage Count: 2"})},
      {std::make_shared<EDBEngineError>("Engine", std::vector<TDBError>{}),
       Lines({kDashes + kDashes, info, "ErrorMessage Count: 0"})},
      {std::make_shared<EWin32Error>("Access is denied", 5),
       Lines({kDashes + kDashes, info, "EWin32Error Error 01: Code: 5, Message: Access is denied",
              "ErrorMessage Count: 1"})},
      {std::make_shared<EInOutError>("No space left %d", 28),
       Lines({kDashes + kDashes, info, "EInOutError Error 01: Code: 28, Message: No space left %d",
              "ErrorMessage Count: 1"})},
      {std::make_shared<EConvertError>("'$zz' is 100% %s wrong"),
       Lines({kDashes + kDashes, info, "Exception is EConvertError\r\nMessage 01: '$zz' is 100% %s wrong",
              "ErrorMessage Count: 1"})},
      {std::make_shared<Exception>(""), Lines({kDashes + kDashes, info, "Exception is Exception\r\nMessage 01: ",
                                               "ErrorMessage Count: 1"})},
  };
  for (const auto& c : cases) {
    TestInstallation own("ClientPath=<root>\r\n");
    WriteExceptionReport(c.error.get(), "", "");
    EXPECT_EQ(own.read("Log/Alert_QuillERPGenerator_20240305.log"), c.expected) << c.error->ClassName();
  }
}

TEST_F(ExceptionReportTest, WhereAndProgrammerMessageFrameTheReport) {
  const std::string where = GbText("打开方案");
  const std::string note = GbText("解析 Sa 时发生错误!");
  EInOutError error("Disk full", 28);
  WriteExceptionReport(&error, where, note);
  WriteExceptionReport(nullptr, "Open 100%", "50% done");
  EXPECT_EQ(Log(), Lines({kDashes + " on " + where + " " + kDashes, GbText("讯息信息:"),
                          "EInOutError Error 01: Code: 28, Message: Disk full", "ErrorMessage Count: 1",
                          "Programer Message: " + note, kDashes + " on Open 100% " + kDashes,
                          "Programer Message: 50% done"}));
}

}  // namespace
