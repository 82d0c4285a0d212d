#include "platform/classes/Graphics.h"

#include <array>
#include <cmath>

#include "platform/classes/ClassDecl.h"

const TTypeInfo& ColorTypeInfo() {
  static const TTypeInfo t = IntegerTypeInfo(
      "TColor", {{clBlack, "clBlack"},
                 {clMaroon, "clMaroon"},
                 {clGreen, "clGreen"},
                 {clOlive, "clOlive"},
                 {clNavy, "clNavy"},
                 {clPurple, "clPurple"},
                 {clTeal, "clTeal"},
                 {clGray, "clGray"},
                 {clSilver, "clSilver"},
                 {clRed, "clRed"},
                 {clLime, "clLime"},
                 {clYellow, "clYellow"},
                 {clBlue, "clBlue"},
                 {clFuchsia, "clFuchsia"},
                 {clAqua, "clAqua"},
                 {clWhite, "clWhite"},
                 {clLtGray, "clLtGray"},
                 {clDkGray, "clDkGray"},
                 {clNone, "clNone"},
                 {clDefault, "clDefault"},
                 {clScrollBar, "clScrollBar"},
                 {clBackground, "clBackground"},
                 {clActiveCaption, "clActiveCaption"},
                 {clInactiveCaption, "clInactiveCaption"},
                 {clMenu, "clMenu"},
                 {clWindow, "clWindow"},
                 {clWindowFrame, "clWindowFrame"},
                 {clMenuText, "clMenuText"},
                 {clWindowText, "clWindowText"},
                 {clCaptionText, "clCaptionText"},
                 {clActiveBorder, "clActiveBorder"},
                 {clInactiveBorder, "clInactiveBorder"},
                 {clAppWorkSpace, "clAppWorkSpace"},
                 {clHighlight, "clHighlight"},
                 {clHighlightText, "clHighlightText"},
                 {clBtnFace, "clBtnFace"},
                 {clBtnShadow, "clBtnShadow"},
                 {clGrayText, "clGrayText"},
                 {clBtnText, "clBtnText"},
                 {clInactiveCaptionText, "clInactiveCaptionText"},
                 {clBtnHighlight, "clBtnHighlight"},
                 {cl3DDkShadow, "cl3DDkShadow"},
                 {cl3DLight, "cl3DLight"},
                 {clInfoText, "clInfoText"},
                 {clInfoBk, "clInfoBk"}});
  return t;
}

TColor ColorToRGB(TColor color) {
  // The classic scheme, by system colour number.
  static constexpr std::array<TColor, 25> scheme = {
      0xC0C0C0, 0x808000, 0x800000, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
      0xFFFFFF, 0xC0C0C0, 0xC0C0C0, 0x808080, 0x800000, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x808080,
      0x000000, 0xC0C0C0, 0xFFFFFF, 0x000000, 0xDFDFDF, 0x000000, 0xE1FFFF};
  if (color >= 0) return color;
  unsigned index = static_cast<unsigned>(color) & 0xFFu;
  return index < scheme.size() ? scheme[index] : clBlack;
}

AnsiString ColorToString(TColor color) {
  AnsiString ident;
  if (IntToIdent(ColorTypeInfo(), color, ident)) return ident;
  return "$" + IntToHex(static_cast<std::uint32_t>(color), 8);
}

TColor StringToColor(std::string_view text) {
  int value = 0;
  if (IdentToInt(ColorTypeInfo(), text, value)) return value;
  std::int64_t number = 0;
  if (!TryStrToInt64(text, number)) throw EConvertError("'" + AnsiString(text) + "' is not a valid colour");
  return static_cast<TColor>(static_cast<std::uint32_t>(number));
}

const TTypeInfo& CursorTypeInfo() {
  static const TTypeInfo t = IntegerTypeInfo(
      "TCursor", {{crDefault, "crDefault"},     {crNone, "crNone"},         {crArrow, "crArrow"},
                  {crCross, "crCross"},         {crIBeam, "crIBeam"},       {crSizeNESW, "crSizeNESW"},
                  {crSizeNS, "crSizeNS"},       {crSizeNWSE, "crSizeNWSE"}, {crSizeWE, "crSizeWE"},
                  {crUpArrow, "crUpArrow"},     {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},
                  {crNoDrop, "crNoDrop"},       {crHSplit, "crHSplit"},     {crVSplit, "crVSplit"},
                  {crMultiDrag, "crMultiDrag"}, {crSQLWait, "crSQLWait"},   {crNo, "crNo"},
                  {crAppStart, "crAppStart"},   {crHelp, "crHelp"},         {crHandPoint, "crHandPoint"},
                  {crSizeAll, "crSizeAll"}});
  return t;
}

const TTypeInfo& CharsetTypeInfo() {
  static const TTypeInfo t = IntegerTypeInfo("TFontCharset", {{ANSI_CHARSET, "ANSI_CHARSET"},
                                                              {DEFAULT_CHARSET, "DEFAULT_CHARSET"},
                                                              {2, "SYMBOL_CHARSET"},
                                                              {128, "SHIFTJIS_CHARSET"},
                                                              {129, "HANGEUL_CHARSET"},
                                                              {GB2312_CHARSET, "GB2312_CHARSET"},
                                                              {CHINESEBIG5_CHARSET, "CHINESEBIG5_CHARSET"},
                                                              {255, "OEM_CHARSET"}});
  return t;
}

const TTypeInfo& TypeInfoOf(TFontStyle*) {
  static const TTypeInfo t = EnumTypeInfo("TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
  return t;
}

const TTypeInfo& TypeInfoOf(TFontStyles*) {
  static const TTypeInfo t = SetTypeInfo("TFontStyles", TypeInfoFor<TFontStyle>());
  return t;
}

const TClassInfo& TFont::StaticClass() {
  static const TClassInfo info = DescribeClass<TFont>(
      "TFont", {Prop("Charset", &TFont::Charset, &TFont::SetCharset, &CharsetTypeInfo()),
                Prop("Color", &TFont::Color, &TFont::SetColor, &ColorTypeInfo()),
                Prop("Height", &TFont::Height, &TFont::SetHeight), Prop("Name", &TFont::Name, &TFont::SetName),
                Prop("Size", &TFont::Size, &TFont::SetSize), Prop("Style", &TFont::Style, &TFont::SetStyle)});
  return info;
}

void TFont::Assign(const TPersistent& source) {
  auto* font = dynamic_cast<const TFont*>(&source);
  if (!font) return TPersistent::Assign(source);
  if (*this == *font) return;
  name_ = font->name_;
  height_ = font->height_;
  charset_ = font->charset_;
  color_ = font->color_;
  style_ = font->style_;
  Changed();
}

void TFont::Changed() {
  if (OnChange) OnChange();
}

void TFont::SetName(const AnsiString& name) {
  if (name.empty() || name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

int TFont::Size() const {
  return -static_cast<int>(std::lround(static_cast<double>(height_) * 72.0 / ScreenPixelsPerInch));
}

void TFont::SetSize(int size) {
  SetHeight(-static_cast<int>(std::lround(static_cast<double>(size) * ScreenPixelsPerInch / 72.0)));
}

void TFont::SetCharset(TFontCharset charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}
