// The GB/BIG5 library, loaded by name the way the plug-in loads it.

#include "outside/kvlanguage/Kvlanguage.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/DynamicLibrary.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

#ifndef PAVANE_OUTSIDE_DIR
#error "PAVANE_OUTSIDE_DIR names the folder of the outside libraries"
#endif

namespace {

AnsiString Gb(std::string_view utf8) { return Utf8ToAnsi(utf8, 936); }
AnsiString Big5(std::string_view utf8) { return Utf8ToAnsi(utf8, 950); }

const AnsiString kGbReplacement = "\xA3\xBF";
const AnsiString kBig5Replacement = "\xA1\x48";

class Kvlanguage : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(library_.Load("Kvlanguage.dll")) << library_.ErrorText();
    gbToBig5_ = Entry<decltype(&GBtoBIG5)>("GBtoBIG5");
    big5ToGb_ = Entry<decltype(&BIG5toGB)>("BIG5toGB");
    ASSERT_TRUE(gbToBig5_ && big5ToGb_);
  }

  template <typename Fn>
  Fn Entry(const char* name) {
    return reinterpret_cast<Fn>(library_.Procedure(name));
  }

  AnsiString ToBig5(const AnsiString& gb) { return gbToBig5_(gb.c_str()); }
  AnsiString ToGb(const AnsiString& big5) { return big5ToGb_(big5.c_str()); }

  ScopedEnv searchPath_{"PAVANE_LIBRARY_PATH", PAVANE_OUTSIDE_DIR};
  ScopedCodePage codePage_{936};
  TLibrary library_;
  decltype(&GBtoBIG5) gbToBig5_ = nullptr;
  decltype(&BIG5toGB) big5ToGb_ = nullptr;
};

struct Pair {
  const char* simplified;
  const char* traditional;
};

TEST_F(Kvlanguage, MapsTheScriptsBothWays) {
  const std::vector<Pair> pairs = {
      {"个人资料", "個人資料"},
      {"选择工厂编号", "選擇工廠編號"},
      {"报表 工厂(CMSMB) 123", "報表 工廠(CMSMB) 123"},  // mixed with ASCII
      {"数据库连接失败！", "數據庫連接失敗！"},
  };
  for (const auto& p : pairs) {
    EXPECT_EQ(ToBig5(Gb(p.simplified)), Big5(p.traditional)) << p.simplified;
    EXPECT_EQ(ToGb(Big5(p.traditional)), Gb(p.simplified)) << p.traditional;
  }
}

TEST_F(Kvlanguage, CommonWordsSurviveTheRoundTrip) {
  for (const char* word : {"确定", "取消", "用户", "公司", "日期", "时间", "条件", "方案", "保存", "查询", "设计",
                           "通知", "打印", "后面", "头发", "里面", "干部", "系统", "错误", "请输入"}) {
    AnsiString big5 = ToBig5(Gb(word));
    EXPECT_NE(big5, Gb(word)) << word;  // traditional now, and in BIG5 bytes
    EXPECT_EQ(ToGb(big5), Gb(word)) << word;
  }
}

TEST_F(Kvlanguage, AsciiAndEmptyTextPassUnchanged) {
  for (const AnsiString text : {"", "Load Library %s Error!", "a?b\r\n\t~\x7F", "E;000013;"}) {
    EXPECT_EQ(ToBig5(text), text);
    EXPECT_EQ(ToGb(text), text);
  }
  EXPECT_STREQ(gbToBig5_(nullptr), "");
  EXPECT_STREQ(big5ToGb_(nullptr), "");
}

TEST_F(Kvlanguage, WhatTheTargetLacksBecomesTheFullWidthQuestionMark) {
  struct Case {
    AnsiString input;
    bool fromGb;
    AnsiString expected;
  };
  const std::vector<Case> cases = {
      {Gb("甲丂乙"), true, Big5("甲") + kBig5Replacement + Big5("乙")},  // GB-only character
      {Big5("甲‧乙"), false, Gb("甲") + kGbReplacement + Gb("乙")},        // BIG5-only symbol
      {Big5("?"), false, "?"},                                              // a real question mark stays
      {Big5("訏"), false, Gb("訏")},  // its simplified form is beyond GB, the character itself is not
      {"A\xFF" "B", true, "A" + kBig5Replacement + "B"},                    // no GB byte
      {Gb("个") + "\x81", true, Big5("個") + kBig5Replacement},             // cut after a lead byte
      {"\x81 x", true, kBig5Replacement + " x"},                            // lead byte before a blank
      {Big5("個") + "\xA4", false, Gb("个") + kGbReplacement},
      {"\x80\x80", false, kGbReplacement + kGbReplacement},
  };
  for (const auto& c : cases) {
    AnsiString result = c.fromGb ? ToBig5(c.input) : ToGb(c.input);
    EXPECT_EQ(result, c.expected) << AnsiToUtf8(c.input, c.fromGb ? 936 : 950);
  }
  EXPECT_NE(Gb("訏"), kGbReplacement);
}

TEST_F(Kvlanguage, EachThreadHasItsOwnResult) {
  const char* mine = gbToBig5_(Gb("个人资料").c_str());
  AnsiString theirs;
  std::thread other([&] { theirs = gbToBig5_(Gb("工厂").c_str()); });
  other.join();
  EXPECT_EQ(theirs, Big5("工廠"));
  EXPECT_EQ(AnsiString(mine), Big5("個人資料"));
}

TEST_F(Kvlanguage, DataNamesAndSavedOrder) {
  auto big5Data = Entry<decltype(&GetBIG5Data)>("GetBIG5Data");
  auto gbData = Entry<decltype(&GetGBData)>("GetGBData");
  auto saveOrder = Entry<decltype(&SaveOrder)>("SaveOrder");
  ASSERT_TRUE(big5Data && gbData && saveOrder);
  EXPECT_STREQ(big5Data(), "s2t.json");
  EXPECT_STREQ(gbData(), "t2s.json");

  TempFolder temp;
  AnsiString file = temp.write("order.txt", "old content that is replaced\n");
  EXPECT_EQ(saveOrder(file.c_str()), 1);
  EXPECT_EQ(temp.read("order.txt"), "GBtoBIG5=s2t.json\nBIG5toGB=t2s.json\n");
  for (const char* bad : {static_cast<const char*>(nullptr), "", "/nonexistent-folder/order.txt"})
    EXPECT_EQ(saveOrder(bad), 0) << (bad ? bad : "(null)");
  EXPECT_EQ(saveOrder(temp.path().c_str()), 0);  // a folder
}

}  // namespace
