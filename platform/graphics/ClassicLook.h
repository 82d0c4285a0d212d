#pragma once
// The classic look of the platform, shared by every control's painting: 3-D edges and frames,
// button faces, embossed disabled text, check and radio marks, menu marks, the form frame with its caption.

#include "platform/graphics/Canvas.h"

enum TEdgeKind {
  edRaised,       // outer highlight/dark shadow, inner light/shadow: buttons, raised panels
  edSunken,       // shadow/highlight outside, dark shadow/light inside: edits, memos, list boxes
  edEtched,       // shadow then highlight: group frames, separators
  edBump,         // highlight then shadow
  edRaisedInner,  // one-pixel raised bevel
  edSunkenOuter   // one-pixel sunken bevel
};

// Draws the edge just inside Rect and answers the rectangle inside it.
TRect DrawEdge(TCanvas& canvas, const TRect& rect, TEdgeKind kind);
// A one-pixel bevel: TopLeft colour on the top and left sides, BottomRight on the others.
void Frame3D(TCanvas& canvas, const TRect& rect, TColor topLeft, TColor bottomRight);

// A push button: face filled with clBtnFace, raised (or pushed) edge, the default button's
// black outer frame; answers the rectangle for its content.
TRect DrawButtonFace(TCanvas& canvas, const TRect& rect, bool pressed, bool isDefault, bool focused);
// Text drawn with DrawText flags; disabled text is embossed (highlight at +1,+1, then grey).
void DrawCaption(TCanvas& canvas, const AnsiString& text, TRect rect, unsigned flags, bool enabled);

enum TCheckMarkState { cmsUnchecked, cmsChecked, cmsGrayed };
// The 13 x 13 sunken check box with its mark, top-left at (x, y).
void DrawCheckBoxMark(TCanvas& canvas, int x, int y, TCheckMarkState state, bool enabled);
// The 12 x 12 round radio mark, top-left at (x, y).
void DrawRadioMark(TCanvas& canvas, int x, int y, bool checked, bool enabled);

// The marks of menu items in one colour, top-left at (x, y): the tick of a checked item, the
// dot of a checked radio item, the arrow of an item with sub-items.
enum TMenuMark { mmCheck, mmRadio, mmSubMenu };
TPoint MenuMarkSize(TMenuMark mark);
void DrawMenuMark(TCanvas& canvas, int x, int y, TMenuMark mark, TColor color);
// A separator: a shadow line over a highlight line, from Left up to Right, starting at Y.
void DrawEtchedLine(TCanvas& canvas, int left, int right, int y);

// The form frame: the border of the style, the caption bar (active or inactive caption colour)
// with its text, and the client area filled with Color. Answers the client rectangle.
struct TFormFrameStyle {
  bool Sizeable = true;
  bool HasCaption = true;
  bool ToolWindow = false;
  bool Active = true;
  bool CloseButton = true;
  bool MinMaxButtons = true;
};
TRect DrawFormFrame(TCanvas& canvas, const TRect& rect, const AnsiString& caption, TFormFrameStyle style, TColor color);
// Where the client area of a form frame starts and how much it takes off the size.
TRect FormClientMargins(TFormFrameStyle style);
