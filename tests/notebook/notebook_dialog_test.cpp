// "Carnet…" through the real widgets: the filter as one types, and an entry opened by the keyboard
// alone as one step that undo takes back.

#include "qt/notebook_dialog.h"
#include "fake_platform.h"
#include "qstring_printer.h"
#include "qt/view.h"
#include "wiring/actions.h"

#include "notebook/shared_notebook.h"
#include "notebook/sqlite_query.h"
#include "qt/platform_qt.h"

#include <QDir>
#include <QFile>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace fournil::qt {
namespace {

NotebookEntry entry(const char16_t* name, const char16_t* notes, int mode, const char* dough) {
    return {QString::fromUtf16(name),
            QString::fromUtf16(notes),
            KeptCalculation{mode,
                            1,
                            2,
                            6,
                            {{QStringLiteral("Q1"), QString::fromLatin1(dough)},
                             {QStringLiteral("H1"), QStringLiteral("70")}},
                            std::nullopt,
                            std::nullopt},
            {},
            {}};
}

class NotebookWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        {
            auto nb = Notebook::open(path).notebook;
            ASSERT_TRUE(nb);
            ASSERT_TRUE(nb->saveAll({entry(u"Pain aux céréales", u"graines de lin", 1, "1500"),
                                     entry(u"Campagne", u"levain de seigle", 1, "1800"),
                                     entry(u"Baguette", u"", 1, "1200")},
                                    false));
        }
        view.show();
        actions.open();
        dialog = actions.dialog();
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        search = dialog->findChild<QLineEdit*>(QStringLiteral("recherche"));
        list = dialog->findChild<QListView*>(QStringLiteral("entrees"));
        ASSERT_TRUE(search && list);
    }

    QStringList shown() const {
        QStringList names;
        const QAbstractItemModel* model = list->model();
        for (int i = 0; i < model->rowCount(); ++i) {
            names << model->index(i, 0).data().toString().section(u'\n', 0, 0);
        }
        return names;
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("carnet.sqlite"));
    testing::OpenedWindow opened;
    Window& w = opened.w;
    FournilView view{w};
    SharedNotebook shared{path};
    NotebookActions actions{w, view, shared};
    NotebookDialog* dialog = nullptr;
    QLineEdit* search = nullptr;
    QListView* list = nullptr;
};

TEST_F(NotebookWindow, FiltersOnNamesAndNotesWithoutCaseOrAccents) {
    const struct {
        const char16_t* typed;
        const char16_t* names;
    } rows[] = {
        {u"", u"Baguette|Campagne|Pain aux céréales"},
        {u"cereales", u"Pain aux céréales"},
        {u"CAMP", u"Campagne"},
        {u"seigle", u"Campagne"},  // in the notes
        {u"levain de seigle!", u""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(QString::fromUtf16(row.typed).toStdString());
        search->clear();
        QTest::keyClicks(search, QString::fromUtf16(row.typed));
        EXPECT_EQ(shown().join(u'|'), QString::fromUtf16(row.names));
    }
}

TEST_F(NotebookWindow, OpensByKeyboardAsOneUndoableStep) {
    const QString before = w.Q1.text();
    QTest::keyClicks(search, QStringLiteral("camp"));
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(w.Q1.text(), u"1800");
    EXPECT_FALSE(dialog->isVisible());
    runAction(w, action(ActionId::Undo));
    EXPECT_EQ(w.Q1.text(), before);
}

// The last calculation cannot be kept (its folder would be inside a file): the window says so, may
// try again, and closes when told to close anyway.
TEST_F(NotebookWindow, AFailedSaveIsSaidBeforeClosing) {
    FileCalculationStore nowhere(path + QStringLiteral("/dans/un/fichier.json"));
    view.setCalculationStore(&nowhere);
    QStringList said;
    // Polls for the box while the window closes; the timer ends with the test.
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box->property("answered").toBool()) {
            return;
        }
        box->setProperty("answered", true);
        said << box->text();
        const QString wanted =
            said.size() == 1 ? QStringLiteral("&Réessayer") : QStringLiteral("&Fermer quand même");
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == wanted) {
                b->click();
            }
        }
    });
    poll.start();
    view.close();
    ASSERT_EQ(said.size(), 2);
    EXPECT_TRUE(said.front().startsWith(u"Le dernier calcul n'a pas pu être gardé : "))
        << said.front().toStdString();
    EXPECT_FALSE(view.isVisible());
}

