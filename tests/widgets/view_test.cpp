#include "qt/view.h"
#include "calc/command.h"
#include "guidance/accessibility.h"
#include "guidance/calculation_text.h"
#include "qt/desktop_window.h"
#include "qt/platform_qt.h"
#include "qt/recipe_card.h"
#include "qt/waiting_button.h"
#include "qt/widgets.h"
#include "readback.h"
#include "window/startup.h"
#include "window/user_events.h"
#include "wiring/actions.h"
#include "wiring/binding.h"
#include "wiring/recipe_dough.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QWindow>
#include <functional>

#include <gtest/gtest.h>

#include "fake_platform.h"
#include "widgets/shown_window.h"

#include "qstring_printer.h"

#include <random>

#include <sys/stat.h>

namespace fournil::qt {
namespace {

// The real widgets over a window model whose handlers record what reaches them.
class View : public testing::ShownWindow {
  protected:
    void beforeOpening() override {
        for (Control* c : w.controls()) {
            c->onMouseMove = [this, c] { moves.push_back(c->displayName()); };
        }
    }

    template <class T = QWidget>
    T* widget(const Control& c) {
        return static_cast<T*>(view->widgetOf(c));
    }

    void hover(const Control& c) {
        QWidget* target = widget(c);
        QTest::mouseMove(view->windowHandle(), target->mapTo(view.get(), target->rect().center()));
    }

