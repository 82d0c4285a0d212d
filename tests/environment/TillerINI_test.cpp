#include "environment/TillerINI.h"

#include <gtest/gtest.h>

#include "environment/SqlSa.h"
#include "platform/Files.h"
#include "tests/environment/TestInstallation.h"

using namespace std::string_literals;

namespace {

const char* const kBothFolders = "ClientPath=<root>client\r\nServerPath=<root>server/\r\n";

std::vector<std::string> Items(const TStringList& list) {
  std::vector<std::string> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list[i]);
  return items;
}

struct Server {
  std::string host;
  int port;
  friend bool operator==(const Server&, const Server&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Server& s) { return out << s.host << ":" << s.port; }
};

std::vector<Server> ServersOf(const TTillerIniC& ini) {
  std::vector<Server> servers;
  if (!ini.Servers.IsArray()) return servers;
  EXPECT_EQ(ini.Servers.LowBound(1), 0);
  EXPECT_EQ(ini.Servers.HighBound(1), 1);
  for (int i = ini.Servers.LowBound(2); i <= ini.Servers.HighBound(2); ++i)
    servers.push_back({ini.Servers.GetElement({0, i}).AsString(), ini.Servers.GetElement({1, i}).AsInteger()});
  return servers;
}

TEST(TillerIni, WithoutTheRegistryKeyBothReadersHoldTheirDefaults) {
  ScopedCodePage western(1252);
  TestInstallation erp(std::nullopt);
  TTillerIniC client;
  TTillerIniS server;
  for (const TTillerIni* ini : {static_cast<const TTillerIni*>(&client), static_cast<const TTillerIni*>(&server)}) {
    EXPECT_EQ(ini->ErrorCode, "E;000015");
    EXPECT_EQ(ini->SystemCodePage, "437");
    EXPECT_EQ(ini->UICodePage, "437");
    EXPECT_EQ(ini->DBCodePage, "936");
    EXPECT_EQ(ini->UIConversion, 0);
    EXPECT_EQ(ini->DataConversion, 0);
    EXPECT_EQ(ini->ProfileType, "0");
    EXPECT_EQ(ini->UserName, "Default");
    EXPECT_EQ(ini->ProfileDir, "");
    EXPECT_EQ(ini->IniFileName, "");
    EXPECT_FALSE(ini->SupportCallBack);
    EXPECT_EQ(ini->WorkDLLPath.Count(), 0);
  }
  EXPECT_EQ(client.ClientPath, "");
  EXPECT_TRUE(client.Servers.IsEmpty());
  EXPECT_EQ(server.ServerPath, "");
  EXPECT_TRUE(server.DBSettings.IsEmpty());
  EXPECT_EQ(GetInstallPath(), "");
}

TEST(TillerIni, WithoutTheRegistryFileTheKeyIsMissing) {
  ScopedEnv noRegistry("PAVANE_REGISTRY", std::nullopt);
  EXPECT_EQ(TTillerIniC().ErrorCode, "E;000015");
  EXPECT_EQ(TTillerIniS().ErrorCode, "E;000015");
}

TEST(TillerIni, AnEmptyInstallationFolderStopsReadingWithoutError) {
  ScopedCodePage gb(936);
  TestInstallation erp("ClientPath=\r\nProfileType=1\r\n");
  erp.write("TillerC.ini", "[Server Information]\r\nComputerName=host\r\n");
  TTillerIniC client;
  TTillerIniS server;
  EXPECT_EQ(client.ErrorCode, "");
  EXPECT_EQ(client.ProfileType, "1");
  EXPECT_EQ(client.UserName, "Default");
  EXPECT_EQ(client.ProfileDir, "");
  EXPECT_TRUE(client.Servers.IsEmpty());
  EXPECT_EQ(server.ErrorCode, "");
  EXPECT_TRUE(server.DBSettings.IsEmpty());
}

