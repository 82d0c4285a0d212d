#include "language/TranslatorU.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/Exceptions.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

// The real library's folder, and the folder of the fake builds (one subfolder each).
#if !defined(PAVANE_OUTSIDE_DIR) || !defined(PAVANE_FAKE_KVLANGUAGE_DIR)
#error "PAVANE_OUTSIDE_DIR and PAVANE_FAKE_KVLANGUAGE_DIR name the library folders"
#endif

namespace {

const AnsiString kFakes = PAVANE_FAKE_KVLANGUAGE_DIR;

bool IsMapped(const AnsiString& path) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (handle) dlclose(handle);
  return handle != nullptr;
}

TEST(Translator, ConvertsThroughTheLibrary) {
  ScopedCodePage codePage(936);
  ScopedEnv path("PAVANE_LIBRARY_PATH", PAVANE_OUTSIDE_DIR);
  TTranslator translator;
  EXPECT_EQ(translator.GbToBig5(GbText("个人资料")), Utf8ToAnsi("個人資料", 950));
  EXPECT_EQ(translator.Big5ToGb(Utf8ToAnsi("選擇工廠編號", 950)), GbText("选择工厂编号"));
  EXPECT_EQ(translator.GbToBig5(""), "");
  EXPECT_EQ(translator.Big5ToGb("ID 001"), "ID 001");
}

TEST(Translator, LibraryThatCannotBeHadFailsTheCreation) {
  TempFolder empty;
  struct Case {
    AnsiString searchPath;
    const char* message;
  };
  const std::vector<Case> cases = {
      {empty.path(), "Load Library Kvlanguage.dll Error!"},
      {kFakes + "/no-gbtobig5", "Get Library Procedure Address Error!"},
      {kFakes + "/no-big5togb", "Get Library Procedure Address Error!"},
  };
  for (const auto& c : cases) {
    ScopedEnv path("PAVANE_LIBRARY_PATH", c.searchPath);
    try {
      TTranslator translator;
      ADD_FAILURE() << "created from " << c.searchPath;
    } catch (const Exception& e) {
      EXPECT_EQ(e.ClassName(), "Exception");
      EXPECT_EQ(e.Message, c.message);
    }
    EXPECT_FALSE(IsMapped(c.searchPath + "/Kvlanguage.so")) << "left loaded: " << c.searchPath;
  }
}

TEST(Translator, OnlyTheConversionEntriesAreRequired) {
  ScopedEnv path("PAVANE_LIBRARY_PATH", kFakes + "/no-extras");
  TTranslator translator;
  EXPECT_EQ(translator.GbToBig5("x"), "fake BIG5");
  EXPECT_EQ(translator.Big5ToGb("x"), "");  // the library answered nothing
}

}  // namespace
