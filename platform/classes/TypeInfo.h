#pragma once
// Type information of published properties: the kind of a property's type, its name
// ("TFont", "TColor", "TComboBoxStyle"), the element names of enumerations, the element type
// of sets, the class of object properties, and named integer constants (clRed, crHourGlass).

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "platform/Text.h"
#include "platform/classes/Set.h"

class TClassInfo;
class Variant;

enum TTypeKind { tkUnknown, tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet, tkClass, tkMethod, tkVariant };

// A named integer constant of an integer type.
struct TIdentMapEntry {
  int Value;
  const char* Name;
};

struct TTypeInfo {
  TTypeKind Kind = tkUnknown;
  AnsiString Name;
  std::vector<AnsiString> EnumNames;       // enumeration: element names by ordinal
  const TTypeInfo* ElementType = nullptr;  // set: the enumeration of its elements
  const TClassInfo* ClassType = nullptr;   // class: the class
  std::vector<TIdentMapEntry> Idents;      // integer: named constants, empty when none
};

TTypeInfo EnumTypeInfo(const char* name, std::initializer_list<const char*> elementNames);
TTypeInfo SetTypeInfo(const char* name, const TTypeInfo& elementType);
TTypeInfo IntegerTypeInfo(const char* name, std::initializer_list<TIdentMapEntry> idents = {});

// Enumeration element names; GetEnumValue answers -1 for an unknown name (case ignored).
AnsiString GetEnumName(const TTypeInfo& type, int value);
int GetEnumValue(const TTypeInfo& type, std::string_view name);
// "[fsBold,fsItalic]" (or without brackets); StringToSet raises EPropertyConvertError for an
// element that the enumeration lacks.
AnsiString SetToString(const TTypeInfo& setType, std::int64_t value, bool brackets = true);
std::int64_t StringToSet(const TTypeInfo& setType, std::string_view text);
// Named constants of an integer type; false when the type has none of that name or value.
bool IdentToInt(const TTypeInfo& type, std::string_view ident, int& value);
bool IntToIdent(const TTypeInfo& type, int value, AnsiString& ident);

// The type information of a C++ type, found by overloads on a pointer tag:
// TypeInfoOf(static_cast<T*>(nullptr)). Each published enumeration, set and event type
// declares its overload next to its definition.
const TTypeInfo& TypeInfoOf(int*);
const TTypeInfo& TypeInfoOf(std::uint8_t*);
const TTypeInfo& TypeInfoOf(bool*);
const TTypeInfo& TypeInfoOf(char*);
const TTypeInfo& TypeInfoOf(double*);
const TTypeInfo& TypeInfoOf(AnsiString*);
const TTypeInfo& TypeInfoOf(Variant*);

template <class T>
const TTypeInfo& TypeInfoFor() {
  return TypeInfoOf(static_cast<T*>(nullptr));
}
