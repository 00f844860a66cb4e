// How long the model takes to open a window and to answer a keystroke. Figures only: the targets
// are read from the output, never asserted.

#include "window/binding.h"
#include "window/startup.h"
#include "window/user_events.h"

#include <benchmark/benchmark.h>

namespace fournil {
namespace {

struct NoFiles : FileSystem {
    QString findFile(const QString&) override { return {}; }
    bool deleteFile(const QString&) override { return false; }
    QString programFolder() override { return QStringLiteral("/nonexistent"); }
};
struct Screen : Display {
    TwipSize screenSize() override { return {15360, 11520}; }
    TwipSize windowSize() override { return {7000, 6500}; }
};
struct NoPictures : PictureLoader {
    std::shared_ptr<const Picture> load(const QString&) override { return nullptr; }
};

void OpenWindow(benchmark::State& state) {
    NoFiles files;
    Screen screen;
    NoPictures pictures;
    Platform platform{files, screen, pictures};
    for (auto _ : state) {
        Window w;
        bindHandlers(w, platform);
        openWindow(w);
        benchmark::DoNotOptimize(w.focus());
    }
}
BENCHMARK(OpenWindow);

void TypeAQuantity(benchmark::State& state) {
    NoFiles files;
    Screen screen;
    NoPictures pictures;
    Platform platform{files, screen, pictures};
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
