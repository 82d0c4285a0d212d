#pragma once
// A sectioned profile file ("[Section]" lines, then "key=value" lines), read once when created.
// Sections and keys compare without letter case; blanks around keys and values are dropped, and
// so are quotes enclosing a whole value; lines starting with ";" are comments; the first of
// duplicated keys counts, and a repeated section header continues the first one. A file that is
// missing or cannot be read holds nothing, so every read gives its default.

#include <optional>
#include <vector>

#include "platform/StringList.h"
#include "platform/Text.h"

class TIniFile {
public:
  explicit TIniFile(const AnsiString& fileName);

  AnsiString ReadString(std::string_view section, std::string_view key, const AnsiString& fallback) const;
  // Decimal or "0x"/"$" hexadecimal; anything else gives the fallback.
  int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
  // A number: 0 is false, any other number true; anything else gives the fallback.
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

  // The section's keys in file order.
  void ReadSection(std::string_view section, TStringList& keys) const;
  // The section's "key=value" lines in file order.
  void ReadSectionValues(std::string_view section, TStringList& lines) const;
  // Every section header's name in file order, also of sections without keys.
  void ReadSections(TStringList& sections) const;
  // True when the section holds at least one key.
  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;

private:
  // A line without "=" is a key without a value: it is listed, and reads give the default.
  struct Entry {
    AnsiString Key;
    std::optional<AnsiString> Value;
  };
  struct Section {
    AnsiString Name;
    std::vector<Entry> Entries;
  };

  void Parse(std::string_view content);
  const Section* FindSection(std::string_view name) const;
  static const Entry* FindEntry(const std::vector<Entry>& entries, std::string_view key);
  const Entry* FindEntry(std::string_view section, std::string_view key) const;

  std::vector<Section> sections_;
};
