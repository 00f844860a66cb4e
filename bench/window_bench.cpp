// How long the model takes to open a window and to answer a keystroke. Figures only: the targets
// are read from the output, never asserted.

#include "wiring/binding.h"
#include "window/startup.h"
#include "window/user_events.h"

#include <benchmark/benchmark.h>

#include "fake_platform.h"

namespace fournil {
namespace {

void OpenWindow(benchmark::State& state) {
    testing::BareMachine machine;
    Platform& platform = machine.platform;
    for (auto _ : state) {
        Window w;
        bindHandlers(w, platform);
        openWindow(w);
        benchmark::DoNotOptimize(w.focus());
    }
}
BENCHMARK(OpenWindow);

void TypeAQuantity(benchmark::State& state) {
    testing::BareMachine machine;
    Platform& platform = machine.platform;
    Window w;
    bindHandlers(w, platform);
    openWindow(w);
    const QString digits = QStringLiteral("0123456789");
    int i = 0;
    for (auto _ : state) {
        userEdit(w.Q1, QString::number(1000 + (i++ % 9000)));
        benchmark::DoNotOptimize(w.Q2.text());
    }
}
BENCHMARK(TypeAQuantity);

}  // namespace
}  // namespace fournil

BENCHMARK_MAIN();
