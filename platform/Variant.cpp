#include "platform/Variant.h"

#include <cmath>
#include <cstdio>
#include <limits>

struct Variant::Array {
  std::vector<TVarArrayBound> bounds;
  TVarType elementType = varVariant;
  // The first index varies fastest, so changing the last dimension keeps every element's place.
  std::vector<Variant> items;

  size_t offsetOf(std::span<const int> indices) const {
    if (indices.size() != bounds.size()) throw EVariantError("Variant or safe array index out of bounds");
    size_t offset = 0;
    size_t stride = 1;
    for (size_t d = 0; d < bounds.size(); ++d) {
      long relative = static_cast<long>(indices[d]) - bounds[d].LowBound;
      if (relative < 0 || relative >= bounds[d].ElementCount)
        throw EVariantError("Variant or safe array index out of bounds");
      offset += static_cast<size_t>(relative) * stride;
      stride *= static_cast<size_t>(bounds[d].ElementCount);
    }
    return offset;
  }
};

namespace {

bool IsIntegerType(TVarType t) {
  switch (t) {
    case varSmallint: case varInteger: case varShortInt: case varByte: case varWord: case varLongWord:
    case varInt64: case varError:
      return true;
    default:
      return false;
  }
}

bool IsFloatType(TVarType t) { return t == varSingle || t == varDouble || t == varDate; }

// The platform rounds halves to even when a floating value becomes an integer.
bool RoundToInt64(double value, std::int64_t& out) {
  double rounded = std::nearbyint(value);
  if (!(rounded >= -9223372036854775808.0 && rounded < 9223372036854775808.0)) return false;
  out = static_cast<std::int64_t>(rounded);
  return true;
}

AnsiString SingleToStr(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.7g", value);
  return FloatToStr(std::strtod(buffer, nullptr));
}

AnsiString CurrencyToStr(std::int64_t scaled) {
  bool negative = scaled < 0;
  std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
  AnsiString text = (negative ? "-" : "") + std::to_string(magnitude / 10000);
  AnsiString fraction = std::to_string(magnitude % 10000 + 10000).substr(1);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  if (!fraction.empty()) text += FormatSettings().DecimalSeparator + fraction;
  return text;
}

Variant DefaultElement(TVarType type) {
  switch (type) {
    case varVariant: return Variant();
    case varOleStr: return Variant(WideString());
    case varString: return Variant(AnsiString());
    case varBoolean: return Variant(false);
    default: return Variant(0).ChangeType(type);
  }
}

}  // namespace

Currency Currency::FromDouble(double value) {
  std::int64_t scaled;
  if (!RoundToInt64(value * 10000.0, scaled)) throw EVariantError("Invalid variant operation: currency overflow");
  return Currency{scaled};
}

Variant::Variant(std::shared_ptr<IDispatch> v) : type_(varDispatch), value_(std::move(v)) {}

Variant Variant::Null() { return Variant(varNull, std::monostate{}); }

Variant Variant::CreateArray(std::initializer_list<std::pair<int, int>> bounds, TVarType elementType) {
  return CreateArray(std::span(bounds.begin(), bounds.size()), elementType);
}

Variant Variant::CreateArray(std::span<const std::pair<int, int>> bounds, TVarType elementType) {
  if (bounds.empty()) throw EVariantError("Error creating variant or safe array");
  auto array = std::make_shared<Array>();
  array->elementType = elementType;
  size_t total = 1;
  for (auto [low, high] : bounds) {
    if (high < low - 1) throw EVariantError("Error creating variant or safe array");
    array->bounds.push_back({low, high - low + 1});
    total *= static_cast<size_t>(high - low + 1);
  }
  array->items.assign(total, DefaultElement(elementType));
  return Variant(varArray, std::move(array));
}

Variant Variant::ArrayOf(std::initializer_list<Variant> values) {
  auto array = std::make_shared<Array>();
  array->bounds.push_back({0, static_cast<int>(values.size())});
  array->items.assign(values.begin(), values.end());
  return Variant(varArray, std::move(array));
}

TVarType Variant::Type() const { return IsArray() ? static_cast<TVarType>(varArray | array().elementType) : type_; }

bool Variant::IsNumeric() const { return IsIntegerType(type_) || IsFloatType(type_) || type_ == varCurrency; }

void Variant::castError(TVarType target) const {
  throw EVariantError("Could not convert variant of type (" + VarTypeName(Type()) + ") into type (" +
                      VarTypeName(target) + ")");
}

