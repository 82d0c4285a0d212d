#pragma once
// Variant with OLE semantics: the exchange type of the shell, the servers and the automation
// objects. Arrays have any bounds in one or more dimensions; their elements are Variants, so
// arrays nest. Copies share an array until one of them changes it.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <utility>
#include <variant>
#include <vector>

#include "platform/DateTime.h"
#include "platform/Exceptions.h"
#include "platform/Text.h"

using TVarType = std::uint16_t;
inline constexpr TVarType varEmpty = 0x0000;
inline constexpr TVarType varNull = 0x0001;
inline constexpr TVarType varSmallint = 0x0002;
inline constexpr TVarType varInteger = 0x0003;
inline constexpr TVarType varSingle = 0x0004;
inline constexpr TVarType varDouble = 0x0005;
inline constexpr TVarType varCurrency = 0x0006;
inline constexpr TVarType varDate = 0x0007;
inline constexpr TVarType varOleStr = 0x0008;
inline constexpr TVarType varDispatch = 0x0009;
inline constexpr TVarType varError = 0x000A;
inline constexpr TVarType varBoolean = 0x000B;
inline constexpr TVarType varVariant = 0x000C;
inline constexpr TVarType varShortInt = 0x0010;
inline constexpr TVarType varByte = 0x0011;
inline constexpr TVarType varWord = 0x0012;
inline constexpr TVarType varLongWord = 0x0013;
inline constexpr TVarType varInt64 = 0x0014;
inline constexpr TVarType varString = 0x0100;
inline constexpr TVarType varTypeMask = 0x0FFF;
inline constexpr TVarType varArray = 0x2000;

// A fixed-point amount with four decimals, stored scaled by 10000.
struct Currency {
  std::int64_t Scaled = 0;
  static Currency FromDouble(double value);
  double ToDouble() const { return static_cast<double>(Scaled) / 10000.0; }
  friend bool operator==(Currency, Currency) = default;
};

class Variant;

// How an automation member is reached.
enum class TInvokeKind { Method, PropertyGet, PropertyPut };

// A late-bound automation object: members are called by name. Arguments are passed by
// reference, so a member whose parameter is "var" writes its answer back into the argument.
// Unknown members raise EOleError.
class IDispatch {
public:
  virtual ~IDispatch() = default;
  virtual Variant Invoke(const AnsiString& name, TInvokeKind kind, std::span<Variant> args) = 0;
};

struct TVarArrayBound {
  int LowBound = 0;
  int ElementCount = 0;
};

class Variant {
public:
  Variant() = default;
  Variant(bool v) : type_(varBoolean), value_(v) {}
  Variant(std::int8_t v) : type_(varShortInt), value_(std::int64_t{v}) {}
  Variant(std::uint8_t v) : type_(varByte), value_(std::int64_t{v}) {}
  Variant(std::int16_t v) : type_(varSmallint), value_(std::int64_t{v}) {}
  Variant(std::uint16_t v) : type_(varWord), value_(std::int64_t{v}) {}
  Variant(int v) : type_(varInteger), value_(std::int64_t{v}) {}
  Variant(unsigned v) : type_(varLongWord), value_(std::int64_t{v}) {}
  Variant(long v) : type_(varInt64), value_(std::int64_t{v}) {}
  Variant(long long v) : type_(varInt64), value_(std::int64_t{v}) {}
  Variant(float v) : type_(varSingle), value_(double{v}) {}
  Variant(double v) : type_(varDouble), value_(v) {}
  Variant(Currency v) : type_(varCurrency), value_(v.Scaled) {}
  Variant(TDateTime v) : type_(varDate), value_(v.Val) {}
  Variant(const char* v) : type_(varString), value_(AnsiString(v)) {}
  Variant(AnsiString v) : type_(varString), value_(std::move(v)) {}
  Variant(const char16_t* v) : type_(varOleStr), value_(WideString(v)) {}
  Variant(WideString v) : type_(varOleStr), value_(std::move(v)) {}
  Variant(std::shared_ptr<IDispatch> v);

  static Variant Null();
  // An array of the given dimensions; elements start Empty (or 0 / empty text for a typed array).
  static Variant CreateArray(std::initializer_list<std::pair<int, int>> bounds, TVarType elementType = varVariant);
  static Variant CreateArray(std::span<const std::pair<int, int>> bounds, TVarType elementType = varVariant);
  // A one-dimensional Variant array 0..n-1 of the values.
  static Variant ArrayOf(std::initializer_list<Variant> values);

