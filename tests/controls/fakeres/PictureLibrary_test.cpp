// Runs against the stand-in picture library of tests/controls/fixtures, which its run path
// leads to instead of the real one.

#include <gtest/gtest.h>

#include "controls/GSpdBtn.h"
#include "outside/avres/AvResD5.h"
#include "platform/controls/Dialogs.h"
#include "tests/platform/ControlFixture.h"
#include "tests/support/ScopedEnv.h"

namespace {

class PictureLibrary : public ControlTest {
protected:
  void SetUp() override {
    ControlTest::SetUp();
    ClearShownDialogs();
    Application->ModalResponder = [](TCustomForm& dialog) { PressKey(dialog, VK_RETURN); };
    button = Add<TGSpeedButton>("btnPick", 10, 10, 23, 22);
  }
  ScopedCodePage codePage{936};
  TGSpeedButton* button = nullptr;
};

TEST_F(PictureLibrary, RunsAgainstTheStandIn) { ASSERT_EQ(GetMaxBmpID(), 3); }

TEST_F(PictureLibrary, StripOfFourSquaresGivesFourGlyphs) {
  button->SetGlyphIndex(1);
  EXPECT_EQ(button->NumGlyphs(), 4);
  EXPECT_EQ(button->Caption(), "");
}

TEST_F(PictureLibrary, NumberWithoutPictureKeepsTheNumberAndDropsTheOldPicture) {
  button->SetGlyphIndex(1);
  button->SetGlyphIndex(2);
  EXPECT_EQ(button->Caption(), "2");
  EXPECT_TRUE(button->Glyph()->Empty());
  EXPECT_TRUE(ShownDialogs().empty());
}

TEST_F(PictureLibrary, PictureThatCannotBeReadIsReported) {
  button->SetGlyphIndex(3);
  ASSERT_EQ(ShownDialogs().size(), 1u);
  EXPECT_EQ(ShownDialogs()[0].Text, GbText("读取 BMP 发生错误"));
  EXPECT_EQ(ShownDialogs()[0].Kind, mtError);
  EXPECT_EQ(ShownDialogs()[0].Buttons, std::vector<AnsiString>{"OK"});
  EXPECT_EQ(button->GlyphIndex(), 3);
  EXPECT_EQ(button->Caption(), "3");
  EXPECT_TRUE(button->Glyph()->Empty());
}

}  // namespace
