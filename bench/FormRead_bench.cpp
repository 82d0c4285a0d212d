// Reading a form description of 150 components with properties and events into a live form.

#include <benchmark/benchmark.h>

#include "platform/classes/ClassDecl.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/streaming/FormReader.h"

namespace {

class TfrmBench : public TForm {
  PAVANE_CLASS(TfrmBench, TForm)
public:
  using TForm::TForm;
  void Changed(TObject*) {}
};

AnsiString Description() {
  AnsiString text = "object frmBench: TfrmBench\n  Caption = '基准'\n  KeyPreview = True\n";
  for (int p = 0; p < 10; ++p) {
    AnsiString panel = "pnl" + IntToStr(p);
    text += "  object " + panel + ": TPanel\n    Left = 8\n    Top = " + IntToStr(p * 40) +
            "\n    Width = 300\n    Height = 40\n    Font.Name = 'Tahoma'\n    Font.Style = [fsBold]\n";
    for (int i = 0; i < 14; ++i) {
      AnsiString n = IntToStr(p * 14 + i);
      if (i % 2 == 0)
        text += "    object lbl" + n + ": TLabel\n      Left = 4\n      Caption = '标签" + n +
                "'\n      Color = clBtnFace\n    end\n";
      else
        text += "    object ed" + n + ": TEdit\n      Left = 60\n      TabOrder = " + IntToStr(i) + "\n      Text = 'v" + n +
                "'\n      Hint = '提示'\n      OnChange = Changed\n      OnExit = Changed\n    end\n";
    }
    text += "  end\n";
  }
  return text + "end\n";
}

void BM_ReadFormDescription(benchmark::State& state) {
  RegisterStandardControls();
  RegisterClass(TfrmBench::StaticClass());
  const TFormObject description = ParseFormText(Description());
  for (auto _ : state) {
    TfrmBench* form = New<TfrmBench>(nullptr);
    ReadDescriptions(*form, {&description});
    benchmark::DoNotOptimize(form->ComponentCount());
    state.PauseTiming();
    form->Free();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ReadFormDescription)->Unit(benchmark::kMicrosecond);

void BM_ParseFormDescription(benchmark::State& state) {
  const AnsiString text = Description();
  for (auto _ : state) benchmark::DoNotOptimize(ParseFormText(text));
}
BENCHMARK(BM_ParseFormDescription)->Unit(benchmark::kMicrosecond);

}  // namespace

const TClassInfo& TfrmBench::StaticClass() {
  static const TClassInfo info =
      DescribeClass<TfrmBench>("TfrmBench", {}, {Method<&TfrmBench::Changed>("Changed")});
  return info;
}
