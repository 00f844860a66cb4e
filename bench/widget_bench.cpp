// How long the real window takes to answer each kind of event, on Qt's offscreen platform: from
// the key press or the click until the event loop has settled, repaint included. Figures only.

#include "qt/platform_qt.h"
#include "qt/recipe_card.h"
#include "qt/view.h"
#include "window/startup.h"
#include "window/user_events.h"
#include "wiring/binding.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include "fake_platform.h"

namespace fournil {
namespace {

struct ShownWindow {
    testing::BareMachine machine;
    Window w;
    std::unique_ptr<qt::FournilView> view;

    explicit ShownWindow(int mode = 1) {
        view = std::make_unique<qt::FournilView>(w);
        bindHandlers(w, machine.platform);
        openWindow(w);
        view->show();
        view->activateWindow();
        if (!QTest::qWaitForWindowExposed(view.get())) {
            throw std::runtime_error("the window was never shown");
        }
        if (mode != 1) {
            click(w.optionL(mode));
        }
        settle();
    }
    QWidget* widget(const Control& c) const { return view->widgetOf(c); }
    void click(const Control& c) {
        QWidget* target = widget(c);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(6, target->height() / 2));
        settle();
    }
    // Until nothing is left to do, the repaint of what changed included.
    static void settle() {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
};

void typeDigits(benchmark::State& state, ShownWindow& s, const Control& box, const char* digits) {
    auto* edit = static_cast<QLineEdit*>(s.widget(box));
    edit->setFocus();
    ShownWindow::settle();
    int i = 0;
    for (auto _ : state) {
        // A digit, then Backspace: two keystrokes, each answered in full.
        QTest::keyClick(edit, digits[i++ % 10]);
        ShownWindow::settle();
        QTest::keyClick(edit, Qt::Key_Backspace);
        ShownWindow::settle();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

void Keystroke(benchmark::State& state) {
    const int mode = int(state.range(0));
    ShownWindow s(mode);
    typeDigits(state, s, (mode == 2 || mode == 4) ? s.w.Q2 : s.w.Q1, "0123456789");
}
BENCHMARK(Keystroke)->DenseRange(1, 6)->ArgName("mode")->Unit(benchmark::kMicrosecond);

void HydrationKeystroke(benchmark::State& state) {
    ShownWindow s(4);
    s.w.H1.setText(QStringLiteral("6"));
    typeDigits(state, s, s.w.H1, "0123456789");
}
BENCHMARK(HydrationKeystroke)->Unit(benchmark::kMicrosecond);

void UnitSwitch(benchmark::State& state) {
    ShownWindow s(4);
    int i = 0;
    for (auto _ : state) {
        s.click(s.w.optionH(1 + (i++ % 4)));
    }
}
BENCHMARK(UnitSwitch)->Unit(benchmark::kMicrosecond);

// Each round of the six modes starts again from the opening quantities, which the switches
// between modes would otherwise let grow without end.
void switchModes(benchmark::State& state, ShownWindow& s) {
    int i = 0;
    for (auto _ : state) {
        s.click(s.w.optionL(1 + (i++ % 6)));
        if (i % 6 == 0) {
            state.PauseTiming();
            s.w.Q1.setText(QStringLiteral("1200"));
            s.w.Q2.setText(QStringLiteral("706"));
            ShownWindow::settle();
            state.ResumeTiming();
        }
    }
}

void ModeSwitch(benchmark::State& state) {
    ShownWindow s;
    switchModes(state, s);
}
BENCHMARK(ModeSwitch)->Unit(benchmark::kMicrosecond);

// The same with painting held off: what the model and the widgets' own updates cost, apart from
// the repaint of the window's changed areas.
void ModeSwitchWithoutRepaint(benchmark::State& state) {
    ShownWindow s;
    s.view->setUpdatesEnabled(false);
    switchModes(state, s);
}
BENCHMARK(ModeSwitchWithoutRepaint)->Unit(benchmark::kMicrosecond);

// A click where nothing happens (the bare window) with the loop settled after it: the floor under
// every figure here, which the platform's own round trips make (Xvfb's far more than offscreen).
void IdleClick(benchmark::State& state) {
    ShownWindow s;
    for (auto _ : state) {
        QTest::mouseClick(s.view.get(), Qt::LeftButton, {}, QPoint(2, 2));
        ShownWindow::settle();
    }
}
BENCHMARK(IdleClick)->Unit(benchmark::kMicrosecond);

void SimulationClick(benchmark::State& state) {
    ShownWindow s(6);
    QWidget* button = s.widget(s.w.Simulation);
    for (auto _ : state) {
        QTest::mouseClick(button, Qt::LeftButton);
        ShownWindow::settle();
    }
}
BENCHMARK(SimulationClick)->Unit(benchmark::kMicrosecond);

void KeyPress(benchmark::State& state) {
    ShownWindow s(5);
    const bool arrow = state.range(0) == 1;
    if (arrow) {
        s.click(s.w.optionH(1));
    }
    for (auto _ : state) {
        QTest::keyClick(QApplication::focusWidget(), arrow ? Qt::Key_Down : Qt::Key_Tab);
        ShownWindow::settle();
    }
}
BENCHMARK(KeyPress)->Arg(0)->Arg(1)->ArgName("tab0_arrow1")->Unit(benchmark::kMicrosecond);

// Resident memory now, in MiB, from the kernel's own count.
double residentMiB() {
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QList<QByteArray> fields = status.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096.0 / (1024 * 1024) : 0;
}

// A hostile paste of 10 MB into each box that takes a quantity, then a keystroke, Ctrl+C and a
// card printed to PDF: each step's time, and the resident memory after them all.
void HugePaste(benchmark::State& state) {
    ShownWindow s(3);  // Q1, Q2 read-only; EF(2) takes a temperature
    const QString huge(10 * 1024 * 1024, u'7');
    QTemporaryDir dir;
    TextBox* boxes[] = {&s.w.Q1, &s.w.H1, &s.w.EF(2)};
    int i = 0;
    for (auto _ : state) {
        TextBox& box = *boxes[i++ % 3];
        auto* edit = static_cast<QLineEdit*>(s.widget(box));
        edit->setFocus();
        edit->selectAll();
        QGuiApplication::clipboard()->setText(huge);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        ShownWindow::settle();
        QTest::keyClick(edit, Qt::Key_5);
        ShownWindow::settle();
        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        ShownWindow::settle();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("card.pdf")));
        qt::printCard(s.w, QImage(), printer);
    }
    state.counters["resident_MiB"] = residentMiB();
    state.counters["kept_chars"] = double(s.w.Q1.text().size());
}
BENCHMARK(HugePaste)->Unit(benchmark::kMillisecond)->Iterations(6);

}  // namespace
}  // namespace fournil

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
