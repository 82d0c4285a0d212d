#include "platform/streaming/FormDescriptions.h"

#include <map>
#include <optional>

namespace {

struct TEntry {
  std::string_view Text;
  std::optional<TFormObject> Parsed;
};

std::map<AnsiString, TEntry>& Descriptions() {
  static std::map<AnsiString, TEntry> descriptions;
  return descriptions;
}

// The class name of the root block: the identifier after the first ':'.
AnsiString RootClassName(std::string_view text) {
  size_t colon = text.find(':');
  if (colon == std::string_view::npos) return {};
  size_t start = text.find_first_not_of(" \t", colon + 1);
  if (start == std::string_view::npos) return {};
  size_t end = text.find_first_of(" \t\r\n", start);
  return AnsiString(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

}  // namespace

void RegisterFormDescription(std::string_view text) {
  AnsiString name = RootClassName(text);
  if (name.empty()) throw EParserError("Form description without a root class");
  Descriptions()[UpperCase(name)] = TEntry{text, std::nullopt};
}

const TFormObject* FindFormDescription(std::string_view className) {
  auto it = Descriptions().find(UpperCase(className));
  if (it == Descriptions().end()) return nullptr;
  if (!it->second.Parsed) it->second.Parsed = ParseFormText(it->second.Text);
  return &*it->second.Parsed;
}
