#pragma once
// Method values: an event handler is a code half (which member function) and a data half
// (which object). Both halves are plain pointers, so handlers compare, can be stored as two
// numbers and restored, and are assigned by name through the type information.

#include <cstdint>
#include <type_traits>
#include <utility>

struct TTypeInfo;
class TObject;

// The code half: one static instance per bound member function. EventType names the event
// type whose signature the function has, so a handler is never called with another signature.
struct TMethodCode {
  const TTypeInfo& (*EventType)();
};

template <class... A>
struct TEventCode : TMethodCode {
  void (*Invoke)(TObject* data, A... args);
};

struct TMethod {
  const TMethodCode* Code = nullptr;
  TObject* Data = nullptr;

  bool Assigned() const { return Code != nullptr; }
  friend bool operator==(const TMethod&, const TMethod&) = default;
  // The halves as numbers, and back.
  std::intptr_t CodeValue() const { return reinterpret_cast<std::intptr_t>(Code); }
  std::intptr_t DataValue() const { return reinterpret_cast<std::intptr_t>(Data); }
  static TMethod FromValues(std::intptr_t code, std::intptr_t data) {
    return {reinterpret_cast<const TMethodCode*>(code), reinterpret_cast<TObject*>(data)};
  }
};

// An event slot with its signature. Calling an unassigned event does nothing.
template <class... A>
class TEvent {
public:
  TEvent() = default;
  // The method must have this event's signature (Bind and the type information ensure it).
  explicit TEvent(TMethod method) : method_(method) {}

  const TMethod& Method() const { return method_; }
  explicit operator bool() const { return method_.Assigned(); }
  void operator()(A... args) const {
    if (!method_.Code) return;
    static_cast<const TEventCode<A...>*>(method_.Code)->Invoke(method_.Data, std::forward<A>(args)...);
  }
  friend bool operator==(const TEvent&, const TEvent&) = default;

private:
  TMethod method_;
};

template <class... A>
const TTypeInfo& EventTypeOf() {
  return TypeInfoOf(static_cast<TEvent<A...>*>(nullptr));
}

template <class M>
struct TMemberTraits;
template <class C, class... A>
struct TMemberTraits<void (C::*)(A...)> {
  using Class = C;
  using Event = TEvent<A...>;
  using Code = TEventCode<A...>;
  template <auto M>
  static void Invoke(TObject* data, A... args) {
    (static_cast<C*>(data)->*M)(std::forward<A>(args)...);
  }
  static const TTypeInfo& EventType() { return EventTypeOf<A...>(); }
};

// The code half of a member function.
template <auto M>
struct TMethodBinding {
  using Traits = TMemberTraits<decltype(M)>;
  static constexpr typename Traits::Code Code{{&Traits::EventType}, &Traits::template Invoke<M>};
};

// The handler that calls M on the object: Bind<&TForm1::Button1Click>(form).
template <auto M>
typename TMemberTraits<decltype(M)>::Event Bind(typename TMemberTraits<decltype(M)>::Class* object) {
  return typename TMemberTraits<decltype(M)>::Event(TMethod{&TMethodBinding<M>::Code, object});
}
