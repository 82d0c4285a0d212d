// Run-time loading through dlopen, with the Windows-style name rules the callers were written for.

#include "platform/DynamicLibrary.h"

#include <dlfcn.h>

#include <cstdlib>
#include <utility>

#include "platform/Files.h"

namespace {

AnsiString DlError() {
  const char* text = dlerror();
  return text ? text : "unknown dynamic linker error";
}

AnsiString FoundIn(const AnsiString& folder, const AnsiString& name) {
  if (folder.empty()) return {};
  AnsiString path = IncludeTrailingPathDelimiter(folder) + name;
  return FileExists(path) ? path : AnsiString();
}

}  // namespace

AnsiString ResolveLibraryName(const AnsiString& name) {
  AnsiString file = SameText(ExtractFileExt(name), ".dll") ? ChangeFileExt(name, ".so") : name;
  if (file.find(PathDelim) != AnsiString::npos) return file;
  if (const char* list = std::getenv("PAVANE_LIBRARY_PATH")) {
    std::string_view folders(list);
    while (true) {
      auto colon = folders.find(':');
      if (AnsiString path = FoundIn(AnsiString(folders.substr(0, colon)), file); !path.empty()) return path;
      if (colon == std::string_view::npos) break;
      folders.remove_prefix(colon + 1);
    }
  }
  if (AnsiString path = FoundIn(GetHostProgramFolder(), file); !path.empty()) return path;
  return file;
}

TLibrary::~TLibrary() { Free(); }

TLibrary::TLibrary(TLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), error_(std::move(other.error_)) {}

TLibrary& TLibrary::operator=(TLibrary&& other) noexcept {
  if (this != &other) {
    Free();
    handle_ = std::exchange(other.handle_, nullptr);
    error_ = std::move(other.error_);
  }
  return *this;
}

bool TLibrary::Load(const AnsiString& name) {
  Free();
  // dlopen of an empty name would hand back the program itself.
  if (name.empty()) {
    error_ = "no library name given";
    return false;
  }
  handle_ = dlopen(ResolveLibraryName(name).c_str(), RTLD_NOW | RTLD_LOCAL);
  error_ = handle_ ? AnsiString() : DlError();
  return handle_ != nullptr;
}

void TLibrary::Free() {
  if (handle_) dlclose(handle_);
  handle_ = nullptr;
}

void* TLibrary::Procedure(const AnsiString& name) const {
  if (!handle_) {
    error_ = "no library loaded";
    return nullptr;
  }
  dlerror();
  void* address = dlsym(handle_, name.c_str());
  error_ = address ? AnsiString() : DlError();
  return address;
}
