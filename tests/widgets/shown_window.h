#pragma once

// The real window over a window model whose platform is faked, shown and active, as the widget
// tests meet it.

#include "qt/platform_qt.h"
#include "qt/view.h"
#include "window/startup.h"
#include "wiring/binding.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "fake_platform.h"

namespace fournil::testing {

class ShownWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        view = std::make_unique<qt::FournilView>(w);
        bindHandlers(w, platform);
        beforeOpening();
        openWindow(w);
        view->show();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    }
    // What a test watches from start-up on, set once the handlers are bound.
    virtual void beforeOpening() {}

    // A key pressed where the focus is, or on the window.
    void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target != nullptr ? target : view.get(), Qt::Key(k), modifiers);
    }

    NoFiles files;
    Screen screen;
    qt::QtPictureLoader pictures;
    Platform platform{files, screen, pictures};
    Window w;
    std::unique_ptr<qt::FournilView> view;
};

}  // namespace fournil::testing
