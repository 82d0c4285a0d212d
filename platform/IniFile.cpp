#include "platform/IniFile.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

AnsiString Unquoted(AnsiString value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

// Index of the last "]" that is a character of its own (not the second byte of a double-byte one).
size_t LastClosingBracket(std::string_view line) {
  size_t found = std::string_view::npos;
  for (size_t at = 0; int p = AnsiPos("]", line.substr(at));) {
    at += static_cast<size_t>(p);
    found = at - 1;
  }
  return found;
}

AnsiString ReadWholeFile(const AnsiString& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  std::ostringstream content;
  if (in) content << in.rdbuf();
  return content.str();
}

}  // namespace

TIniFile::TIniFile(const AnsiString& fileName) { Parse(ReadWholeFile(fileName)); }

void TIniFile::Parse(std::string_view content) {
  TStringList lines;
  lines.SetText(content);
  std::vector<Entry>* entries = nullptr;
  for (int i = 0; i < lines.Count(); ++i) {
    AnsiString line = Trim(lines[i]);
    if (line.empty() || line.front() == ';') continue;
    if (auto close = LastClosingBracket(line); line.front() == '[' && close != AnsiString::npos) {
      AnsiString name = Trim(std::string_view(line).substr(1, close - 1));
      auto existing = std::find_if(sections_.begin(), sections_.end(),
                                   [&](const Section& s) { return SameText(s.Name, name); });
      entries = existing != sections_.end() ? &existing->Entries : &sections_.emplace_back(Section{name, {}}).Entries;
      continue;
    }
    if (!entries) continue;
    auto equals = line.find('=');
    Entry entry{Trim(std::string_view(line).substr(0, equals)), std::nullopt};
    if (equals != AnsiString::npos) entry.Value = Unquoted(Trim(std::string_view(line).substr(equals + 1)));
    if (entry.Key.empty() || FindEntry(*entries, entry.Key)) continue;
    entries->push_back(std::move(entry));
  }
}

const TIniFile::Section* TIniFile::FindSection(std::string_view name) const {
  for (const auto& section : sections_)
    if (SameText(section.Name, name)) return &section;
  return nullptr;
}

const TIniFile::Entry* TIniFile::FindEntry(const std::vector<Entry>& entries, std::string_view key) {
  for (const auto& entry : entries)
    if (SameText(entry.Key, key)) return &entry;
  return nullptr;
}

const TIniFile::Entry* TIniFile::FindEntry(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  return found ? FindEntry(found->Entries, key) : nullptr;
}

AnsiString TIniFile::ReadString(std::string_view section, std::string_view key, const AnsiString& fallback) const {
  const Entry* entry = FindEntry(section, key);
  return entry && entry->Value ? *entry->Value : fallback;
}

int TIniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
  return StrToIntDef(ReadString(section, key, ""), fallback);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void TIniFile::ReadSection(std::string_view section, TStringList& keys) const {
  TStringList found;
  if (const Section* s = FindSection(section))
    for (const auto& entry : s->Entries) found.Add(entry.Key);
  keys.Assign(found);
}

void TIniFile::ReadSectionValues(std::string_view section, TStringList& lines) const {
  TStringList found;
  if (const Section* s = FindSection(section))
    for (const auto& entry : s->Entries) found.Add(entry.Key + "=" + entry.Value.value_or(""));
  lines.Assign(found);
}

void TIniFile::ReadSections(TStringList& sections) const {
  TStringList found;
  for (const auto& section : sections_) found.Add(section.Name);
  sections.Assign(found);
}

bool TIniFile::SectionExists(std::string_view section) const {
  const Section* found = FindSection(section);
  return found && !found->Entries.empty();
}

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
  return FindEntry(section, key) != nullptr;
}
