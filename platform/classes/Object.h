#pragma once
// The root of the class library: every object knows its class, and every class its name,
// its parent class, its published properties, methods and fields, and how to create it.

#include <functional>
#include <memory>
#include <unordered_map>
#include <variant>
#include <vector>

#include "platform/Exceptions.h"
#include "platform/Variant.h"
#include "platform/classes/Method.h"
#include "platform/classes/TypeInfo.h"

class TObject;
class TComponent;

// A property value on its way in or out: ordinals (integers, characters, enumerations, sets),
// floats, texts, objects, method values and Variants.
using TPropValue = std::variant<std::int64_t, double, AnsiString, TObject*, TMethod, Variant>;

struct TPropInfo {
  AnsiString Name;
  const TTypeInfo* PropType = nullptr;
  std::function<TPropValue(const TObject&)> Get;
  std::function<void(TObject&, const TPropValue&)> Set;  // empty for a read-only property
};

struct TPublishedMethod {
  AnsiString Name;
  const TMethodCode* Code = nullptr;
};

// A published field of a root (a form's btnOk): set to the owned component of that name.
struct TPublishedField {
  AnsiString Name;
  // Stores the component (nullptr clears); false when the component has the wrong class.
  std::function<bool(TObject& root, TComponent* component)> Assign;
};

class TClassInfo {
public:
  using TFactory = TComponent* (*)(TComponent* owner);

  TClassInfo(const char* name, const TClassInfo* parent, TFactory factory, std::vector<TPropInfo> properties,
             std::vector<TPublishedMethod> methods, std::vector<TPublishedField> fields);
  TClassInfo(const TClassInfo&) = delete;
  TClassInfo& operator=(const TClassInfo&) = delete;

  const AnsiString& Name() const { return name_; }
  const TClassInfo* Parent() const { return parent_; }
  // The class as the type of an object property.
  const TTypeInfo& TypeInfo() const { return typeInfo_; }
  bool InheritsFrom(const TClassInfo& other) const;
  bool InheritsFrom(std::string_view className) const;
  // Creates an instance owned by Owner; raises EClassNotFound for a class that cannot be created.
  TComponent* Create(TComponent* owner) const;
  bool CanCreate() const { return factory_ != nullptr; }

  // Published properties of the class and its ancestors, ancestors' first.
  const std::vector<const TPropInfo*>& Properties() const { return allProperties_; }
  // By name, case ignored; a redeclared property hides its ancestor's.
  const TPropInfo* FindProperty(std::string_view name) const;
  // Published methods, the most derived class first; nullptr when none has the name.
  const TMethodCode* FindMethod(std::string_view name) const;
  AnsiString MethodName(const TMethodCode* code) const;
  const TPublishedField* FindField(std::string_view name) const;

private:
  AnsiString name_;
  const TClassInfo* parent_;
  TFactory factory_;
  TTypeInfo typeInfo_;
  std::vector<TPropInfo> properties_;
  std::vector<TPublishedMethod> methods_;
  std::vector<TPublishedField> fields_;
  std::vector<const TPropInfo*> allProperties_;
  std::unordered_map<AnsiString, const TPropInfo*> byName_;
};

// Declares the class information of a class: put it first in the class body.
#define PAVANE_CLASS(Class, Parent)                                 \
public:                                                             \
  using inherited = Parent;                                         \
  static const TClassInfo& StaticClass();                           \
  const TClassInfo& ClassType() const override { return StaticClass(); }

class TObject {
public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static const TClassInfo& StaticClass();
  virtual const TClassInfo& ClassType() const { return StaticClass(); }
  const AnsiString& ClassName() const { return ClassType().Name(); }
  bool InheritsFrom(const TClassInfo& c) const { return ClassType().InheritsFrom(c); }
  const TMethodCode* MethodAddress(std::string_view name) const { return ClassType().FindMethod(name); }
};

// The class of an object property: TypeInfoOf(static_cast<TFont**>(nullptr)).
template <class T>
  requires std::is_base_of_v<TObject, T>
const TTypeInfo& TypeInfoOf(T**) {
  return T::StaticClass().TypeInfo();
}

// A class name that the registry does not know, or a class that cannot be created.
class EClassNotFound : public Exception {
public:
  using Exception::Exception;
  AnsiString ClassName() const override { return "EClassNotFound"; }
};

// The class registry: classes created by name when form descriptions are read.
void RegisterClass(const TClassInfo& c);
void UnRegisterClass(const TClassInfo& c);
const TClassInfo* GetClass(std::string_view name);
// As GetClass, raising EClassNotFound ("Class TFoo not found").
const TClassInfo& FindClass(std::string_view name);
