#include "platform/DynamicLibrary.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

// Builds of the test library DynTest.so: "first" answers 1, "second" 2, and the copy next to the
// test program 3.
#ifndef PAVANE_DYNTEST_DIR
#error "PAVANE_DYNTEST_DIR names the folder of the test library builds"
#endif

namespace {

const AnsiString kFirst = PAVANE_DYNTEST_DIR "/first";
const AnsiString kSecond = PAVANE_DYNTEST_DIR "/second";

using AnswerFn = int (*)();

int Answer(const TLibrary& library) {
  auto answer = reinterpret_cast<AnswerFn>(library.Procedure("DynTestAnswer"));
  return answer ? answer() : -1;
}

bool IsMapped(const AnsiString& path) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (handle) dlclose(handle);
  return handle != nullptr;
}

TEST(DynamicLibrary, NameFormsAndSearchOrder) {
  TempFolder empty;
  struct Case {
    std::optional<AnsiString> searchPath;
    AnsiString name;
    int answer;
  };
  const std::vector<Case> cases = {
      {kFirst, "DynTest.so", 1},
      {kFirst, "DynTest.dll", 1},  // the Windows name of the same library
      {kFirst, "DynTest.DLL", 1},
      {empty.path() + "::" + kSecond + ":" + kFirst, "DynTest.dll", 2},  // folders in their order
      {kFirst + ":" + kSecond, "DynTest.dll", 1},
      {kFirst, kSecond + "/DynTest.dll", 2},  // a path is not searched
      {std::nullopt, "DynTest.dll", 3},       // the host program's folder
      {empty.path(), "DynTest.dll", 3},
  };
  for (const auto& c : cases) {
    ScopedEnv path("PAVANE_LIBRARY_PATH", c.searchPath);
    TLibrary library;
    ASSERT_TRUE(library.Load(c.name)) << c.name << ": " << library.ErrorText();
    EXPECT_TRUE(library.Loaded());
    EXPECT_EQ(Answer(library), c.answer) << c.name << " with " << c.searchPath.value_or("(unset)");
    EXPECT_EQ(library.ErrorText(), "");
  }
}

TEST(DynamicLibrary, BareNameFoundNowhereElseGoesToTheDynamicLinker) {
  TempFolder empty;
  ScopedEnv path("PAVANE_LIBRARY_PATH", empty.path());
  TLibrary library;
  ASSERT_TRUE(library.Load("libm.so.6")) << library.ErrorText();
  EXPECT_NE(library.Procedure("cos"), nullptr);
}

TEST(DynamicLibrary, LibrariesThatCannotBeLoaded) {
  TempFolder temp;
  AnsiString notALibrary = temp.write("DynTest.so", "plain text");
  struct Case {
    AnsiString searchPath;
    AnsiString name;
    AnsiString inError;
  };
  const std::vector<Case> cases = {
      {kFirst, "NoSuchLibrary.dll", "NoSuchLibrary.so"},
      {kFirst, temp.path() + "missing/DynTest.so", "missing/DynTest.so"},
      {kFirst, notALibrary, notALibrary},
      {temp.path() + ":" + kFirst, "DynTest.dll", notALibrary},  // the first file found is the one
      {kFirst, "", "no library name"},
  };
  for (const auto& c : cases) {
    ScopedEnv path("PAVANE_LIBRARY_PATH", c.searchPath);
    TLibrary library;
    EXPECT_FALSE(library.Load(c.name)) << c.name;
    EXPECT_FALSE(library.Loaded());
    EXPECT_NE(library.ErrorText().find(c.inError), AnsiString::npos) << library.ErrorText();
    EXPECT_EQ(library.Procedure("DynTestAnswer"), nullptr);
  }
}

TEST(DynamicLibrary, MissingEntryIsNullAndTheLibraryStaysUsable) {
  ScopedEnv path("PAVANE_LIBRARY_PATH", kFirst);
  TLibrary library;
  ASSERT_TRUE(library.Load("DynTest.dll"));
  EXPECT_EQ(library.Procedure("NoSuchEntry"), nullptr);
  EXPECT_NE(library.ErrorText().find("NoSuchEntry"), AnsiString::npos) << library.ErrorText();
  EXPECT_TRUE(library.Loaded());
  EXPECT_EQ(Answer(library), 1);
  EXPECT_EQ(library.ErrorText(), "");
}

TEST(DynamicLibrary, TheHandleOwnsTheLibrary) {
  const AnsiString file = kFirst + "/DynTest.so";
  ASSERT_FALSE(IsMapped(file));
  {
    TLibrary library;
    ASSERT_TRUE(library.Load(file));
    TLibrary moved(std::move(library));
    EXPECT_FALSE(library.Loaded());
    EXPECT_EQ(Answer(moved), 1);
    EXPECT_TRUE(IsMapped(file));

    TLibrary other;
    ASSERT_TRUE(other.Load(kSecond + "/DynTest.so"));
    other = std::move(moved);  // frees "second", takes over "first"
    EXPECT_FALSE(IsMapped(kSecond + "/DynTest.so"));
    EXPECT_EQ(Answer(other), 1);

    ASSERT_TRUE(other.Load(kSecond + "/DynTest.so"));  // loading again frees what was held
    EXPECT_FALSE(IsMapped(file));
    other.Free();
    EXPECT_FALSE(other.Loaded());
    EXPECT_EQ(other.Procedure("DynTestAnswer"), nullptr);
    ASSERT_TRUE(other.Load(file));
  }
  EXPECT_FALSE(IsMapped(file));
}

}  // namespace
