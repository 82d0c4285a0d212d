// The sample installation that the main job reads must read as its comments say.

#include <gtest/gtest.h>

#include <cstdlib>

#include "environment/TillerINI.h"
#include "tests/environment/TestInstallation.h"

namespace {

class SampleInstallationTest : public ::testing::Test {
protected:
  void SetUp() override {
    const char* source = std::getenv("PAVANE_SOURCE_DIR");
    if (!source || !*source) GTEST_SKIP() << "PAVANE_SOURCE_DIR is not set";
    const std::string sample = std::string(source) + "/sample/installation/";
    erp_.emplace("ClientPath=" + sample + "client/\r\nServerPath=" + sample + "server/\r\n");
  }

  ScopedCodePage gb{936};
  std::optional<TestInstallation> erp_;
};

TEST_F(SampleInstallationTest, ClientProfile) {
  TTillerIniC client;
  EXPECT_EQ(client.ErrorCode, "");
  EXPECT_EQ(client.UICodePage, "936");
  EXPECT_EQ(client.DBCodePage, "936");
  ASSERT_TRUE(client.Servers.IsArray());
  EXPECT_EQ(client.Servers.HighBound(2), 1);
  EXPECT_EQ(client.Servers.GetElement({0, 0}).AsString(), "127.0.0.1");
  EXPECT_EQ(client.WorkDLLPath.Count(), 2);
}

TEST_F(SampleInstallationTest, ServerProfile) {
  TTillerIniS server;
  EXPECT_EQ(server.ErrorCode, "");
  EXPECT_EQ(server.DBSettings.GetElement({0, 2}).AsString(), "Anvil#2024");
  EXPECT_EQ(server.DBSettings.GetElement({1, 2}).AsString(), "");
  EXPECT_EQ(server.SystemControlAddress, "erp-db.example.com");
  EXPECT_EQ(server.WorkDLLPath.Count(), 2);
}

}  // namespace