TEST(TillerIni, InstallPathPrefersTheClientFolder) {
  struct Case {
    const char* values;
    const char* expected;
  };
  const std::vector<Case> cases = {
      {"ClientPath=/opt/client\r\nServerPath=/opt/server/\r\n", "/opt/client"},
      {"ClientPath=\r\nServerPath=/opt/server/\r\n", "/opt/server/"},
      {"ServerPath=/opt/server\r\n", "/opt/server"},
      {"ProfileType=1\r\n", ""},
  };
  for (const auto& c : cases) {
    TestInstallation erp(c.values);
    EXPECT_EQ(GetInstallPath(), c.expected) << c.values;
  }
}

TEST(TillerIni, MissingClientProfileGivesEveryDefault) {
  ScopedCodePage gb(936);
  TestInstallation erp(kBothFolders);
  TTillerIniC client;
  EXPECT_EQ(client.ErrorCode, "");
  EXPECT_EQ(client.ClientPath, erp.root() + "client/");
  EXPECT_EQ(client.ProfileType, "");
  EXPECT_EQ(client.ProfileDir, erp.root() + "client/");
  EXPECT_EQ(client.IniFileName, erp.root() + "client/TillerC.ini");
  EXPECT_EQ(client.LangType, "ENG");
  EXPECT_EQ(client.Version, "");
  EXPECT_EQ(client.CreateGifBeforeSendEF, "Y");
  EXPECT_EQ(client.UICodePage, "936");
  EXPECT_EQ(client.DBCodePage, "936");
  EXPECT_FALSE(client.SupportCallBack);
  EXPECT_EQ(ServersOf(client), (std::vector<Server>{{"127.0.0.1", 211}}));
  EXPECT_EQ(Items(client.WorkDLLPath), (std::vector<std::string>{erp.root() + "client/C_PKG/"}));
  EXPECT_EQ(client.AutoCheckNewMsg, "1");
  EXPECT_EQ(client.CheckInterval, "1");
  EXPECT_EQ(client.PopupMsg, "1");
  EXPECT_EQ(client.LoginCheck, "0");
}

TEST(TillerIni, ClientProfileValuesAreTaken) {
  ScopedCodePage gb(936);
  TestInstallation erp(kBothFolders);
  erp.write("client/TillerC.ini",
            "[Client Components]\r\nLangType=CHS\r\n"
            "[ProductVersion]\r\nVersion=5.2.1\r\n"
            "[UserDefine]\r\nCreateGifBeforeSendEF=N\r\n"
            "[TaskMessageCenter Setting]\r\nAutoCheckNewMsg=0\r\nCheckInterval=5\r\nPopupMsg=0\r\nLoginCheck=1\r\n"
            "[Server Information]\r\nComputerName=erp-app\r\nServerPort=0x83F\r\n");
  TTillerIniC client;
  EXPECT_EQ(client.ErrorCode, "");
  EXPECT_EQ(client.LangType, "CHS");
  EXPECT_EQ(client.Version, "5.2.1");
  EXPECT_EQ(client.CreateGifBeforeSendEF, "N");
  EXPECT_EQ(client.AutoCheckNewMsg, "0");
  EXPECT_EQ(client.CheckInterval, "5");
  EXPECT_EQ(client.PopupMsg, "0");
  EXPECT_EQ(client.LoginCheck, "1");
  EXPECT_EQ(ServersOf(client), (std::vector<Server>{{"erp-app", 2111}}));
}

