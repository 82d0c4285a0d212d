#pragma once
// The declaration of a class's published part, one small table per class:
//
//   const TClassInfo& TLabel::StaticClass() {
//     static const TClassInfo info = DescribeClass<TLabel>("TLabel", {
//         Prop("Caption", &TLabel::Caption, &TLabel::SetCaption),
//         Prop("Color", &TLabel::Color, &TLabel::SetColor, TypeInfoFor<TColorType>()),
//     });
//     return info;
//   }

#include <concepts>
#include <type_traits>

#include "platform/classes/Component.h"
#include "platform/classes/PropErrors.h"

template <class T>
struct TPropTraits;

template <class T>
  requires(std::is_integral_v<T> || std::is_enum_v<T>)
struct TPropTraits<T> {
  static TPropValue To(T v) { return static_cast<std::int64_t>(v); }
  static T From(const TPropValue& v, const TTypeInfo&) { return static_cast<T>(std::get<std::int64_t>(v)); }
};

template <class E>
struct TPropTraits<TSet<E>> {
  static TPropValue To(TSet<E> v) { return static_cast<std::int64_t>(v.Bits()); }
  static TSet<E> From(const TPropValue& v, const TTypeInfo&) {
    return TSet<E>::FromBits(static_cast<std::uint32_t>(std::get<std::int64_t>(v)));
  }
};

template <>
struct TPropTraits<double> {
  static TPropValue To(double v) { return v; }
  static double From(const TPropValue& v, const TTypeInfo&) { return std::get<double>(v); }
};

template <>
struct TPropTraits<AnsiString> {
  static TPropValue To(const AnsiString& v) { return v; }
  static AnsiString From(const TPropValue& v, const TTypeInfo&) { return std::get<AnsiString>(v); }
};

template <>
struct TPropTraits<Variant> {
  static TPropValue To(const Variant& v) { return v; }
  static Variant From(const TPropValue& v, const TTypeInfo&) { return std::get<Variant>(v); }
};

template <class U>
  requires std::is_base_of_v<TObject, U>
struct TPropTraits<U*> {
  static TPropValue To(U* v) { return static_cast<TObject*>(v); }
  static U* From(const TPropValue& v, const TTypeInfo& type) {
    TObject* o = std::get<TObject*>(v);
    if (!o) return nullptr;
    auto* u = dynamic_cast<U*>(o);
    if (!u) throw EPropertyConvertError("Invalid property value: a " + o->ClassName() + " is not a " + type.Name);
    return u;
  }
};

template <class... A>
struct TPropTraits<TEvent<A...>> {
  static TPropValue To(const TEvent<A...>& v) { return v.Method(); }
  static TEvent<A...> From(const TPropValue& v, const TTypeInfo& type) {
    const TMethod& m = std::get<TMethod>(v);
    if (m.Code && &m.Code->EventType() != &type)
      throw EPropertyConvertError("Invalid property value: a " + m.Code->EventType().Name + " handler is not a " +
                                  type.Name);
    return TEvent<A...>(m);
  }
};

template <class M>
struct TMemberOf;
template <class T, class C>
struct TMemberOf<T C::*> {
  using Class = C;
};

// A published property read by Getter (a member function or a field) and written by Setter
// (a member function, a field, or nullptr for read-only). Type overrides the type
// information deduced from the value type (TColor is an int named "TColor"). Owner names the
// described class when the accessors belong to a base that is no TObject.
template <class Owner = void, class G, class S>
TPropInfo Prop(const char* name, G getter, S setter, const TTypeInfo* type = nullptr) {
  using C = std::conditional_t<std::is_void_v<Owner>, typename TMemberOf<G>::Class, Owner>;
  using T = std::remove_cvref_t<std::invoke_result_t<G, const C&>>;
  using Traits = TPropTraits<T>;
  const TTypeInfo* info = type ? type : &TypeInfoFor<T>();
  TPropInfo p{name, info, [getter](const TObject& o) { return Traits::To(std::invoke(getter, static_cast<const C&>(o))); },
              nullptr};
  if constexpr (std::is_member_function_pointer_v<S>) {
    p.Set = [setter, info](TObject& o, const TPropValue& v) { (static_cast<C&>(o).*setter)(Traits::From(v, *info)); };
  } else if constexpr (std::is_member_object_pointer_v<S>) {
    p.Set = [setter, info](TObject& o, const TPropValue& v) { static_cast<C&>(o).*setter = Traits::From(v, *info); };
  }
  return p;
}

// A published field that is read and written directly: Field(&TControl::Tag).
template <class T, class C>
TPropInfo Prop(const char* name, T C::*field, const TTypeInfo* type = nullptr) {
  return Prop(name, field, field, type);
}

template <auto M>
TPublishedMethod Method(const char* name) {
  return {name, &TMethodBinding<M>::Code};
}

template <class C, class T>
TPublishedField Field(const char* name, T* C::*field) {
  return {name, [field](TObject& root, TComponent* component) {
            if (!component) {
              static_cast<C&>(root).*field = nullptr;
              return true;
            }
            auto* typed = dynamic_cast<T*>(component);
            if (!typed) return false;
            static_cast<C&>(root).*field = typed;
            return true;
          }};
}

template <class C>
TComponent* CreateInstance(TComponent* owner) {
  return New<C>(owner);
}

template <class C>
TClassInfo DescribeClass(const char* name, std::vector<TPropInfo> properties = {},
                         std::vector<TPublishedMethod> methods = {}, std::vector<TPublishedField> fields = {}) {
  TClassInfo::TFactory factory = nullptr;
  if constexpr (std::is_base_of_v<TComponent, C> && std::is_constructible_v<C, TComponent*> &&
                !std::is_abstract_v<C>)
    factory = &CreateInstance<C>;
  return TClassInfo(name, &C::inherited::StaticClass(), factory, std::move(properties), std::move(methods),
                    std::move(fields));
}
