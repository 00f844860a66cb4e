// The notebook with 10,000 entries: an import of that many rows through fournil-calc, the list
// opened in the window and one keystroke of the filter, on a real file in a temporary folder.

#include "calc/command.h"
#include "fake_platform.h"
#include "notebook/notebook.h"
#include "qt/notebook_dialog.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

namespace fournil {
namespace {

constexpr int entries = 10000;
const char16_t* const words[] = {u"Pain", u"Campagne", u"céréales", u"Seigle", u"Brioche"};

QByteArray rows() {
    QByteArray csv = "nom,notes,mode,pate,hydratation\n";
    for (int i = 0; i < entries; ++i) {
        csv += QString::fromUtf16(words[i % 5]).toUtf8() + ' ' + QByteArray::number(i) +
               ",levain du matin,1," + QByteArray::number(500 + i % 1000) + ",70\n";
    }
    return csv;
}

void Import(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("carnet.sqlite"));
    qputenv("FOURNIL_CARNET", QFile::encodeName(path));
    calc::Streams io;
    io.out = [](const QByteArray&) { return true; };
    io.err = [](const QByteArray&) {};
    io.open = [](const QString&, QString&) { return calc::bytesInput(rows()); };
    for (auto _ : state) {
        state.PauseTiming();
        for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
            QFile::remove(path + suffix);
        }
        state.ResumeTiming();
        if (calc::runCommand({QStringLiteral("--carnet-importer"), QStringLiteral("-")}, io,
                             QLocale::c()) != 0) {
            state.SkipWithError("the import failed");
        }
    }
    state.SetItemsProcessed(state.iterations() * entries);  // items: rows
}
BENCHMARK(Import)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// A notebook of 10,000 entries and a window to open them in.
struct Filled {
    QTemporaryDir dir;
    std::unique_ptr<Notebook> notebook = Notebook::open(dir.filePath(QStringLiteral("c"))).notebook;
    testing::OpenedWindow opened;
    Filled() {
        std::vector<NotebookEntry> all;
        for (int i = 0; i < entries; ++i) {
            all.push_back({QStringLiteral("%1 %2").arg(QString::fromUtf16(words[i % 5])).arg(i),
                           QStringLiteral("levain du matin"),
                           keptCalculation(opened.w),
                           {},
                           {}});
        }
        notebook->saveAll(all, false);
    }
};

void OpenList(benchmark::State& state) {
    Filled filled;
    for (auto _ : state) {
        qt::NotebookDialog dialog(filled.opened.w, *filled.notebook, nullptr);
        dialog.reload();
        dialog.show();
        QApplication::processEvents();
    }
}
BENCHMARK(OpenList)->Unit(benchmark::kMillisecond)->UseRealTime();

void FilterKeystroke(benchmark::State& state) {
    Filled filled;
    qt::NotebookDialog dialog(filled.opened.w, *filled.notebook, nullptr);
    dialog.reload();
    dialog.show();
    auto* search = dialog.findChild<QLineEdit*>(QStringLiteral("recherche"));
    bool typed = false;
    for (auto _ : state) {
        // "cereales" then back: the filter narrows and widens again, repaint included.
        QTest::keyClick(search, typed ? Qt::Key_Backspace : Qt::Key_E);
        QApplication::processEvents();
        typed = !typed;
    }
}
BENCHMARK(FilterKeystroke)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace fournil
