#pragma once
// A shell installation for one test: a temporary folder and the registry file that names it.

#include <optional>
#include <string>

#include "platform/DateTime.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

class TestInstallation {
public:
  // keyValues: the lines of the key "Software\ORVO\Tiller", "<root>" standing for the folder.
  // Without them the registry file holds no such key.
  explicit TestInstallation(std::optional<std::string> keyValues)
      : registry_("PAVANE_REGISTRY", folder_.write("registry.txt", RegistryText(keyValues))) {}

  // The folder, ending in "/".
  const std::string& root() const { return folder_.path(); }
  std::string write(const std::string& relative, const std::string& content) const {
    return folder_.write(relative, content);
  }
  std::string read(const std::string& relative) const { return folder_.read(relative); }

private:
  std::string RegistryText(const std::optional<std::string>& keyValues) const {
    if (!keyValues) return "[HKEY_LOCAL_MACHINE\\Software\\Other]\r\nClientPath=" + root() + "\r\n";
    std::string values = *keyValues;
    for (size_t at; (at = values.find("<root>")) != std::string::npos;) values.replace(at, 6, root());
    return "[HKEY_LOCAL_MACHINE\\Software\\ORVO\\Tiller]\r\n" + values;
  }

  TempFolder folder_;
  ScopedEnv registry_;
};

// Freezes the clock for a test's scope.
class FrozenClock {
public:
  explicit FrozenClock(TDateTime moment) { SetFrozenNow(moment); }
  ~FrozenClock() { SetFrozenNow(std::nullopt); }
  FrozenClock(const FrozenClock&) = delete;
  FrozenClock& operator=(const FrozenClock&) = delete;
};
