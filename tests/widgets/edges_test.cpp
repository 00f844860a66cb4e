// The window at its edges: the recipe dialog beside it and on the screen, the window on the
// screen at every zoom step and scale, the window's menu from the keyboard, and the dialog's
// fields as a person meets them.

#include "qt/placement.h"
#include "qt/platform_qt.h"
#include "qt/view.h"
#include "window/startup.h"
#include "window/user_events.h"
#include "wiring/binding.h"
#include "wiring/recipe_dough.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "fake_platform.h"
#include "qstring_printer.h"
#include "widgets/shown_window.h"

namespace fournil::qt {
namespace {

using Edges = testing::ShownWindow;

// Each row: the window's frame, the dialog's size, the screen's area, and where the dialog and
// (when it must move) the window go.
TEST(Placement, BesideTheWindowWhileTheScreenHoldsBoth) {
    const struct Row {
        const char* name;
        QRect window;
        QSize dialog;
        QRect area;
        QPoint dialogAt;
        std::optional<QPoint> windowAt;
    } rows[] = {
        {"room on the right", {100, 100, 459, 420}, {380, 560}, {0, 0, 1366, 768}, {567, 100}, {}},
        {"room on the left only",
         {900, 50, 459, 420},
         {380, 560},
         {0, 0, 1366, 768},
         {512, 50},
         {}},
        // 1366 × 768 at 100 %: the window centred, no room on either side.
        {"the window moves aside",
         {451, 180, 469, 450},
         {553, 600},
         {0, 0, 1366, 768},
         {813, 168},
         QPoint(336, 180)},
        {"too low: raised", {100, 500, 459, 420}, {380, 560}, {0, 0, 1366, 768}, {567, 208}, {}},
        {"a panel on top", {100, 0, 459, 420}, {380, 560}, {0, 24, 1366, 744}, {567, 24}, {}},
        // Scale 2 on 1366 × 768: no room for both; the dialog stays on the screen.
        {"a small screen", {140, 10, 400, 370}, {380, 384}, {0, 0, 683, 384}, {303, 0}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Placement p = placeBeside(row.window, row.dialog, row.area, 8);
        EXPECT_EQ(p.dialog, row.dialogAt);
        EXPECT_EQ(p.window, row.windowAt);
        const QRect dialog(p.dialog, row.dialog);
        const QRect window(p.window.value_or(row.window.topLeft()), row.window.size());
        EXPECT_TRUE(row.area.contains(dialog));
        if (row.window.width() + 8 + row.dialog.width() <= row.area.width()) {
            EXPECT_FALSE(dialog.intersects(window));
        }
        if (p.window) {
            EXPECT_TRUE(row.area.contains(window));
        }
    }
}

// 1366 × 768 and 1024 × 768 at scales 1, 2 and 3 (Qt's pixels are the screen's divided by it):
// after every step of Ctrl++, Ctrl+−, Ctrl+0 the window, frame and title bar included, lies on
// the available area.
TEST_F(Edges, TheWindowStaysOnTheScreenAtEveryZoomStep) {
    const QMargins usualFrame(4, 30, 4, 4);
    const int steps[] = {Qt::Key_Plus,  Qt::Key_Plus,  Qt::Key_Plus,  Qt::Key_Minus, Qt::Key_0,
                         Qt::Key_Minus, Qt::Key_Minus, Qt::Key_Minus, Qt::Key_Minus, Qt::Key_0,
                         Qt::Key_Plus,  Qt::Key_Minus, Qt::Key_0};
    for (const QSize physical : {QSize(1366, 768), QSize(1024, 768)}) {
        for (int scale = 1; scale <= 3; ++scale) {
            const QRect area(0, 0, physical.width() / scale, physical.height() / scale);
            view->setZoom(1.0);
            view->fitInto(area);
            int step = 0;
            for (int k : steps) {
                SCOPED_TRACE(std::to_string(physical.width()) + " at " + std::to_string(scale) +
                             ", step " + std::to_string(step++));
                key(k, Qt::ControlModifier);
                // A window is moved by its frame's corner; the frame is at least the usual one.
                const QRect outer(view->pos(), view->size().grownBy(usualFrame));
                EXPECT_TRUE(area.contains(outer)) << outer.x() << "," << outer.y() << " "
                                                  << outer.width() << "x" << outer.height();
            }
        }
    }
}

// Shift+F10 and the Menu key open the window's menu from a box, an option button and the push
// button, under the focused control; every entry has a key or an underlined letter.
TEST_F(Edges, TheWindowsMenuOpensFromTheKeyboard) {
    for (const Control* c :
         {static_cast<const Control*>(&w.H1), static_cast<const Control*>(&w.optionL(1)),
          static_cast<const Control*>(&w.Simulation)}) {
        for (const auto& [k, modifiers] :
             {std::pair(Qt::Key_F10, Qt::ShiftModifier), std::pair(Qt::Key_Menu, Qt::NoModifier)}) {
            SCOPED_TRACE(c->displayName().toStdString() + " " + std::to_string(k));
            QWidget* focused = view->widgetOf(*c);
            view->activateWindow();  // a closed menu gives it back only on a real desktop
            ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
            focused->setFocus();
            ASSERT_EQ(QApplication::focusWidget(), focused);
            QStringList entries;
            int count = 0;
            QRect shown;
            QTimer::singleShot(0, [&] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                ASSERT_NE(menu, nullptr);
                shown = menu->geometry();
                for (QAction* a : menu->actions()) {
                    count += a->isSeparator() ? 0 : 1;
                    if (!a->isSeparator() && a->shortcut().isEmpty() && !a->text().contains(u'&')) {
                        entries << a->text();
                    }
                }
                menu->close();
            });
            key(k, modifiers);
            EXPECT_GE(count, 13);
            EXPECT_TRUE(entries.isEmpty()) << entries.join(u',').toStdString();
            // Below the control, or raised as little as the screen needs (Qt moves it to fit).
            const QRect control(focused->mapToGlobal(QPoint(0, 0)), focused->size());
            const int bottom = view->screen()->geometry().bottom();
            EXPECT_TRUE(shown.top() == control.bottom() + 1 ||
                        (shown.top() < control.bottom() + 1 && shown.bottom() == bottom))
                << shown.top() << " " << control.bottom();
        }
    }
}

// The arrows walk the window's menu through its disabled entries too, each with why it is
// disabled, so that a screen reader's user hears them.
TEST_F(Edges, TheMenusDisabledEntriesAreWalkedWithTheirReason) {
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    view->widgetOf(w.H1)->setFocus();
    QStringList walked;
    QString reason;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (int i = 0; i < int(menu->actions().size()); ++i) {
            QTest::keyClick(menu, Qt::Key_Down);
            if (QAction* a = menu->activeAction(); a != nullptr && !walked.contains(a->text())) {
                walked << a->text();
                reason = a->isEnabled() || !reason.isEmpty() ? reason : a->statusTip();
            }
        }
        menu->close();
    });
    key(Qt::Key_F10, Qt::ShiftModifier);  // mode 1: the base temperature is not offered
    EXPECT_TRUE(walked.contains(u"Température de &base…")) << walked.join(u'|').toStdString();
    EXPECT_TRUE(reason.contains(u"choisissez")) << reason.toStdString();
}

