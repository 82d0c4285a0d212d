#include "platform/StringList.h"

#include <optional>

#include "platform/Format.h"

namespace {

// The name part of a name=value item; nullopt when the item has no "=".
std::optional<std::string_view> NameOf(std::string_view item) {
  int p = AnsiPos("=", item);
  if (p == 0) return std::nullopt;
  return item.substr(0, static_cast<size_t>(p) - 1);
}

}  // namespace

int TStringList::Add(const AnsiString& s) {
  items_.push_back(s);
  Changed();
  return Count() - 1;
}

void TStringList::Insert(int index, const AnsiString& s) {
  CheckIndex(index, Count() + 1);
  items_.insert(items_.begin() + index, s);
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index, Count());
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed();
}

const AnsiString& TStringList::Strings(int index) const {
  CheckIndex(index, Count());
  return items_[static_cast<size_t>(index)];
}

void TStringList::Put(int index, const AnsiString& s) {
  CheckIndex(index, Count());
  items_[static_cast<size_t>(index)] = s;
  Changed();
}

int TStringList::IndexOf(std::string_view s) const {
  for (int i = 0; i < Count(); ++i)
    if (SameText(items_[static_cast<size_t>(i)], s)) return i;
  return -1;
}

AnsiString TStringList::Text() const {
  AnsiString text;
  for (const auto& item : items_) text += item + "\r\n";
  return text;
}

void TStringList::SetText(std::string_view text) {
  items_.clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    items_.emplace_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r') ++end;
    if (end < text.size() && text[end] == '\n') ++end;
    start = end;
  }
  Changed();
}

AnsiString TStringList::Names(int index) const { return AnsiString(NameOf(Strings(index)).value_or("")); }

AnsiString TStringList::Values(std::string_view name) const {
  int index = IndexOfName(name);
  return index < 0 ? AnsiString() : ValueFromIndex(index);
}

void TStringList::SetValues(std::string_view name, const AnsiString& value) {
  int index = IndexOfName(name);
  if (value.empty()) {
    if (index >= 0) Delete(index);
    return;
  }
  AnsiString item = AnsiString(name) + "=" + value;
  if (index < 0) Add(item);
  else Put(index, item);
}

AnsiString TStringList::ValueFromIndex(int index) const {
  const AnsiString& item = Strings(index);
  auto name = NameOf(item);
  return name ? item.substr(name->size() + 1) : AnsiString();
}

int TStringList::IndexOfName(std::string_view name) const {
  for (int i = 0; i < Count(); ++i) {
    auto itemName = NameOf(items_[static_cast<size_t>(i)]);
    if (itemName && SameText(*itemName, name)) return i;
  }
  return -1;
}

void TStringList::Assign(const TStringList& source) {
  if (&source == this) return;
  items_ = source.items_;
  Changed();
}

void TStringList::CheckIndex(int index, int count) const {
  if (index < 0 || index >= count) throw EStringListError(Format("List index out of bounds (%d)", {index}));
}

void TStringList::Changed() const {
  if (OnChange) OnChange();
}
