#include "platform/Registry.h"

#include <cstdlib>

namespace {

AnsiString RegistryFileName() {
  const char* name = std::getenv("PAVANE_REGISTRY");
  return name ? name : "";
}

AnsiString RootName(HKEY root) {
  switch (root) {
    case HKEY_CLASSES_ROOT: return "HKEY_CLASSES_ROOT";
    case HKEY_CURRENT_USER: return "HKEY_CURRENT_USER";
    case HKEY_LOCAL_MACHINE: return "HKEY_LOCAL_MACHINE";
    default: return "";
  }
}

std::string_view WithoutOuterBackslashes(std::string_view path) {
  while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
  while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  return path;
}

}  // namespace

TRegistry::TRegistry() : file_(RegistryFileName()) { file_.ReadSections(sections_); }

bool TRegistry::OpenKeyReadOnly(const AnsiString& key) {
  auto section = FindKey(FullPath(key));
  if (!section) return false;
  openSection_ = std::move(section);
  return true;
}

void TRegistry::CloseKey() { openSection_.reset(); }

AnsiString TRegistry::ReadString(const AnsiString& name) const {
  return openSection_ ? file_.ReadString(*openSection_, name, "") : AnsiString();
}

bool TRegistry::ValueExists(const AnsiString& name) const {
  return openSection_ && file_.ValueExists(*openSection_, name);
}

bool TRegistry::KeyExists(const AnsiString& key) const { return FindKey(FullPath(key)).has_value(); }

AnsiString TRegistry::FullPath(const AnsiString& key) const {
  bool fromRoot = !key.empty() && key.front() == '\\';
  AnsiString base = !fromRoot && openSection_ ? AnsiString(WithoutOuterBackslashes(*openSection_)) : RootName(RootKey);
  std::string_view relative = WithoutOuterBackslashes(key);
  return relative.empty() ? base : base + "\\" + AnsiString(relative);
}

std::optional<AnsiString> TRegistry::FindKey(const AnsiString& fullPath) const {
  std::optional<AnsiString> found;
  for (int i = 0; i < sections_.Count(); ++i) {
    std::string_view section = WithoutOuterBackslashes(sections_[i]);
    if (SameText(section, fullPath)) return sections_[i];
    bool below = section.size() > fullPath.size() && section[fullPath.size()] == '\\' &&
                 SameText(section.substr(0, fullPath.size()), fullPath);
    if (below) found = fullPath;
  }
  return found;
}
