#include <gtest/gtest.h>

#include "platform/xml/XmlDom.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

namespace {

TEST(XmlDom, ParsesAndSelectsElementsAndAttributes) {
  ScopedCodePage gb(936);
  TXmlDocument doc;
  ASSERT_TRUE(doc.LoadXML("<?xml version=\"1.0\" encoding=\"GB2312\"?><Root><R1 ID=\"001\" Name=\"" +
                          GbText("李") + "\"/><R3 ID=\"002\"/></Root>"));
  TXmlNode root = doc.DocumentElement();
  EXPECT_EQ(root.NodeName(), "Root");
  ASSERT_EQ(root.ChildNodes().size(), 2u);
  EXPECT_EQ(doc.SelectSingleNode("//R1/@Name").Text(), GbText("李"));
  EXPECT_EQ(root.SelectSingleNode("R3").GetAttribute("ID"), "002");
  EXPECT_FALSE(root.SelectSingleNode("R3").GetAttribute("Name").has_value());
  EXPECT_FALSE(root.SelectSingleNode("R9"));
  auto attributes = root.SelectSingleNode("R1").Attributes();
  ASSERT_EQ(attributes.size(), 2u);
  EXPECT_EQ(attributes[0], (std::pair<AnsiString, AnsiString>("ID", "001")));
  EXPECT_EQ(attributes[1].first, "Name");
  EXPECT_EQ(doc.SelectNodes("//*[@ID]").size(), 2u);
  EXPECT_TRUE(doc.SelectNodes("//[").empty()) << "an invalid expression selects nothing";
}

TEST(XmlDom, ParseErrorsCarryAReason) {
  TXmlDocument doc;
  EXPECT_FALSE(doc.LoadXML("<Root><R1></Root>"));
  EXPECT_NE(doc.ParseError().ErrorCode, 0);
  EXPECT_FALSE(doc.ParseError().Reason.empty());
  EXPECT_FALSE(doc.DocumentElement());
  EXPECT_FALSE(doc.LoadXML("N"));
  EXPECT_FALSE(doc.LoadXML(""));
}

TEST(XmlDom, FilesAreReadInTheEncodingTheyDeclare) {
  ScopedCodePage gb(936);
  TempFolder folder;
  std::string big5 = folder.write("big5.xml", "<?xml version=\"1.0\" encoding=\"BIG5\"?><T><sKey Msg=\"\xAD\xD3\xA4\x48\"/></T>");
  std::string gbk = folder.write("gb.xml", "<?xml version=\"1.0\" encoding=\"gb2312\"?><T Msg=\"" + GbText("个人") + "\"/>");
  std::string utf8 = folder.write("utf8.xml", "<T Msg=\"\xE4\xB8\xAA\"/>");
  TXmlDocument doc;
  ASSERT_TRUE(doc.Load(big5));
  EXPECT_EQ(doc.SelectSingleNode("//sKey/@Msg").Text(), GbText("個人")) << "values come back in the system code page";
  ASSERT_TRUE(doc.Load(gbk));
  EXPECT_EQ(doc.DocumentElement().GetAttribute("Msg"), GbText("个人"));
  ASSERT_TRUE(doc.Load(utf8));
  EXPECT_EQ(doc.DocumentElement().GetAttribute("Msg"), GbText("个"));
  EXPECT_FALSE(doc.Load(folder.path() + "missing.xml"));
  EXPECT_FALSE(doc.ParseError().Reason.empty());
}

TEST(XmlDom, InternalEntitiesExpandExternalOnesNeverLoad) {
  TempFolder folder;
  folder.write("secret.txt", "secret");
  TXmlDocument doc;
  ASSERT_TRUE(doc.LoadXML("<?xml version=\"1.0\"?><!DOCTYPE SC[<!ENTITY stdd \"&amp;stdd;\">]><SC a=\"x&stdd;\"/>"));
  EXPECT_EQ(doc.DocumentElement().GetAttribute("a"), "x&stdd;");
  bool parsed = doc.LoadXML("<?xml version=\"1.0\"?><!DOCTYPE SC[<!ENTITY e SYSTEM \"file://" + folder.path() +
                            "secret.txt\">]><SC>&e;</SC>");
  if (parsed) {
    EXPECT_EQ(doc.DocumentElement().Text().find("secret"), std::string::npos);
  }
}

TEST(XmlDom, BuildsAndSerialisesElements) {
  ScopedCodePage gb(936);
  TXmlDocument doc;
  ASSERT_TRUE(doc.LoadXML("<?xml version=\"1.0\" encoding=\"GB2312\"?><Root/>"));
  TXmlNode root = doc.DocumentElement();
  TXmlNode r1 = root.AppendChild(doc.CreateElement("R1"));
  r1.SetAttribute("ID", "001");
  r1.SetAttribute("Name", "A&B \"" + GbText("李") + "\"<");
  r1.SetAttribute("ID", "002");
  EXPECT_EQ(root.Xml(), "<Root><R1 ID=\"002\" Name=\"A&amp;B &quot;" + GbText("李") + "&quot;&lt;\"/></Root>");
  EXPECT_EQ(doc.Xml(), "<?xml version=\"1.0\" encoding=\"GB2312\"?>" + root.Xml());
  TXmlDocument round;
  ASSERT_TRUE(round.LoadXML(doc.Xml()));
  EXPECT_EQ(round.SelectSingleNode("//R1/@Name").Text(), "A&B \"" + GbText("李") + "\"<");
}

TEST(XmlDom, NodesOutliveTheirDocumentObjectAndUnusedElementsAreFreed) {
  TXmlNode kept;
  {
    TXmlDocument doc;
    ASSERT_TRUE(doc.LoadXML("<a><b>text</b></a>"));
    kept = doc.SelectSingleNode("//b");
    doc.CreateElement("never-appended");
    TXmlDocument other;
    other.SetDocumentElement(other.CreateElement("first"));
    other.SetDocumentElement(other.CreateElement("second"));
    EXPECT_EQ(other.DocumentElement().NodeName(), "second");
  }
  EXPECT_EQ(kept.Text(), "text");
  EXPECT_EQ(kept.ParentNode().NodeName(), "a");
}

}  // namespace
