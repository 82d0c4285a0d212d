// A full repaint of a window of 150 standard controls of every family (check and radio buttons,
// combo and list boxes, spin and masked edits, speed buttons, list views, trees, grids, a page
// control and a status bar) into its bitmap. The goal for a window is 4 ms.

#include <benchmark/benchmark.h>

#include "platform/controls/Buttons.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/Grids.h"
#include "platform/controls/ListControls.h"
#include "platform/controls/Mask.h"
#include "platform/controls/Snapshot.h"
#include "platform/controls/Spin.h"
#include "platform/graphics/Canvas.h"

namespace {

template <class T>
T* Place(TForm* form, TWinControl* parent, int left, int top, int width, int height) {
  T* c = New<T>(form);
  c->SetParent(parent);
  c->SetBounds(left, top, width, height);
  return c;
}

// A page control with two pages, 138 small controls on the first, eight lists and a status bar: 150.
TForm* MakeWindow() {
  SetACP(936);
  TForm* form = New<TForm>(nullptr);
  form->SetBounds(0, 0, 900, 640);
  form->Font()->SetName(GbText("宋体"));
  form->Font()->SetCharset(GB2312_CHARSET);
  form->Font()->SetHeight(-12);
  auto* pages = Place<TPageControl>(form, form, 4, 4, 880, 560);
  auto* sheet = New<TTabSheet>(form);
  sheet->SetPageControl(pages);
  sheet->SetCaption(GbText("条件 Conditions"));
  auto* other = New<TTabSheet>(form);
  other->SetPageControl(pages);
  other->SetCaption(GbText("选项 Options"));
  for (int i = 0; i < 138; ++i) {
    int x = 4 + (i % 6) * 144, y = 4 + (i / 6) * 24;
    AnsiString caption = GbText("项目 ") + IntToStr(i);
    switch (i % 6) {
      case 0: Place<TCheckBox>(form, sheet, x, y, 140, 17)->SetCaption(caption); break;
      case 1: Place<TRadioButton>(form, sheet, x, y, 140, 17)->SetCaption(caption); break;
      case 2: {
        auto* combo = Place<TComboBox>(form, sheet, x, y, 140, 21);
        combo->Items()->SetText(caption + "\r\nB");
        combo->SetItemIndex(0);
        break;
      }
      case 3: Place<TSpinEdit>(form, sheet, x, y, 140, 21)->SetValue(i); break;
      case 4: {
        auto* edit = Place<TMaskEdit>(form, sheet, x, y, 140, 21);
        edit->SetEditMask("9999/99/99;1; ");
        edit->SetText("2024/01/05");
        break;
      }
      default: Place<TSpeedButton>(form, sheet, x, y, 140, 22)->SetCaption(caption);
    }
  }
  for (int i = 0; i < 4; ++i) {
    auto* view = Place<TListView>(form, form, 4 + i * 220, 566, 100, 40);
    view->SetViewStyle(vsReport);
    view->Columns()->Add()->SetWidth(90);
    for (int r = 0; r < 3; ++r) view->Items()->Add()->SetCaption(GbText("行 ") + IntToStr(r));
    auto* list = Place<TListBox>(form, form, 110 + i * 220, 566, 100, 40);
    list->Items()->SetText("a\r\nb\r\nc");
    list->SetItemIndex(1);
  }
  auto* status = Place<TStatusBar>(form, form, 0, 610, 900, 20);
  status->Panels()->Add()->SetText(GbText("就绪"));
  return form;
}

void BM_PaintWindowOf150StandardControls(benchmark::State& state) {
  TForm* form = MakeWindow();
  TBitmap bitmap;
  RenderControl(*form, bitmap);
  for (auto _ : state) {
    form->PaintTo(*bitmap.Canvas(), 0, 0);
    benchmark::DoNotOptimize(bitmap.Pixel(10, 10));
  }
  form->Free();
}
BENCHMARK(BM_PaintWindowOf150StandardControls)->Unit(benchmark::kMillisecond);

}  // namespace
