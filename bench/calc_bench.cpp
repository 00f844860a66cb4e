// How many rows of a day's production the command line answers in a second: a CSV file of
// 100,000 calculations, every mode, as a spreadsheet would hold them. Figures only.

#include "calc/command.h"

#include <QLocale>

#include <benchmark/benchmark.h>

#include <random>

namespace fournil::calc {
namespace {

QByteArray production(int rows) {
    std::mt19937 random(7);
    const auto in = [&](int from, int to) {
        return QByteArray::number(from + int(random() % std::uint32_t(to - from + 1)));
    };
    QByteArray csv =
        "mode,masse,unite2,pate,hydratation,farine,levain,hydratation-levain,eau,"
        "temperature,temperature-chaude,temperature-froide,levain-voulu\n";
    for (int i = 0; i < rows; ++i) {
        switch (i % 6) {
            case 0:
                csv += "1,,," + in(100, 5000) + ',' + in(50, 90) + ",,,,,,,,\n";
                break;
            case 1:
                csv += "2,,,," + in(50, 90) + ',' + in(100, 5000) + ",,,,,,,\n";
                break;
            case 2:
                csv += "3,l/kg,,,,,,," + in(1, 50) + ',' + in(20, 30) + ',' + in(50, 80) + ',' +
                       in(5, 15) + ",\n";
                break;
            case 3:
                csv += "4,,pate,," + in(50, 100) + ",," + in(100, 2000) + ',' + in(50, 100) +
                       ",,,,,\n";
                break;
            case 4:
                csv += "5,,pate,," + in(50, 100) + ",,," + in(50, 100) + ",,,,," + in(100, 2000) +
                       '\n';
                break;
            default:
                csv += "6,,farine," + in(500, 5000) + ',' + in(55, 85) + ",," + in(50, 400) + ',' +
                       in(50, 100) + ",,,,,\n";
                break;
        }
    }
    return csv;
}

void Batch(benchmark::State& state) {
    const int rows = int(state.range(0));
    const QByteArray csv = production(rows);
    qsizetype written = 0;
    Streams io;
    io.out = [&](const QByteArray& b) {
        written += b.size();
        return true;
    };
    io.err = [](const QByteArray&) {};
    io.open = [&](const QString&, QString&) { return bytesInput(csv); };
    for (auto _ : state) {
        runCommand({QStringLiteral("--csv"), QStringLiteral("production.csv")}, io,
                   QLocale(QStringLiteral("fr_FR")));
    }
    state.SetItemsProcessed(state.iterations() * rows);  // items: rows
    state.counters["output_MiB"] = double(written) / double(state.iterations()) / (1 << 20);
}
BENCHMARK(Batch)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace fournil::calc

BENCHMARK_MAIN();