TEST(TillerIni, ServerListParsing) {
  struct Case {
    const char* entries;
    std::vector<Server> servers;
    const char* errorCode;
  };
  const std::vector<Case> cases = {
      {"ComputerName=host-a;host-b;\r\nServerPort=2111", {{"host-a", 2111}, {"host-b", 2111}}, ""},
      {"ComputerName=host-a\r\nServerPort=2111", {{"host-a", 2111}}, ""},
      {"ComputerName=\" ;\"", {}, "E;000016"},
      {"ComputerName=host-a;;", {{"host-a", 211}}, ""},
      {"ComputerName=\" a ; b \"", {{"a ", 211}, {" b", 211}}, ""},
      {"ComputerName=a;;b", {{"a", 211}, {"", 211}, {"b", 211}}, ""},
      {"ComputerName=", {}, "E;000016"},
      {"ComputerName=host-a\r\nServerPort=port", {{"host-a", 211}}, ""},
  };
  for (const auto& c : cases) {
    TestInstallation erp(kBothFolders);
    erp.write("client/TillerC.ini", std::string("[Server Information]\r\n") + c.entries + "\r\n[WorkDLLPath]\r\nP=Pkg\r\n");
    TTillerIniC client;
    EXPECT_EQ(client.ErrorCode, c.errorCode) << c.entries;
    EXPECT_EQ(ServersOf(client), c.servers) << c.entries;
    // Without a server the reading stops before the module folders.
    EXPECT_EQ(client.WorkDLLPath.Count(), c.servers.empty() ? 0 : 1) << c.entries;
  }
}

TEST(TillerIni, PerUserProfilesFallBackToTheSharedOne) {
  ScopedCodePage gb(936);
  const std::string user = GetUserName();
  ASSERT_FALSE(user.empty());
  const std::string own = "[CodePage]\r\nDBCodePage=950\r\n";
  struct Case {
    const char* profileType;
    bool ownProfile;
    bool usesOwn;
    const char* userName;
  };
  const std::vector<Case> cases = {
      {"1", true, true, nullptr},  {"1", false, false, nullptr}, {"yes", true, true, nullptr},
      {"0", true, false, "Default"}, {"", true, false, "Default"},
  };
  for (const auto& c : cases) {
    TestInstallation erp(std::string(kBothFolders) + "ProfileType=" + c.profileType + "\r\n");
    erp.write("client/TillerC.ini", "[CodePage]\r\nDBCodePage=936\r\n");
    if (c.ownProfile) erp.write("client/Profile/" + user + "/TillerC.ini", own);
    TTillerIniC client;
    std::string folder = erp.root() + "client/" + (c.usesOwn ? "Profile/" + user + "/" : "");
    EXPECT_EQ(client.ProfileType, c.profileType);
    EXPECT_EQ(client.ProfileDir, folder) << c.profileType;
    EXPECT_EQ(client.IniFileName, folder + "TillerC.ini") << c.profileType;
    EXPECT_EQ(client.DBCodePage, c.usesOwn ? "950" : "936") << c.profileType;
    EXPECT_EQ(client.UserName, c.userName ? c.userName : user) << c.profileType;
  }
}

TEST(TillerIni, ModuleFoldersResolveAgainstTheInstallation) {
  TestInstallation erp(kBothFolders);
  erp.write("client/TillerC.ini",
            "[Server Information]\r\nComputerName=host\r\n"
            "[WorkDLLPath]\r\n"
            "Path1=Pkg\r\nPath2=\\Pkg\r\nPath3=/Pkg\r\nPath4=D:\\Lib\r\nPath5=\\\\server\\share\\lib\r\n"
            "Path6=//server/share\r\nPath7=\\\\server\r\nPath8=Sub/Dir/\r\nPath9=\r\nPath10=c:\r\n");
  const std::string base = erp.root() + "client/";
  TTillerIniC client;
  EXPECT_EQ(Items(client.WorkDLLPath),
            (std::vector<std::string>{base + "Pkg/", base + "Pkg/", base + "Pkg/", "D:\\Lib/", "\\\\server\\share\\lib/",
                                      "//server/share/", base + "\\server/", base + "Sub/Dir/", base, "c:/"}));
}

TEST(TillerIni, ResolveProfilePathKeepsDrivesAndShares) {
  struct Case {
    const char* path;
    const char* expected;
  };
  const std::vector<Case> cases = {
      {"Pkg", "/erp/Pkg"},           {"\\Pkg", "/erp/Pkg"},           {"/Pkg", "/erp/Pkg"},
      {"D:\\Lib", "D:\\Lib"},        {"d:", "d:"},                    {"1:x", "/erp/1:x"},
      {"\\\\srv\\share", "\\\\srv\\share"}, {"//srv/share/x", "//srv/share/x"}, {"\\/srv\\share", "\\/srv\\share"},
      {"\\\\srv", "/erp/\\srv"},     {"\\\\srv\\", "/erp/\\srv\\"},   {"\\\\\\share", "/erp/\\\\share"},
      {"", "/erp/"},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolveProfilePath(c.path, "/erp/"), c.expected) << c.path;
}