    std::vector<QString> moves;
};

TEST_F(View, WidgetsAreNamedAfterTheirControls) {
    for (Control* c : w.controls()) {
        ASSERT_NE(widget(*c), nullptr);
        if (c->kind() != Kind::Window) {
            EXPECT_EQ(view->findChild<QWidget*>(c->displayName()), widget(*c));
        }
    }
    EXPECT_EQ(view->windowTitle(),
              QStringLiteral("Calcul de l'Hydratation d'un Levain ou d'une Pâte"));
}

TEST_F(View, TypingInARealBoxIsOneChangeAKeystroke) {
    int changes = 0;
    w.Q1.onChange = [&] { ++changes; };
    auto* q1 = widget<QLineEdit>(w.Q1);
    q1->setFocus();
    QTest::keyClick(q1, Qt::Key_End);
    QTest::keyClicks(q1, QStringLiteral("05"));
    EXPECT_EQ(w.Q1.text(), QStringLiteral("120005"));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(w.focus(), &w.Q1);
}

struct PasteRow {
    const char* name;
    const char16_t* before;
    int anchor, caret;  // the selection before the paste
    const char16_t *pasted, *after;
};

// A paste keeps the text outside the replaced selection and as many leading characters of the
// pasted text as fit in four, by every road, whatever characters the old and new texts share.
TEST_F(View, PastesKeepTheTextOutsideTheSelectionAndWhatFits) {
    const PasteRow rows[] = {
        {"whole, shared digits", u"8,83", 0, 4, u"36,63", u"36,6"},
        {"whole, shared tail", u"8,83", 0, 4, u"12,83", u"12,8"},
        {"whole, shared comma", u"70", 0, 2, u"65,50", u"65,5"},
        {"whole, backwards, long", u"70", 2, 0, u"1234560", u"1234"},
        {"at the caret", u"70", 1, 1, u"123", u"7120"},
        {"over a middle selection", u"1234", 1, 3, u"5678", u"1564"},
        {"backwards selection", u"1234", 3, 1, u"99", u"1994"},
        {"nothing fits", u"1234", 4, 4, u"5", u"1234"},
        {"over a longer text the program wrote", u"10000", 0, 5, u"65,50", u"65,5"},
    };
    w.setLocale(QLocale(QStringLiteral("fr_FR")));
    auto* h1 = widget<QLineEdit>(w.H1);
    h1->setFocus();
    for (const auto road : {"insert", "Ctrl+V", "paste()"}) {
        for (const PasteRow& row : rows) {
            SCOPED_TRACE(std::string(road) + ": " + row.name);
            w.H1.setText(QString::fromUtf16(row.before));
            h1->setSelection(row.anchor, row.caret - row.anchor);  // forwarded like a mouse drag
            const QString pasted = QString::fromUtf16(row.pasted);
            if (std::string(road) == "insert") {
                h1->insert(pasted);
            } else {
                QGuiApplication::clipboard()->setText(pasted);
                if (std::string(road) == "Ctrl+V") {
                    QTest::keyClick(h1, Qt::Key_V, Qt::ControlModifier);
                } else {
                    h1->paste();  // the context menu's action
                }
            }
            EXPECT_EQ(w.H1.text(), QString::fromUtf16(row.after));
            EXPECT_EQ(h1->text(), QString::fromUtf16(row.after));
        }
    }
}

TEST_F(View, TheTypingLimitBindsTheUserOnly) {
    auto* h1 = widget<QLineEdit>(w.H1);
    h1->setFocus();
    h1->selectAll();
    QTest::keyClicks(h1, QStringLiteral("12345"));
    EXPECT_EQ(w.H1.text(), QStringLiteral("1234"));

    // The program writes any length; the user can delete from it but not add to it.
    w.H1.setText(QStringLiteral("100000"));
    EXPECT_EQ(h1->text(), QStringLiteral("100000"));
    QTest::keyClick(h1, Qt::Key_End);
    QTest::keyClicks(h1, QStringLiteral("7"));
    EXPECT_EQ(w.H1.text(), QStringLiteral("100000"));
    QTest::keyClick(h1, Qt::Key_Backspace);
    EXPECT_EQ(w.H1.text(), QStringLiteral("10000"));

    // A quantity keeps 255 characters of a paste, whatever its length, and the leading ones of
    // what is pasted over a selection; the program's own long text stays whole.
    const QString longText = QString(39999, u'0') + u'1';
    auto* q1 = widget<QLineEdit>(w.Q1);
    q1->setFocus();
    q1->selectAll();
    q1->insert(longText);
    EXPECT_EQ(w.Q1.text(), QString(255, u'0'));
    EXPECT_EQ(q1->text(), w.Q1.text());
    q1->setSelection(0, 5);
    q1->insert(QStringLiteral("123456789"));
    EXPECT_EQ(w.Q1.text(), QStringLiteral("12345") + QString(250, u'0'));
    w.Q1.setText(longText);
    EXPECT_EQ(q1->text(), longText);

    // Ctrl+V of a megabyte: only what fits reaches the line edit, over the selection.
    QGuiApplication::clipboard()->setText(QString(1024 * 1024, u'9'));
    q1->setFocus();
    q1->selectAll();
    QTest::keyClick(q1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.Q1.text(), QString(255, u'9'));
    h1->setFocus();
    w.H1.setText(QStringLiteral("12"));
    h1->setSelection(0, 1);
    QTest::keyClick(h1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.H1.text(), QStringLiteral("9992"));
}

TEST_F(View, TheCaretStaysWhereAPersonExpects) {
    // A repair rewrites the field: the caret goes to the end of the repaired text.
    w.H1.onChange = [&] {
        if (w.H1.text().toInt() > 99) {
            w.H1.setText(QStringLiteral("99"));
        }
    };
    auto* h1 = widget<QLineEdit>(w.H1);
    h1->setFocus();
    QTest::keyClick(h1, Qt::Key_End);
    QTest::keyClicks(h1, QStringLiteral("0"));  // "700"
    EXPECT_EQ(h1->text(), QStringLiteral("99"));
    EXPECT_EQ(h1->cursorPosition(), 2);
    // An edit in the middle that needs no repair keeps the caret there.
    QTest::keyClick(h1, Qt::Key_Home);
    QTest::keyClicks(h1, QStringLiteral("-"));
    EXPECT_EQ(h1->text(), QStringLiteral("-99"));
    EXPECT_EQ(h1->cursorPosition(), 1);
    EXPECT_EQ(w.H1.selStart(), 1);
}

TEST_F(View, ClicksSelectThroughTheModel) {
    std::vector<int> clicks;
    for (int i = 1; i <= 8; ++i) {
        w.optionH(i).onClick = [&clicks, i] { clicks.push_back(i); };
    }
    const QPoint indicator(6, 6);
    QTest::mouseClick(widget(w.optionH(3)), Qt::LeftButton, {}, indicator);
    QTest::mouseClick(widget(w.optionH(3)), Qt::LeftButton, {}, indicator);  // already selected
    QTest::mouseClick(widget(w.optionH(7)), Qt::LeftButton, {}, indicator);  // disabled frame
    EXPECT_EQ(clicks, std::vector<int>{3});
    EXPECT_TRUE(widget<QRadioButton>(w.optionH(3))->isChecked());
    EXPECT_FALSE(widget<QRadioButton>(w.optionH(2))->isChecked());
    EXPECT_FALSE(widget<QRadioButton>(w.optionH(7))->isChecked());
    EXPECT_TRUE(widget<QRadioButton>(w.optionH(5))->isChecked());

    int simulations = 0;
    w.Simulation.onClick = [&] { ++simulations; };
    QTest::mouseClick(widget(w.Simulation), Qt::LeftButton);
    EXPECT_EQ(simulations, 1);
}

TEST_F(View, MouseMovesReachTheirOwnControlEvenWhenDisabled) {
    hover(w.Q2);  // disabled result box
    hover(w.optionL(2));
    hover(w.Phrase(3));
    hover(w.gr(1));  // no handler of its own: still its control that is hovered
    QTest::mouseMove(view->windowHandle(), QPoint(2, 2));  // the bare window
    const std::vector<QString> expected = {QStringLiteral("Q2"), QStringLiteral("optionL(2)"),
                                           QStringLiteral("Phrase(3)"), QStringLiteral("gr(1)"),
                                           QStringLiteral("Fournil")};
    EXPECT_EQ(moves, expected);
}

// A screen reader hears the window: each box by what it holds in the mode, results still read
// but not editable, option buttons as radio buttons, every label's caption as text, the logo.
TEST_F(View, ScreenReadersHearWhatTheModelNames) {
    for (int mode : {1, 2, 3, 4, 5, 6}) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        userClick(w.optionL(mode));
        for (Control* c : w.controls()) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget(*c));
            ASSERT_NE(a, nullptr);
            if (c->kind() == Kind::TextBox) {
                EXPECT_EQ(a->text(QAccessible::Name), accessibleName(w, *c));
                EXPECT_EQ(a->state().readOnly, !c->enabled()) << c->displayName().toStdString();
                EXPECT_FALSE(a->state().disabled);
            } else if (c->kind() == Kind::OptionButton) {
                EXPECT_EQ(a->role(), QAccessible::RadioButton);
                EXPECT_EQ(a->text(QAccessible::Name), static_cast<Captioned*>(c)->caption());
            } else if (c->kind() == Kind::Label) {
                EXPECT_EQ(a->role(), QAccessible::StaticText);
                EXPECT_EQ(a->text(QAccessible::Name), accessibleName(w, *c));
                // Empty lines and the numbers read within their line are not read on their own.
                EXPECT_EQ(a->state().invisible, !c->visible() || accessibleName(w, *c).isEmpty() ||
                                                    readWithItsLine(w, *c))
                    << c->displayName().toStdString();
            }
        }
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(widget(w.Image1))->text(QAccessible::Name),
              QStringLiteral("Logo de Fournil"));
}

