#pragma once
// A set of the elements of a small enumeration (at most 32 elements), as published set
// properties hold them. The ordinal value of a set is its bit mask.

#include <cstdint>
#include <initializer_list>

template <class E>
class TSet {
public:
  TSet() = default;
  TSet(std::initializer_list<E> elements) {
    for (E e : elements) Include(e);
  }
  static TSet FromBits(std::uint32_t bits) {
    TSet s;
    s.bits_ = bits;
    return s;
  }

  bool Contains(E e) const { return (bits_ & Bit(e)) != 0; }
  TSet& Include(E e) {
    bits_ |= Bit(e);
    return *this;
  }
  TSet& Exclude(E e) {
    bits_ &= ~Bit(e);
    return *this;
  }
  bool Empty() const { return bits_ == 0; }
  std::uint32_t Bits() const { return bits_; }
  friend bool operator==(TSet, TSet) = default;

private:
  static std::uint32_t Bit(E e) { return std::uint32_t{1} << static_cast<unsigned>(e); }
  std::uint32_t bits_ = 0;
};
