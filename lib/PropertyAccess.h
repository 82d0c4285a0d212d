#pragma once
// Property access by name for components that may lack the property, property paths
// ("Font.Name"), the simulated click, and the registration of the field classes.

#include "platform/classes/TypInfo.h"
#include "platform/controls/Controls.h"

bool HasProperty(const TObject* component, const AnsiString& name);
// True when the property exists and its type's name equals TypeName, case ignored.
bool HasPropertyOfType(const TObject* component, const AnsiString& name, const AnsiString& typeName);
AnsiString GetStrPropByName(const TObject* component, const AnsiString& name);
void SetStrPropByName(TObject* component, const AnsiString& name, const AnsiString& value);
int GetOrdPropByName(const TObject* control, const AnsiString& name);
void SetOrdPropByName(TObject* object, const AnsiString& name, int value);
TMethod GetMethodPropByName(const TObject* object, const AnsiString& name);
void SetMethodPropByName(TObject* object, const AnsiString& name, const TMethod& handler);
// The object held by a class-kind property, nullptr otherwise.
TObject* GetClassProperty(const TObject* object, const AnsiString& name);
// Sets the property at the end of Path ("Font.Color"); a missing intermediate object raises
// EPropertyError, conversion errors propagate, a missing last property is skipped.
void SetPropertyByPath(TObject* object, const AnsiString& path, const Variant& value);
bool TrySetPropertyByPath(TObject* object, const AnsiString& path, const Variant& value);
// Left button down, then up, as messages; the result of the second.
LRESULT ClickControl(TControl* control, WPARAM wParam, LPARAM lParam);

// The 26 field classes, in their registration order.
const std::vector<const TClassInfo*>& FieldClasses();
void RegisterFieldClasses();
void UnregisterFieldClasses();