TEST(TillerIni, SupportCallBackFlags) {
  struct Case {
    const char* value;
    bool expected;
  };
  const std::vector<Case> cases = {{"yes", true}, {"1", true},  {"y", true},  {"TRUE", true}, {"True", true},
                                   {"on", false}, {"0", false}, {"2", false}, {"", false},    {"yes please", false}};
  for (const auto& c : cases) {
    TestInstallation erp(kBothFolders);
    erp.write("client/TillerC.ini", std::string("[Server Information]\r\nSupportCallBack=") + c.value + "\r\n");
    erp.write("server/TillerS.ini", std::string("[DBPasswordCtrl]\r\nSupportCallBack=") + c.value + "\r\n");
    EXPECT_EQ(TTillerIniC().SupportCallBack, c.expected) << c.value;
    EXPECT_EQ(TTillerIniS().SupportCallBack, c.expected) << c.value;
  }
}

TEST(TillerIni, CodePagesAndConversionKinds) {
  struct Case {
    int systemCodePage;
    const char* profile;
    const char* system;
    const char* ui;
    int uiConversion;
    int dataConversion;
  };
  const std::vector<Case> cases = {
      {1252, "", "437", "437", 0, 0},
      {936, "", "936", "936", 0, 0},
      {950, "", "950", "950", 2, 2},
      {950, "UICodePage=936", "950", "936", 4, 0},
      {950, "UICodePage=936\r\nDBCodePage=950", "950", "936", 4, 1},
      {936, "UICodePage=950", "936", "950", 2, 2},
      {936, "DBCodePage=950", "936", "936", 0, 1},
      {936, "UICodePage=437\r\nDBCodePage=950", "936", "437", 0, 0},
      {1252, "UICodePage=950\r\nDBCodePage=950", "437", "950", 2, 0},
  };
  for (const auto& c : cases) {
    ScopedCodePage system(c.systemCodePage);
    TestInstallation erp(kBothFolders);
    erp.write("client/TillerC.ini", std::string("[CodePage]\r\n") + c.profile + "\r\n");
    erp.write("server/TillerS.ini", std::string("[CodePage]\r\n") + c.profile + "\r\n");
    TTillerIniC client;
    TTillerIniS server;
    for (const TTillerIni* ini : {static_cast<const TTillerIni*>(&client), static_cast<const TTillerIni*>(&server)}) {
      EXPECT_EQ(ini->SystemCodePage, c.system) << c.systemCodePage << " " << c.profile;
      EXPECT_EQ(ini->UICodePage, c.ui) << c.systemCodePage << " " << c.profile;
      EXPECT_EQ(ini->UIConversion, c.uiConversion) << c.systemCodePage << " " << c.profile;
      EXPECT_EQ(ini->DataConversion, c.dataConversion) << c.systemCodePage << " " << c.profile;
    }
  }
}

TEST(TillerIni, ConversionKindsAreComputedBeforeReadingToo) {
  ScopedCodePage big5(950);
  TestInstallation erp(std::nullopt);
  TTillerIniC client;
  EXPECT_EQ(client.UICodePage, "950");
  EXPECT_EQ(client.UIConversion, 2);
  EXPECT_EQ(client.DataConversion, 2);
}

class ServerProfileTest : public ::testing::Test {
protected:
  ScopedCodePage gb{936};
  FrozenClock clock{EncodeDate(2024, 3, 5) + EncodeTime(9, 7, 5, 0).Val};
  TestInstallation erp{"ServerPath=<root>server\r\n"};

  std::string Setting(const TTillerIniS& ini, int row, int column) const {
    return ini.DBSettings.GetElement({row, column}).AsString();
  }
  std::string GeneratorLog() const { return erp.read("server/Log/Alert_QuillERPGenerator_20240305.log"); }
};

