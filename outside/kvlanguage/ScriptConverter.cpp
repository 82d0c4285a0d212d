#include "outside/kvlanguage/ScriptConverter.h"

#include <opencc/SimpleConverter.hpp>

#include <memory>

namespace {

std::unique_ptr<const opencc::SimpleConverter> Open(const char* configuration) {
  try {
    return std::make_unique<const opencc::SimpleConverter>(configuration);
  } catch (const std::exception&) {
    return nullptr;
  }
}

std::string Map(const opencc::SimpleConverter* converter, const std::string& utf8) {
  return converter ? converter->Convert(utf8) : utf8;
}

}  // namespace

std::string ToTraditional(const std::string& utf8) {
  static const auto converter = Open(kSimplifiedToTraditional);
  return Map(converter.get(), utf8);
}

std::string ToSimplified(const std::string& utf8) {
  static const auto converter = Open(kTraditionalToSimplified);
  return Map(converter.get(), utf8);
}
