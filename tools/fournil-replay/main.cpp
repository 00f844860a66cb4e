// fournil-replay [--widgets] FILE...
// Replays each scenario on a fresh window and checks what the controls show. Exit status: 0 when
// every expectation held, 1 when one failed, 2 for a script error.

#include "scenario.h"

#include <QString>

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
    if (widgets) {
        std::fputs("fournil-replay: --widgets is not available in this build\n", stderr);
        return 2;
    }

    const fournil::replay::SessionFactory factory = fournil::replay::makeModelSession;
    bool failed = false, scriptError = false;
    for (const QString& file : files) {
        const auto outcome = fournil::replay::playScenario(file, factory);
        failed = failed || outcome.failures > 0;
        scriptError = scriptError || outcome.scriptError;
    }
    return scriptError ? 2 : failed ? 1 : 0;
}