TEST_F(ServerProfileTest, MissingProfileGivesEveryDefault) {
  TTillerIniS server;
  EXPECT_EQ(server.ErrorCode, "");
  EXPECT_EQ(server.ServerPath, erp.root() + "server/");
  EXPECT_EQ(server.IniFileName, erp.root() + "server/TillerS.ini");
  ASSERT_TRUE(server.DBSettings.IsArray());
  EXPECT_EQ(server.DBSettings.HighBound(1), 3);
  EXPECT_EQ(server.DBSettings.HighBound(2), 7);
  const std::vector<std::vector<Variant>> expected = {
      {"Anvil", "sa", "", "MSSQL", "", "", 300, 3000},
      {"AnvilTemp", "sa", "", "PARADOX", "", "PostgreSQL", 300, 3000},
      {"", 211, 1024, "Chinese_Taiwan_Stroke_BIN", Variant(), Variant(), Variant(), Variant()},
      {"EDIDATA", "sa", "", Variant(), Variant(), Variant(), Variant(), Variant()},
  };
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 8; ++column) {
      const Variant& actual = server.DBSettings.GetElement({row, column});
      const Variant& wanted = expected[static_cast<size_t>(row)][static_cast<size_t>(column)];
      EXPECT_EQ(actual.Type(), wanted.Type()) << row << "," << column;
      if (!wanted.IsEmpty()) {
        EXPECT_EQ(actual, wanted) << row << "," << column;
      }
    }
  }
  EXPECT_EQ(server.DBKind, 0);
  EXPECT_EQ(server.SystemControlAddress, "");
  EXPECT_EQ(server.OtherSystemControlAddress, "");
  EXPECT_EQ(Items(server.WorkDLLPath), (std::vector<std::string>{erp.root() + "server/S_PKG/"}));
}

TEST_F(ServerProfileTest, ProfileValuesAreTaken) {
  erp.write("server/TillerS.ini",
            "[ProductVersion]\r\nVersion=5.2\r\n"
            "[DBE Setting]\r\nMainUserName=erp\r\nXXXXXX=" + EncodeSQLSa("secret") + "\r\nMainAlias=Main\r\n"
            "MainDBType=oracle\r\nMainDBName=ERPDB\r\nMainServerName=db-1\r\nSystemControlAddress=\r\n"
            "OtherSystemControlAddress=ctl-2\r\nMainConnectionTimeOut=60\r\nMainCommandTimeOut=600\r\n"
            "TempAlias=T\r\nTempUserName=tmp\r\nTempPassword=" + EncodeSQLSa("") + "\r\nTempDBType=MSSQL\r\n"
            "TempDBName=TMP\r\nTempDriverName=ODBC\r\nTempConnectionTimeOut=abc\r\nTempCommandTimeOut=0x10\r\n"
            "DataBaseCodeOrder=Chinese_PRC_BIN\r\nEctAlias=EDI\r\nEctUserName=edi\r\nEctPassword=b0b0\r\n"
            "[DBPasswordCtrl]\r\nComputerName=\"  pwd-host  \"\r\nServerPort=2112\r\nClientSocketPort=2000\r\n"
            "[WorkDLLPath]\r\nA=S_PKG\r\nB=/Extra/\r\n");
  TTillerIniS server;
  EXPECT_EQ(server.Version, "5.2");
  const std::vector<std::vector<std::string>> expected = {
      {"Main", "erp", "secret", "oracle", "ERPDB", "db-1", "60", "600"},
      {"T", "tmp", "", "MSSQL", "TMP", "ODBC", "300", "16"},
      {"pwd-host", "2112", "2000", "Chinese_PRC_BIN"},
      {"EDI", "edi", "b0b0"},
  };
  for (int row = 0; row < 4; ++row)
    for (int column = 0; column < static_cast<int>(expected[static_cast<size_t>(row)].size()); ++column)
      EXPECT_EQ(Setting(server, row, column), expected[static_cast<size_t>(row)][static_cast<size_t>(column)])
          << row << "," << column;
  EXPECT_EQ(server.DBKind, 1);
  EXPECT_EQ(server.SystemControlAddress, "db-1");
  EXPECT_EQ(server.OtherSystemControlAddress, "ctl-2");
  EXPECT_EQ(Items(server.WorkDLLPath),
            (std::vector<std::string>{erp.root() + "server/S_PKG/", erp.root() + "server/Extra/"}));
  TStringList paths;
  paths.Add("stale");
  server.GetWorkDLLPaths(paths);
  EXPECT_EQ(Items(paths), Items(server.WorkDLLPath));
  EXPECT_FALSE(FileExists(erp.root() + "server/Log/Alert_QuillERPGenerator_20240305.log"));
}

