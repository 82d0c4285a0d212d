// Applying a language file to a window of 150 components (labels, edits with hints, combo boxes
// with item lists): what every window does for each class of its chain when it is first shown.

#include <benchmark/benchmark.h>

#include "language/LanguageController.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Snapshot.h"
#include "platform/controls/StdCtrls.h"

namespace {

AnsiString Description() {
  AnsiString text = "object frmBench: TForm\n  Caption = '基准'\n";
  for (int i = 0; i < 150; ++i) {
    const AnsiString n = IntToStr(i);
    if (i % 3 == 0) text += "  object lbl" + n + ": TLabel\n    Caption = '标签" + n + "'\n  end\n";
    else if (i % 3 == 1) text += "  object ed" + n + ": TEdit\n    Hint = '提示'\n  end\n";
    else text += "  object cbo" + n + ": TComboBox\n    Items.Strings = ('甲' '乙' '丙')\n    ItemIndex = 1\n  end\n";
  }
  return text + "end\n";
}

AnsiString Document() {
  AnsiString xml = "<TfrmBench Caption=\"Bench\">";
  for (int i = 0; i < 150; ++i) {
    const AnsiString n = IntToStr(i);
    if (i % 3 == 0) xml += "<lbl" + n + " Caption=\"Label " + n + "\" Font.Name=\"Tahoma\" Font.Color=\"clRed\"/>";
    else if (i % 3 == 1) xml += "<ed" + n + " Hint=\"Hint " + n + "\"/>";
    else xml += "<cbo" + n + " Items_0=\"A\" Items_1=\"B\" Items_2=\"C\"/>";
  }
  return xml + "</TfrmBench>";
}

void BM_ApplyLanguageFile(benchmark::State& state) {
  SetACP(936);
  RegisterStandardControls();
  TForm* form = FormFromDescription(Description());
  auto* controller = New<TKvLangController>(form);
  controller->XmlLines()->SetText(Document());
  controller->SetActive(true);
  for (auto _ : state) {
    controller->GetReader().ReadComponent(form);
    benchmark::DoNotOptimize(form->Caption());
  }
  form->Free();
}
BENCHMARK(BM_ApplyLanguageFile)->Unit(benchmark::kMillisecond);

}  // namespace
