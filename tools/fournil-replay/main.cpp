// fournil-replay [--widgets [--screenshot PNG]] FILE...
// Replays each scenario on a fresh window and checks what the controls show. Exit status: 0 when
// every expectation held, 1 when one failed, 2 for a script error. With --screenshot, the real
// window is saved as it stands at the end of the last scenario.

#include "scenario.h"

#include <QApplication>
#include <QString>

#include <memory>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    bool widgets = false;
    QString screenshot;
    QStringList files;
    const char* usage =
        "usage: fournil-replay [--widgets [--screenshot PNG]] FILE...\n"
        "Replays each scenario on a fresh window and checks what its controls show.\n"
        "  --widgets         through the real widgets (offscreen unless QT_QPA_PLATFORM says)\n"
        "  --screenshot PNG  with --widgets: save the window as the last scenario leaves it\n"
        "Exit status: 0 when every expectation held, 1 when one failed, 2 for a script error.\n";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(usage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--widgets") == 0) {
            widgets = true;
        } else if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
            screenshot = QString::fromLocal8Bit(argv[++i]);
        } else {
            files << QString::fromLocal8Bit(argv[i]);
        }
    }
    if (files.isEmpty() || (!screenshot.isEmpty() && !widgets)) {
        std::fputs(usage, stderr);
        return 2;
    }
    // The model needs no application object; the widgets need one, on the offscreen platform
    // unless the caller chose another.
    std::unique_ptr<QApplication> app;
    if (widgets) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
        }
        app = std::make_unique<QApplication>(argc, argv);
    }
    const fournil::replay::SessionFactory factory =
        widgets ? fournil::replay::makeWidgetSession : fournil::replay::makeModelSession;
    bool failed = false, scriptError = false;
    for (const QString& file : files) {
        std::function<void(fournil::replay::Session&)> atEnd;
        if (!screenshot.isEmpty() && file == files.last()) {
            atEnd = [&](fournil::replay::Session& session) {
                if (!session.saveScreenshot(screenshot)) {
                    std::fprintf(stderr, "fournil-replay: cannot save %s\n",
                                 qPrintable(screenshot));
                    scriptError = true;
                }
            };
        }
        const auto outcome = fournil::replay::playScenario(file, factory, atEnd);
        failed = failed || outcome.failures > 0;
        scriptError = scriptError || outcome.scriptError;
    }
    return scriptError ? 2 : failed ? 1 : 0;
}
