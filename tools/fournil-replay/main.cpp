// fournil-replay [--widgets] FILE...
// Replays each scenario on a fresh window and checks what the controls show. Exit status: 0 when
// every expectation held, 1 when one failed, 2 for a script error.

#include "scenario.h"

#include <QApplication>
#include <QString>

#include <memory>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    bool widgets = false;
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--widgets") == 0) {
            widgets = true;
        } else {
            files << QString::fromLocal8Bit(argv[i]);
        }
    }
    if (files.isEmpty()) {
        std::fputs("usage: fournil-replay [--widgets] FILE...\n", stderr);
        return 2;
    }
    // The model needs no application object; the widgets need one, on the offscreen platform
    // unless the caller chose another.
    std::unique_ptr<QApplication> app;
    if (widgets) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app = std::make_unique<QApplication>(argc, argv);
    }
    const fournil::replay::SessionFactory factory =
        widgets ? fournil::replay::makeWidgetSession : fournil::replay::makeModelSession;
    bool failed = false, scriptError = false;
    for (const QString& file : files) {
        const auto outcome = fournil::replay::playScenario(file, factory);
        failed = failed || outcome.failures > 0;
        scriptError = scriptError || outcome.scriptError;
    }
    return scriptError ? 2 : failed ? 1 : 0;
}