  // The type code, with varArray set for arrays (then the element type in the low bits).
  TVarType Type() const;
  bool IsEmpty() const { return type_ == varEmpty; }
  bool IsNull() const { return type_ == varNull; }
  bool IsArray() const { return type_ == varArray; }
  bool IsString() const { return type_ == varString || type_ == varOleStr; }
  bool IsNumeric() const;

  // Conversions with the platform's rules; a value that cannot be converted raises EVariantError.
  AnsiString AsString() const;
  WideString AsWideString() const;
  int AsInteger() const;
  std::int64_t AsInt64() const;
  double AsDouble() const;
  bool AsBoolean() const;
  TDateTime AsDateTime() const;
  Currency AsCurrency() const;
  std::shared_ptr<IDispatch> AsDispatch() const;
  // A copy converted to the type; the same rules as the As operations.
  Variant ChangeType(TVarType type) const;

  // Arrays. Dimensions count from 1; a non-array raises EVariantError.
  int DimCount() const;
  int LowBound(int dim = 1) const;
  int HighBound(int dim = 1) const;
  // Element access by index, one index per dimension; out of bounds raises EVariantError.
  const Variant& GetElement(std::span<const int> indices) const;
  Variant& GetElement(std::span<const int> indices);
  const Variant& GetElement(std::initializer_list<int> indices) const { return GetElement(std::span(indices.begin(), indices.size())); }
  Variant& GetElement(std::initializer_list<int> indices) { return GetElement(std::span(indices.begin(), indices.size())); }
  // Stores a value converted to the array's element type.
  void PutElement(const Variant& value, std::initializer_list<int> indices);
  const Variant& operator[](int index) const { return GetElement({index}); }
  Variant& operator[](int index) { return GetElement({index}); }
  // Changes the high bound of the last dimension, keeping the elements that remain.
  void Redim(int highBound);

  // Late-bound automation on a dispatch Variant; args are passed by reference.
  Variant Invoke(const AnsiString& name, TInvokeKind kind, std::span<Variant> args) const;
  Variant OleFunction(const AnsiString& name, std::initializer_list<Variant> args = {}) const;
  void OleProcedure(const AnsiString& name, std::initializer_list<Variant> args = {}) const;
  Variant OlePropertyGet(const AnsiString& name, std::initializer_list<Variant> args = {}) const;
  void OlePropertySet(const AnsiString& name, const Variant& value) const;

  // OLE comparison: numbers by value, texts by their bytes, a text against a number as a number;
  // Null equals only Null.
  friend bool operator==(const Variant& a, const Variant& b);
  // Texts concatenate, numbers add (as the wider of the two types), Null propagates.
  friend Variant operator+(const Variant& a, const Variant& b);
  Variant& operator+=(const Variant& b) { return *this = *this + b; }

private:
  struct Array;
  using Payload = std::variant<std::monostate, std::int64_t, double, bool, AnsiString, WideString,
                               std::shared_ptr<IDispatch>, std::shared_ptr<Array>>;

  Variant(TVarType type, Payload value) : type_(type), value_(std::move(value)) {}
  const Array& array() const;
  Array& mutableArray();
  [[noreturn]] void castError(TVarType target) const;

  TVarType type_ = varEmpty;
  Payload value_;
};

// An automation call that failed: unknown member, wrong arguments, or the object's own error.
class EOleError : public Exception {
public:
  using Exception::Exception;
  AnsiString ClassName() const override { return "EOleError"; }
};

// The platform's free functions over Variants.
inline TVarType VarType(const Variant& v) { return v.Type(); }
inline bool VarIsEmpty(const Variant& v) { return v.IsEmpty(); }
inline bool VarIsNull(const Variant& v) { return v.IsNull(); }
inline bool VarIsArray(const Variant& v) { return v.IsArray(); }
inline bool VarIsStr(const Variant& v) { return v.IsString(); }
// Text of a Variant; Empty and Null give the empty text.
AnsiString VarToStr(const Variant& v);
WideString VarToWideStr(const Variant& v);
Variant VarArrayCreate(std::initializer_list<std::pair<int, int>> bounds, TVarType elementType);
inline Variant VarArrayOf(std::initializer_list<Variant> values) { return Variant::ArrayOf(values); }
inline int VarArrayDimCount(const Variant& v) { return v.IsArray() ? v.DimCount() : 0; }
inline int VarArrayLowBound(const Variant& v, int dim) { return v.LowBound(dim); }
inline int VarArrayHighBound(const Variant& v, int dim) { return v.HighBound(dim); }
// What automation peers accept: 8-bit texts become wide texts, also inside arrays.
Variant VarToOle(const Variant& v);
// Name of a type code, as conversion errors print it ("String", "Integer", "Array of Variant").
AnsiString VarTypeName(TVarType type);
