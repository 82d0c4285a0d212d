// Files and folders on POSIX.

#include "platform/Files.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <limits.h>
#include <link.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/Exceptions.h"

namespace {

bool StatIs(const AnsiString& path, bool directory) {
  struct stat info;
  if (path.empty() || stat(path.c_str(), &info) != 0) return false;
  return S_ISDIR(info.st_mode) == directory;
}

// Closes the descriptor on every way out.
class FileDescriptor {
public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return fd_; }
  // Closes now, so that a failing close can be reported; 0 or errno.
  int close() {
    int rc = ::close(fd_);
    fd_ = -1;
    return rc == 0 ? 0 : errno;
  }

private:
  int fd_;
};

[[noreturn]] void RaiseInOut(const AnsiString& path, int error) {
  throw EInOutError("Cannot append to file " + path + ": " + std::strerror(error), error);
}

// Index just after the last separator, 0 when there is none.
size_t NameStart(const AnsiString& path) {
  auto slash = path.rfind(PathDelim);
  return slash == AnsiString::npos ? 0 : slash + 1;
}

// Index of the extension's dot within the name part, npos when the name has none.
size_t ExtensionStart(const AnsiString& path) {
  auto dot = path.rfind('.');
  return dot == AnsiString::npos || dot < NameStart(path) ? AnsiString::npos : dot;
}

}  // namespace

bool FileExists(const AnsiString& path) { return StatIs(path, false); }

bool DirectoryExists(const AnsiString& path) { return StatIs(path, true); }

bool ForceDirectories(const AnsiString& path) {
  if (path.empty()) return false;
  std::error_code ignored;
  std::filesystem::create_directories(path, ignored);
  return DirectoryExists(path);
}

void AppendToFile(const AnsiString& path, std::string_view bytes) {
  FileDescriptor file(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666));
  if (file.get() < 0) RaiseInOut(path, errno);
  // O_APPEND puts every write at the end, even while other processes append to the file.
  while (!bytes.empty()) {
    ssize_t written = ::write(file.get(), bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      RaiseInOut(path, errno);
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  if (int error = file.close()) RaiseInOut(path, error);
}

AnsiString ExtractFilePath(const AnsiString& path) { return path.substr(0, NameStart(path)); }

AnsiString ExtractFileName(const AnsiString& path) { return path.substr(NameStart(path)); }

AnsiString ExtractFileExt(const AnsiString& path) {
  auto dot = ExtensionStart(path);
  return dot == AnsiString::npos ? AnsiString() : path.substr(dot);
}

AnsiString ChangeFileExt(const AnsiString& path, const AnsiString& ext) {
  return path.substr(0, std::min(ExtensionStart(path), path.size())) + ext;
}

AnsiString IncludeTrailingPathDelimiter(const AnsiString& path) {
  return !path.empty() && path.back() == PathDelim ? path : path + PathDelim;
}

AnsiString ExcludeTrailingPathDelimiter(const AnsiString& path) {
  return !path.empty() && path.back() == PathDelim ? path.substr(0, path.size() - 1) : path;
}

AnsiString GetTempPath() {
  const char* tmp = std::getenv("TMPDIR");
  return IncludeTrailingPathDelimiter(tmp && *tmp ? tmp : "/tmp");
}

AnsiString GetLongPathName(const AnsiString& path) {
  if (path.empty()) return {};
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) ? AnsiString(resolved) : AnsiString();
}

AnsiString GetHostProgramFolder() { return ExtractFilePath(GetLongPathName("/proc/self/exe")); }

AnsiString GetModuleFileName(const void* addressInModule) {
  Dl_info info;
  link_map* module = nullptr;
  if (!dladdr1(addressInModule, &info, reinterpret_cast<void**>(&module), RTLD_DL_LINKMAP) || !module)
    return {};
  // The executable's own entry has no name.
  if (!module->l_name || !*module->l_name) return GetLongPathName("/proc/self/exe");
  AnsiString resolved = GetLongPathName(module->l_name);
  return resolved.empty() ? AnsiString(module->l_name) : resolved;
}

AnsiString GetUserName() {
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
  passwd entry;
  passwd* found = nullptr;
  if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_name)
    return found->pw_name;
  const char* user = std::getenv("USER");
  return user ? user : "";
}

AnsiString GetComputerName() {
  char name[HOST_NAME_MAX + 1] = {};
  if (gethostname(name, sizeof name - 1) != 0) return {};
  return name;
}
