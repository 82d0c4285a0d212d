#include "environment/AlertLog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/Files.h"
#include "tests/environment/TestInstallation.h"

namespace {

// 5 March 2024, 09:07:05.042
TDateTime Moment() { return EncodeDate(2024, 3, 5) + EncodeTime(9, 7, 5, 42).Val; }

class AlertLogTest : public ::testing::Test {
protected:
  ScopedCodePage gb{936};
  FrozenClock clock{Moment()};
};

TEST_F(AlertLogTest, AlertLinesGoToTheInstallationsLogFolder) {
  TestInstallation erp("ClientPath=<root>client\r\nServerPath=<root>server/\r\n");
  EXPECT_TRUE(WriteAlertLog("libstrs", "LINE[2735] first", "D"));
  EXPECT_TRUE(WriteAlertLog("libstrs", "second\r\nwith 100% kept", "D"));
  EXPECT_EQ(erp.read("client/Log/Alert_libstrs_20240305.log"),
            "[2024/03/05 09:07:05:042] LINE[2735] first\r\n"
            "[2024/03/05 09:07:05:042] second\r\nwith 100% kept\r\n");
}

TEST_F(AlertLogTest, PeriodAndNameMakeTheFileName) {
  struct Case {
    const char* name;
    const char* period;
    const char* file;
  };
  const std::vector<Case> cases = {
      {"libstrs", "D", "Alert_libstrs_20240305.log"}, {"libstrs", "M", "Alert_libstrs_202403.log"},
      {"libstrs", "Y", "Alert_libstrs_2024.log"},     {"libstrs", "m", "Alert_libstrs_20240305.log"},
      {"libstrs", "", "Alert_libstrs_20240305.log"},  {"my.unit", "D", "Alert_my.unit_20240305"},
  };
  for (const auto& c : cases) {
    TestInstallation erp("ClientPath=<root>\r\n");
    ASSERT_TRUE(WriteAlertLog(c.name, "x", c.period)) << c.file;
    EXPECT_EQ(erp.read(std::string("Log/") + c.file), "[2024/03/05 09:07:05:042] x\r\n") << c.file;
  }
}

TEST_F(AlertLogTest, ServerPathServesWhenClientPathIsEmpty) {
  TestInstallation erp("ClientPath=\r\nServerPath=<root>server\r\n");
  EXPECT_TRUE(WriteAlertLog("libstrs", "x", "D"));
  EXPECT_TRUE(FileExists(erp.root() + "server/Log/Alert_libstrs_20240305.log"));
  EXPECT_EQ(GetLogRoot(), erp.root() + "server");
}

// Writes below the test program's own folder; removes what it wrote.
class HostProgramLog {
public:
  explicit HostProgramLog(const std::string& name) : file_(GetHostProgramFolder() + "Log/Alert_" + name + "_20240305.log") {
    std::filesystem::remove(file_);
  }
  ~HostProgramLog() {
    std::error_code ignored;
    std::filesystem::remove(file_, ignored);
  }
  std::string read() const {
    std::ifstream in(file_, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
  }

private:
  std::string file_;
};

TEST_F(AlertLogTest, WithoutTheRegistryKeyAlertsGoNextToTheHostProgram) {
  TestInstallation erp(std::nullopt);
  HostProgramLog log("AlertLogTest_NoKey");
  EXPECT_TRUE(WriteAlertLog("AlertLogTest_NoKey", "x", "D"));
  EXPECT_EQ(log.read(), "[2024/03/05 09:07:05:042] x\r\n");
}

TEST_F(AlertLogTest, UpdateLogsAlwaysGoNextToTheHostProgram) {
  TestInstallation erp("ClientPath=<root>\r\n");
  HostProgramLog log("AlertLogTest_Update");
  EXPECT_TRUE(WriteUpdateLog("AlertLogTest_Update", "Read Upgrader Registry Error", "D"));
  EXPECT_EQ(log.read(), "[2024/03/05 09:07:05:042] Read Upgrader Registry Error\r\n");
  EXPECT_FALSE(DirectoryExists(erp.root() + "Log"));
}

TEST_F(AlertLogTest, GeneratorLogUsesTheRegionalFormatsAndTheDailyFile) {
  TestInstallation erp("ServerPath=<root>\r\n");
  EXPECT_TRUE(WriteGeneratorLog("report line"));
  EXPECT_EQ(erp.read("Log/Alert_QuillERPGenerator_20240305.log"), "[2024/03/05 09:07:05] report line\r\n");
}

TEST_F(AlertLogTest, WithoutTheRegistryKeyTheGeneratorLogGoesToTheTemporaryFolder) {
  TestInstallation erp(std::nullopt);
  TempFolder temp;
  ScopedEnv tmp("TMPDIR", temp.path());
  EXPECT_EQ(GetLogRoot(), temp.path());
  EXPECT_TRUE(WriteGeneratorLog("x"));
  EXPECT_EQ(temp.read("Log/Alert_QuillERPGenerator_20240305.log"), "[2024/03/05 09:07:05] x\r\n");
  ScopedEnv noTmp("TMPDIR", std::nullopt);
  EXPECT_EQ(GetLogRoot(), "/tmp/");
}

TEST_F(AlertLogTest, UnwritableLogsGiveFalse) {
  TestInstallation erp("ClientPath=<root>\r\n");
  erp.write("Log", "a file where the folder belongs");
  EXPECT_FALSE(WriteAlertLog("libstrs", "x", "D"));
  EXPECT_FALSE(WriteGeneratorLog("x"));

  TestInstallation other("ClientPath=<root>\r\n");
  std::filesystem::create_directories(other.root() + "Log/Alert_libstrs_20240305.log");
  EXPECT_FALSE(WriteAlertLog("libstrs", "x", "D"));
  EXPECT_TRUE(WriteAlertLog("libstrs", "x", "M"));
}

}  // namespace
