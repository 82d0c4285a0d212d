#pragma once
// Sets (or unsets) an environment variable for a test's scope and restores it afterwards.

#include <optional>
#include <string>

#include "platform/Text.h"

class ScopedEnv {
public:
  ScopedEnv(std::string name, std::optional<std::string> value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
  std::string name_;
  std::optional<std::string> previous_;
};

// Sets the system code page for a test's scope.
using ScopedCodePage = TCodePageScope;
