#include "tests/platform/ControlFixture.h"

#include <memory>
#include <stdexcept>

#include "platform/Text.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/MenusPaint.h"
#include "platform/controls/Snapshot.h"
#include "platform/graphics/Canvas.h"
#include "tests/platform/TestForms.h"
#include "tests/support/ScopedEnv.h"

class MenuPainting : public ControlTest {
protected:
  std::unique_ptr<TBitmap> Snapshot() {
    auto bitmap = std::make_unique<TBitmap>();
    RenderControl(*form, *bitmap);
    return bitmap;
  }
  // A click at a point of the form's own coordinates, through the client-area input path.
  void ClickForm(TPoint at) {
    TRect client = form->ClientBounds();
    Click(*form, at.X - client.Left, at.Y - client.Top);
  }
  static TPoint Middle(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
  const TMenuEntry& Row(const TMenuBox& box, const TMenuItem* item) {
    for (const TMenuEntry& row : box.Rows)
      if (row.Item == item) return row;
    throw std::logic_error("no row for the item");
  }
  TMainMenu* MainMenu() {
    auto* menu = New<TMainMenu>(form);
    form->SetMenu(menu);
    return menu;
  }
  ScopedCodePage cp{936};
};

TEST_F(MenuPainting, TheBarTakesItsHeightFromTheClientAreaAndShowsTheVisibleItems) {
  auto* panel = Add<TPanel>("pnlAll", 0, 0, 10, 10);
  panel->SetAlign(alClient);
  panel->SetColor(clRed);
  panel->SetBevelOuter(bvNone);
  TRect before = form->ClientBounds();
  TMainMenu* menu = MainMenu();
  EXPECT_TRUE(form->MenuBarBounds().IsEmpty()) << "a menu without visible items shows no bar";
  TMenuItem* file = Item(*menu->Items(), "miFile", "&File");
  Item(*menu->Items(), "miSecret", "&Secret")->SetVisible(false);
  TMenuItem* edit = Item(*menu->Items(), "miEdit", "&Edit");
  form->SetMenu(nullptr);
  form->SetMenu(menu);

  EXPECT_EQ(form->Height(), 360);
  EXPECT_EQ(form->MenuBarBounds(), Rect(before.Left, before.Top, before.Right, before.Top + MenuBarHeight));
  EXPECT_EQ(form->ClientBounds(), Rect(before.Left, before.Top + MenuBarHeight, before.Right, before.Bottom));
  EXPECT_EQ(panel->Height(), before.Height() - MenuBarHeight);
  std::vector<TMenuEntry> entries = MenuBarEntries(*form);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].Item, file);
  EXPECT_EQ(entries[1].Item, edit);
  EXPECT_EQ(entries[1].Bounds.Left, entries[0].Bounds.Right);
  EXPECT_EQ(entries[0].Bounds.Left, before.Left);

  auto bitmap = Snapshot();
  TRect bar = form->MenuBarBounds();
  TRect rest{entries[1].Bounds.Right, bar.Top, bar.Right, bar.Bottom};
  EXPECT_EQ(CountColor(*bitmap, rest, clMenu), rest.Width() * rest.Height());
  EXPECT_GT(CountColor(*bitmap, entries[0].Bounds, clMenuText), 20);
  EXPECT_EQ(CountColor(*bitmap, Rect(bar.Left, bar.Bottom, bar.Right, bar.Bottom + 1), clRed), bar.Width());

  menu->Free();
  EXPECT_EQ(form->Menu(), nullptr);
  EXPECT_EQ(form->ClientBounds(), before);
}