AnsiString Variant::AsString() const {
  switch (type_) {
    case varEmpty: return {};
    case varString: return std::get<AnsiString>(value_);
    case varOleStr: return WideToAnsi(std::get<WideString>(value_));
    case varBoolean: return std::get<bool>(value_) ? "True" : "False";
    case varSingle: return SingleToStr(std::get<double>(value_));
    case varDouble: return FloatToStr(std::get<double>(value_));
    case varDate: return DateTimeToStr(TDateTime(std::get<double>(value_)));
    case varCurrency: return CurrencyToStr(std::get<std::int64_t>(value_));
    default:
      if (IsIntegerType(type_)) return IntToStr(std::get<std::int64_t>(value_));
      castError(varString);
  }
}

WideString Variant::AsWideString() const {
  if (type_ == varOleStr) return std::get<WideString>(value_);
  return AnsiToWide(AsString());
}

std::int64_t Variant::AsInt64() const {
  std::int64_t result = 0;
  switch (type_) {
    case varEmpty: return 0;
    case varBoolean: return std::get<bool>(value_) ? -1 : 0;
    case varCurrency:
      if (RoundToInt64(static_cast<double>(std::get<std::int64_t>(value_)) / 10000.0, result)) return result;
      break;
    case varSingle: case varDouble: case varDate:
      if (RoundToInt64(std::get<double>(value_), result)) return result;
      break;
    case varString: case varOleStr: {
      AnsiString text = AsString();
      double number;
      if (TryStrToInt64(text, result)) return result;
      if (TryStrToFloat(text, number) && RoundToInt64(number, result)) return result;
      break;
    }
    default:
      if (IsIntegerType(type_)) return std::get<std::int64_t>(value_);
  }
  castError(varInt64);
}

int Variant::AsInteger() const {
  std::int64_t value = AsInt64();
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
    throw EVariantError("Overflow while converting variant of type (" + VarTypeName(Type()) +
                        ") into type (Integer)");
  }
  return static_cast<int>(value);
}

double Variant::AsDouble() const {
  switch (type_) {
    case varEmpty: return 0;
    case varBoolean: return std::get<bool>(value_) ? -1 : 0;
    case varSingle: case varDouble: case varDate: return std::get<double>(value_);
    case varCurrency: return static_cast<double>(std::get<std::int64_t>(value_)) / 10000.0;
    case varString: case varOleStr: {
      double number;
      if (TryStrToFloat(AsString(), number)) return number;
      break;
    }
    default:
      if (IsIntegerType(type_)) return static_cast<double>(std::get<std::int64_t>(value_));
  }
  castError(varDouble);
}

bool Variant::AsBoolean() const {
  switch (type_) {
    case varEmpty: return false;
    case varBoolean: return std::get<bool>(value_);
    case varString: case varOleStr: {
      AnsiString text = Trim(AsString());
      double number;
      if (SameText(text, "True")) return true;
      if (SameText(text, "False")) return false;
      if (TryStrToFloat(text, number)) return number != 0;
      break;
    }
    default:
      if (IsNumeric()) return AsDouble() != 0;
  }
  castError(varBoolean);
}

TDateTime Variant::AsDateTime() const {
  if (type_ == varString || type_ == varOleStr) {
    TDateTime value;
    if (TryStrToDateTime(Trim(AsString()), value)) return value;
    castError(varDate);
  }
  if (type_ == varEmpty || IsNumeric()) return TDateTime(AsDouble());
  castError(varDate);
}

Currency Variant::AsCurrency() const {
  if (type_ == varCurrency) return Currency{std::get<std::int64_t>(value_)};
  try {
    return Currency::FromDouble(AsDouble());
  } catch (const EVariantError&) {
    castError(varCurrency);
  }
}

std::shared_ptr<IDispatch> Variant::AsDispatch() const {
  if (type_ == varDispatch) return std::get<std::shared_ptr<IDispatch>>(value_);
  if (type_ == varEmpty) return nullptr;
  castError(varDispatch);
}