// What is shown greyed or squeezed can still be read: the disabled second hydration's captions
// against its light green, and the levain's hydration clear of the comma that follows it.
// "Température de base…" (Ctrl+B) in the temperature mode: the water shows as the terms are
// typed, a bad term is said beside its field, and Apply types the water into the sentence.
TEST_F(View, TheBaseTemperatureDialog) {
    QAction* entry = view->findChild<QAction*>(QStringLiteral("baseTemperature"));
    ASSERT_NE(entry, nullptr);
    EXPECT_FALSE(entry->isEnabled());  // mode 1
    QTest::mouseClick(widget(w.optionL(3)), Qt::LeftButton, {}, QPoint(6, 6));
    QTest::keyClick(widget(w.Q1), Qt::Key_B, Qt::ControlModifier);
    auto* dialog = view->findChild<QDialog*>(QStringLiteral("baseDialog"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    const auto field = [&](const char* name) {
        return dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
    };
    EXPECT_EQ(dialog->focusWidget(), field("base"));  // the first field, selected
    QTest::keyClicks(field("base"), QStringLiteral("60"));
    QTest::keyClicks(field("flour"), QStringLiteral("20"));
    auto* announcer =
        dynamic_cast<Announcer*>(view->findChild<QWidget*>(QStringLiteral("annonceBase")));
    ASSERT_NE(announcer, nullptr);
    QTest::keyClicks(field("bakehouse"), QStringLiteral("abc"));
    auto* apply = dialog->findChild<WaitingButton*>(QStringLiteral("apply"));
    EXPECT_TRUE(apply->waiting());
    EXPECT_FALSE(field("bakehouse")->accessibleDescription().isEmpty());
    // Waiting, "Appliquer" is still reached by Tab, after the last field and before "Fermer";
    // pressed, it says why it waits and applies nothing.
    field("levain")->setFocus();
    QTest::keyClick(field("levain"), Qt::Key_Tab);
    EXPECT_EQ(dialog->focusWidget(), apply);
    QTest::keyClick(apply, Qt::Key_Space);
    EXPECT_EQ(announcer->text(), applyWaits());
    EXPECT_NE(w.H1.text(), QStringLiteral("18"));
    // A screen reader names a field by its label: the label carries the unit.
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->buddy() != nullptr) {
            EXPECT_TRUE(label->accessibleName().endsWith(u", en degrés Celsius"))
                << label->accessibleName().toStdString();
        }
    }
    field("bakehouse")->clear();
    QTest::keyClicks(field("bakehouse"), QStringLiteral("22"));
    EXPECT_TRUE(dialog->findChild<QLabel*>(QStringLiteral("water"))->text().contains(u"eau 18 °C"));
    EXPECT_TRUE(announcer->text().startsWith(u"Température de base 60 °C : eau 18 °C"))
        << announcer->text().toStdString();  // heard as it is typed
    ASSERT_FALSE(apply->waiting());
    QTest::mouseClick(apply, Qt::LeftButton);
    EXPECT_EQ(w.H1.text(), QStringLiteral("18"));
    EXPECT_EQ(widget<QLineEdit>(w.H1)->text(), QStringLiteral("18"));
    dialog->close();
    // Opened again, nothing of the last opening is heard again.
    QTest::keyClick(widget(w.Q1), Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(announcer->text().isEmpty()) << announcer->text().toStdString();
    dialog->close();
    // Closed, it says nothing of the sentence's changes, though they change its mix's line.
    userPaste(w.H2, QStringLiteral("15"));  // colder than the water asked
    EXPECT_TRUE(announcer->text().isEmpty()) << announcer->text().toStdString();
}

// The window's own menu lists its actions in French with their shortcuts, and they act.
// "Recette complète…": Ctrl+R opens it beside the window; Apply types the dough through the
// model, the table follows the sentence afterwards, a bad input is said beside its field and
// keeps Apply disabled, and one undo takes the recipe back.
// What fournil-calc says of a recipe with one field bad (the dialog's name for it), after its
// option and the text given: "--sel « 25 » : un pourcentage de 0 à 20".
QString commandLineRefusal(const char* field, const char* text) {
    const QStringList options = {QStringLiteral("pieces"), QStringLiteral("poids"),
                                 QStringLiteral("sel"), QStringLiteral("levure")};
    const QStringList fields = {QStringLiteral("pieces"), QStringLiteral("weight"),
                                QStringLiteral("salt"), QStringLiteral("yeast")};
    QStringList arguments = {QStringLiteral("--mode"), QStringLiteral("1")};
    const QStringList good = {QStringLiteral("6"), QStringLiteral("250"), QStringLiteral("2"),
                              QStringLiteral("0.5")};
    const qsizetype bad = fields.indexOf(QString::fromLatin1(field));
    for (qsizetype i = 0; i < options.size(); ++i) {
        arguments << QStringLiteral("--") + options[i]
                  << (i == bad ? QString::fromLatin1(text) : good[i]);
    }
    QByteArray err;
    calc::Streams io;
    io.out = [](const QByteArray&) { return true; };
    io.err = [&](const QByteArray& b) { err += b; };
    if (calc::runCommand(arguments, io, QLocale::c()) != 2) {
        return QStringLiteral("accepted");
    }
    const QString said = QString::fromUtf8(err).trimmed();
    const QString prefix = QStringLiteral("fournil-calc : --%1 « %2 » : ")
                               .arg(options[bad], QString::fromLatin1(text));
    return said.startsWith(prefix) ? said.mid(prefix.size()) : said;
}

TEST_F(View, TheRecipeDialogAppliesFollowsAndRefuses) {
    QTest::keyClick(widget(w.H1), Qt::Key_R, Qt::ControlModifier);
    auto* dialog = view->findChild<QDialog*>(QStringLiteral("recipeDialog"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    // Beside the window where the screen has room, and on the screen in any case.
    const QRect area = view->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(dialog->frameGeometry()));
    EXPECT_TRUE(dialog->frameGeometry().left() >= view->frameGeometry().right() ||
                dialog->frameGeometry().right() <= view->frameGeometry().left() ||
                view->width() + 8 + dialog->width() > area.width());
    const auto field = [&](const char* name) {
        return dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
    };
    auto* apply = dialog->findChild<WaitingButton*>(QStringLiteral("apply"));
    auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("recipeTable"));
    const auto typeInto = [](QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    };
    typeInto(field("pieces"), QStringLiteral("6"));
    typeInto(field("weight"), QStringLiteral("250"));
    typeInto(field("salt"), QStringLiteral("2"));
    typeInto(field("yeast"), QStringLiteral("0.5"));
    ASSERT_FALSE(apply->waiting());
    QTest::mouseClick(apply, Qt::LeftButton);
    EXPECT_EQ(w.Q1.text(), QStringLiteral("1479"));
    ASSERT_TRUE(w.recipe().has_value());
    EXPECT_EQ(w.recipe()->pieces, 6);
    ASSERT_EQ(table->rowCount(), 5);  // flour, water, salt, yeast, total
    EXPECT_EQ(table->item(4, 1)->text(), QStringLiteral("1500 gr"));
    EXPECT_EQ(table->item(2, 2)->text(), QStringLiteral("2 %"));

    // The sentence edited afterwards: the same pieces and percentages around the new dough.
    auto* q1 = widget<QLineEdit>(w.Q1);
    q1->setFocus();
    typeInto(q1, QStringLiteral("1200"));
    EXPECT_EQ(table->item(4, 1)->text(), QStringLiteral("1218 gr"));
    EXPECT_TRUE(dialog->findChild<QLabel*>(QStringLiteral("summary"))
                    ->text()
                    .startsWith(u"6 pâtons de 203 gr"));

    // Bad inputs: said beside the field, never repaired, Apply disabled until they make sense.
    const struct {
        const char* field;
        const char* text;
    } bad[] = {{"pieces", "0"},   {"pieces", "2.5"},    {"pieces", "10001"}, {"weight", "0"},
               {"weight", "abc"}, {"weight", "0.0001"}, {"salt", "25"},      {"yeast", "-1"}};
    for (const auto& b : bad) {
        SCOPED_TRACE(std::string(b.field) + " " + b.text);
        QLineEdit* edit = field(b.field);
        const QString good = edit->text();
        typeInto(edit, QString::fromLatin1(b.text));
        EXPECT_EQ(edit->text(), QString::fromLatin1(b.text));
        EXPECT_TRUE(apply->waiting());
        const QString why = edit->accessibleDescription();
        EXPECT_FALSE(why.isEmpty());
        // The command line refuses the same field for the same reason.
        EXPECT_EQ(commandLineRefusal(b.field, b.text), why);
        typeInto(edit, good);
        EXPECT_FALSE(apply->waiting());
    }

    // Undo takes back the typing ("1200" over the selection, one step), then in one step the
    // recipe with the dough it typed.
    view->setFocus();
    for (const char* before : {"1479", "1200"}) {
        QTest::keyClick(view.get(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(w.Q1.text(), QString::fromLatin1(before));
        EXPECT_EQ(w.recipe().has_value(), QByteArray(before) != "1200");
    }
    EXPECT_FALSE(w.recipe().has_value());
    EXPECT_EQ(table->rowCount(), 0);

    // Elsewhere than a dough the entry is disabled and says why.
    QTest::mouseClick(widget(w.optionL(3)), Qt::LeftButton, {}, QPoint(6, 6));
    QAction* entry = view->findChild<QAction*>(QStringLiteral("recipe"));
    ASSERT_NE(entry, nullptr);
    QTest::keyClick(view.get(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_FALSE(entry->isEnabled());
    EXPECT_TRUE(entry->toolTip().contains(u"proportions eau/farine"));
}

TEST_F(View, TheContextMenuActsInFrench) {
    // The menu runs modally: it is read, photographed on request and closed from within.
    QStringList entries;
    QTimer::singleShot(0, [&entries] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* a : menu->actions()) {
            entries << (a->isSeparator() ? QStringLiteral("—")
                                         : a->text() + u' ' +
                                               a->shortcut().toString(QKeySequence::PortableText));
        }
        if (qEnvironmentVariableIsSet("FOURNIL_MENU_PNG")) {
            menu->grab().save(qEnvironmentVariable("FOURNIL_MENU_PNG"));
        }
        menu->close();
    });
    const QPoint at(300, 330);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->mapToGlobal(at));
    QApplication::sendEvent(view.get(), &event);
    // Each with its underlined letter ("&" before it), for the keyboard.
    const QStringList expected = {QStringLiteral("&Annuler Ctrl+Z"),
                                  QStringLiteral("&Rétablir Ctrl+Shift+Z"),
                                  QStringLiteral("—"),
                                  QStringLiteral("&Copier le calcul Ctrl+C"),
                                  QStringLiteral("&Nouveau calcul Ctrl+N"),
                                  QStringLiteral("Re&prendre le dernier calcul "),
                                  QStringLiteral("R&ecette complète… Ctrl+R"),
                                  QStringLiteral("Température de &base… Ctrl+B"),
                                  QStringLiteral("—"),
                                  QStringLiteral("Enregistrer dans le carnet… Ctrl+S"),
                                  QStringLiteral("Carnet… Ctrl+O"),
                                  QStringLiteral("&Imprimer… Ctrl+P"),
                                  QStringLiteral("—"),
                                  QStringLiteral("A&grandir Ctrl++"),
                                  QStringLiteral("Ré&duire Ctrl+-"),
                                  QStringLiteral("&Taille normale Ctrl+0"),
                                  QStringLiteral("—"),
                                  QStringLiteral("À propos de &Fournil "),
                                  QStringLiteral("À propos de &Qt "),
                                  QStringLiteral("—"),
                                  QStringLiteral("Q&uitter Ctrl+Q")};
    EXPECT_EQ(entries, expected);
    const auto action = [this](const char* name) {
        return view->findChild<QAction*>(QString::fromLatin1(name));
    };
    action("copy")->trigger();
    EXPECT_TRUE(
        QGuiApplication::clipboard()->text().startsWith(QStringLiteral("Pour obtenir 1200")));
    userClick(w.optionL(3));
    action("newCalculation")->trigger();
    EXPECT_EQ(w.TypeCalcul, 1);
}

// A field's own menu undoes and redoes the calculation, not the line edit's own history, which
// the program's rewrites leave empty.
TEST_F(View, TheFieldMenuUndoesTheCalculation) {
    userPaste(w.Q1, QStringLiteral("abc"));
    ASSERT_EQ(w.Q1.text(), QStringLiteral("0"));
    auto* edit = static_cast<QLineEdit*>(widget(w.Q1));
    const auto chooseFromMenu = [edit](int entry) {
        QTimer::singleShot(0, [entry] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            QAction* action = menu->actions().value(entry);
            ASSERT_NE(action, nullptr);
            EXPECT_TRUE(action->isEnabled());
            menu->close();
            action->trigger();
        });
        Q_EMIT edit->customContextMenuRequested(QPoint(5, 5));
    };
    chooseFromMenu(0);  // undo
    EXPECT_EQ(w.Q1.text(), QStringLiteral("1200"));
    EXPECT_EQ(edit->text(), QStringLiteral("1200"));
    chooseFromMenu(1);  // redo
    EXPECT_EQ(w.Q1.text(), QStringLiteral("0"));
}

// Every tab stop shows the style's focus indicator when the keyboard brings the focus there: its
// pixels differ from those it shows once the focus has moved on.
TEST_F(View, TheFocusCanBeSeenAtEveryTabStop) {
    std::vector<std::pair<QWidget*, QImage>> focused;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* at = QApplication::focusWidget();
        ASSERT_NE(at, nullptr);
        focused.emplace_back(at, at->grab().toImage());
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // away from the last one
    for (const auto& [at, image] : focused) {
        if (at == QApplication::focusWidget()) {
            continue;  // the seventh stop is the first again
        }
        EXPECT_NE(at->grab().toImage(), image) << at->objectName().toStdString();
    }
}

// The first keystroke replaces the value start-up selects, and the arrows move the focus to a
// unit that shows it too.
TEST_F(View, TheFirstKeystrokeReplacesTheSelectedValue) {
    EXPECT_EQ(widget<QLineEdit>(w.H1)->selectedText(), QStringLiteral("70"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("6"));
    EXPECT_EQ(w.H1.text(), QStringLiteral("6"));
    EXPECT_EQ(widget<QLineEdit>(w.H1)->text(), QStringLiteral("6"));
}

// Ctrl+Q and Ctrl+W close the window; it reads left to right even when Qt's own texts are in a
// right-to-left language.
TEST_F(View, ClosesFromTheKeyboardAndReadsLeftToRight) {
    for (const auto keys : {Qt::Key_Q, Qt::Key_W}) {
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        QTest::keyClick(QApplication::focusWidget(), keys, Qt::ControlModifier);
        EXPECT_FALSE(view->isVisible());
    }
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    Window other;
    FournilView rtl(other);
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    EXPECT_EQ(rtl.layoutDirection(), Qt::LeftToRight);
    EXPECT_FALSE(rtl.widgetOf(other.optionL(1))->isRightToLeft());
}

// At 200 % on a 1366 × 768 screen (683 × 384 of Qt's pixels, a panel taking 24) every control
// lies on the screen; zooming never goes beyond it, and on a large screen it zooms to 300 %.
TEST_F(View, TheWindowFitsItsScreenAtAnyZoom) {
    const QRect small(0, 24, 683, 360);
    view->fitInto(small);
    EXPECT_LT(view->scale(), 1.0);
    for (double zoom : {1.0, 3.0, 0.5}) {
        view->setZoom(zoom);
        // Start-up puts the window at the screen's corner when it would not fit at its normal
        // size: there, frame and all, it lies inside the screen.
        const QRect client(small.topLeft() + QPoint(4, 30), view->size());
        EXPECT_TRUE(small.contains(client.adjusted(-4, -30, 4, 4))) << zoom;
        for (const Control* c : w.controls()) {
            const QWidget* shown = widget(*c);
            if (c->kind() == Kind::Window || shown->isHidden()) {
                continue;
            }
            const QRect at(shown->mapTo(view.get(), QPoint(0, 0)) + client.topLeft(),
                           shown->size());
            EXPECT_TRUE(small.contains(at)) << c->displayName().toStdString() << " at " << zoom;
        }
    }
    EXPECT_DOUBLE_EQ(view->scale(), 0.5);
    EXPECT_EQ(w.Fournil.width(), 6885);  // the model's twips never change
    view->fitInto(QRect(0, 0, 3840, 2160));
    view->setZoom(5.0);
    EXPECT_DOUBLE_EQ(view->scale(), 3.0);
    EXPECT_EQ(view->width(), qRound(6885 * 3.0 / 15));
}

// The caption of each frame sits on its top border, and no button inside a frame touches its
// border, at 100, 150 and 200 %.
TEST_F(View, FramesStandClearOfTheirButtons) {
    view->fitInto(QRect(0, 0, 3840, 2160));
    for (double zoom : {1.0, 1.5, 2.0}) {
        view->setZoom(zoom);
        for (const Control* c : w.controls()) {
            if (c->kind() != Kind::Frame) {
                continue;
            }
            const auto* frame = widget<FrameBox>(*c);
            const int top = frame->borderTop();
            EXPECT_LE(top, frame->fontMetrics().height() / 2 + 1);
            for (const QWidget* inside :
                 frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const QRect at = inside->geometry();
                SCOPED_TRACE(inside->objectName().toStdString() + " at " + std::to_string(zoom));
                EXPECT_GT(at.top(), top + 1);
                EXPECT_GE(at.left(), 2);
                EXPECT_LE(at.bottom(), frame->height() - 3);
            }
        }
    }
}

// The last calculation is kept when the window closes, in the folder it is given, and the menu
// resumes it; a folder that cannot be written keeps nothing and a corrupt file disables the item.
TEST_F(View, TheLastCalculationIsKeptOnClosing) {
    QTemporaryDir dir;
    FileCalculationStore store(dir.filePath(QStringLiteral("config/dernier-calcul.json")));
    view->setCalculationStore(&store);
    userClick(w.optionL(4));
    userClick(w.Simulation);
    view->close();
    ASSERT_TRUE(store.load().has_value());

    Window next;
    testing::BareMachine machine;
    FournilView nextView(next);
    bindHandlers(next, machine.platform);
    openWindow(next);
    nextView.setCalculationStore(&store);
    nextView.show();
    const auto resume = [&nextView] {
        QAction* action = nextView.findChild<QAction*>(QStringLiteral("resume"));
        bool enabled = false;
        QTimer::singleShot(0, [&enabled, action] {
            enabled = action->isEnabled();
            QApplication::activePopupWidget()->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(300, 330),
                                nextView.mapToGlobal(QPoint(300, 330)));
        QApplication::sendEvent(&nextView, &event);
        if (enabled) {
            action->trigger();
        }
        return enabled;
    };
    EXPECT_TRUE(resume());
    EXPECT_EQ(next.TypeCalcul, 4);
    EXPECT_EQ(next.Q2.text(), QStringLiteral("1500"));

    QFile corrupt(store.path());
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly | QIODevice::Truncate));
    corrupt.write("{\"format\": ");
    corrupt.close();
    EXPECT_FALSE(resume());

    FileCalculationStore nowhere(store.path() + QStringLiteral("/inside/a/file.json"));
    nowhere.save(QByteArrayLiteral("{}"));
    EXPECT_FALSE(nowhere.load().has_value());
}

// What a screen reader is told: after each event that changes the answer, one change of the
// focused control's description, to the answer in words; none when the answer stays; F1's help
// the same way. (Offscreen, Qt's accessibility is inactive: the announcements are counted at the
// model and read back from the focused widget.)
TEST_F(View, AScreenReaderHearsEveryNewAnswer) {
    testing::HeardAnnouncements told;
    w.addObserver(&told);
    const auto heard = [&told](const std::function<void()>& act) {
        told.said.clear();
        act();
        return told.said;
    };
    for (int mode = 1; mode <= 6; ++mode) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        userClick(w.optionL(mode));
        userClick(w.Simulation);  // the caret is left in the example's first box
        QWidget* box = QApplication::focusWidget();
        ASSERT_NE(box, nullptr);
        const auto typed = heard([box] { QTest::keyClicks(box, QStringLiteral("1")); });
        ASSERT_EQ(typed.size(), 1u);
        EXPECT_EQ(typed[0], answerInWords(w.answer));
        EXPECT_EQ(box->accessibleDescription(), typed[0]);
        EXPECT_TRUE(heard([box] { QTest::keyClick(box, Qt::Key_Left); }).empty());
        EXPECT_TRUE(heard([this] { hover(w.Q2); }).empty());
    }
    userClick(w.optionL(1));
    userClick(w.Simulation);
    EXPECT_EQ(answerInWords(w.answer), QStringLiteral("il faut 706 gr de farine et 494 gr d'eau"));
    QWidget* h1 = widget(w.H1);
    h1->setFocus();
    const auto fault = heard([h1] {
        QTest::keyClick(h1, Qt::Key_Home);
        QTest::keyClicks(h1, QStringLiteral("-"));
    });
    ASSERT_EQ(fault.size(), 1u);
    // -70 % of the flour gives no dough: the fault is said alone, nothing of the hydration before
    // it, and the box describes it; a second fault in the same words is not said again.
    EXPECT_EQ(fault[0], QStringLiteral("Calcul impossible avec ces valeurs"));
    EXPECT_EQ(h1->accessibleDescription(), fault[0]);
    EXPECT_TRUE(heard([h1] { QTest::keyClicks(h1, QStringLiteral("0")); }).empty());  // -070
    EXPECT_EQ(h1->accessibleDescription(), fault[0]);
    // F1 is heard once, on the focused box (this window's help handlers only record the move).
    w.Aide.setCaption(QStringLiteral("aide"));
    const auto help = heard([h1] { QTest::keyClick(h1, Qt::Key_F1); });
    EXPECT_EQ(moves.back(), QStringLiteral("H1"));
    EXPECT_EQ(help, std::vector<QString>{QStringLiteral("aide")});
    EXPECT_EQ(h1->accessibleDescription(), QStringLiteral("aide"));
    w.removeObserver(&told);
}

