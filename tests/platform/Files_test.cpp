#include "platform/Files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/Exceptions.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

namespace {

int OpenDescriptorCount() {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++count;
  return count;
}

TEST(Files, AppendToFileCreatesThenAppends) {
  TempFolder temp;
  AnsiString file = temp.path() + "log.txt";
  AppendToFile(file, "one\r\n");
  AppendToFile(file, "two\r\n");
  EXPECT_EQ(temp.read("log.txt"), "one\r\ntwo\r\n");
}

TEST(Files, AppendToFileRaisesWithErrnoAndLeavesNothingOpen) {
  TempFolder temp;
  struct Case {
    AnsiString path;
    int error;
  };
  const std::vector<Case> cases = {
      {temp.path() + "missing/log.txt", ENOENT},  // fails on opening
      {temp.path(), EISDIR},
      {"/dev/full", ENOSPC},  // opens, then fails on writing
  };
  for (const auto& c : cases) {
    int before = OpenDescriptorCount();
    try {
      AppendToFile(c.path, "line\r\n");
      ADD_FAILURE() << c.path << " was written";
    } catch (const EInOutError& e) {
      EXPECT_EQ(e.ErrorCode, c.error) << c.path;
      EXPECT_NE(e.Message.find(c.path), AnsiString::npos) << e.Message;
    }
    EXPECT_EQ(OpenDescriptorCount(), before) << c.path;
  }
}

TEST(Files, ForceDirectoriesCreatesParentsButNotOverAFile) {
  TempFolder temp;
  EXPECT_TRUE(ForceDirectories(temp.path() + "a/b/c/"));
  EXPECT_TRUE(DirectoryExists(temp.path() + "a/b/c"));
  EXPECT_TRUE(ForceDirectories(temp.path() + "a/b"));
  temp.write("file", "x");
  EXPECT_FALSE(ForceDirectories(temp.path() + "file/sub"));
  EXPECT_FALSE(ForceDirectories(""));
}

TEST(Files, FileAndDirectoryExistTellTheKindsApart) {
  TempFolder temp;
  AnsiString file = temp.write("f.txt", "x");
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(DirectoryExists(file));
  EXPECT_TRUE(DirectoryExists(temp.path()));
  EXPECT_FALSE(FileExists(temp.path()));
  EXPECT_FALSE(FileExists(temp.path() + "none"));
  EXPECT_FALSE(FileExists(""));
}

TEST(Files, PathParts) {
  struct Case {
    AnsiString path, folder, name, ext, changed;
  };
  const std::vector<Case> cases = {
      {"/opt/erp/TillerC.ini", "/opt/erp/", "TillerC.ini", ".ini", "/opt/erp/TillerC.bak"},
      {"/opt/erp.d/readme", "/opt/erp.d/", "readme", "", "/opt/erp.d/readme.bak"},
      {"/opt/erp/", "/opt/erp/", "", "", "/opt/erp/.bak"},
      {"a.tar.gz", "", "a.tar.gz", ".gz", "a.tar.bak"},
      {"", "", "", "", ".bak"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractFilePath(c.path), c.folder) << c.path;
    EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
    EXPECT_EQ(ExtractFileExt(c.path), c.ext) << c.path;
    EXPECT_EQ(ChangeFileExt(c.path, ".bak"), c.changed) << c.path;
  }
}

TEST(Files, TrailingDelimiter) {
  EXPECT_EQ(IncludeTrailingPathDelimiter("/opt/erp"), "/opt/erp/");
  EXPECT_EQ(IncludeTrailingPathDelimiter("/opt/erp/"), "/opt/erp/");
  EXPECT_EQ(IncludeTrailingPathDelimiter(""), "/");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("/opt/erp/"), "/opt/erp");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("/opt/erp"), "/opt/erp");
}

TEST(Files, TempPathFollowsTmpdir) {
  {
    ScopedEnv tmp("TMPDIR", "/var/tmp");
    EXPECT_EQ(GetTempPath(), "/var/tmp/");
  }
  {
    ScopedEnv tmp("TMPDIR", "");
    EXPECT_EQ(GetTempPath(), "/tmp/");
  }
  ScopedEnv tmp("TMPDIR", std::nullopt);
  EXPECT_EQ(GetTempPath(), "/tmp/");
}

TEST(Files, LongPathNameResolvesDotsAndLinks) {
  TempFolder temp;
  temp.write("real/f.txt", "x");
  std::filesystem::create_directory_symlink(temp.path() + "real", temp.path() + "link");
  AnsiString real = GetLongPathName(temp.path() + "real/f.txt");
  EXPECT_FALSE(real.empty());
  EXPECT_EQ(GetLongPathName(temp.path() + "link/../real/./f.txt"), real);
  EXPECT_EQ(GetLongPathName(temp.path() + "link/f.txt"), real);
  EXPECT_EQ(GetLongPathName(temp.path() + "none"), "");
  EXPECT_EQ(GetLongPathName(""), "");
}

TEST(Files, HostProgramAndModuleNames) {
  AnsiString folder = GetHostProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  AnsiString self = GetModuleFileName(reinterpret_cast<const void*>(&OpenDescriptorCount));
  EXPECT_EQ(ExtractFilePath(self), folder);
  EXPECT_TRUE(FileExists(self));
  AnsiString libc = GetModuleFileName(reinterpret_cast<const void*>(&::getpid));
  EXPECT_NE(ExtractFileName(libc).find("libc"), AnsiString::npos) << libc;
  EXPECT_EQ(GetModuleFileName(nullptr), "");
}

TEST(Files, UserAndComputerNames) {
  EXPECT_FALSE(GetUserName().empty());
  EXPECT_FALSE(GetComputerName().empty());
}

}  // namespace
