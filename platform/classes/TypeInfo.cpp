#include "platform/classes/TypeInfo.h"

#include "platform/classes/PropErrors.h"

TTypeInfo EnumTypeInfo(const char* name, std::initializer_list<const char*> elementNames) {
  TTypeInfo t;
  t.Kind = tkEnumeration;
  t.Name = name;
  for (const char* n : elementNames) t.EnumNames.emplace_back(n);
  return t;
}

TTypeInfo SetTypeInfo(const char* name, const TTypeInfo& elementType) {
  TTypeInfo t;
  t.Kind = tkSet;
  t.Name = name;
  t.ElementType = &elementType;
  return t;
}

TTypeInfo IntegerTypeInfo(const char* name, std::initializer_list<TIdentMapEntry> idents) {
  TTypeInfo t;
  t.Kind = tkInteger;
  t.Name = name;
  t.Idents = idents;
  return t;
}

AnsiString GetEnumName(const TTypeInfo& type, int value) {
  if (value < 0 || static_cast<size_t>(value) >= type.EnumNames.size()) return IntToStr(value);
  return type.EnumNames[static_cast<size_t>(value)];
}

int GetEnumValue(const TTypeInfo& type, std::string_view name) {
  for (size_t i = 0; i < type.EnumNames.size(); ++i)
    if (SameText(type.EnumNames[i], name)) return static_cast<int>(i);
  return -1;
}

AnsiString SetToString(const TTypeInfo& setType, std::int64_t value, bool brackets) {
  AnsiString text;
  const TTypeInfo& element = *setType.ElementType;
  for (size_t i = 0; i < element.EnumNames.size() && i < 32; ++i) {
    if ((value & (std::int64_t{1} << i)) == 0) continue;
    if (!text.empty()) text += ',';
    text += element.EnumNames[i];
  }
  return brackets ? "[" + text + "]" : text;
}

std::int64_t StringToSet(const TTypeInfo& setType, std::string_view text) {
  AnsiString rest = Trim(text);
  if (!rest.empty() && rest.front() == '[') rest.erase(0, 1);
  if (!rest.empty() && rest.back() == ']') rest.pop_back();
  std::int64_t bits = 0;
  size_t start = 0;
  while (start <= rest.size()) {
    size_t comma = rest.find(',', start);
    AnsiString name = Trim(std::string_view(rest).substr(start, comma == AnsiString::npos ? AnsiString::npos : comma - start));
    if (!name.empty()) {
      int ordinal = GetEnumValue(*setType.ElementType, name);
      if (ordinal < 0) throw EPropertyConvertError("Invalid property element: " + name);
      bits |= std::int64_t{1} << ordinal;
    }
    if (comma == AnsiString::npos) break;
    start = comma + 1;
  }
  return bits;
}

bool IdentToInt(const TTypeInfo& type, std::string_view ident, int& value) {
  for (const TIdentMapEntry& e : type.Idents)
    if (SameText(e.Name, ident)) {
      value = e.Value;
      return true;
    }
  return false;
}

bool IntToIdent(const TTypeInfo& type, int value, AnsiString& ident) {
  for (const TIdentMapEntry& e : type.Idents)
    if (e.Value == value) {
      ident = e.Name;
      return true;
    }
  return false;
}

namespace {

TTypeInfo Simple(TTypeKind kind, const char* name) {
  TTypeInfo t;
  t.Kind = kind;
  t.Name = name;
  return t;
}

}  // namespace

const TTypeInfo& TypeInfoOf(int*) {
  static const TTypeInfo t = Simple(tkInteger, "Integer");
  return t;
}
const TTypeInfo& TypeInfoOf(std::uint8_t*) {
  static const TTypeInfo t = Simple(tkInteger, "Byte");
  return t;
}
const TTypeInfo& TypeInfoOf(bool*) {
  static const TTypeInfo t = EnumTypeInfo("Boolean", {"False", "True"});
  return t;
}
const TTypeInfo& TypeInfoOf(char*) {
  static const TTypeInfo t = Simple(tkChar, "Char");
  return t;
}
const TTypeInfo& TypeInfoOf(double*) {
  static const TTypeInfo t = Simple(tkFloat, "Double");
  return t;
}
const TTypeInfo& TypeInfoOf(AnsiString*) {
  static const TTypeInfo t = Simple(tkString, "AnsiString");
  return t;
}
const TTypeInfo& TypeInfoOf(Variant*) {
  static const TTypeInfo t = Simple(tkVariant, "Variant");
  return t;
}