// The recipe dialog is heard as it changes: a refused field's message as it appears (with why
// "Appliquer" waits), not again while it stays; the table's first row is current before the table
// takes the focus. A menu opens with its first entry highlighted, which a screen reader hears.
TEST_F(View, TheRecipeDialogAndMenusAreHeardAsTheyChange) {
    QTest::keyClick(widget(w.H1), Qt::Key_R, Qt::ControlModifier);
    auto* dialog = view->findChild<QDialog*>(QStringLiteral("recipeDialog"));
    ASSERT_NE(dialog, nullptr);
    auto* announcer =
        dynamic_cast<Announcer*>(view->findChild<QWidget*>(QStringLiteral("annonceRecette")));
    ASSERT_NE(announcer, nullptr);
    auto* pieces = dialog->findChild<QLineEdit*>(QStringLiteral("pieces"));
    auto* apply = dialog->findChild<WaitingButton*>(QStringLiteral("apply"));
    // The field's name, its message (in the locale's numbers), why "Appliquer" waits.
    const auto said = [pieces] {
        return QStringLiteral("Nombre de pâtons : ") + pieces->accessibleDescription() +
               QStringLiteral(". ") + applyWaits();
    };
    const struct {
        const char* typed;
        bool heard;  // false: nothing new is announced
    } steps[] = {
        {"0", true},
        {"00", false},  // the same message, still shown: not said again
        {"6", false},
        {"2.5", true},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.typed);
        announcer->announce(QString());
        pieces->selectAll();
        QTest::keyClicks(pieces, QString::fromLatin1(step.typed));
        EXPECT_EQ(announcer->text(), step.heard ? said() : QString());
        EXPECT_EQ(apply->accessibleDescription().isEmpty(), !apply->waiting());
    }
    // Waiting, "Appliquer" is reached by Tab after the table, and says why when pressed.
    auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("recipeTable"));
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Tab);
    ASSERT_EQ(dialog->focusWidget(), apply);
    QTest::keyClick(apply, Qt::Key_Return);
    EXPECT_EQ(announcer->text(), said().section(QStringLiteral(". "), -1));
    pieces->selectAll();
    QTest::keyClicks(pieces, QStringLiteral("6"));
    QTest::mouseClick(apply, Qt::LeftButton);
    ASSERT_GT(table->rowCount(), 0);
    EXPECT_EQ(table->currentRow(), 0);
    EXPECT_TRUE(table->selectedItems().isEmpty());  // current, not shown selected

    QMenu menu;
    menu.addAction(QStringLiteral("grisé"))->setEnabled(false);
    menu.addSeparator();
    QAction* first = menu.addAction(QStringLiteral("première"));
    menu.popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu.activeAction() == first; }, 2000));
    menu.close();
}

