#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

using namespace std::string_literals;

namespace {

std::vector<AnsiString> Items(const TStringList& list) {
  std::vector<AnsiString> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list[i]);
  return items;
}

const char* const kProfile =
    "Orphan=before any section\r\n"
    "[Server Information]\r\n"
    "  ComputerName  =  host-a;host-b  \r\n"
    "ServerPort=2111\r\n"
    "; ServerPort=9\r\n"
    "serverport=3000\r\n"
    "Quoted=\"  padded  \"\r\n"
    "Single='x'\r\n"
    "Mixed=\"x'\r\n"
    "Lone=\"\r\n"
    "Inner=a \"b\" c\r\n"
    "Empty=\r\n"
    "NoEquals\r\n"
    "=nameless\r\n"
    "\r\n"
    "[  CodePage  ]\n"
    "UICodePage=936\n"
    "Caption=\xD6\xD0\xCE\xC4\n"
    "[Empty Section]\r"
    "[server information]\r\n"
    "ServerPort=4000\r\n"
    "Late=yes\r\n";

class IniFileTest : public ::testing::Test {
protected:
  TempFolder temp;
  TIniFile ini{temp.write("TillerC.ini", kProfile)};
};

TEST_F(IniFileTest, ReadStringFollowsTheProfileRules) {
  struct Case {
    const char* section;
    const char* key;
    const char* expected;
  };
  const std::vector<Case> cases = {
      {"Server Information", "ComputerName", "host-a;host-b"},
      {"SERVER INFORMATION", "computername", "host-a;host-b"},
      {"Server Information", "ServerPort", "2111"},  // first of duplicated keys, also across repeated headers
      {"Server Information", "Quoted", "  padded  "},
      {"Server Information", "Single", "x"},
      {"Server Information", "Mixed", "\"x'"},
      {"Server Information", "Lone", "\""},
      {"Server Information", "Inner", "a \"b\" c"},
      {"Server Information", "Empty", ""},
      {"Server Information", "NoEquals", "(default)"},
      {"Server Information", "Late", "yes"},  // a repeated header continues the section
      {"Server Information", "Orphan", "(default)"},
      {"Server Information", "", "(default)"},
      {"CodePage", "UICodePage", "936"},
      {"CodePage", "Caption", "\xD6\xD0\xCE\xC4"},
      {"CodePage", "Missing", "(default)"},
      {"Missing", "UICodePage", "(default)"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ini.ReadString(c.section, c.key, "(default)"), c.expected) << c.section << "/" << c.key;
}

TEST_F(IniFileTest, SectionListsKeepFileOrder) {
  TStringList list;
  list.Add("stale");
  ini.ReadSection("server information", list);
  EXPECT_EQ(Items(list), (std::vector<AnsiString>{"ComputerName", "ServerPort", "Quoted", "Single", "Mixed", "Lone",
                                                  "Inner", "Empty", "NoEquals", "Late"}));
  ini.ReadSectionValues("CodePage", list);
  EXPECT_EQ(Items(list), (std::vector<AnsiString>{"UICodePage=936", "Caption=\xD6\xD0\xCE\xC4"}));
  ini.ReadSectionValues("Missing", list);
  EXPECT_EQ(list.Count(), 0);
  ini.ReadSections(list);
  EXPECT_EQ(Items(list), (std::vector<AnsiString>{"Server Information", "CodePage", "Empty Section"}));
}

TEST_F(IniFileTest, KeyWithoutValueIsListedWithAnEmptyValue) {
  TStringList list;
  ini.ReadSectionValues("Server Information", list);
  EXPECT_EQ(list.Values("NoEquals"), "");
  EXPECT_NE(list.IndexOf("NoEquals="), -1);
  EXPECT_TRUE(ini.ValueExists("Server Information", "NoEquals"));
}

TEST_F(IniFileTest, ExistenceOfSectionsAndValues) {
  EXPECT_TRUE(ini.SectionExists("codepage"));
  EXPECT_FALSE(ini.SectionExists("Empty Section"));  // a header without keys does not count
  EXPECT_FALSE(ini.SectionExists("Missing"));
  EXPECT_TRUE(ini.ValueExists("CodePage", "uicodepage"));
  EXPECT_TRUE(ini.ValueExists("Server Information", "Empty"));
  EXPECT_FALSE(ini.ValueExists("CodePage", "Missing"));
}

TEST(IniFile, IntegersAndFlags) {
  struct Case {
    const char* text;
    int integer;
    bool flag;
  };
  const std::vector<Case> cases = {
      {"42", 42, true},   {"0", 0, false},      {"0x1F", 31, true},   {"0X10", 16, true}, {"$ff", 255, true},
      {"-7", -7, true},   {" 5 ", 5, true},     {"12abc", -1, true},  {"yes", -1, true}, {"", -1, true},
      {"0x", -1, true},   {"99999999999", -1, true},
  };
  TempFolder temp;
  for (const auto& c : cases) {
    TIniFile ini(temp.write("t.ini", AnsiString("[S]\nValue=") + c.text + "\n"));
    EXPECT_EQ(ini.ReadInteger("S", "Value", -1), c.integer) << c.text;
    EXPECT_EQ(ini.ReadBool("S", "Value", true), c.flag) << c.text;
  }
}

TEST(IniFile, UnreadableFilesReadAsDefaults) {
  TempFolder temp;
  temp.write("folder/x", "");
  const std::vector<AnsiString> files = {temp.path() + "missing.ini", temp.path() + "folder", ""};
  for (const auto& file : files) {
    TIniFile ini(file);
    EXPECT_EQ(ini.ReadString("CodePage", "UICodePage", "437"), "437") << file;
    EXPECT_EQ(ini.ReadInteger("Server Information", "ServerPort", 211), 211) << file;
    TStringList list;
    ini.ReadSections(list);
    EXPECT_EQ(list.Count(), 0) << file;
  }
}

TEST(IniFile, BracketsInsideDoubleByteCharactersDoNotCloseSections) {
  ScopedCodePage gb(936);
  TempFolder temp;
  // 0x81 0x5D is one GBK character whose second byte is "]".
  TIniFile ini(temp.write("gb.ini", "[A\x81\x5D]\r\nk=1\r\n[B\x81\x5D\r\nj=2\r\n"));
  EXPECT_EQ(ini.ReadString("A\x81\x5D", "k", "-"), "1");
  EXPECT_EQ(ini.ReadString("A\x81\x5D", "j", "-"), "2");
  EXPECT_FALSE(ini.SectionExists("B\x81"));
}

TEST(IniFile, DamagedContentNeverBreaksReading) {
  TempFolder temp;
  const AnsiString damaged = "[Open\r\n]]\r\n[]\r\nKey=in the nameless section\r\n[A]\r\n\0\xFF=\x01\r\n[B\r\nk=v"s;
  TIniFile ini(temp.write("bad.ini", damaged));
  EXPECT_EQ(ini.ReadString("", "Key", "-"), "in the nameless section");
  EXPECT_EQ(ini.ReadString("A", "[B", "-"), "-");
  EXPECT_EQ(ini.ReadString("A", "k", "-"), "v");
}

}  // namespace