// A dialog grows to what it must show rather than scroll or widen past the screen: the recipe's
// summary on two lines once applied, the base temperature's longest message under its field.
TEST_F(Edges, TheDialogsGrowToTheirContentNotPastTheScreen) {
    key(Qt::Key_R, Qt::ControlModifier);
    auto* recipe = view->findChild<QDialog*>(QStringLiteral("recipeDialog"));
    ASSERT_NE(recipe, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(recipe));
    for (const auto& [name, text] :
         {std::pair("pieces", "6"), std::pair("weight", "250"), std::pair("yeast", "0,5")}) {
        auto* edit = recipe->findChild<QLineEdit*>(QString::fromLatin1(name));
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(text));
    }
    QTest::mouseClick(recipe->findChild<QPushButton*>(QStringLiteral("apply")), Qt::LeftButton);
    QTest::qWait(50);  // the layout's requests, posted
    auto* scroll = recipe->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
    recipe->close();

    userClick(w.optionL(3));
    view->activateWindow();
    key(Qt::Key_B, Qt::ControlModifier);
    auto* base = view->findChild<QDialog*>(QStringLiteral("baseDialog"));
    ASSERT_NE(base, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(base));
    const int width = base->width();
    for (const auto& [name, text] : {std::pair("flour", "20"), std::pair("bakehouse", "22"),
                                     std::pair("base", "30")}) {  // a water of -12 °C
        auto* edit = base->findChild<QLineEdit*>(QString::fromLatin1(name));
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(text));
    }
    QTest::qWait(50);
    EXPECT_EQ(base->width(), width);
    EXPECT_TRUE(view->screen()->availableGeometry().contains(base->frameGeometry()));
    base->close();
}

