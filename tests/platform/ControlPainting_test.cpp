#include <gtest/gtest.h>

#include "platform/controls/Snapshot.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"
#include "platform/streaming/FormReader.h"
#include "tests/platform/TestForms.h"
#include "tests/support/ScopedEnv.h"

namespace {

constexpr TColor Shadow = 0x808080, Face = 0xC0C0C0, DarkShadow = 0x000000, Highlight = 0xFFFFFF, Light = 0xDFDFDF;

class ControlPainting : public ::testing::Test {
protected:
  void SetUp() override { RegisterTestForms(); }
  ScopedCodePage cp{936};
};

// A dialog with an edit, a button, a label on a panel and a group box.
struct TSample {
  TScopedFree<TForm> form{New<TForm>(nullptr)};
  TEdit* edit = New<TEdit>(form.get());
  TButton* button = New<TButton>(form.get());
  TPanel* panel = New<TPanel>(form.get());
  TLabel* label = New<TLabel>(form.get());
  TGroupBox* group = New<TGroupBox>(form.get());

  TSample() {
    form->SetBorderStyle(bsDialog);
    form->SetBounds(0, 0, 300, 200);
    form->SetCaption(GbText("示例"));
    edit->SetParent(form.get());
    edit->SetBounds(10, 10, 100, 21);
    button->SetParent(form.get());
    button->SetBounds(120, 10, 75, 25);
    button->SetCaption("OK");
    panel->SetParent(form.get());
    panel->SetBounds(10, 50, 120, 40);
    label->SetParent(panel);
    label->SetBounds(5, 5, 60, 13);
    label->SetCaption("Label");
    group->SetParent(form.get());
    group->SetBounds(140, 50, 140, 80);
    group->SetCaption("Group");
  }
};

TEST_F(ControlPainting, AnEditHasTheSunkenBorderOfTheClassicLook) {
  TSample s;
  TBitmap b;
  RenderControl(*s.edit, b);
  ASSERT_EQ(b.Width(), 100);
  EXPECT_EQ(b.Pixel(0, 0), Shadow);
  EXPECT_EQ(b.Pixel(50, 0), Shadow);
  EXPECT_EQ(b.Pixel(1, 1), DarkShadow);
  EXPECT_EQ(b.Pixel(99, 20), Highlight);
  EXPECT_EQ(b.Pixel(98, 19), Light);
  EXPECT_EQ(b.Pixel(50, 10), clWhite);
}

TEST_F(ControlPainting, AButtonIsRaisedAndADefaultButtonFramedBlack) {
  TSample s;
  TBitmap b;
  RenderControl(*s.button, b);
  EXPECT_EQ(b.Pixel(0, 0), Highlight);
  EXPECT_EQ(b.Pixel(74, 24), DarkShadow);
  EXPECT_EQ(b.Pixel(73, 23), Shadow);
  EXPECT_EQ(b.Pixel(3, 3), Face);
  s.button->SetDefault(true);
  RenderControl(*s.button, b);
  EXPECT_EQ(b.Pixel(0, 0), DarkShadow);
  EXPECT_EQ(b.Pixel(1, 1), Highlight);
}

TEST_F(ControlPainting, TheFormHasItsFrameCaptionBarAndChildrenInTheClientArea) {
  TSample s;
  TBitmap b;
  RenderControl(*s.form.get(), b);
  ASSERT_EQ(b.Width(), 300);
  ASSERT_EQ(b.Height(), 200);
  TRect client = s.form->ClientBounds();
  EXPECT_EQ(client, Rect(3, 21, 297, 197));
  EXPECT_EQ(s.form->ClientWidth(), 294);
  EXPECT_EQ(b.Pixel(0, 0), Light);
  EXPECT_EQ(b.Pixel(299, 199), DarkShadow);
  EXPECT_EQ(b.Pixel(10, 5), ColorToRGB(clActiveCaption));
  // The edit sits at (10, 10) of the client area.
  EXPECT_EQ(b.Pixel(client.Left + 10, client.Top + 10), Shadow);
  EXPECT_EQ(b.Pixel(client.Left + 5, client.Top + 5), Face);
}

TEST_F(ControlPainting, ClientSizeFromADescriptionSetsTheWholeSize) {
  TScopedFree<TForm> form(FormFromDescription(
      "object f: TSomeUnregisteredForm\n  BorderStyle = bsSingle\n  ClientWidth = 200\n  ClientHeight = 100\n"
      "  OnShow = FormShow\n  object e: TEdit\n    OnChange = eChange\n  end\nend\n"));
  EXPECT_EQ(form->Width(), 206);
  EXPECT_EQ(form->Height(), 124);
  EXPECT_EQ(form->ControlCount(), 1);
  EXPECT_EQ(form->ClassName(), "TForm");
}

TEST_F(ControlPainting, DescriptionsWithUnknownComponentsOrBadTextAreRefused) {
  EXPECT_THROW(FormFromDescription("object f: TForm\n  object x: TNoSuchControl\n  end\nend\n"), EReadError);
  EXPECT_THROW(FormFromDescription("not a description"), EParserError);
}

TEST_F(ControlPainting, GraphicControlsLieUnderWindowedSiblings) {
  TScopedFree<TForm> form(New<TForm>(nullptr));
  form->SetBorderStyle(bsNone);
  form->SetBounds(0, 0, 50, 30);
  auto* edit = New<TEdit>(form.get());
  auto* label = New<TLabel>(form.get());
  edit->SetParent(form.get());
  edit->SetBounds(0, 0, 50, 30);
  label->SetParent(form.get());
  label->SetColor(clRed);
  label->SetBounds(0, 0, 50, 30);
  TBitmap b;
  RenderControl(*form.get(), b);
  EXPECT_EQ(b.Pixel(25, 15), clWhite);
  edit->Hide();
  RenderControl(*form.get(), b);
  EXPECT_EQ(b.Pixel(25, 15), clRed);
}

TEST_F(ControlPainting, ChildrenAreClippedToTheirParent) {
  TSample s;
  s.label->SetBounds(100, 5, 100, 13);
  s.label->SetColor(clRed);
  TBitmap b;
  RenderControl(*s.panel, b);
  EXPECT_EQ(b.Pixel(110, 10), clRed);
  EXPECT_EQ(b.Width(), 120);
}

TEST_F(ControlPainting, ChangesMarkTheControlAndItsParentsAndPaintingClearsThem) {
  TSample s;
  TBitmap b;
  RenderControl(*s.form.get(), b);
  EXPECT_FALSE(s.form->NeedsPaint());
  EXPECT_FALSE(s.label->NeedsPaint());
  s.label->SetCaption("Changed");
  EXPECT_TRUE(s.label->NeedsPaint());
  EXPECT_TRUE(s.panel->NeedsPaint());
  EXPECT_TRUE(s.form->NeedsPaint());
  EXPECT_FALSE(s.edit->NeedsPaint());
  RenderControl(*s.form.get(), b);
  s.edit->SetEnabled(false);
  EXPECT_TRUE(s.form->NeedsPaint());
}

TEST_F(ControlPainting, DisabledCaptionsAreEmbossed) {
  TSample s;
  s.button->SetEnabled(false);
  TBitmap b;
  RenderControl(*s.button, b);
  bool grey = false, white = false;
  for (int y = 4; y < 21; ++y)
    for (int x = 4; x < 71; ++x) {
      grey = grey || b.Pixel(x, y) == ColorToRGB(clGrayText);
      white = white || b.Pixel(x, y) == Highlight;
    }
  EXPECT_TRUE(grey);
  EXPECT_TRUE(white);
}

TEST_F(ControlPainting, ImageListsCutStripsAndDrawWithoutTheirTransparentColour) {
  TScopedFree<TImageList> list(New<TImageList>(nullptr));
  list->SetWidth(2);
  list->SetHeight(2);
  TBitmap strip(4, 2);
  strip.Canvas()->Brush()->SetColor(clFuchsia);
  strip.Canvas()->FillRect(Rect(0, 0, 4, 2));
  strip.SetPixel(0, 0, clRed);
  strip.SetPixel(3, 0, clBlue);
  EXPECT_EQ(list->Add(strip), 0);
  EXPECT_EQ(list->Count(), 2);
  TBitmap target(2, 2);
  list->Draw(*target.Canvas(), 0, 0, 1);
  EXPECT_EQ(target.Pixel(1, 0), clBlue);
  EXPECT_EQ(target.Pixel(0, 0), clWhite);
  TBitmap one;
  EXPECT_TRUE(list->GetBitmap(0, one));
  EXPECT_EQ(one.Pixel(0, 0), clRed);
  EXPECT_FALSE(list->GetBitmap(5, one));
  EXPECT_EQ(list->Add(TBitmap()), -1);
}

}  // namespace
