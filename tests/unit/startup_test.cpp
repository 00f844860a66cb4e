#include "window/startup.h"
#include "wiring/binding.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "qstring_printer.h"

#include <map>
#include <set>

namespace fournil {
namespace {

// A file system of names: a look-up is case-insensitive and returns the stored name, as the
// directory look-up of the platform does.
struct FakeFiles : FileSystem {
    std::map<QString, QString> stored;  // path in lower case -> stored name
    std::set<QString> locked;           // paths that cannot be deleted
    std::vector<QString> deleted;
    QString folder = QStringLiteral("/opt/fournil");

    void add(const QString& path) { stored[path.toLower()] = path.section(u'\\', -1); }
    QString findFile(const QString& path) override {
        auto it = stored.find(path.toLower());
        return it == stored.end() ? QString() : it->second;
    }
    bool deleteFile(const QString& path) override {
        if (locked.count(path) != 0) {
            return false;
        }
        deleted.push_back(path);
        return stored.erase(path.toLower()) != 0;
    }
    QString programFolder() override { return folder; }
};

struct FakeDisplay : Display {
    TwipSize screen{15360, 11520};
    TwipSize window{7000, 6500};
    TwipSize screenSize() override { return screen; }
    TwipSize windowSize() override { return window; }
};

struct FakePictures : PictureLoader {
    std::set<QString> readable;
    std::vector<QString> asked;
    std::shared_ptr<const Picture> load(const QString& path) override {
        asked.push_back(path);
        return readable.count(path) != 0 ? std::make_shared<const Picture>() : nullptr;
    }
};

class Startup : public ::testing::Test {
  protected:
    void start() {
        bindHandlers(w, platform);
        openWindow(w);
    }
    FakeFiles files;
    FakeDisplay display;
    FakePictures pictures;
    Platform platform{files, display, pictures};
    Window w;
};

const QString cab = QStringLiteral("C:\\Windows\\Temp\\panetto.CAB");
const QString lst = QStringLiteral("C:\\Windows\\Temp\\SETUP.LST");
const QString exe = QStringLiteral("C:\\Windows\\Temp\\setup.exe");

TEST_F(Startup, NothingPresentNothingDeleted) {
    start();
    EXPECT_TRUE(files.deleted.empty());
}

TEST_F(Startup, PresentFilesAreDeletedInOrder) {
    files.add(exe);
    files.add(cab);
    start();
    EXPECT_EQ(files.deleted, (std::vector<QString>{cab, exe}));
}

TEST_F(Startup, AStoredNameThatDiffersInCaseIsKept) {
    files.add(QStringLiteral("C:\\Windows\\Temp\\setup.lst"));
    files.add(QStringLiteral("C:\\Windows\\Temp\\SETUP.EXE"));
    start();
    EXPECT_TRUE(files.deleted.empty());
}

TEST_F(Startup, AnUndeletableFileDoesNotStopStartUp) {
    files.add(cab);
    files.add(lst);
    files.add(exe);
    files.locked.insert(cab);
    pictures.readable.insert(QStringLiteral("/opt/fournil/logo.gif"));
    start();
    EXPECT_EQ(files.deleted, (std::vector<QString>{lst, exe}));
    EXPECT_NE(w.Image1.picture(), nullptr);
    EXPECT_EQ(w.UniteH2, 5);
}

struct CentringRow {
    TwipSize screen, window;
    int left, top;
};

TEST_F(Startup, CentresTheWindowOnTheScreen) {
    const CentringRow rows[] = {
        {{15360, 11520}, {7000, 6500}, 4180, 2510},  // 1024 × 768
        {{19200, 14400}, {7000, 6500}, 6100, 3950},
        {{6000, 6000}, {7000, 6500}, 0, 0},          // larger than the screen: its top-left corner
        {{6000, 7000}, {7000, 6500}, 0, 250},        // too wide only: the top is still centred
        {{20490, 11520}, {7000, 14000}, 6745, 0},    // 200 % on 1366 × 768: too tall only
        {{15361, 11520}, {7000, 6500}, 4180, 2510},  // 4180.5 goes to the even neighbour
    };
    for (const CentringRow& row : rows) {
        Window fresh;
        display.screen = row.screen;
        display.window = row.window;
        Form_Load(fresh, platform);
        EXPECT_EQ(fresh.Fournil.left(), row.left);
        EXPECT_EQ(fresh.Fournil.top(), row.top);
    }
}

TEST_F(Startup, LoadsTheLogoFromTheProgramFolder) {
    pictures.readable.insert(QStringLiteral("/opt/fournil/logo.gif"));
    start();
    EXPECT_EQ(pictures.asked, std::vector<QString>{QStringLiteral("/opt/fournil/logo.gif")});
    EXPECT_NE(w.Image1.picture(), nullptr);
}

TEST_F(Startup, AMissingOrUnreadableLogoLeavesThePictureEmpty) {
    start();
    EXPECT_EQ(w.Image1.picture(), nullptr);
    EXPECT_EQ(w.TypeCalcul, 1);
}

TEST_F(Startup, SetsTheSelectionValuesAndFocusesH1) {
    EXPECT_EQ(w.TypeCalcul, 0);
    start();
    EXPECT_EQ(w.TypeCalcul, 1);
    EXPECT_EQ(w.UniteMasse, 1);
    EXPECT_EQ(w.UniteH1, 2);
    EXPECT_EQ(w.UniteH2, 5);
    EXPECT_EQ(w.focus(), &w.H1);
    // Start-up ends with one recalculation: the first window answers its own inputs.
    EXPECT_EQ(w.Q2.text(), QStringLiteral("706"));
    EXPECT_EQ(w.EF(1).text(), QStringLiteral("494"));
    EXPECT_EQ(w.EFLabel(1).caption(), QStringLiteral("d'eau"));
}

// The machine's own file system: the Windows paths find nothing here, and a like-named file in
// the current folder is never touched.
TEST(SystemFiles, WindowsPathsFindNothingAndTouchNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    QFile decoy(dir.filePath(exe));
    ASSERT_TRUE(decoy.open(QIODevice::WriteOnly));
    decoy.close();

    SystemFileSystem files;
    for (const LeftoverFile& file : leftoverFiles()) {
        EXPECT_EQ(files.findFile(file.path), QString());
        EXPECT_FALSE(files.deleteFile(file.path));
    }
    EXPECT_TRUE(QFile::exists(dir.filePath(exe)));
    QDir::setCurrent(previous);
}

TEST(SystemFiles, FindsOrdinaryFilesByStoredNameOnly) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"Setup.lst", ".hidden.exe"}) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    SystemFileSystem files;
    EXPECT_EQ(files.findFile(dir.filePath(QStringLiteral("SETUP.LST"))),
              QStringLiteral("Setup.lst"));
    EXPECT_EQ(files.findFile(dir.filePath(QStringLiteral(".hidden.exe"))), QString());
    EXPECT_EQ(files.findFile(dir.filePath(QStringLiteral("absent"))), QString());
    EXPECT_TRUE(files.deleteFile(dir.filePath(QStringLiteral("Setup.lst"))));
    EXPECT_FALSE(files.deleteFile(dir.filePath(QStringLiteral("Setup.lst"))));
}

}  // namespace
}  // namespace fournil
