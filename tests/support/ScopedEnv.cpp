#include "tests/support/ScopedEnv.h"

#include <cstdlib>

ScopedEnv::ScopedEnv(std::string name, std::optional<std::string> value) : name_(std::move(name)) {
  if (const char* old = std::getenv(name_.c_str())) previous_ = old;
  if (value) setenv(name_.c_str(), value->c_str(), 1);
  else unsetenv(name_.c_str());
}

ScopedEnv::~ScopedEnv() {
  if (previous_) setenv(name_.c_str(), previous_->c_str(), 1);
  else unsetenv(name_.c_str());
}