TEST_F(View, DisabledAndTightPlacesStayReadable) {
    ASSERT_FALSE(w.Hydratation(2).enabled());
    for (const Control* c : {static_cast<const Control*>(&w.Hydratation(2)),
                             static_cast<const Control*>(&w.optionH(6))}) {
        const QPalette p = widget(*c)->palette();
        const int text = qGray(p.color(QPalette::Disabled, QPalette::WindowText).rgb());
        const int ground = qGray(p.color(QPalette::Disabled, QPalette::Window).rgb());
        EXPECT_GT(ground - text, 100) << c->displayName().toStdString();
    }
    w.X(2).setCaption(QStringLiteral("68"));
    const QWidget* x2 = widget(w.X(2));
    const int textWidth = x2->fontMetrics().horizontalAdvance(QStringLiteral("68"));
    const int clearRight = (x2->width() - textWidth) / 2;
    EXPECT_GE(clearRight, x2->fontMetrics().horizontalAdvance(u' '));
    EXPECT_EQ(x2->geometry().right(), (6120 + 255) / 15 - 1);  // anchored where the model says
}

TEST_F(View, TheTabKeyFollowsTheKeyboardOrderOneStopPerGroup) {
    EXPECT_EQ(QApplication::focusWidget(), widget(w.H1));
    std::vector<QString> stops;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        stops.push_back(w.focus() != nullptr ? w.focus()->displayName() : QString());
        EXPECT_EQ(controlOfWidget(*view, QApplication::focusWidget()), w.focus());
    }
    // The levain group has no selected button in mode 1: its first button in the order stands in.
    const std::vector<QString> expected = {
        QStringLiteral("Q1"),         QStringLiteral("optionH(2)"), QStringLiteral("optionL(5)"),
        QStringLiteral("optionU(1)"), QStringLiteral("optionL(1)"), QStringLiteral("Simulation"),
        QStringLiteral("H1")};
    EXPECT_EQ(stops, expected);
}

