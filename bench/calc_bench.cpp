// How many rows of a day's production the command line answers in a second: a CSV file of
// 100,000 calculations, every mode, as a spreadsheet would hold them. Figures only.

#include "calc/command.h"

#include <QLocale>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>

#include <sys/resource.h>

namespace fournil::calc {
namespace {

const QByteArray header =
    "mode,masse,unite2,pate,hydratation,farine,levain,hydratation-levain,eau,"
    "temperature,temperature-chaude,temperature-froide,levain-voulu\n";

// Row i of a day's production, every mode in turn, in the units a spreadsheet would hold them.
QByteArray productionRow(int i, std::mt19937& random) {
    const auto in = [&](int from, int to) {
        return QByteArray::number(from + int(random() % std::uint32_t(to - from + 1)));
    };
    switch (i % 6) {
        case 0:
            return "1,,," + in(100, 5000) + ',' + in(50, 90) + ",,,,,,,,\n";
        case 1:
            return "2,,,," + in(50, 90) + ',' + in(100, 5000) + ",,,,,,,\n";
        case 2:
            return "3,l/kg,,,,,,," + in(1, 50) + ',' + in(20, 30) + ',' + in(50, 80) + ',' +
                   in(5, 15) + ",\n";
        case 3:
            return "4,,pate,," + in(50, 99) + ",," + in(100, 2000) + ',' + in(50, 99) + ",,,,,\n";
        case 4:
            return "5,,pate,," + in(50, 99) + ",,," + in(50, 99) + ",,,,," + in(100, 2000) + '\n';
        default:
            return "6,,farine," + in(500, 5000) + ',' + in(55, 85) + ",," + in(50, 400) + ',' +
                   in(50, 100) + ",,,,,\n";
    }
}

// The rows made as they are read, so that the input itself takes no memory: what the process
// holds is the batch's own.
class Production : public Input {
  public:
    explicit Production(int rows) : rows_(rows), pending_(header) {}
    qint64 read(char* data, qint64 size) override {
        while (pending_.size() - at_ < size && made_ < rows_) {
            pending_ = pending_.mid(at_) + productionRow(made_++, random_);
            at_ = 0;
        }
        const qint64 n = std::min<qint64>(size, pending_.size() - at_);
        std::copy_n(pending_.constData() + at_, n, data);
        at_ += n;
        return n;
    }
    QString error() const override { return {}; }

  private:
    int rows_, made_ = 0;
    std::mt19937 random_{7};
    QByteArray pending_;
    qsizetype at_ = 0;
};

long peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void Batch(benchmark::State& state) {
    const int rows = int(state.range(0));
    qsizetype written = 0;
    Streams io;
    io.out = [&](const QByteArray& b) {
        written += b.size();
        return true;
    };
    io.err = [](const QByteArray&) {};
    io.open = [&](const QString&, QString&) { return std::make_unique<Production>(rows); };
    for (auto _ : state) {
        runCommand({QStringLiteral("--csv"), QStringLiteral("production.csv")}, io,
                   QLocale(QStringLiteral("fr_FR")));
    }
    state.SetItemsProcessed(state.iterations() * rows);  // items: rows
    state.counters["output_MiB"] = double(written) / double(state.iterations()) / (1 << 20);
    // The whole process's peak: the batch streams, so it must not grow with the rows.
    state.counters["peak_RSS_MiB"] = double(peakResidentKiB()) / 1024;
}
BENCHMARK(Batch)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
}  // namespace fournil::calc

BENCHMARK_MAIN();