TEST_F(MenuPainting, TheAcceleratorLetterIsUnderlinedOnTheBar) {
  TMainMenu* menu = MainMenu();
  TMenuItem* file = Item(*menu->Items(), "miFile", "File");
  auto plain = Snapshot();
  file->SetCaption("&File");
  auto marked = Snapshot();
  TRect entry = MenuBarEntries(*form).at(0).Bounds;
  // The captions measure alike; only one row under the first letter differs.
  EXPECT_EQ(entry.Width(), MenuBarEntries(*form).at(0).Bounds.Width());
  int firstRow = -1, lastRow = -1, rightmost = -1;
  for (int y = 0; y < form->Height(); ++y)
    for (int x = 0; x < form->Width(); ++x)
      if (plain->Pixel(x, y) != marked->Pixel(x, y)) {
        if (firstRow < 0) firstRow = y;
        lastRow = y;
        rightmost = std::max(rightmost, x);
        EXPECT_EQ(marked->Pixel(x, y), ColorToRGB(clMenuText));
      }
  ASSERT_GE(firstRow, entry.Top);
  EXPECT_EQ(firstRow, lastRow);
  EXPECT_LT(lastRow, entry.Bottom);
  EXPECT_LT(rightmost, (entry.Left + entry.Right) / 2);
}

TEST_F(MenuPainting, ChineseCaptionsAreDrawnInTheFormsCharacterSet) {
  form->Font()->SetCharset(GB2312_CHARSET);
  TMainMenu* menu = MainMenu();
  Item(*menu->Items(), "miFile", GbText("文件(&F)").c_str());
  auto bitmap = Snapshot();
  TRect entry = MenuBarEntries(*form).at(0).Bounds;
  EXPECT_GT(entry.Width(), 40);
  EXPECT_GT(CountColor(*bitmap, entry, clMenuText), 60);
}

TEST_F(MenuPainting, ADescriptionKeepsTheClientSizeItStores) {
  TScopedFree<TForm> described(FormFromDescription(
      "object f: TForm\n  BorderStyle = bsSingle\n  ClientWidth = 200\n  ClientHeight = 100\n  Menu = mm\n"
      "  object mm: TMainMenu\n    object miFile: TMenuItem\n      Caption = '&File'\n    end\n  end\nend\n"));
  ASSERT_NE(described->Menu(), nullptr);
  EXPECT_EQ(described->ClientHeight(), 100);
  EXPECT_EQ(described->Height(), 100 + 21 + MenuBarHeight + 3);
  EXPECT_EQ(described->ClientBounds().Top, 21 + MenuBarHeight);
}

