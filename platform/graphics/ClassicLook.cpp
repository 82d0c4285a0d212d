#include "platform/graphics/ClassicLook.h"

#include <array>

namespace {

constexpr int CaptionHeight = 18;
constexpr int ToolCaptionHeight = 15;

void FillWith(TCanvas& canvas, const TRect& rect, TColor color) {
  TColor old = canvas.Brush()->Color();
  TBrushStyle style = canvas.Brush()->Style();
  canvas.Brush()->SetColor(color);
  canvas.FillRect(rect);
  canvas.Brush()->SetColor(old);
  canvas.Brush()->SetStyle(style);
}

// Pictures drawn from a map of characters, one colour per letter.
template <std::size_t Rows, class ColorOf>
void DrawPicture(TCanvas& canvas, int x, int y, const std::array<const char*, Rows>& rows, ColorOf colorOf) {
  for (std::size_t r = 0; r < Rows; ++r)
    for (int c = 0; rows[r][c]; ++c)
      if (rows[r][c] != '.') canvas.SetPixel(x + c, y + static_cast<int>(r), colorOf(rows[r][c]));
}

constexpr std::array<const char*, 7> CheckPicture = {"......X", ".....XX", "X...XXX", "XX.XXX.", "XXXXX..",
                                                     ".XXX...", "..X...."};
constexpr std::array<const char*, 6> MenuDotPicture = {".XXXX.", "XXXXXX", "XXXXXX", "XXXXXX", "XXXXXX", ".XXXX."};
constexpr std::array<const char*, 7> ArrowPicture = {"X...", "XX..", "XXX.", "XXXX", "XXX.", "XX..", "X..."};

TColor MarkColor(char code, bool enabled) {
  switch (code) {
    case 'S': return clBtnShadow;
    case 'K': return cl3DDkShadow;
    case 'L': return cl3DLight;
    case 'H': return clBtnHighlight;
    case 'W': return enabled ? clWindow : clBtnFace;
    default: return enabled ? clWindowText : clGrayText;
  }
}

}  // namespace

void Frame3D(TCanvas& canvas, const TRect& rect, TColor topLeft, TColor bottomRight) {
  if (rect.IsEmpty()) return;
  FillWith(canvas, {rect.Left, rect.Top, rect.Right - 1, rect.Top + 1}, topLeft);
  FillWith(canvas, {rect.Left, rect.Top, rect.Left + 1, rect.Bottom - 1}, topLeft);
  FillWith(canvas, {rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom}, bottomRight);
  FillWith(canvas, {rect.Right - 1, rect.Top, rect.Right, rect.Bottom}, bottomRight);
}

TRect DrawEdge(TCanvas& canvas, const TRect& rect, TEdgeKind kind) {
  struct TBevels {
    TColor outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
    bool twoBevels;
  };
  TBevels b{};
  switch (kind) {
    case edRaised: b = {cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow, true}; break;
    case edSunken: b = {clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight, true}; break;
    case edEtched: b = {clBtnShadow, clBtnHighlight, clBtnHighlight, clBtnShadow, true}; break;
    case edBump: b = {cl3DLight, cl3DDkShadow, clBtnShadow, clBtnHighlight, true}; break;
    case edRaisedInner: b = {clBtnHighlight, clBtnShadow, 0, 0, false}; break;
    case edSunkenOuter: b = {clBtnShadow, clBtnHighlight, 0, 0, false}; break;
  }
  Frame3D(canvas, rect, b.outerTopLeft, b.outerBottomRight);
  TRect inner = InflateRect(rect, -1, -1);
  if (!b.twoBevels) return inner;
  Frame3D(canvas, inner, b.innerTopLeft, b.innerBottomRight);
  return InflateRect(inner, -1, -1);
}

TRect DrawButtonFace(TCanvas& canvas, const TRect& rect, bool pressed, bool isDefault, bool focused) {
  FillWith(canvas, rect, clBtnFace);
  TRect r = rect;
  if (isDefault) {
    Frame3D(canvas, r, cl3DDkShadow, cl3DDkShadow);
    r = InflateRect(r, -1, -1);
  }
  if (pressed) {
    Frame3D(canvas, r, clBtnShadow, clBtnShadow);
    r = OffsetRect(InflateRect(r, -1, -1), 1, 1);
  } else {
    Frame3D(canvas, r, clBtnHighlight, cl3DDkShadow);
    TRect inner = InflateRect(r, -1, -1);
    Frame3D(canvas, inner, clBtnFace, clBtnShadow);
    r = InflateRect(inner, -1, -1);
  }
  if (focused) {
    TColor old = canvas.Brush()->Color();
    canvas.DrawFocusRect(InflateRect(rect, -4, -4));
    canvas.Brush()->SetColor(old);
  }
  return r;
}

void DrawCaption(TCanvas& canvas, const AnsiString& text, TRect rect, unsigned flags, bool enabled) {
  TCanvas::TStateSaver saved(canvas);
  canvas.Brush()->SetStyle(bsClear);
  if (enabled) {
    canvas.DrawText(text, rect, flags);
    return;
  }
  TRect shifted = OffsetRect(rect, 1, 1);
  canvas.Font()->SetColor(clBtnHighlight);
  canvas.DrawText(text, shifted, flags);
  canvas.Font()->SetColor(clGrayText);
  canvas.DrawText(text, rect, flags);
}

void DrawCheckBoxMark(TCanvas& canvas, int x, int y, TCheckMarkState state, bool enabled) {
  TRect box = Bounds(x, y, 13, 13);
  TRect inner = DrawEdge(canvas, box, edSunken);
  FillWith(canvas, inner, enabled && state != cmsGrayed ? clWindow : clBtnFace);
  if (state == cmsUnchecked) return;
  bool dark = enabled && state == cmsChecked;
  DrawPicture(canvas, x + 3, y + 3, CheckPicture, [dark](char code) { return MarkColor(code, dark); });
}

