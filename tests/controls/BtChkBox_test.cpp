#include "controls/BtChkBox.h"

#include "controls/ModuleResources.h"
#include "platform/controls/Snapshot.h"
#include "platform/graphics/Canvas.h"
#include "tests/platform/ControlFixture.h"

namespace {

class BitCheckBoxTest : public ControlTest {
protected:
  TBitCheckBox* AddBox(const char* caption) {
    auto* box = Add<TBitCheckBox>("chkView", 10, 10, 97, 17);
    box->SetCaption(caption);
    box->OnClick = Bind<&TEventLog::Clicked>(log);
    return box;
  }
};

// A strip of images Width x 14: image i is filled with colours[i] except for the bottom
// row, which holds the transparent olive.
void FillStrip(TBitmap& strip, int width, std::initializer_list<TColor> colours) {
  strip.SetSize(width * static_cast<int>(colours.size()), 14);
  int i = 0;
  for (TColor colour : colours) {
    strip.Canvas()->Brush()->SetColor(colour);
    strip.Canvas()->FillRect(Bounds(i++ * width, 0, width, 13));
  }
  strip.Canvas()->Brush()->SetColor(clOlive);
  strip.Canvas()->FillRect(Bounds(0, 13, strip.Width(), 1));
}

// The leftmost column from x on where a pixel has the colour, -1 when none.
int FirstColumnWith(const TBitmap& b, TColor colour, int from, int to) {
  for (int x = from; x < to; ++x)
    for (int y = 0; y < b.Height(); ++y)
      if (b.Pixel(x, y) == colour) return x;
  return -1;
}

// The glyph image drawn at (left, top): its pixels where it is not transparent, the box's colour elsewhere.
void ExpectGlyphAt(const TBitmap& shown, TBitmap& glyph, int left, int top) {
  TColor transparent = glyph.TransparentColor();
  for (int y = 0; y < glyph.Height(); ++y)
    for (int x = 0; x < glyph.Width(); ++x) {
      TColor expected = glyph.Pixel(x, y) == transparent ? TColor(0xC0C0C0) : glyph.Pixel(x, y);
      ASSERT_EQ(shown.Pixel(left + x, top + y), expected) << "at " << x << "," << y;
    }
}

}  // namespace

TEST_F(BitCheckBoxTest, ClicksWalkTheStatesWithAndWithoutGrayed) {
  struct TCase {
    bool AllowGrayed;
    TCheckBoxState After[3];
  };
  const TCase cases[] = {{false, {cbChecked, cbUnchecked, cbChecked}}, {true, {cbGrayed, cbChecked, cbUnchecked}}};
  for (const TCase& c : cases) {
    auto* box = AddBox("View");
    box->SetAllowGrayed(c.AllowGrayed);
    form->Show();
    log->Lines.clear();
    for (TCheckBoxState expected : c.After) {
      ClickOn(*box);
      EXPECT_EQ(box->State(), expected) << "AllowGrayed " << c.AllowGrayed;
    }
    EXPECT_EQ(log->Lines, std::vector<AnsiString>(3, "click chkView"));
    // The click takes the focus.
    EXPECT_EQ(form->FocusedControl(), box);
    box->Free();
  }
}

TEST_F(BitCheckBoxTest, CheckedWritesTheStateWithoutClicking) {
  auto* box = AddBox("View");
  box->SetState(cbGrayed);
  EXPECT_FALSE(box->Checked());
  box->SetChecked(true);
  EXPECT_EQ(box->State(), cbChecked);
  EXPECT_TRUE(box->Checked());
  box->SetChecked(false);
  EXPECT_EQ(box->State(), cbUnchecked);
  EXPECT_TRUE(log->Lines.empty());
  // Toggle leaves a grayed box checked.
  box->SetState(cbGrayed);
  box->Toggle();
  EXPECT_EQ(box->State(), cbChecked);
}

TEST_F(BitCheckBoxTest, AcceleratorTogglesWithoutOnClickAndSpaceClicks) {
  auto* other = Add<TEdit>("edFirst", 10, 40, 100, 21);
  auto* box = AddBox("&View");
  form->Show();
  other->SetFocus();
  PressKey(*form, 'V', TShiftState{ssAlt});
  EXPECT_EQ(form->FocusedControl(), box);
  EXPECT_EQ(box->State(), cbChecked);
  EXPECT_TRUE(log->Lines.empty());
  PressKey(*form, VK_SPACE);
  EXPECT_EQ(box->State(), cbUnchecked);
  EXPECT_EQ(log->Lines, std::vector<AnsiString>{"click chkView"});
  // A disabled box ignores its accelerator.
  other->SetFocus();
  box->SetEnabled(false);
  PressKey(*form, 'V', TShiftState{ssAlt});
  EXPECT_EQ(box->State(), cbUnchecked);
  EXPECT_EQ(form->FocusedControl(), other);
}

TEST_F(BitCheckBoxTest, GlyphCountsFollowWholeMultiplesAndAreClamped) {
  auto* box = AddBox("View");
  EXPECT_EQ(box->CheckedGlyph()->Width(), 19);
  EXPECT_EQ(box->CheckedGlyph()->Height(), 14);
  EXPECT_EQ(box->CheckedNumGlyphs(), 1);
  TBitmap pair;
  FillStrip(pair, 14, {clRed, clBlue});
  box->SetCheckedGlyph(&pair);
  EXPECT_EQ(box->CheckedNumGlyphs(), 2);
  // 25 x 14 is no whole multiple: the count stays.
  TBitmap odd(25, 14);
  box->SetCheckedGlyph(&odd);
  EXPECT_EQ(box->CheckedNumGlyphs(), 2);
  // An empty bitmap is taken as it is, and its count stays too.
  TBitmap empty;
  box->SetUncheckedGlyph(&empty);
  EXPECT_TRUE(box->UncheckedGlyph()->Empty());
  EXPECT_EQ(box->UncheckedNumGlyphs(), 1);
  // None brings back the module's picture with its one image.
  box->SetCheckedGlyph(nullptr);
  EXPECT_EQ(box->CheckedGlyph()->Width(), 19);
  EXPECT_EQ(box->CheckedNumGlyphs(), 1);
  for (auto [count, expected] : {std::pair{0, 1}, {3, 2}, {-4, 1}, {2, 2}}) {
    box->SetGrayedNumGlyphs(count);
    EXPECT_EQ(box->GrayedNumGlyphs(), expected) << count;
  }
}

