#pragma once
// A flat tool button whose picture comes by number from the shared resource library, so
// that all modules show one set of pictures.

#include "platform/controls/Buttons.h"

class TGSpeedButton : public TSpeedButton {
  PAVANE_CLASS(TGSpeedButton, TSpeedButton)
public:
  explicit TGSpeedButton(TComponent* owner);
  // 0 means no picture; a number the library cannot give shows as the caption.
  int GlyphIndex() const { return glyphIndex_; }
  void SetGlyphIndex(int index);
  int HintIndex() const { return hintIndex_; }
  void SetHintIndex(int index) { hintIndex_ = index; }

private:
  void LoadGlyph();

  int glyphIndex_ = 0;
  int hintIndex_ = 0;
};