void DrawRadioMark(TCanvas& canvas, int x, int y, bool checked, bool enabled) {
  static constexpr std::array<const char*, 12> ring = {
      "....SSSS....", "..SSKKKKSS..", ".SKKWWWWKKH.", ".SKWWWWWWLH.", "SKWWWWWWWWLH", "SKWWWWWWWWLH",
      "SKWWWWWWWWLH", "SKWWWWWWWWLH", ".SLWWWWWWLH.", ".HLLWWWWLLH.", "..HHLLLLHH..", "....HHHH...."};
  static constexpr std::array<const char*, 4> dot = {".XX.", "XXXX", "XXXX", ".XX."};
  auto colorOf = [enabled](char code) { return MarkColor(code, enabled); };
  DrawPicture(canvas, x, y, ring, colorOf);
  if (checked) DrawPicture(canvas, x + 4, y + 4, dot, colorOf);
}

TPoint MenuMarkSize(TMenuMark mark) {
  switch (mark) {
    case mmCheck: return {7, 7};
    case mmRadio: return {6, 6};
    case mmSubMenu: return {4, 7};
  }
  return {};
}

void DrawMenuMark(TCanvas& canvas, int x, int y, TMenuMark mark, TColor color) {
  auto colorOf = [color](char) { return color; };
  switch (mark) {
    case mmCheck: DrawPicture(canvas, x, y, CheckPicture, colorOf); return;
    case mmRadio: DrawPicture(canvas, x, y, MenuDotPicture, colorOf); return;
    case mmSubMenu: DrawPicture(canvas, x, y, ArrowPicture, colorOf); return;
  }
}

void DrawEtchedLine(TCanvas& canvas, int left, int right, int y) {
  FillWith(canvas, {left, y, right, y + 1}, clBtnShadow);
  FillWith(canvas, {left, y + 1, right, y + 2}, clBtnHighlight);
}

TRect FormClientMargins(TFormFrameStyle style) {
  int border = style.Sizeable ? 4 : 3;
  int caption = style.HasCaption ? (style.ToolWindow ? ToolCaptionHeight : CaptionHeight) : 0;
  return {border, border + caption, border, border};
}

TRect DrawFormFrame(TCanvas& canvas, const TRect& rect, const AnsiString& caption, TFormFrameStyle style, TColor color) {
  TRect margins = FormClientMargins(style);
  TRect inner = DrawEdge(canvas, rect, edRaised);
  TRect client{rect.Left + margins.Left, rect.Top + margins.Top, rect.Right - margins.Right, rect.Bottom - margins.Bottom};
  // The border between the edge and the client area has the border colour.
  FillWith(canvas, {inner.Left, inner.Top, inner.Right, client.Top}, clActiveBorder);
  FillWith(canvas, {inner.Left, client.Bottom, inner.Right, inner.Bottom}, clActiveBorder);
  FillWith(canvas, {inner.Left, client.Top, client.Left, client.Bottom}, clActiveBorder);
  FillWith(canvas, {client.Right, client.Top, inner.Right, client.Bottom}, clActiveBorder);
  FillWith(canvas, client, color);
  if (!style.HasCaption) return client;
  int border = margins.Left;
  TRect bar{rect.Left + border, rect.Top + border, rect.Right - border, client.Top - 1};
  FillWith(canvas, bar, style.Active ? clActiveCaption : clInactiveCaption);
  TCanvas::TStateSaver saved(canvas);
  canvas.IntersectClipRect(bar);
  // Caption buttons: close at the right, then maximise and minimise.
  int size = bar.Height() - 4;
  int right = bar.Right - 2;
  auto button = [&](const std::vector<TPoint>& glyph, int gap) {
    TRect face = Bounds(right - size - 2, bar.Top + 2, size + 2, size);
    TRect content = DrawButtonFace(canvas, face, false, false, false);
    canvas.Pen()->SetColor(clBtnText);
    for (std::size_t i = 0; i + 1 < glyph.size(); i += 2) {
      canvas.MoveTo(content.Left + glyph[i].X, content.Top + glyph[i].Y);
      canvas.LineTo(content.Left + glyph[i + 1].X, content.Top + glyph[i + 1].Y);
    }
    right = face.Left - gap;
  };
  int g = size - 6;
  if (style.CloseButton) button({{2, 1}, {g + 3, g + 2}, {3, 1}, {g + 4, g + 2}, {g + 2, 1}, {1, g + 2}, {g + 3, 1}, {2, g + 2}}, 2);
  if (style.MinMaxButtons && !style.ToolWindow) {
    button({{1, 0}, {g + 3, 0}, {1, 1}, {g + 3, 1}, {1, 1}, {1, g + 2}, {g + 2, 1}, {g + 2, g + 2}, {1, g + 1}, {g + 3, g + 1}}, 0);
    button({{2, g + 1}, {g, g + 1}, {2, g}, {g, g}}, 0);
  }
  TFont captionFont;
  captionFont.SetName("Tahoma");
  captionFont.SetHeight(style.ToolWindow ? -10 : -11);
  captionFont.SetStyle(TFontStyles{fsBold});
  captionFont.SetCharset(canvas.Font()->Charset());
  captionFont.SetColor(style.Active ? clCaptionText : clInactiveCaptionText);
  canvas.SetFont(&captionFont);
  canvas.Brush()->SetStyle(bsClear);
  TRect text{bar.Left + 3, bar.Top, right - 2, bar.Bottom};
  canvas.DrawText(caption, text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  return client;
}
