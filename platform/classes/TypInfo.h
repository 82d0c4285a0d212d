#pragma once
// Reading and writing published properties by their type information.

#include "platform/classes/Object.h"
#include "platform/classes/PropErrors.h"

// The published property of that name (case ignored), nullptr when the class has none.
const TPropInfo* GetPropInfo(const TObject& instance, std::string_view name);

// Typed access; a property of another kind, or a read-only one written, raises EPropertyError.
std::int64_t GetOrdProp(const TObject& instance, const TPropInfo& prop);
void SetOrdProp(TObject& instance, const TPropInfo& prop, std::int64_t value);
AnsiString GetStrProp(const TObject& instance, const TPropInfo& prop);
void SetStrProp(TObject& instance, const TPropInfo& prop, const AnsiString& value);
double GetFloatProp(const TObject& instance, const TPropInfo& prop);
void SetFloatProp(TObject& instance, const TPropInfo& prop, double value);
TObject* GetObjectProp(const TObject& instance, const TPropInfo& prop);
void SetObjectProp(TObject& instance, const TPropInfo& prop, TObject* value);
TMethod GetMethodProp(const TObject& instance, const TPropInfo& prop);
void SetMethodProp(TObject& instance, const TPropInfo& prop, const TMethod& value);

// The platform's set-by-Variant: texts for text properties, numbers for number properties,
// element names for enumerations ("Invalid property element" when unknown), set texts
// such as "[fsBold]", booleans for Boolean. Conversion errors of the Variant propagate.
void SetPropValue(TObject& instance, const TPropInfo& prop, const Variant& value);
// Ordinals as integers, enumerations as their names, sets as their texts.
Variant GetPropValue(const TObject& instance, const TPropInfo& prop);