// Every widget shows its control after each of a few hundred random changes of the model.
TEST_F(View, WidgetsMirrorEveryModelChange) {
    std::mt19937 random(20261208);
    const auto& controls = w.controls();
    const QString texts[] = {QString(),
                             QStringLiteral("0"),
                             QStringLiteral("1200"),
                             QStringLiteral("12,5"),
                             QStringLiteral("100000"),
                             QStringLiteral("de farine   "),
                             QStringLiteral("ligne\nsuivante")};
    const Colour colours[] = {lightCyan, lightGreen, Colour::systemWindow(), lightYellow};
    auto pick = [&](int n) { return int(random() % unsigned(n)); };

    for (int step = 0; step < 300; ++step) {
        Control& c = *controls[std::size_t(1 + pick(int(controls.size()) - 1))];
        switch (pick(8)) {
            case 0:
                if (c.kind() == Kind::TextBox) {
                    static_cast<TextBox&>(c).setText(texts[pick(7)]);
                } else if (auto* captioned = dynamic_cast<Captioned*>(&c)) {
                    captioned->setCaption(texts[pick(7)]);
                }
                break;
            case 1:
                c.setVisible(pick(2) == 0);
                break;
            case 2:
                c.setEnabled(pick(2) == 0);
                break;
            case 3:
                if (c.kind() == Kind::OptionButton) {
                    static_cast<OptionButton&>(c).setSelected(pick(3) != 0);
                }
                break;
            case 4:
                c.setTop(c.top() + (pick(2) == 0 ? 120 : -120));
                break;
            case 5:
                c.setBold(pick(2) == 0);
                break;
            case 6:
                c.setBackColour(colours[pick(4)]);
                break;
            case 7:
                if (c.kind() == Kind::TextBox) {
                    static_cast<TextBox&>(c).setSelStart(pick(8));
                }
                break;
        }
        for (Control* each : controls) {
            for (const QString& property : propertyNames(each->kind())) {
                if (property == u"focus" || property == u"passes" || property == u"picture") {
                    continue;
                }
                const auto shown = readWidget(*view, *each, property);
                const auto held = readProperty(w, *each, property);
                ASSERT_TRUE(shown.has_value());
                ASSERT_EQ(shown->format(), held->format())
                    << "step " << step << ": " << each->displayName().toStdString() << "."
                    << property.toStdString();
            }
        }
    }
}

