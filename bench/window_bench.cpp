// How long the model takes to open a window and to answer each kind of event. Figures only: the
// targets are read from the output, never asserted.

#include "window/startup.h"
#include "window/user_events.h"
#include "wiring/binding.h"

#include <benchmark/benchmark.h>

#include "fake_platform.h"

namespace fournil {
namespace {

struct OpenedWindow {
    testing::BareMachine machine;
    Window w;
    explicit OpenedWindow(int mode = 1) {
        bindHandlers(w, machine.platform);
        openWindow(w);
        if (mode != 1) {
            userClick(w.optionL(mode));
        }
    }
};

void OpenWindow(benchmark::State& state) {
    testing::BareMachine machine;
    for (auto _ : state) {
        Window w;
        bindHandlers(w, machine.platform);
        openWindow(w);
        benchmark::DoNotOptimize(w.focus());
    }
}
BENCHMARK(OpenWindow);

// A keystroke in the quantity that the mode takes as given: Q1, or Q2 in modes 2 and 4.
void Keystroke(benchmark::State& state) {
    const int mode = int(state.range(0));
    OpenedWindow o(mode);
    TextBox& box = (mode == 2 || mode == 4) ? o.w.Q2 : o.w.Q1;
    int i = 0;
    for (auto _ : state) {
        userEdit(box, QString::number(1000 + (i++ % 9000)));
        benchmark::DoNotOptimize(o.w.EF(1).text());
    }
}
BENCHMARK(Keystroke)->DenseRange(1, 6)->ArgName("mode");

void HydrationKeystroke(benchmark::State& state) {
    OpenedWindow o(4);
    int i = 0;
    for (auto _ : state) {
        userEdit(o.w.H1, QString::number(50 + (i++ % 40)));
        benchmark::DoNotOptimize(o.w.EF(1).text());
    }
}
BENCHMARK(HydrationKeystroke);

void UnitSwitch(benchmark::State& state) {
    OpenedWindow o(4);
    int i = 0;
    for (auto _ : state) {
        userClick(o.w.optionH(1 + (i++ % 4)));
        benchmark::DoNotOptimize(o.w.EF(1).text());
    }
}
BENCHMARK(UnitSwitch);

// Each round of the six modes starts again from the opening quantities: switching back and forth
// between modes that compute Q1 from Q2 and Q2 from Q1 would otherwise let them grow without end.
void ModeSwitch(benchmark::State& state) {
    OpenedWindow o;
    int i = 0;
    for (auto _ : state) {
        userClick(o.w.optionL(1 + (i++ % 6)));
        benchmark::DoNotOptimize(o.w.EF(1).text());
        if (i % 6 == 0) {
            state.PauseTiming();
            o.w.Q1.setText(QStringLiteral("1200"));
            o.w.Q2.setText(QStringLiteral("706"));
            state.ResumeTiming();
        }
    }
}
BENCHMARK(ModeSwitch);

void SimulationClick(benchmark::State& state) {
    OpenedWindow o(6);
    for (auto _ : state) {
        userClick(o.w.Simulation);
        benchmark::DoNotOptimize(o.w.EF(1).text());
    }
}
BENCHMARK(SimulationClick);

void KeyPress(benchmark::State& state) {
    OpenedWindow o(5);
    const Key key = state.range(0) == 0 ? Key::Tab : Key::Down;
    if (key == Key::Down) {
        userClick(o.w.optionH(1));  // arrows walk the first hydration's units
    }
    for (auto _ : state) {
        userKey(o.w, key);
        benchmark::DoNotOptimize(o.w.focus());
    }
}
BENCHMARK(KeyPress)->Arg(0)->Arg(1)->ArgName("tab0_arrow1");

}  // namespace
}  // namespace fournil

BENCHMARK_MAIN();
