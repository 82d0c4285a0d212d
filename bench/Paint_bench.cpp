// A full repaint of a window of 150 controls into its bitmap (the goal: within 4 ms).

#include <benchmark/benchmark.h>

#include "platform/controls/Forms.h"
#include "platform/controls/Snapshot.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Canvas.h"

namespace {

// Ten panels of fifteen controls each (labels, edits, buttons), Chinese and Latin captions.
TForm* MakeWindow() {
  SetACP(936);
  TForm* form = New<TForm>(nullptr);
  form->SetBounds(0, 0, 800, 600);
  form->SetCaption(GbText("基准窗口"));
  form->Font()->SetName(GbText("宋体"));
  form->Font()->SetCharset(GB2312_CHARSET);
  form->Font()->SetHeight(-12);
  for (int p = 0; p < 10; ++p) {
    auto* panel = New<TPanel>(form);
    panel->SetParent(form);
    panel->SetBounds(4 + (p % 2) * 392, 4 + (p / 2) * 112, 388, 108);
    for (int i = 0; i < 14; ++i) {
      int x = 4 + (i % 2) * 190, y = 4 + (i / 2) * 14;
      switch (i % 3) {
        case 0: {
          auto* label = New<TLabel>(form);
          label->SetParent(panel);
          label->SetBounds(x, y, 90, 13);
          label->SetCaption(GbText("标签 Label ") + IntToStr(i));
          break;
        }
        case 1: {
          auto* edit = New<TEdit>(form);
          edit->SetParent(panel);
          edit->SetBounds(x, y, 180, 14);
          edit->SetText(GbText("编辑 text ") + IntToStr(i));
          break;
        }
        default: {
          auto* button = New<TButton>(form);
          button->SetParent(panel);
          button->SetBounds(x, y, 75, 14);
          button->SetCaption(GbText("确定"));
        }
      }
    }
  }
  return form;
}

void BM_PaintWindowOf150Controls(benchmark::State& state) {
  TForm* form = MakeWindow();
  TBitmap bitmap;
  RenderControl(*form, bitmap);
  for (auto _ : state) {
    form->PaintTo(*bitmap.Canvas(), 0, 0);
    benchmark::DoNotOptimize(bitmap.Pixel(10, 10));
  }
  state.counters["controls"] = static_cast<double>(form->ComponentCount());
  form->Free();
}
BENCHMARK(BM_PaintWindowOf150Controls)->Unit(benchmark::kMillisecond);

}  // namespace
