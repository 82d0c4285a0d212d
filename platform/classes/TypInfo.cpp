#include "platform/classes/TypInfo.h"

#include "platform/classes/Events.h"

namespace {

bool IsOrdinal(TTypeKind k) { return k == tkInteger || k == tkChar || k == tkEnumeration || k == tkSet; }

[[noreturn]] void WrongKind(const TPropInfo& prop) {
  throw EPropertyError("Property " + prop.Name + " is of type " + prop.PropType->Name);
}

void Write(TObject& instance, const TPropInfo& prop, const TPropValue& value) {
  if (!prop.Set) throw EPropertyError("Property " + prop.Name + " is read-only");
  prop.Set(instance, value);
}

template <class T>
T Read(const TObject& instance, const TPropInfo& prop) {
  return std::get<T>(prop.Get(instance));
}

}  // namespace

TTypeInfo EventTypeInfo(const char* name) {
  TTypeInfo t;
  t.Kind = tkMethod;
  t.Name = name;
  return t;
}

const TTypeInfo& TypeInfoOf(TNotifyEvent*) {
  static const TTypeInfo t = EventTypeInfo("TNotifyEvent");
  return t;
}

const TPropInfo* GetPropInfo(const TObject& instance, std::string_view name) {
  return instance.ClassType().FindProperty(name);
}

std::int64_t GetOrdProp(const TObject& instance, const TPropInfo& prop) {
  if (!IsOrdinal(prop.PropType->Kind)) WrongKind(prop);
  return Read<std::int64_t>(instance, prop);
}

void SetOrdProp(TObject& instance, const TPropInfo& prop, std::int64_t value) {
  if (!IsOrdinal(prop.PropType->Kind)) WrongKind(prop);
  if (prop.PropType->Kind == tkEnumeration &&
      (value < 0 || static_cast<size_t>(value) >= prop.PropType->EnumNames.size()))
    throw EPropertyConvertError("Invalid property value: " + IntToStr(value) + " is no " + prop.PropType->Name);
  Write(instance, prop, value);
}

AnsiString GetStrProp(const TObject& instance, const TPropInfo& prop) {
  if (prop.PropType->Kind == tkVariant) return VarToStr(Read<Variant>(instance, prop));
  if (prop.PropType->Kind != tkString) WrongKind(prop);
  return Read<AnsiString>(instance, prop);
}

void SetStrProp(TObject& instance, const TPropInfo& prop, const AnsiString& value) {
  if (prop.PropType->Kind == tkVariant) return Write(instance, prop, Variant(value));
  if (prop.PropType->Kind != tkString) WrongKind(prop);
  Write(instance, prop, value);
}

double GetFloatProp(const TObject& instance, const TPropInfo& prop) {
  if (prop.PropType->Kind != tkFloat) WrongKind(prop);
  return Read<double>(instance, prop);
}

void SetFloatProp(TObject& instance, const TPropInfo& prop, double value) {
  if (prop.PropType->Kind != tkFloat) WrongKind(prop);
  Write(instance, prop, value);
}

TObject* GetObjectProp(const TObject& instance, const TPropInfo& prop) {
  if (prop.PropType->Kind != tkClass) WrongKind(prop);
  return Read<TObject*>(instance, prop);
}

void SetObjectProp(TObject& instance, const TPropInfo& prop, TObject* value) {
  if (prop.PropType->Kind != tkClass) WrongKind(prop);
  Write(instance, prop, value);
}

TMethod GetMethodProp(const TObject& instance, const TPropInfo& prop) {
  if (prop.PropType->Kind != tkMethod) WrongKind(prop);
  return Read<TMethod>(instance, prop);
}

void SetMethodProp(TObject& instance, const TPropInfo& prop, const TMethod& value) {
  if (prop.PropType->Kind != tkMethod) WrongKind(prop);
  Write(instance, prop, value);
}

void SetPropValue(TObject& instance, const TPropInfo& prop, const Variant& value) {
  const TTypeInfo& type = *prop.PropType;
  switch (type.Kind) {
    case tkInteger:
      return SetOrdProp(instance, prop, value.AsInt64());
    case tkChar: {
      if (value.IsString()) {
        AnsiString s = value.AsString();
        return SetOrdProp(instance, prop, s.empty() ? 0 : static_cast<unsigned char>(s[0]));
      }
      return SetOrdProp(instance, prop, value.AsInt64());
    }
    case tkEnumeration: {
      if (value.IsString()) {
        AnsiString name = value.AsString();
        int ordinal = GetEnumValue(type, name);
        if (ordinal < 0) throw EPropertyConvertError("Invalid property element: " + name);
        return SetOrdProp(instance, prop, ordinal);
      }
      if (VarType(value) == varBoolean) return SetOrdProp(instance, prop, value.AsBoolean() ? 1 : 0);
      return SetOrdProp(instance, prop, value.AsInt64());
    }
    case tkSet:
      if (value.IsString()) return SetOrdProp(instance, prop, StringToSet(type, value.AsString()));
      return SetOrdProp(instance, prop, value.AsInt64());
    case tkFloat:
      return SetFloatProp(instance, prop, value.AsDouble());
    case tkString:
      return SetStrProp(instance, prop, VarToStr(value));
    case tkVariant:
      return Write(instance, prop, value);
    default:
      throw EPropertyConvertError("Invalid property value for " + prop.Name);
  }
}

Variant GetPropValue(const TObject& instance, const TPropInfo& prop) {
  const TTypeInfo& type = *prop.PropType;
  switch (type.Kind) {
    case tkInteger:
    case tkChar:
      return static_cast<int>(GetOrdProp(instance, prop));
    case tkEnumeration:
      return GetEnumName(type, static_cast<int>(GetOrdProp(instance, prop)));
    case tkSet:
      return SetToString(type, GetOrdProp(instance, prop), false);
    case tkFloat:
      return GetFloatProp(instance, prop);
    case tkString:
      return GetStrProp(instance, prop);
    case tkVariant:
      return Read<Variant>(instance, prop);
    default:
      throw EPropertyConvertError("Invalid property value for " + prop.Name);
  }
}