// Ctrl+R where the recipe is not offered says why, for the ear.
TEST_F(Edges, TheRecipeRefusedSaysWhy) {
    userClick(w.optionL(3));
    key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(view->findChild<QDialog*>(QStringLiteral("recipeDialog")), nullptr);
    EXPECT_TRUE(w.announcement().startsWith(u"La recette complète se fait autour d'une pâte"));
}

// At every opening the first field has the focus with its text selected, to be typed over; the
// keypad's decimal key types the locale's mark; each field's unit is in its name.
TEST_F(Edges, TheRecipeDialogOpensOnItsFirstField) {
    w.setLocale(QLocale(QStringLiteral("fr_FR")));
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        key(Qt::Key_R, Qt::ControlModifier);
        auto* dialog = view->findChild<QDialog*>(QStringLiteral("recipeDialog"));
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        auto* pieces = dialog->findChild<QLineEdit*>(QStringLiteral("pieces"));
        // The dialog's focus, which its window gives the keyboard as it becomes active.
        EXPECT_EQ(dialog->focusWidget(), pieces);
        EXPECT_EQ(pieces->selectedText(), pieces->text());
        QTest::keyClicks(pieces, QStringLiteral("10"));
        EXPECT_EQ(pieces->text(), QStringLiteral("10"));
        // The dialog stands clear of the window where the screen holds both.
        if (view->width() + 8 + dialog->width() <= view->screen()->availableGeometry().width()) {
            EXPECT_FALSE(dialog->frameGeometry().intersects(view->frameGeometry()));
        }
        dialog->findChild<QPushButton*>(QStringLiteral("close"))->setFocus();
        dialog->reject();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    }
    auto* dialog = view->findChild<QDialog*>(QStringLiteral("recipeDialog"));
    auto* yeast = dialog->findChild<QLineEdit*>(QStringLiteral("yeast"));
    yeast->clear();
    QTest::keyClick(yeast, Qt::Key_0);
    for (const Qt::Key decimal : {Qt::Key_Period, Qt::Key_Comma}) {
        QTest::keyClick(yeast, decimal, Qt::KeypadModifier);
        EXPECT_EQ(yeast->text(), QStringLiteral("0,"));
        QTest::keyClick(yeast, Qt::Key_Backspace);
    }
    const struct {
        const char* field;
        const char* name;
    } names[] = {{"pieces", "Nombre de pâtons"},
                 {"weight", "Poids d'un pâton, en grammes"},
                 {"salt", "Sel, en % de la farine"},
                 {"yeast", "Levure, en % de la farine"}};
    for (const auto& n : names) {
        auto* edit = dialog->findChild<QLineEdit*>(QString::fromLatin1(n.field));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name),
                  QString::fromUtf8(n.name));
    }
}

// Mode 6's table, the longest (the levain and its flour and water, salt, yeast and the total),
// shows every row at the dialog's normal size.
TEST_F(Edges, EveryRowOfTheLongestTableShows) {
    userClick(w.optionL(6));
    userClick(w.Simulation);
    applyRecipe(w, {6, 2, 0.5}, 1500);
    key(Qt::Key_R, Qt::ControlModifier);
    auto* dialog = view->findChild<QDialog*>(QStringLiteral("recipeDialog"));
    ASSERT_NE(dialog, nullptr);
    auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("recipeTable"));
    ASSERT_EQ(table->rowCount(), 8);
    const QRect last = table->visualRect(table->model()->index(7, 0));
    EXPECT_LE(last.bottom(), table->viewport()->height() - 1);
}

}  // namespace
}  // namespace fournil::qt
