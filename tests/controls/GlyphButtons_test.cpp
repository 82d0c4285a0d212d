#include <gtest/gtest.h>

#include "controls/ConditionControls.h"
#include "controls/F2Button.h"
#include "outside/avres/AvResD5.h"
#include "platform/controls/Dialogs.h"
#include "tests/platform/ControlFixture.h"
#include "tests/support/ScopedEnv.h"

namespace {

// A form that records the F2 requests it is sent, with whatever had the focus at that moment.
class TLookupForm : public TForm {
  PAVANE_CLASS(TLookupForm, TForm)
public:
  using TForm::TForm;
  struct TRequest {
    WPARAM WParam;
    TControl* Control;
    TWinControl* Focused;
  };
  std::vector<TRequest> Requests;

  void WndProc(TMessage& message) override {
    if (message.Msg == WM_F2REQUEST)
      Requests.push_back({message.WParam, reinterpret_cast<TControl*>(message.LParam), FocusedControl()});
    TForm::WndProc(message);
  }
};

}  // namespace

const TClassInfo& TLookupForm::StaticClass() {
  static const TClassInfo info = DescribeClass<TLookupForm>("TLookupForm");
  return info;
}

namespace {

class GlyphButtons : public ControlTest {
protected:
  void SetUp() override {
    ControlTest::SetUp();
    RegisterConditionControls();
    ClearShownDialogs();
    Application->ModalResponder = [](TCustomForm& dialog) { PressKey(dialog, VK_RETURN); };
  }
  ScopedCodePage codePage{936};
};

TEST_F(GlyphButtons, GlyphIndexLoadsThePictureAndClearsTheCaption) {
  auto* button = Add<TGSpeedButton>("btnLook", 10, 10, 23, 22);
  button->SetGlyphIndex(8);
  EXPECT_EQ(button->Caption(), "");
  EXPECT_EQ(button->Glyph()->Width(), 16);
  EXPECT_EQ(button->Glyph()->Height(), 16);
  EXPECT_EQ(button->NumGlyphs(), 1);
  button->SetGlyphIndex(4);
  EXPECT_EQ(button->Glyph()->Width(), 32);
  EXPECT_EQ(button->NumGlyphs(), 2);
  EXPECT_TRUE(ShownDialogs().empty());
}

TEST_F(GlyphButtons, GlyphIndexZeroDropsThePictureAndShowsTheNumber) {
  auto* button = Add<TGSpeedButton>("btnLook", 10, 10, 23, 22);
  button->SetGlyphIndex(9);
  button->SetGlyphIndex(0);
  EXPECT_TRUE(button->Glyph()->Empty());
  EXPECT_EQ(button->Caption(), "0");
}

TEST_F(GlyphButtons, NumberBeyondTheLibraryShowsAsCaptionWithoutMessage) {
  auto* button = Add<TGSpeedButton>("btnLook", 10, 10, 23, 22);
  button->SetGlyphIndex(8);
  button->SetGlyphIndex(GetMaxBmpID() + 1);
  EXPECT_TRUE(button->Glyph()->Empty());
  EXPECT_EQ(button->Caption(), IntToStr(GetMaxBmpID() + 1));
  EXPECT_TRUE(ShownDialogs().empty());
}

TEST_F(GlyphButtons, NewF2ButtonIsFlatWithTheLookupPicture) {
  auto* button = Add<TF2Button>("btnF2", 0, 0, 23, 22);
  EXPECT_TRUE(button->Flat());
  EXPECT_EQ(button->GlyphIndex(), 8);
  EXPECT_FALSE(button->Glyph()->Empty());
  EXPECT_TRUE(button->AutoAlign());
  EXPECT_EQ(button->Gap(), 2);
  EXPECT_EQ(button->F2Control(), nullptr);
}

TEST_F(GlyphButtons, F2ButtonSitsBesideItsControl) {
  auto* edit = Add<TEdit>("edDate", 100, 8, 85, 21);
  auto* button = Add<TF2Button>("btnDate", 0, 0, 23, 22);
  button->SetF2Control(edit);
  EXPECT_EQ(button->Left(), 187);
  EXPECT_EQ(button->Top(), 8);
  EXPECT_EQ(button->Width(), 21);
  EXPECT_EQ(button->Height(), 21);
}

}  // namespace