TEST_F(MenuPainting, APopupMenuIsPaintedAtThePointOfTheRightClick) {
  auto* menu = New<TPopupMenu>(form);
  TMenuItem* open = Item(*menu->Items(), "miOpen", "&Open");
  open->SetShortCut(scCtrl | 'O');
  TMenuItem* line = Item(*menu->Items(), "miLine", "-");
  TMenuItem* locked = Item(*menu->Items(), "miLocked", "&Locked");
  locked->SetEnabled(false);
  TMenuItem* checked = Item(*menu->Items(), "miChecked", "&Checked");
  checked->SetChecked(true);
  TMenuItem* radio = Item(*menu->Items(), "miRadio", "&Radio");
  radio->SetRadioItem(true);
  radio->SetChecked(true);
  Item(*menu->Items(), "miHidden", "&Hidden")->SetVisible(false);
  TMenuItem* more = Item(*menu->Items(), "miMore", "&More");
  Item(*more, "miInner", "&Inner");
  auto* list = Add<TListView>("lvItems", 20, 30, 200, 100);
  list->SetPopupMenu(menu);
  form->SetBounds(50, 60, 480, 360);
  form->Show();
  RightClick(*form, 25, 40);

  std::vector<TMenuBox> boxes = OpenMenuBoxes(*form);
  ASSERT_EQ(boxes.size(), 1u);
  const TMenuBox& box = boxes[0];
  TRect client = form->ClientBounds();
  EXPECT_EQ(box.Bounds.Left, client.Left + 25);
  EXPECT_EQ(box.Bounds.Top, client.Top + 40);
  ASSERT_EQ(box.Rows.size(), 6u) << "the hidden item has no row";
  EXPECT_EQ(Row(box, line).Bounds.Height(), MenuLineHeight);
  EXPECT_EQ(Row(box, open).Bounds.Height(), MenuRowHeight);
  EXPECT_EQ(box.Bounds.Height(), 5 * MenuRowHeight + MenuLineHeight + 6);

  auto bitmap = Snapshot();
  // The raised frame over the list view.
  EXPECT_EQ(bitmap->Pixel(box.Bounds.Left, box.Bounds.Top), ColorToRGB(cl3DLight));
  EXPECT_EQ(bitmap->Pixel(box.Bounds.Right - 1, box.Bounds.Bottom - 1), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(CountColor(*bitmap, box.Bounds, clHighlight), 0) << "nothing is highlighted yet";
  // The separator is etched: a shadow line over a highlight line across the row.
  TRect sep = Row(box, line).Bounds;
  int lineY = sep.Top + (sep.Height() - 2) / 2;
  EXPECT_EQ(CountColor(*bitmap, Rect(sep.Left + 1, lineY, sep.Right - 1, lineY + 1), clBtnShadow), sep.Width() - 2);
  EXPECT_EQ(CountColor(*bitmap, Rect(sep.Left + 1, lineY + 1, sep.Right - 1, lineY + 2), clBtnHighlight),
            sep.Width() - 2);
  // The disabled caption is embossed grey, not in the menu's text colour.
  TRect lockedRow = Row(box, locked).Bounds;
  EXPECT_EQ(CountColor(*bitmap, lockedRow, clMenuText), 0);
  EXPECT_GT(CountColor(*bitmap, lockedRow, clGrayText), 20);
  EXPECT_GT(CountColor(*bitmap, lockedRow, clBtnHighlight), 20);
  // Marks in the left column: none, the tick, the dot; the arrow at the right.
  struct TMarkCase {
    const TMenuItem* item;
    int markPixels;
  };
  for (const TMarkCase& c : {TMarkCase{open, 0}, {checked, 21}, {radio, 32}}) {
    TRect r = Row(box, c.item).Bounds;
    EXPECT_EQ(CountColor(*bitmap, Rect(r.Left, r.Top, r.Left + 18, r.Bottom), clMenuText), c.markPixels)
        << c.item->Name();
  }
  TRect moreRow = Row(box, more).Bounds;
  EXPECT_EQ(CountColor(*bitmap, Rect(moreRow.Right - 17, moreRow.Top, moreRow.Right, moreRow.Bottom), clMenuText), 16);
  // The short cut ends at the arrow column, right-aligned past the widest caption.
  TRect openRow = Row(box, open).Bounds;
  int shortCutRight = openRow.Right - 17;
  EXPECT_GT(CountColor(*bitmap, Rect(shortCutRight - 8, openRow.Top, shortCutRight, openRow.Bottom), clMenuText), 5);
  EXPECT_EQ(CountColor(*bitmap, Rect(shortCutRight, openRow.Top, openRow.Right, openRow.Bottom), clMenuText), 0);

  // The keys move the highlight; the lit row takes the highlight colours.
  PressKey(*form, VK_DOWN);
  auto lit = Snapshot();
  EXPECT_GT(CountColor(*lit, openRow, clHighlight), openRow.Width() * openRow.Height() / 2);
  EXPECT_GT(CountColor(*lit, openRow, clHighlightText), 20);
  EXPECT_EQ(CountColor(*lit, openRow, clMenuText), 0);
}

TEST_F(MenuPainting, AToolButtonsDropDownMenuOpensUnderTheButton) {
  auto* menu = New<TPopupMenu>(form);
  Item(*menu->Items(), "miFirst", "&First");
  auto* panel = Add<TPanel>("pnlTools", 10, 20, 300, 40);
  auto* bar = Add<TToolBar>("tbMain", 0, 0, 200, 29, panel);
  auto* drop = New<TToolButton>(form);
  drop->SetName("tbDrop");
  drop->SetStyle(tbsDropDown);
  drop->SetDropdownMenu(menu);
  drop->SetParent(bar);
  form->SetBounds(70, 80, 480, 360);
  form->Show();
  ClickAt(*drop, drop->Width() - 3, 5);
  std::vector<TMenuBox> boxes = OpenMenuBoxes(*form);
  ASSERT_EQ(boxes.size(), 1u);
  TRect client = form->ClientBounds();
  int x = 0, y = 0;
  At(*drop, 0, drop->Height(), x, y);
  EXPECT_EQ(boxes[0].Bounds.Left, client.Left + x);
  EXPECT_EQ(boxes[0].Bounds.Top, client.Top + y);
}

TEST_F(MenuPainting, APopupOfAnotherFormIsNotPaintedOnThisOne) {
  TScopedFree<TForm> other(New<TForm>(nullptr));
  auto* menu = New<TPopupMenu>(other.get());
  Item(*menu->Items(), "miOpen", "&Open");
  menu->Popup(30, 40);
  EXPECT_TRUE(OpenMenuBoxes(*form).empty());
  EXPECT_EQ(OpenMenuBoxes(*other.get()).size(), 1u);
}

TEST_F(MenuPainting, ClicksOnTheBarOpenItsMenusAndClicksOnRowsChoose) {
  TMainMenu* menu = MainMenu();
  TMenuItem* file = Item(*menu->Items(), "miFile", "&File");
  Item(*file, "miNew", "&New");
  TMenuItem* fileLine = Item(*file, "miLine", "-");
  TMenuItem* locked = Item(*file, "miLocked", "&Locked");
  locked->SetEnabled(false);
  TMenuItem* recent = Item(*file, "miRecent", "&Recent");
  TMenuItem* first = Item(*recent, "miFirst", "&1 first");
  TMenuItem* edit = Item(*menu->Items(), "miEdit", "&Edit");
  Item(*edit, "miCopy", "&Copy");
  auto* button = Add<TButton>("btnUnder", 0, 0, 200, 200);
  button->OnClick = Bind<&TEventLog::Clicked>(log);
  form->Show();
  std::vector<TMenuEntry> bar = MenuBarEntries(*form);

  ClickForm(Middle(bar[0].Bounds));
  EXPECT_EQ(OpenMenu(), file);
  std::vector<TMenuBox> boxes = OpenMenuBoxes(*form);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].Bounds.Left, bar[0].Bounds.Left);
  EXPECT_EQ(boxes[0].Bounds.Top, bar[0].Bounds.Bottom);
  auto bitmap = Snapshot();
  EXPECT_EQ(bitmap->Pixel(bar[0].Bounds.Left, bar[0].Bounds.Top), ColorToRGB(clBtnShadow)) << "pressed in";
  EXPECT_EQ(bitmap->Pixel(bar[1].Bounds.Left, bar[1].Bounds.Top), ColorToRGB(clMenu));

  // The separator and the disabled row take the click and leave the menu open.
  ClickForm(Middle(Row(boxes[0], fileLine).Bounds));
  ClickForm(Middle(Row(boxes[0], locked).Bounds));
  EXPECT_EQ(OpenMenu(), file);

  ClickForm(Middle(Row(boxes[0], recent).Bounds));
  EXPECT_EQ(OpenMenu(), recent);
  boxes = OpenMenuBoxes(*form);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].Highlighted, recent);
  EXPECT_EQ(boxes[1].Bounds.Left, boxes[0].Bounds.Right - 3);
  EXPECT_EQ(boxes[1].Rows[0].Bounds.Top, Row(boxes[0], recent).Bounds.Top);
  auto nested = Snapshot();
  EXPECT_GT(CountColor(*nested, Row(boxes[0], recent).Bounds, clHighlight), 100);
  ClickForm(Middle(Row(boxes[1], first).Bounds));
  EXPECT_EQ(OpenMenu(), nullptr);

  // The open item's bar entry closes its menu; another entry opens its own.
  ClickForm(Middle(bar[0].Bounds));
  ClickForm(Middle(bar[0].Bounds));
  EXPECT_EQ(OpenMenu(), nullptr);
  ClickForm(Middle(bar[0].Bounds));
  ClickForm(Middle(bar[1].Bounds));
  EXPECT_EQ(OpenMenu(), edit);

  // A click elsewhere closes the menus and goes no further.
  ClickOn(*button);
  EXPECT_EQ(OpenMenu(), nullptr);
  EXPECT_EQ(log->Lines, std::vector<AnsiString>{"click miFirst"});
  ClickOn(*button);
  EXPECT_EQ(log->Lines, (std::vector<AnsiString>{"click miFirst", "click btnUnder"}));
}

