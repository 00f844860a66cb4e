// The last calculation kept in the notebook, and moved there once from the older JSON file.

#include "notebook/shared_notebook.h"
#include "qstring_printer.h"
#include "qt/platform_qt.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace fournil {
namespace {

KeptCalculation calculation(const char* dough) {
    return {
        1,           1, 2, 5, {{QStringLiteral("Q1"), QString::fromLatin1(dough)}}, std::nullopt,
        std::nullopt};
}

class LastCalculationStore : public testing::Test {
  protected:
    QTemporaryDir dir;
    QString json = dir.filePath(QStringLiteral("config/dernier-calcul.json"));
    QString path = dir.filePath(QStringLiteral("data/carnet.sqlite"));
    qt::FileCalculationStore older{json};

    std::optional<KeptCalculation> loadAfresh() {
        SharedNotebook notebook(path);
        NotebookCalculationStore store(notebook, older);
        const auto bytes = store.load();
        return bytes ? readCalculation(*bytes) : std::nullopt;
    }
};

TEST_F(LastCalculationStore, MovesTheJsonFileOnceAndLeavesItInPlace) {
    older.save(calculationBytes(calculation("1200")));
    EXPECT_EQ(loadAfresh(), calculation("1200"));
    // An older Fournil writes the file again: the notebook keeps its own.
    older.save(calculationBytes(calculation("900")));
    {
        SharedNotebook notebook(path);
        NotebookCalculationStore store(notebook, older);
        const QString why = store.save(calculationBytes(calculation("750")));
        EXPECT_TRUE(why.isEmpty()) << why.toStdString();
    }
    EXPECT_EQ(loadAfresh(), calculation("750"));
    EXPECT_TRUE(QFile::exists(json));
}

TEST_F(LastCalculationStore, WithoutANotebookTheSaveSaysWhy) {
    QFile blocker(dir.filePath(QStringLiteral("data")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
    older.save(calculationBytes(calculation("1200")));
    SharedNotebook notebook(path);
    NotebookCalculationStore store(notebook, older);
    EXPECT_EQ(readCalculation(*store.load()), calculation("1200"));
    const QString why = store.save(calculationBytes(calculation("750")));
    EXPECT_TRUE(why.contains(u"ne peut pas être ouvert")) << why.toStdString();
    // The cause gone, the save the person retries is kept.
    blocker.close();
    ASSERT_TRUE(blocker.remove());
    EXPECT_EQ(store.save(calculationBytes(calculation("750"))), QString());
    EXPECT_EQ(readCalculation(*store.load()), calculation("750"));
}

}  // namespace
}  // namespace fournil
