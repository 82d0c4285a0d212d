#pragma once
// Colours with the system colours, cursors, character sets and fonts.

#include <cstdint>
#include <functional>

#include "platform/classes/Persistent.h"

// A colour: 0x00BBGGRR, or a system colour (0x80000000 + the system colour number).
using TColor = std::int32_t;
const TTypeInfo& ColorTypeInfo();

inline constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                        clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                        clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                        clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clLtGray = 0xC0C0C0,
                        clDkGray = 0x808080, clWhite = 0xFFFFFF, clNone = 0x1FFFFFFF, clDefault = 0x20000000;

constexpr TColor SystemColor(int index) { return static_cast<TColor>(0x80000000u | static_cast<unsigned>(index)); }
inline constexpr TColor clScrollBar = SystemColor(0), clBackground = SystemColor(1), clActiveCaption = SystemColor(2),
                        clInactiveCaption = SystemColor(3), clMenu = SystemColor(4), clWindow = SystemColor(5),
                        clWindowFrame = SystemColor(6), clMenuText = SystemColor(7), clWindowText = SystemColor(8),
                        clCaptionText = SystemColor(9), clActiveBorder = SystemColor(10),
                        clInactiveBorder = SystemColor(11), clAppWorkSpace = SystemColor(12),
                        clHighlight = SystemColor(13), clHighlightText = SystemColor(14), clBtnFace = SystemColor(15),
                        clBtnShadow = SystemColor(16), clGrayText = SystemColor(17), clBtnText = SystemColor(18),
                        clInactiveCaptionText = SystemColor(19), clBtnHighlight = SystemColor(20),
                        cl3DDkShadow = SystemColor(21), cl3DLight = SystemColor(22), clInfoText = SystemColor(23),
                        clInfoBk = SystemColor(24);

// The RGB value of a colour; system colours by the classic Windows scheme.
TColor ColorToRGB(TColor color);
// "clRed", or "$00BBGGRR" for a colour without a name; StringToColor raises EConvertError.
AnsiString ColorToString(TColor color);
TColor StringToColor(std::string_view text);

using TCursor = std::int32_t;
const TTypeInfo& CursorTypeInfo();
inline constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6,
                         crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11,
                         crDrag = -12, crNoDrop = -13, crHSplit = -14, crVSplit = -15, crMultiDrag = -16,
                         crSQLWait = -17, crNo = -18, crAppStart = -19, crHelp = -20, crHandPoint = -21,
                         crSizeAll = -22;

using TFontCharset = std::int32_t;
const TTypeInfo& CharsetTypeInfo();
inline constexpr TFontCharset ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, GB2312_CHARSET = 134, CHINESEBIG5_CHARSET = 136;

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
const TTypeInfo& TypeInfoOf(TFontStyle*);
const TTypeInfo& TypeInfoOf(TFontStyles*);

// Screen resolution of the headless display.
inline constexpr int ScreenPixelsPerInch = 96;

class TFont : public TPersistent {
  PAVANE_CLASS(TFont, TPersistent)
public:
  TFont() = default;
  void Assign(const TPersistent& source) override;

  const AnsiString& Name() const { return name_; }
  void SetName(const AnsiString& name);
  // Height in pixels (negative: character height); Size in points at 96 pixels per inch.
  int Height() const { return height_; }
  void SetHeight(int height);
  int Size() const;
  void SetSize(int size);
  TFontCharset Charset() const { return charset_; }
  void SetCharset(TFontCharset charset);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);

  friend bool operator==(const TFont& a, const TFont& b) {
    return a.name_ == b.name_ && a.height_ == b.height_ && a.charset_ == b.charset_ && a.color_ == b.color_ &&
           a.style_ == b.style_;
  }

  // Called after every change.
  std::function<void()> OnChange;

private:
  void Changed();

  AnsiString name_ = "MS Sans Serif";
  int height_ = -11;
  TFontCharset charset_ = DEFAULT_CHARSET;
  TColor color_ = clWindowText;
  TFontStyles style_;
};