Variant Variant::ChangeType(TVarType type) const {
  auto ranged = [this, type](std::int64_t low, std::int64_t high) {
    std::int64_t value = AsInt64();
    if (value < low || value > high) {
      throw EVariantError("Overflow while converting variant of type (" + VarTypeName(Type()) + ") into type (" +
                          VarTypeName(type) + ")");
    }
    return Variant(type, value);
  };
  switch (type) {
    case varEmpty: return Variant();
    case varNull: return Null();
    case varVariant: return *this;
    case varShortInt: return ranged(-128, 127);
    case varByte: return ranged(0, 255);
    case varSmallint: return ranged(-32768, 32767);
    case varWord: return ranged(0, 65535);
    case varInteger: case varError: return ranged(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    case varLongWord: return ranged(0, std::numeric_limits<std::uint32_t>::max());
    case varInt64: return Variant(varInt64, AsInt64());
    case varSingle: return Variant(static_cast<float>(AsDouble()));
    case varDouble: return Variant(AsDouble());
    case varDate: return Variant(AsDateTime());
    case varCurrency: return Variant(AsCurrency());
    case varBoolean: return Variant(AsBoolean());
    case varString: return Variant(AsString());
    case varOleStr: return Variant(AsWideString());
    case varDispatch: return Variant(AsDispatch());
    default: castError(type);
  }
}

const Variant::Array& Variant::array() const {
  if (type_ != varArray) throw EVariantError("Variant is not an array");
  return *std::get<std::shared_ptr<Array>>(value_);
}

Variant::Array& Variant::mutableArray() {
  if (type_ != varArray) throw EVariantError("Variant is not an array");
  auto& shared = std::get<std::shared_ptr<Array>>(value_);
  if (shared.use_count() > 1) shared = std::make_shared<Array>(*shared);
  return *shared;
}

int Variant::DimCount() const { return static_cast<int>(array().bounds.size()); }

int Variant::LowBound(int dim) const {
  const auto& bounds = array().bounds;
  if (dim < 1 || static_cast<size_t>(dim) > bounds.size()) throw EVariantError("Variant or safe array index out of bounds");
  return bounds[static_cast<size_t>(dim) - 1].LowBound;
}

int Variant::HighBound(int dim) const {
  const auto& bounds = array().bounds;
  if (dim < 1 || static_cast<size_t>(dim) > bounds.size()) throw EVariantError("Variant or safe array index out of bounds");
  const auto& bound = bounds[static_cast<size_t>(dim) - 1];
  return bound.LowBound + bound.ElementCount - 1;
}

const Variant& Variant::GetElement(std::span<const int> indices) const {
  const Array& a = array();
  return a.items[a.offsetOf(indices)];
}

Variant& Variant::GetElement(std::span<const int> indices) {
  const Array& shared = array();
  size_t offset = shared.offsetOf(indices);
  return mutableArray().items[offset];
}

void Variant::PutElement(const Variant& value, std::initializer_list<int> indices) {
  TVarType elementType = array().elementType;
  GetElement(indices) = elementType == varVariant ? value : value.ChangeType(elementType);
}

void Variant::Redim(int highBound) {
  Array& a = mutableArray();
  TVarArrayBound& last = a.bounds.back();
  int count = highBound - last.LowBound + 1;
  if (count < 0) throw EVariantError("Error creating variant or safe array");
  size_t stride = 1;
  for (size_t d = 0; d + 1 < a.bounds.size(); ++d) stride *= static_cast<size_t>(a.bounds[d].ElementCount);
  last.ElementCount = count;
  a.items.resize(stride * static_cast<size_t>(count), DefaultElement(a.elementType));
}

Variant Variant::Invoke(const AnsiString& name, TInvokeKind kind, std::span<Variant> args) const {
  auto target = type_ == varDispatch ? std::get<std::shared_ptr<IDispatch>>(value_) : nullptr;
  if (!target) throw EVariantError("Variant does not reference an automation object");
  return target->Invoke(name, kind, args);
}

Variant Variant::OleFunction(const AnsiString& name, std::initializer_list<Variant> args) const {
  std::vector<Variant> values(args);
  return Invoke(name, TInvokeKind::Method, values);
}

void Variant::OleProcedure(const AnsiString& name, std::initializer_list<Variant> args) const {
  OleFunction(name, args);
}

Variant Variant::OlePropertyGet(const AnsiString& name, std::initializer_list<Variant> args) const {
  std::vector<Variant> values(args);
  return Invoke(name, TInvokeKind::PropertyGet, values);
}

void Variant::OlePropertySet(const AnsiString& name, const Variant& value) const {
  std::vector<Variant> values{value};
  Invoke(name, TInvokeKind::PropertyPut, values);
}

bool operator==(const Variant& a, const Variant& b) {
  if (a.IsNull() || b.IsNull()) return a.IsNull() && b.IsNull();
  if (a.IsArray() || b.IsArray()) {
    if (!a.IsArray() || !b.IsArray()) return false;
    const auto& x = a.array();
    const auto& y = b.array();
    if (&x == &y) return true;
    if (x.bounds.size() != y.bounds.size()) return false;
    for (size_t d = 0; d < x.bounds.size(); ++d)
      if (x.bounds[d].LowBound != y.bounds[d].LowBound || x.bounds[d].ElementCount != y.bounds[d].ElementCount)
        return false;
    return x.items == y.items;
  }
  if (a.type_ == varDispatch || b.type_ == varDispatch) return a.type_ == b.type_ && a.AsDispatch() == b.AsDispatch();
  bool aText = a.IsString() || a.IsEmpty();
  bool bText = b.IsString() || b.IsEmpty();
  if (aText && bText) {
    if (a.type_ == varOleStr || b.type_ == varOleStr) return a.AsWideString() == b.AsWideString();
    return a.AsString() == b.AsString();
  }
  // A text against a number compares as a number; a text that is no number is not equal.
  double x, y;
  if (a.IsString() && !TryStrToFloat(a.AsString(), x)) return false;
  if (b.IsString() && !TryStrToFloat(b.AsString(), y)) return false;
  if (IsIntegerType(a.type_) && IsIntegerType(b.type_))
    return std::get<std::int64_t>(a.value_) == std::get<std::int64_t>(b.value_);
  if (!a.IsString()) x = a.AsDouble();
  if (!b.IsString()) y = b.AsDouble();
  return x == y;
}

Variant operator+(const Variant& a, const Variant& b) {
  if (a.IsNull() || b.IsNull()) return Variant::Null();
  if (a.IsEmpty()) return b;
  if (b.IsEmpty()) return a;
  if (a.IsString() && b.IsString()) {
    if (a.type_ == varOleStr || b.type_ == varOleStr) return Variant(a.AsWideString() + b.AsWideString());
    return Variant(a.AsString() + b.AsString());
  }
  auto kind = [](const Variant& v) {
    if (v.IsString()) {
      std::int64_t whole;
      return TryStrToInt64(v.AsString(), whole) ? varInt64 : varDouble;
    }
    if (v.type_ == varBoolean) return varInteger;
    if (IsIntegerType(v.type_)) return varInt64;
    if (v.type_ == varSingle || v.type_ == varDouble || v.type_ == varCurrency || v.type_ == varDate) return v.type_;
    return varEmpty;
  };
  TVarType ka = kind(a);
  TVarType kb = kind(b);
  if (ka == varEmpty || kb == varEmpty) {
    throw EVariantError("Invalid variant operation: (" + VarTypeName(a.Type()) + ") + (" + VarTypeName(b.Type()) + ")");
  }
  if (ka == varDate || kb == varDate) return Variant(TDateTime(a.AsDouble() + b.AsDouble()));
  if (ka == varCurrency && kb == varCurrency) return Variant(Currency{a.AsCurrency().Scaled + b.AsCurrency().Scaled});
  if (ka == varCurrency || kb == varCurrency) return Variant(Currency::FromDouble(a.AsDouble() + b.AsDouble()));
  if ((ka == varInt64 || ka == varInteger) && (kb == varInt64 || kb == varInteger)) {
    std::int64_t sum;
    if (!__builtin_add_overflow(a.AsInt64(), b.AsInt64(), &sum)) {
      bool narrow = a.type_ != varInt64 && b.type_ != varInt64 && sum >= std::numeric_limits<int>::min() &&
                    sum <= std::numeric_limits<int>::max();
      return narrow ? Variant(static_cast<int>(sum)) : Variant(static_cast<long long>(sum));
    }
  }
  return Variant(a.AsDouble() + b.AsDouble());
}

AnsiString VarToStr(const Variant& v) { return v.IsNull() ? AnsiString() : v.AsString(); }
WideString VarToWideStr(const Variant& v) { return v.IsNull() ? WideString() : v.AsWideString(); }

Variant VarArrayCreate(std::initializer_list<std::pair<int, int>> bounds, TVarType elementType) {
  return Variant::CreateArray(bounds, elementType);
}

Variant VarToOle(const Variant& v) {
  if (v.Type() == varString) return Variant(v.AsWideString());
  if (!v.IsArray()) return v;
  Variant copy = v;
  bool twoDimensional = v.DimCount() == 2;
  if (v.DimCount() == 1 || twoDimensional) {
    for (int i = v.LowBound(1); i <= v.HighBound(1); ++i) {
      if (!twoDimensional) {
        copy[i] = VarToOle(v[i]);
        continue;
      }
      for (int j = v.LowBound(2); j <= v.HighBound(2); ++j) copy.GetElement({i, j}) = VarToOle(v.GetElement({i, j}));
    }
  }
  return copy;
}

AnsiString VarTypeName(TVarType type) {
  if (type & varArray) return "Array of " + VarTypeName(static_cast<TVarType>(type & varTypeMask));
  switch (type) {
    case varEmpty: return "Empty";
    case varNull: return "Null";
    case varSmallint: return "Smallint";
    case varInteger: return "Integer";
    case varSingle: return "Single";
    case varDouble: return "Double";
    case varCurrency: return "Currency";
    case varDate: return "Date";
    case varOleStr: return "OleStr";
    case varDispatch: return "Dispatch";
    case varError: return "Error";
    case varBoolean: return "Boolean";
    case varVariant: return "Variant";
    case varShortInt: return "ShortInt";
    case varByte: return "Byte";
    case varWord: return "Word";
    case varLongWord: return "LongWord";
    case varInt64: return "Int64";
    case varString: return "String";
    default: return "Unknown";
  }
}
