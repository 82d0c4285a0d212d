#include <gtest/gtest.h>

#include "platform/Variant.h"
#include "tests/support/ScopedEnv.h"

namespace {

TEST(Variant, TypesOfTheConstructors) {
  struct Case {
    Variant value;
    TVarType type;
  };
  const Case cases[] = {
      {Variant(), varEmpty},           {Variant::Null(), varNull},
      {Variant(true), varBoolean},     {Variant(std::int16_t{1}), varSmallint},
      {Variant(1), varInteger},        {Variant(1LL), varInt64},
      {Variant(std::uint8_t{1}), varByte}, {Variant(1.5), varDouble},
      {Variant(1.5f), varSingle},      {Variant(Currency{15000}), varCurrency},
      {Variant(TDateTime(2)), varDate}, {Variant("a"), varString},
      {Variant(u"a"), varOleStr},      {Variant::ArrayOf({1, 2}), static_cast<TVarType>(varArray | varVariant)},
  };
  for (const auto& c : cases) EXPECT_EQ(c.value.Type(), c.type) << VarTypeName(c.type);
}

TEST(Variant, ConversionsToText) {
  struct Case {
    Variant value;
    const char* text;
  };
  const Case cases[] = {
      {Variant(), ""},           {Variant(-12), "-12"},           {Variant(2.5), "2.5"},
      {Variant(0.1f), "0.1"},    {Variant(true), "True"},         {Variant(false), "False"},
      {Variant(Currency{12345}), "1.2345"}, {Variant(Currency{-20000}), "-2"},
      {Variant(u"wide"), "wide"}, {Variant("text"), "text"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.value.AsString(), c.text);
  EXPECT_THROW(Variant::Null().AsString(), EVariantError);
  EXPECT_EQ(VarToStr(Variant::Null()), "");
  EXPECT_THROW(Variant::ArrayOf({1}).AsString(), EVariantError);
}

TEST(Variant, ConversionsToNumbersAndBooleans) {
  EXPECT_EQ(Variant("42").AsInteger(), 42);
  EXPECT_EQ(Variant(" 7").AsInteger(), 7);
  EXPECT_EQ(Variant("2.5").AsInteger(), 2) << "halves round to even";
  EXPECT_EQ(Variant(3.5).AsInteger(), 4);
  EXPECT_EQ(Variant(true).AsInteger(), -1);
  EXPECT_EQ(Variant().AsInteger(), 0);
  EXPECT_EQ(Variant(Currency{25000}).AsInteger(), 2);
  EXPECT_DOUBLE_EQ(Variant("1.25").AsDouble(), 1.25);
  EXPECT_DOUBLE_EQ(Variant(u"3").AsDouble(), 3);
  EXPECT_TRUE(Variant("true").AsBoolean());
  EXPECT_FALSE(Variant("0").AsBoolean());
  EXPECT_TRUE(Variant(2).AsBoolean());
  for (const Variant& bad : {Variant("abc"), Variant::Null(), Variant::ArrayOf({})}) {
    EXPECT_THROW(bad.AsInteger(), EVariantError);
    EXPECT_THROW(bad.AsDouble(), EVariantError);
    EXPECT_THROW(bad.AsBoolean(), EVariantError);
  }
  EXPECT_THROW(Variant(5000000000LL).AsInteger(), EVariantError);
  EXPECT_THROW(Variant(300).ChangeType(varByte), EVariantError);
  try {
    Variant("abc").AsInteger();
  } catch (const EVariantError& e) {
    EXPECT_EQ(e.Message, "Could not convert variant of type (String) into type (Int64)");
  }
}

TEST(Variant, ChangeTypeKeepsTheRequestedType) {
  EXPECT_EQ(Variant("12").ChangeType(varInteger).Type(), varInteger);
  EXPECT_EQ(Variant(12).ChangeType(varOleStr).AsWideString(), u"12");
  EXPECT_EQ(Variant(12).ChangeType(varSmallint).Type(), varSmallint);
  EXPECT_EQ(Variant(1.5).ChangeType(varCurrency).AsCurrency().Scaled, 15000);
}

TEST(Variant, WideAndEightBitTextsConvertThroughTheSystemCodePage) {
  ScopedCodePage gb(936);
  Variant wide(u"中");
  EXPECT_EQ(wide.AsString(), "\xD6\xD0");
  EXPECT_EQ(Variant(AnsiString("\xD6\xD0")).AsWideString(), u"中");
}

TEST(Variant, ArraysWithAnyBoundsAndDimensions) {
  Variant grid = Variant::CreateArray({{0, 1}, {-1, 2}});
  EXPECT_EQ(grid.DimCount(), 2);
  EXPECT_EQ(grid.LowBound(2), -1);
  EXPECT_EQ(grid.HighBound(2), 2);
  EXPECT_TRUE(grid.GetElement({1, -1}).IsEmpty());
  grid.GetElement({1, 2}) = "host";
  grid.GetElement({0, -1}) = 211;
  EXPECT_EQ(grid.GetElement({1, 2}).AsString(), "host");
  EXPECT_EQ(grid.GetElement({0, -1}).AsInteger(), 211);
  EXPECT_THROW(grid.GetElement({2, 0}), EVariantError);
  EXPECT_THROW(grid.GetElement({0}), EVariantError);
  EXPECT_THROW(grid.LowBound(3), EVariantError);
  EXPECT_THROW(Variant(1).DimCount(), EVariantError);
  EXPECT_EQ(VarArrayDimCount(Variant(1)), 0);
  EXPECT_THROW(Variant::CreateArray({{3, 1}}), EVariantError);
  EXPECT_EQ(Variant::CreateArray({{1, 0}}).HighBound(), 0) << "an empty array";
}

TEST(Variant, RedimKeepsTheElementsOfTheLastDimension) {
  Variant servers = Variant::CreateArray({{0, 1}, {0, 0}});
  servers.GetElement({0, 0}) = "a";
  servers.GetElement({1, 0}) = 211;
  servers.Redim(1);
  servers.GetElement({0, 1}) = "b";
  EXPECT_EQ(servers.HighBound(2), 1);
  EXPECT_EQ(servers.GetElement({0, 0}).AsString(), "a");
  EXPECT_EQ(servers.GetElement({1, 0}).AsInteger(), 211);
  EXPECT_TRUE(servers.GetElement({1, 1}).IsEmpty());
  servers.Redim(0);
  EXPECT_EQ(servers.GetElement({0, 0}).AsString(), "a");
}

TEST(Variant, TypedArraysConvertWhatIsStored) {
  Variant bytes = VarArrayCreate({{1, 2}}, varInteger);
  EXPECT_EQ(bytes.Type(), varArray | varInteger);
  EXPECT_EQ(bytes[1].Type(), varInteger);
  bytes.PutElement("17", {2});
  EXPECT_EQ(bytes[2].Type(), varInteger);
  EXPECT_EQ(bytes[2].AsInteger(), 17);
  EXPECT_THROW(bytes.PutElement("x", {1}), EVariantError);
}

TEST(Variant, CopiesAreIndependentArraysNest) {
  Variant inner = Variant::ArrayOf({"x"});
  Variant outer = Variant::ArrayOf({1, inner});
  Variant copy = outer;
  copy[1][0] = "changed";
  EXPECT_EQ(outer[1][0].AsString(), "x");
  EXPECT_EQ(copy[1][0].AsString(), "changed");
  EXPECT_EQ(inner[0].AsString(), "x");
  EXPECT_TRUE(copy[1].IsArray());
}

TEST(Variant, Equality) {
  EXPECT_EQ(Variant(1), Variant(1.0));
  EXPECT_EQ(Variant("12"), Variant(12));
  EXPECT_FALSE(Variant("ab") == Variant(12));
  EXPECT_EQ(Variant("ab"), Variant(u"ab"));
  EXPECT_FALSE(Variant("ab") == Variant("AB"));
  EXPECT_EQ(Variant::Null(), Variant::Null());
  EXPECT_FALSE(Variant::Null() == Variant());
  EXPECT_EQ(Variant(), Variant(""));
  EXPECT_EQ(Variant::ArrayOf({1, "a"}), Variant::ArrayOf({1, "a"}));
  EXPECT_FALSE(Variant::ArrayOf({1}) == Variant::ArrayOf({2}));
}

TEST(Variant, AdditionConcatenatesTextsAndAddsNumbers) {
  EXPECT_EQ((Variant("a") + Variant("b")).AsString(), "ab");
  EXPECT_EQ((Variant("a") + Variant(u"b")).Type(), varOleStr);
  EXPECT_EQ((Variant(2) + Variant(3)).Type(), varInteger);
  EXPECT_EQ((Variant(2) + Variant(3)).AsInteger(), 5);
  EXPECT_EQ((Variant("2") + Variant(3)).AsInteger(), 5);
  EXPECT_DOUBLE_EQ((Variant(2) + Variant(0.5)).AsDouble(), 2.5);
  EXPECT_EQ((Variant(2147483647) + Variant(1)).AsInt64(), 2147483648LL);
  EXPECT_TRUE((Variant::Null() + Variant(1)).IsNull());
  EXPECT_EQ((Variant() + Variant("x")).AsString(), "x");
  EXPECT_THROW(Variant("a") + Variant(1), EVariantError);
}

TEST(Variant, AutomationCopiesConvertTextsToWide) {
  Variant v = Variant::ArrayOf({"a", 1, Variant::ArrayOf({"b"})});
  Variant ole = VarToOle(v);
  EXPECT_EQ(ole[0].Type(), varOleStr);
  EXPECT_EQ(ole[1].Type(), varInteger);
  EXPECT_EQ(ole[2][0].Type(), varOleStr);
  EXPECT_EQ(v[0].Type(), varString);
}

class Echo : public IDispatch {
public:
  Variant Invoke(const AnsiString& name, TInvokeKind kind, std::span<Variant> args) override {
    if (name == "Twice" && kind == TInvokeKind::Method) return args[0].AsInteger() * 2;
    if (name == "Fill" && kind == TInvokeKind::Method) {
      args[0] = "filled";
      return true;
    }
    if (name == "Value" && kind == TInvokeKind::PropertyPut) {
      value = args[0];
      return {};
    }
    if (name == "Value" && kind == TInvokeKind::PropertyGet) return value;
    throw EOleError("Unknown name: " + name);
  }
  Variant value;
};

TEST(Variant, LateBoundCallsByName) {
  auto echo = std::make_shared<Echo>();
  Variant object(std::static_pointer_cast<IDispatch>(echo));
  EXPECT_EQ(object.Type(), varDispatch);
  EXPECT_EQ(object.OleFunction("Twice", {21}).AsInteger(), 42);
  object.OlePropertySet("Value", "x");
  EXPECT_EQ(object.OlePropertyGet("Value").AsString(), "x");
  std::vector<Variant> args{Variant()};
  object.Invoke("Fill", TInvokeKind::Method, args);
  EXPECT_EQ(args[0].AsString(), "filled") << "var parameters write back";
  EXPECT_THROW(object.OleFunction("Missing"), EOleError);
  EXPECT_THROW(Variant(1).OleFunction("Twice"), EVariantError);
}

}  // namespace