TEST_F(ServerProfileTest, DatabaseKindAndControlAddresses) {
  struct Case {
    const char* type;
    int kind;
    const char* address;
    const char* expectedAddress;
  };
  const std::vector<Case> cases = {
      {"oracle", 1, "", "db-1"},   {"ORACLE", 1, "\"  \"", "db-1"}, {"DB2", 2, "ctl", "ctl"},
      {"db2", 2, "' ctl '", " ctl "}, {"MSSQL", 0, "ctl", "ctl"},  {"ORACLE9", 0, "", "db-1"},
  };
  for (const auto& c : cases) {
    erp.write("server/TillerS.ini", std::string("[DBE Setting]\r\nMainServerName=db-1\r\nMainDBType=") + c.type +
                                        "\r\nSystemControlAddress=" + c.address + "\r\n");
    TTillerIniS server;
    EXPECT_EQ(server.DBKind, c.kind) << c.type;
    EXPECT_EQ(server.SystemControlAddress, c.expectedAddress) << c.address;
    EXPECT_EQ(server.OtherSystemControlAddress, "db-1") << c.type;
  }
}

TEST_F(ServerProfileTest, DamagedPasswordsBecomeTheMarkerAndAreReported) {
  erp.write("server/TillerS.ini", "[DBE Setting]\r\nXXXXXX=b0zz\r\nTempPassword=" + EncodeSQLSa("tmp") + "\r\n");
  TTillerIniS server;
  EXPECT_EQ(server.ErrorCode, "");
  EXPECT_EQ(Setting(server, 0, 2), PasswordErrorMarker);
  EXPECT_EQ(Setting(server, 1, 2), "tmp");
  std::string log = GeneratorLog();
  EXPECT_NE(log.find("'$zz' is not a valid integer value"), std::string::npos) << log;
  EXPECT_NE(log.find(" on " + EncodeSQLSa("DecodeSQLSa") + " "), std::string::npos) << log;
}

TEST(TillerIni, DamagedProfilesReadAsDefaults) {
  ScopedCodePage gb(936);
  const std::vector<std::string> contents = {
      "\0\xFF\xFE[\r\n=\r\n[CodePage\r\nUICodePage=950\r\n]]]\r\n"s,
      "[Server Information]\r\nServerPort=99999999999999\r\nComputerName",
      "[WorkDLLPath]\r\nNoValue\r\n[Server Information]\r\nComputerName=h",
  };
  for (const auto& content : contents) {
    TestInstallation erp(kBothFolders);
    erp.write("client/TillerC.ini", content);
    erp.write("server/TillerS.ini", content);
    TTillerIniC client;
    TTillerIniS server;
    EXPECT_EQ(client.UICodePage, "936");
    ASSERT_TRUE(client.Servers.IsArray());
    EXPECT_EQ(client.Servers.GetElement({1, 0}).AsInteger(), 211);
    EXPECT_EQ(server.DBSettings.GetElement({2, 1}).AsInteger(), 211);
    ASSERT_EQ(client.WorkDLLPath.Count(), 1);
    EXPECT_EQ(client.WorkDLLPath[0].rfind(erp.root() + "client/", 0), 0u) << client.WorkDLLPath[0];
  }
}

}  // namespace
