#include "lib/PropertyAccess.h"

#include "platform/db/Fields.h"

namespace {

const TPropInfo* Find(const TObject* object, const AnsiString& name) {
  if (!object || name.empty()) return nullptr;
  return GetPropInfo(*object, name);
}

}  // namespace

bool HasProperty(const TObject* component, const AnsiString& name) { return Find(component, name) != nullptr; }

bool HasPropertyOfType(const TObject* component, const AnsiString& name, const AnsiString& typeName) {
  const TPropInfo* p = Find(component, name);
  return p && SameText(p->PropType->Name, typeName);
}

AnsiString GetStrPropByName(const TObject* component, const AnsiString& name) {
  const TPropInfo* p = Find(component, name);
  return p && p->PropType->Kind == tkString ? GetStrProp(*component, *p) : AnsiString();
}

void SetStrPropByName(TObject* component, const AnsiString& name, const AnsiString& value) {
  if (const TPropInfo* p = Find(component, name); p && p->PropType->Kind == tkString) SetStrProp(*component, *p, value);
}

int GetOrdPropByName(const TObject* control, const AnsiString& name) {
  const TPropInfo* p = Find(control, name);
  if (!p) return 0;
  TTypeKind k = p->PropType->Kind;
  if (k != tkInteger && k != tkChar && k != tkEnumeration && k != tkSet) return 0;
  return static_cast<int>(GetOrdProp(*control, *p));
}

void SetOrdPropByName(TObject* object, const AnsiString& name, int value) {
  if (const TPropInfo* p = Find(object, name)) SetOrdProp(*object, *p, value);
}

TMethod GetMethodPropByName(const TObject* object, const AnsiString& name) {
  const TPropInfo* p = Find(object, name);
  return p && p->PropType->Kind == tkMethod ? GetMethodProp(*object, *p) : TMethod{};
}

void SetMethodPropByName(TObject* object, const AnsiString& name, const TMethod& handler) {
  if (const TPropInfo* p = Find(object, name); p && p->PropType->Kind == tkMethod) SetMethodProp(*object, *p, handler);
}

TObject* GetClassProperty(const TObject* object, const AnsiString& name) {
  const TPropInfo* p = Find(object, name);
  return p && p->PropType->Kind == tkClass ? GetObjectProp(*object, *p) : nullptr;
}

void SetPropertyByPath(TObject* object, const AnsiString& path, const Variant& value) {
  if (!object) throw EPropertyError("No object for property " + path);
  int dot = AnsiPos(".", path);
  if (dot > 0) {
    AnsiString head = path.substr(0, static_cast<size_t>(dot) - 1);
    TObject* inner = GetClassProperty(object, head);
    if (!inner) throw EPropertyError("Property " + head + " holds no object");
    return SetPropertyByPath(inner, path.substr(static_cast<size_t>(dot)), value);
  }
  const TPropInfo* p = Find(object, path);
  if (!p) return;
  const TTypeInfo& type = *p->PropType;
  if (type.Kind == tkInteger && !type.Idents.empty()) {
    int translated = 0;
    if (IdentToInt(type, VarToStr(value), translated)) return SetOrdProp(*object, *p, translated);
    return SetPropValue(*object, *p, value);
  }
  if ((type.Kind == tkEnumeration || type.Kind == tkSet) && !value.IsNumeric())
    return SetPropValue(*object, *p, Variant(Trim(VarToStr(value))));
  SetPropValue(*object, *p, value);
}

bool TrySetPropertyByPath(TObject* object, const AnsiString& path, const Variant& value) {
  try {
    SetPropertyByPath(object, path, value);
    return true;
  } catch (...) {
    return false;
  }
}

LRESULT ClickControl(TControl* control, WPARAM wParam, LPARAM lParam) {
  if (!control) return 0;
  control->Perform(WM_LBUTTONDOWN, wParam, lParam);
  return control->Perform(WM_LBUTTONUP, wParam, lParam);
}

const std::vector<const TClassInfo*>& FieldClasses() {
  static const std::vector<const TClassInfo*> classes = {
      &TADTField::StaticClass(),      &TAggregateField::StaticClass(), &TArrayField::StaticClass(),
      &TAutoIncField::StaticClass(),  &TBCDField::StaticClass(),       &TBinaryField::StaticClass(),
      &TBlobField::StaticClass(),     &TBooleanField::StaticClass(),   &TBytesField::StaticClass(),
      &TCurrencyField::StaticClass(), &TDateField::StaticClass(),      &TDataSetField::StaticClass(),
      &TDateTimeField::StaticClass(), &TFloatField::StaticClass(),     &TGraphicField::StaticClass(),
      &TIntegerField::StaticClass(),  &TLargeintField::StaticClass(),  &TMemoField::StaticClass(),
      &TNumericField::StaticClass(),  &TObjectField::StaticClass(),    &TReferenceField::StaticClass(),
      &TSmallintField::StaticClass(), &TStringField::StaticClass(),    &TTimeField::StaticClass(),
      &TVarBytesField::StaticClass(), &TWordField::StaticClass()};
  return classes;
}

void RegisterFieldClasses() {
  for (const TClassInfo* c : FieldClasses()) RegisterClass(*c);
}

void UnregisterFieldClasses() {
  for (const TClassInfo* c : FieldClasses()) UnRegisterClass(*c);
}
