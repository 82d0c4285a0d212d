#include "controls/GSpdBtn.h"

#include "outside/avres/AvResD5.h"
#include "platform/classes/ClassDecl.h"
#include "platform/controls/Application.h"
#include "platform/controls/Dialogs.h"

const TClassInfo& TGSpeedButton::StaticClass() {
  static const TClassInfo info = DescribeClass<TGSpeedButton>(
      "TGSpeedButton", {Prop("GlyphIndex", &TGSpeedButton::GlyphIndex, &TGSpeedButton::SetGlyphIndex),
                        Prop("HintIndex", &TGSpeedButton::HintIndex, &TGSpeedButton::SetHintIndex)});
  return info;
}

TGSpeedButton::TGSpeedButton(TComponent* owner) : TSpeedButton(owner) {}

void TGSpeedButton::SetGlyphIndex(int index) {
  if (index == glyphIndex_) return;
  glyphIndex_ = index;
  // Stays when the picture cannot be had, so the button still tells which one it wanted.
  SetCaption(IntToStr(index));
  try {
    LoadGlyph();
  } catch (const std::exception&) {
    Application->MessageBox(GbText("读取 BMP 发生错误"), Application->Title, MB_OK | MB_ICONERROR);
  }
}

void TGSpeedButton::LoadGlyph() {
  // The picture of the last number must not stand for a number that has none.
  TBitmap* glyph = Glyph();
  glyph->Dormant();
  if (glyphIndex_ <= 0 || glyphIndex_ > GetMaxBmpID()) return;
  if (!LoadBmp(glyph, glyphIndex_)) return;
  SetCaption("");
  if (glyph->Height() > 0) SetNumGlyphs(glyph->Width() / glyph->Height());
}
