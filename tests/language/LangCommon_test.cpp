#include "language/LangCommon.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/environment/TestInstallation.h"

namespace {

const char kMessages[] =
    "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n"
    "<TfrmBaseGene>\n"
    "  <sExeVer Msg=\"version\"/>\n"
    "  <sEmpty Msg=\"\"/>\n"
    "  <sNoMsg Caption=\"x\"/>\n"
    "  <group><sExeVer Msg=\"second\"/></group>\n"
    "</TfrmBaseGene>\n";

TEST(LangFolder, FolderNameByInterfaceCodePage) {
  EXPECT_EQ(LangFolderName("936"), "CHS");
  EXPECT_EQ(LangFolderName("950"), "CHT");
  EXPECT_EQ(LangFolderName("437"), "ENG");
  EXPECT_EQ(LangFolderName("1252"), "");
  EXPECT_EQ(LangFolderName(""), "");
}

TEST(LangFolder, FolderOfTheProfilesInterfaceCodePage) {
  struct Case {
    int systemCodePage;
    const char* profile;  // the client profile's text
    const char* expected;  // below the installation, "" for none
  };
  const std::vector<Case> cases = {
      {936, "", "MultiLanguage/CHS/"},
      {936, "[CodePage]\r\nUICodePage=950\r\n", "MultiLanguage/CHT/"},
      {936, "[CodePage]\r\nUICodePage=437\r\n", "MultiLanguage/ENG/"},
      {1252, "", "MultiLanguage/ENG/"},
      {936, "[CodePage]\r\nUICodePage=932\r\n", ""},
  };
  for (const auto& c : cases) {
    ScopedCodePage codePage(c.systemCodePage);
    TestInstallation installation("ClientPath=<root>client\r\nServerPath=<root>server\r\n");
    installation.write("client/TillerC.ini", c.profile);
    for (const char* name : {"CHS", "CHT", "ENG"})
      installation.write(std::string("client/MultiLanguage/") + name + "/TKvForm.Lng", "<TKvForm/>");
    const std::string expected = *c.expected ? installation.root() + "client/" + c.expected : "";
    EXPECT_EQ(GetLangFolder(false), expected) << c.profile;
  }
}

TEST(LangFolder, ServerProfileAndMissingFolders) {
  ScopedCodePage codePage(936);
  TestInstallation installation("ClientPath=<root>client\r\nServerPath=<root>server\r\n");
  installation.write("server/TillerS.ini", "[CodePage]\r\nUICodePage=437\r\n");
  installation.write("server/MultiLanguage/ENG/TKvForm.Lng", "<TKvForm/>");
  EXPECT_EQ(GetLangFolder(true), installation.root() + "server/MultiLanguage/ENG/");
  // The client installation has no language folder.
  EXPECT_EQ(GetLangFolder(false), "");
}

TEST(LangFolder, NoInstallationNoFolder) {
  ScopedCodePage codePage(936);
  TestInstallation installation(std::nullopt);
  EXPECT_EQ(GetLangFolder(false), "");
  EXPECT_EQ(GetLangFolder(true), "");
}

TEST(XmlMsg, MessageTextsByKey) {
  ScopedCodePage codePage(936);
  TempFolder folder;
  const AnsiString file = folder.write("TfrmBaseGene.Lng", kMessages);
  EXPECT_EQ(GetXmlMsg(file, "sExeVer", "default"), "version");  // the first in document order
  EXPECT_EQ(GetXmlMsg(file, "sEmpty", "default"), "");
  EXPECT_EQ(GetXmlMsg(file, "sNoMsg", "default"), "default");
  EXPECT_EQ(GetXmlMsg(file, "sAbsent", "default"), "default");
  EXPECT_EQ(GetXmlMsg(file, "not a key!", "default"), "default");
  EXPECT_EQ(GetXmlMsg(folder.path() + "missing.Lng", "sExeVer", "default"), "default");
  const AnsiString broken = folder.write("broken.Lng", "<a><sExeVer Msg=\"x\"></a>");
  EXPECT_EQ(GetXmlMsg(broken, "sExeVer", "default"), "default");
}

TEST(XmlMsg, GbFileReadInTheSystemCodePage) {
  ScopedCodePage codePage(936);
  TestInstallation installation("ClientPath=<root>\r\n");
  installation.write("MultiLanguage/CHS/TfrmBaseGene.Lng",
                     Utf8ToAnsi("<?xml version=\"1.0\" encoding=\"GB2312\"?><r><sExeVer Msg=\"版本\"/></r>", 936));
  EXPECT_EQ(GetLangMsg(false, "TfrmBaseGene", "sExeVer", "x"), GbText("版本"));
  EXPECT_EQ(GetLangMsg(false, "TOther", "sExeVer", "x"), "x");
}

}  // namespace
