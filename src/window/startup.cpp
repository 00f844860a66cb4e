#include "window/startup.h"

#include <QDir>

#include <algorithm>
#include <cmath>

namespace fournil {

const std::vector<LeftoverFile>& leftoverFiles() {
    static const std::vector<LeftoverFile> files = {
        {QStringLiteral("C:\\Windows\\Temp\\panetto.CAB"), QStringLiteral("panetto.CAB")},
        {QStringLiteral("C:\\Windows\\Temp\\SETUP.LST"), QStringLiteral("SETUP.LST")},
        {QStringLiteral("C:\\Windows\\Temp\\setup.exe"), QStringLiteral("setup.exe")},
    };
    return files;
}

void Form_Load(Window& w, Platform& platform) {
    for (const LeftoverFile& file : leftoverFiles()) {
        // Case-sensitive on purpose: a file whose stored name differs in case is left alone.
        // One that cannot be deleted does not hold up the rest of start-up.
        if (platform.files.findFile(file.path) == file.name) {
            platform.files.deleteFile(file.path);
        }
    }

    const TwipSize screen = platform.display.screenSize();
    const TwipSize outer = platform.display.windowSize();
    const float left = float(screen.width) / 2.0f - float(outer.width) / 2.0f;
    const float top = float(screen.height) / 2.0f - float(outer.height) / 2.0f;
    // A window larger than the screen keeps its title bar on the screen, where it can be moved.
    w.Fournil.setLeft(std::max(0, int(std::nearbyint(left))));
    w.Fournil.setTop(std::max(0, int(std::nearbyint(top))));

    const QString folder = platform.files.programFolder();
    w.Image1.setPicture(platform.pictures.load(QDir(folder).filePath(QStringLiteral("logo.gif"))));

    setStartSelections(w);
}

void setStartSelections(Window& w) {
    w.TypeCalcul = 1;
    w.UniteMasse = 1;
    w.UniteH1 = 2;
    w.UniteH2 = 5;
}

void resetWindow(Window& w) {
    for (Control* c : w.controls()) {
        c->resetToEntry();
    }
    w.TypeCalcul = w.UniteMasse = w.UniteH1 = w.UniteH2 = 0;
    w.FracEau1 = w.FracEau2 = 0.0f;
    w.answerAboutToChange();
    w.answer = {};
    w.setRecipe(std::nullopt);
    w.setBaseTerms(std::nullopt);
}

void focusFirst(Window& w) {
    Control* first = w.firstFocusable();
    w.setFocus(first, Window::FocusReason::Tab);
    // As after a Tab into it, so that the first keystroke replaces the value; but the person
    // selected nothing, so Ctrl+C still copies the calculation.
    if (first != nullptr && first->kind() == Kind::TextBox) {
        static_cast<TextBox*>(first)->selectAll();
    }
}

void openWindow(Window& w) {
    w.runHandler(w.onLoad);
    focusFirst(w);
}

}  // namespace fournil
