// The library's C entries over the GB/BIG5 conversion.

#include "outside/kvlanguage/Kvlanguage.h"

#include <fstream>

#include "outside/kvlanguage/GbBig5.h"
#include "outside/kvlanguage/ScriptConverter.h"

namespace {

thread_local AnsiString t_result;

// No exception may cross the C boundary; a conversion that cannot be made leaves the text as it is.
const char* Deliver(const char* text, AnsiString (*convert)(std::string_view)) {
  std::string_view input = text ? text : "";
  try {
    t_result = convert(input);
  } catch (const std::exception&) {
    t_result.assign(input);
  }
  return t_result.c_str();
}

}  // namespace

const char* GBtoBIG5(const char* text) { return Deliver(text, GbToBig5Text); }

const char* BIG5toGB(const char* text) { return Deliver(text, Big5ToGbText); }

const char* GetBIG5Data() { return kSimplifiedToTraditional; }

const char* GetGBData() { return kTraditionalToSimplified; }

int SaveOrder(const char* fileName) {
  if (!fileName || !*fileName) return 0;
  std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
  file << "GBtoBIG5=" << kSimplifiedToTraditional << "\n"
       << "BIG5toGB=" << kTraditionalToSimplified << "\n";
  file.close();
  return file ? 1 : 0;
}
