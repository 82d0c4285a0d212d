#pragma once
// The platform's Format: "%" [index ":"] ["-"] [width] ["." precision] type, with the types
// d, u, x, f, e, g, n, s and "%%". Width and precision may be "*". An argument that does not
// fit its directive, or a missing one, raises EConvertError.

#include <cstdint>
#include <initializer_list>

#include "platform/Text.h"

class Variant;

class TVarRec {
public:
  enum class Kind { Integer, Float, Char, Text, Wide, Variant };

  TVarRec(int v) : kind_(Kind::Integer), int_(v) {}
  TVarRec(unsigned v) : kind_(Kind::Integer), int_(v) {}
  TVarRec(long v) : kind_(Kind::Integer), int_(v) {}
  TVarRec(unsigned long v) : kind_(Kind::Integer), int_(static_cast<std::int64_t>(v)) {}
  TVarRec(long long v) : kind_(Kind::Integer), int_(v) {}
  TVarRec(double v) : kind_(Kind::Float), float_(v) {}
  TVarRec(char c) : kind_(Kind::Char), char_(c) {}
  TVarRec(const char* s) : kind_(Kind::Text), text_(s) {}
  TVarRec(const AnsiString& s) : kind_(Kind::Text), text_(s) {}
  TVarRec(const WideString& w) : kind_(Kind::Wide), wide_(&w) {}
  TVarRec(const Variant& v) : kind_(Kind::Variant), variant_(&v) {}

  Kind kind() const { return kind_; }
  std::int64_t integer() const { return int_; }
  double floating() const { return float_; }
  // The text of a Char or Text argument.
  std::string_view text() const { return kind_ == Kind::Char ? std::string_view(&char_, 1) : text_; }
  const WideString& wide() const { return *wide_; }
  const Variant& variant() const { return *variant_; }

private:
  Kind kind_;
  std::int64_t int_ = 0;
  double float_ = 0;
  std::string_view text_;
  const WideString* wide_ = nullptr;
  const Variant* variant_ = nullptr;
  char char_ = 0;
};

AnsiString Format(std::string_view format, std::initializer_list<TVarRec> args);