// Answers every modal box as it comes: what it said, and where it stood.
struct ModalAnswers {
    QStringList said;
    std::vector<QRect> frames;
    QTimer poll;
    ModalAnswers() {
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal->property("answered").toBool()) {
                return;
            }
            modal->setProperty("answered", true);
            frames.push_back(modal->frameGeometry());
            auto* box = qobject_cast<QMessageBox*>(modal);
            said << (box != nullptr ? box->text() : modal->windowTitle());
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->reject();
            }
        });
        poll.start();
    }
};

// What the notebook's opening found is told whichever use opened it, the window's closing too;
// the prompt for a name stands beside the window rather than over its sentence.
TEST(NotebookOpening, IsToldByWhicheverUseOpensIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("carnet.sqlite"));
    {
        QFile damaged(path);
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(8192, 'x'));
    }
    testing::OpenedWindow opened;
    FournilView view{opened.w};
    SharedNotebook shared{path};
    FileCalculationStore older(dir.filePath(QStringLiteral("dernier-calcul.json")));
    NotebookCalculationStore store(shared, older);
    view.setCalculationStore(&store);
    view.setNotebook(&shared);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    ModalAnswers answers;
    view.close();
    ASSERT_EQ(answers.said.size(), 1) << answers.said.join(u'|').toStdString();
    EXPECT_TRUE(answers.said.front().contains(u"endommagé")) << answers.said.front().toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.endommage-*")}).size(), 1);

    // Told once: saving now asks for a name only, beside the window.
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    NotebookActions actions{opened.w, view, shared};
    actions.save();
    ASSERT_EQ(answers.said.size(), 2) << answers.said.join(u'|').toStdString();
    EXPECT_EQ(answers.said.back(), u"Enregistrer dans le carnet");
    EXPECT_FALSE(answers.frames.back().intersects(view.frameGeometry()))
        << "prompt " << answers.frames.back().x() << "," << answers.frames.back().y() << ", window "
        << view.frameGeometry().x() << "," << view.frameGeometry().y();
}

// An entry this version cannot replay (another Fournil's mode) is said, and the list stays.
TEST_F(NotebookWindow, AnEntryItCannotReplayIsSaidNotOpened) {
    ASSERT_TRUE(shared.get()->save(entry(u"Pain d'ailleurs", u"", 9, "1200"), false));
    dialog->reload();
    const QString dough = w.Q1.text();
    ModalAnswers answers;
    QTest::keyClicks(search, QStringLiteral("ailleurs"));
    QTest::keyClick(search, Qt::Key_Return);
    ASSERT_EQ(answers.said.size(), 1);
    EXPECT_TRUE(answers.said.front().contains(u"n'est pas un calcul que cette version"));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(w.Q1.text(), dough);
    EXPECT_FALSE(w.history().canUndo());
}

// A notebook a newer Fournil wrote is read only: saving says so before asking for a name.
TEST(NotebookOpening, ReadOnlySaysSoBeforeAskingAName) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("carnet.sqlite"));
    ASSERT_TRUE(Notebook::open(path).notebook);
    queryFile(path, QStringLiteral("PRAGMA user_version = 99"));
    testing::OpenedWindow opened;
    FournilView view{opened.w};
    SharedNotebook shared{path};
    NotebookActions actions{opened.w, view, shared};
    ModalAnswers answers;
    actions.save();
    ASSERT_EQ(answers.said.size(), 2) << answers.said.join(u'|').toStdString();
    EXPECT_TRUE(answers.said[0].contains(u"plus récente"));
    EXPECT_TRUE(answers.said[1].startsWith(u"L'entrée ne peut pas être enregistrée"));
}

}  // namespace
}  // namespace fournil::qt
