// The Variant carries every exchange with the shell and the servers: parameter arrays are built,
// copied, walked and converted on each submission.

#include <benchmark/benchmark.h>

#include "platform/Variant.h"

namespace {

Variant MakeParameters(int count) {
  Variant params = Variant::CreateArray({{0, count - 1}});
  for (int i = 0; i < count; ++i) params[i] = (i % 2) ? Variant("value " + std::to_string(i)) : Variant(i);
  return params;
}

void BuildParameterArray(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(MakeParameters(static_cast<int>(state.range(0))));
}
BENCHMARK(BuildParameterArray)->Arg(100)->Arg(1000);

void CopyThenChangeOneElement(benchmark::State& state) {
  Variant params = MakeParameters(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Variant copy = params;
    copy[0] = 1;
    benchmark::DoNotOptimize(copy);
  }
}
BENCHMARK(CopyThenChangeOneElement)->Arg(1000);

void ConvertElementsToText(benchmark::State& state) {
  Variant params = MakeParameters(1000);
  for (auto _ : state) {
    size_t total = 0;
    for (int i = 0; i <= params.HighBound(); ++i) total += params[i].AsString().size();
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(ConvertElementsToText);

void ToAutomationVariant(benchmark::State& state) {
  Variant params = MakeParameters(1000);
  for (auto _ : state) benchmark::DoNotOptimize(VarToOle(params));
}
BENCHMARK(ToAutomationVariant);

}  // namespace