// Whatever stands at the logo's path, start-up neither blocks nor fails: only a sane regular
// file of a picture is shown.
TEST(LogoLoading, OnlyASaneRegularPictureFileIsRead) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto at = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    QDir().mkdir(at("folder.gif"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(at("fifo.gif")).constData(), 0600), 0);
    QFile::link(QStringLiteral("/dev/zero"), at("device.gif"));
    QFile(at("empty.gif")).open(QIODevice::WriteOnly);
    QFile corrupt(at("corrupt.gif"));
    corrupt.open(QIODevice::WriteOnly);
    corrupt.write("GIF89a\x01\x02garbage that is no picture");
    corrupt.close();
    QFile huge(at("huge.gif"));
    huge.open(QIODevice::WriteOnly);
    huge.resize(qint64(200) * 1024 * 1024);  // sparse: no disk is filled
    huge.close();
    // A header that announces a picture of 65535 × 65535 pixels.
    QFile giant(at("giant.gif"));
    giant.open(QIODevice::WriteOnly);
    giant.write(QByteArray("GIF89a\xff\xff\xff\xff\x00\x00\x00", 13));
    giant.close();
    QImage small(4, 4, QImage::Format_RGB32);
    small.fill(Qt::yellow);
    ASSERT_TRUE(small.save(at("logo.gif")) || small.save(at("logo.gif"), "PNG"));

    QtPictureLoader loader;
    for (const char* name : {"missing.gif", "folder.gif", "fifo.gif", "device.gif", "empty.gif",
                             "corrupt.gif", "huge.gif", "giant.gif"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(loader.load(at(name)), nullptr);
    }
    EXPECT_NE(loader.load(at("logo.gif")), nullptr);
}

