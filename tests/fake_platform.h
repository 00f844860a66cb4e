#pragma once

// A machine with no files, no pictures and a 1024 x 768 screen, for tests that need start-up to
// run but not to find anything.

#include "window/platform.h"
#include "window/startup.h"
#include "window/user_events.h"
#include "window/window.h"
#include "wiring/binding.h"

#include <QLocale>

#include <vector>

namespace fournil::testing {

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

struct BareMachine {
    NoFiles files;
    Screen screen;
    NoPictures pictures;
    Platform platform{files, screen, pictures};
};

// A window opened on a bare machine in a locale, its handlers bound, as start-up leaves it.
struct OpenedWindow {
    BareMachine machine;
    Window w;
    explicit OpenedWindow(const QLocale& locale = QLocale::c()) {
        w.setLocale(locale);
        bindHandlers(w, machine.platform);
        openWindow(w);
    }
    // The mode chosen and its worked example loaded, as a baker's two clicks do.
    void workedExample(int mode) {
        userClick(w.optionL(mode));
        userClick(w.Simulation);
    }
};

// Every announcement a window makes while it watches, in order: what a screen reader is told.
struct HeardAnnouncements : WindowObserver {
    std::vector<QString> said;
    void propertyChanged(const Control& c, Property p) override {
        if (p == Property::Announcement) {
            said.push_back(c.window().announcement());
        }
    }
};

}  // namespace fournil::testing