TEST_F(MenuPainting, AltOpensTheMenuUnderItsBarItemWithTheHighlightShown) {
  TMainMenu* menu = MainMenu();
  Item(*menu->Items(), "miFile", "&File");
  TMenuItem* view = Item(*menu->Items(), "miView", "&View");
  TMenuItem* bar = Item(*view, "miBar", "&Tool bar");
  form->Show();
  PressKey(*form, 'V', TShiftState{ssAlt});
  PressKey(*form, VK_DOWN);
  std::vector<TMenuBox> boxes = OpenMenuBoxes(*form);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].Bounds.Left, MenuBarEntries(*form).at(1).Bounds.Left);
  EXPECT_EQ(boxes[0].Highlighted, bar);
  auto bitmap = Snapshot();
  EXPECT_GT(CountColor(*bitmap, Row(boxes[0], bar).Bounds, clHighlight), 100);
}

TEST_F(MenuPainting, AMenuRendersOnItsOwnAndOwnerDrawItemsLookTheSame) {
  auto* menu = New<TPopupMenu>(form);
  TMenuItem* open = Item(*menu->Items(), "miOpen", "&Open");
  Item(*menu->Items(), "miSave", "&Save")->SetShortCut(scCtrl | 'S');
  TBitmap plain;
  RenderMenu(*menu->Items(), plain, open);
  TMenuBox box = MenuBoxAt(*menu->Items(), {}, DEFAULT_CHARSET);
  EXPECT_EQ(plain.Width(), box.Bounds.Width());
  EXPECT_EQ(plain.Height(), 2 * MenuRowHeight + 6);
  EXPECT_EQ(plain.Pixel(0, 0), ColorToRGB(cl3DLight));
  EXPECT_GT(CountColor(plain, box.Rows[0].Bounds, clHighlight), 100);
  menu->SetOwnerDraw(true);
  TBitmap ownerDrawn;
  RenderMenu(*menu->Items(), ownerDrawn, open);
  for (int y = 0; y < plain.Height(); ++y)
    for (int x = 0; x < plain.Width(); ++x) ASSERT_EQ(plain.Pixel(x, y), ownerDrawn.Pixel(x, y)) << x << "," << y;
}

TEST(ShortCutText, NamesTheShiftStatesAndTheKey) {
  struct TCase {
    int shortCut;
    const char* text;
  };
  for (const TCase& c : {TCase{0, ""}, {scCtrl | 'S', "Ctrl+S"}, {scShift | scCtrl | VK_F2, "Shift+Ctrl+F2"},
                         {scAlt | '1', "Alt+1"}, {VK_DELETE, "Del"}, {VK_F12, "F12"}, {scCtrl | VK_RETURN, "Ctrl+Enter"},
                         {scCtrl | 0x5D, ""}})
    EXPECT_EQ(ShortCutToText(c.shortCut), c.text) << c.shortCut;
}