// Qt's own menus speak the user's language: a field's edit menu in French under a French locale.
TEST(QtTranslations, TheEditMenuIsFrenchUnderAFrenchLocale) {
    ASSERT_TRUE(installQtTranslations(QLocale(QStringLiteral("fr_FR"))))
        << "Qt's translations (Debian: qt6-translations-l10n) are missing";
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Paste"), QStringLiteral("Co&ller"));
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "Select All"),
              QStringLiteral("Tout sélectionner"));
    for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Paste"), QStringLiteral("&Paste"));
}

// The recipe card of each mode, printed to a PDF file: one page whose text holds the title, the
// date and every line of the calculation.
TEST(RecipeCard, HoldsTheCalculationOfEachMode) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage logo(QCoreApplication::applicationDirPath() + QStringLiteral("/logo.gif"));
    if (logo.isNull()) {
        logo = QImage(8, 8, QImage::Format_RGB32);
        logo.fill(Qt::yellow);
    }
    // The six modes, then modes 1 and 6 with a whole recipe, printed as a table.
    for (int mode : {1, 2, 3, 4, 5, 6, -1, -6}) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        testing::OpenedWindow opened(QLocale(QLocale::French, QLocale::France));
        opened.workedExample(std::abs(mode));
        if (mode < 0) {
            applyRecipe(opened.w, {6, 2, 0.5}, 1500);
        }
        const Window& w = opened.w;
        const QString pdf = dir.filePath(QStringLiteral("card%1.pdf").arg(mode));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        EXPECT_EQ(printCard(w, logo, printer), QString());
        if (mode == -6 && qEnvironmentVariableIsSet("FOURNIL_CARD_PDF")) {
            QFile::copy(pdf, qEnvironmentVariable("FOURNIL_CARD_PDF"));
        }

        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"),
                        {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        ASSERT_TRUE(pdftotext.waitForFinished(20000)) << "pdftotext (poppler-utils) is missing";
        const QString raw = QString::fromUtf8(pdftotext.readAllStandardOutput());
        EXPECT_EQ(raw.count(u'\f'), 1);  // one page
        const QString text = raw.simplified();
        EXPECT_TRUE(
            text.contains(QStringLiteral("Calcul de l'Hydratation d'un Levain ou d'une Pâte")));
        EXPECT_TRUE(text.contains(
            QLocale(QLocale::French).toString(QDate::currentDate(), QLocale::LongFormat)));
        // Blanks aside: a table's columns come out of the PDF as pdftotext spaces them.
        const auto bare = [](QString t) { return t.remove(u' '); };
        for (const QString& line : calculationText(w).split(u'\n')) {
            EXPECT_TRUE(bare(text).contains(bare(line.simplified()))) << line.toStdString() << "\n"
                                                                      << text.toStdString();
        }
        EXPECT_EQ(text.contains(u"Recette : 6 pâtons de 250 gr"), mode < 0);
        EXPECT_EQ(text.contains(u"Notes :"), mode < 0);
    }
}

// A card that cannot be written says why, in French; the date is French in any locale.
TEST(RecipeCard, AFailedPrintSaysWhy) {
    testing::OpenedWindow opened(QLocale::c());
    QTemporaryDir dir;
    for (const QString& target :
         {dir.filePath(QStringLiteral("missing/folder/card.pdf")), dir.path()}) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target);
        const QString failure = printCard(opened.w, QImage(), printer);
        EXPECT_EQ(failure, QStringLiteral("le fichier « %1 » n'a pas pu être écrit").arg(target));
        EXPECT_TRUE(printFailure(failure).startsWith(
            QStringLiteral("Impossible d'imprimer la fiche : le fichier")));
    }
}

}  // namespace
}  // namespace fournil::qt