TEST_F(BitCheckBoxTest, TwoImagesShowTheLeftHalfEnabledAndTheRightHalfDisabled) {
  auto* box = AddBox("View");
  TBitmap pair;
  FillStrip(pair, 19, {clRed, clBlue});
  box->SetCheckedGlyph(&pair);
  // 38 x 14 is no whole multiple of its height: the count is set.
  EXPECT_EQ(box->CheckedNumGlyphs(), 1);
  box->SetCheckedNumGlyphs(2);
  box->SetChecked(true);
  TBitmap shown;
  RenderControl(*box, shown);
  // Glyph top: (17 - 14) div 2.
  EXPECT_EQ(shown.Pixel(0, 1), clRed);
  EXPECT_EQ(shown.Pixel(18, 13), clRed);
  EXPECT_EQ(shown.Pixel(19, 5), TColor(0xC0C0C0));
  EXPECT_EQ(shown.Pixel(5, 14), TColor(0xC0C0C0));
  box->SetEnabled(false);
  RenderControl(*box, shown);
  EXPECT_EQ(shown.Pixel(0, 1), clBlue);
  EXPECT_EQ(shown.Pixel(18, 13), clBlue);
  // One image serves both.
  box->SetChecked(false);
  RenderControl(*box, shown);
  TBitmap unchecked;
  LoadModuleBitmap(unchecked, "UNCHECKED");
  ExpectGlyphAt(shown, unchecked, 0, 1);
}

TEST_F(BitCheckBoxTest, LeftAlignmentPutsTheCaptionFirstAndTheGlyphAtTheRightEdge) {
  auto* box = AddBox("Ab");
  box->SetChecked(true);
  TBitmap checked;
  LoadModuleBitmap(checked, "CHECKED");
  TBitmap shown;
  RenderControl(*box, shown);
  ExpectGlyphAt(shown, checked, 0, 1);
  int rightCaption = FirstColumnWith(shown, clBlack, 19, 97);
  box->SetAlignment(taLeftJustify);
  EXPECT_TRUE(box->NeedsPaint());
  RenderControl(*box, shown);
  ExpectGlyphAt(shown, checked, 78, 1);
  int leftCaption = FirstColumnWith(shown, clBlack, 0, 78);
  // The caption starts at x = 1 instead of glyph width + 4 = 23.
  ASSERT_GE(rightCaption, 23);
  EXPECT_EQ(leftCaption, rightCaption - 22);
}

TEST_F(BitCheckBoxTest, DisabledCaptionIsEmbossedOnlyIn3D) {
  auto* box = AddBox("View");
  box->SetEnabled(false);
  TBitmap shown;
  RenderControl(*box, shown);
  EXPECT_GE(FirstColumnWith(shown, clGray, 23, 97), 23);
  EXPECT_GE(FirstColumnWith(shown, clWhite, 23, 97), 23);
  EXPECT_EQ(FirstColumnWith(shown, clBlack, 23, 97), -1);
  box->SetCtl3D(false);
  RenderControl(*box, shown);
  EXPECT_GE(FirstColumnWith(shown, clGray, 23, 97), 23);
  EXPECT_EQ(FirstColumnWith(shown, clWhite, 23, 97), -1);
}

TEST_F(BitCheckBoxTest, FocusRectangleFramesTheCaption) {
  auto* box = AddBox("View");
  auto* other = Add<TEdit>("edOther", 10, 40, 100, 21);
  form->Show();
  other->SetFocus();
  TBitmap shown;
  RenderControl(*box, shown);
  constexpr TColor inverted = 0x3F3F3F;
  EXPECT_EQ(FirstColumnWith(shown, inverted, 0, 97), -1);
  box->SetFocus();
  EXPECT_TRUE(box->NeedsPaint());
  RenderControl(*box, shown);
  // The caption rectangle starts at 23; the focus rectangle one pixel outside it.
  EXPECT_EQ(FirstColumnWith(shown, inverted, 0, 97), 22);
}

TEST_F(BitCheckBoxTest, RangePanelCheckBoxIsReadFromADescription) {
  RegisterBitCheckBoxClasses();
  std::unique_ptr<TForm, void (*)(TForm*)> read(FormFromDescription(R"(object frmRead: TForm
  object ChoiceCheckBox: TTarnCheckBox
    Left = 8
    Top = 8
    Caption = 'Choice'
    Alignment = taLeftJustify
    State = cbGrayed
    AllowGrayed = True
    Ctl3D = False
    CheckedNumGlyphs = 2
  end
end
)"),
                                                 [](TForm* f) { f->Free(); });
  auto* box = dynamic_cast<TTarnCheckBox*>(read->FindComponent("ChoiceCheckBox"));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->Alignment(), taLeftJustify);
  EXPECT_EQ(box->State(), cbGrayed);
  EXPECT_TRUE(box->AllowGrayed());
  EXPECT_FALSE(box->Ctl3D());
  EXPECT_EQ(box->CheckedNumGlyphs(), 2);
  EXPECT_EQ(box->Width(), 97);
  EXPECT_TRUE(box->TabStop());
}
