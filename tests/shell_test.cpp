// shell_test.cpp: menus, help, the two ways out, the farewell files and the keyboard.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <iostream>
#include <sstream>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "design/ui_texts.h"
#include "tests/window_fixture.h"

namespace torvelle {
namespace {

using testing::WindowTest;

// Runs the test from inside a fresh, empty current directory.
class InTemporaryDirectory : public WindowTest {
protected:
    InTemporaryDirectory() : previous_(QDir::currentPath()) { QDir::setCurrent(dir.path()); }
    ~InTemporaryDirectory() override { QDir::setCurrent(previous_); }

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    }
    // Plays a game to its end, the computer's fleet found by its shots being scripted by nothing
    // but the game's own generator: the player shoots every cell in turn.
    void playUntilTheReplayQuestion()
    {
        placeFleetOnRowA();
        for (int i = 10; i < 100 && !boxes.texts().contains(QStringLiteral("Rejouer ?")); ++i)
            clickCell(i);
    }

    QTemporaryDir dir;

private:
    QString previous_;
};

// Runs the application's event loop until the program ends itself, or 10 s pass.
int runEventLoopWith(const std::function<void()>& steps)
{
    QTimer::singleShot(0, steps);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(10000);
    return QApplication::exec();
}

TEST_F(WindowTest, MenuBarHoldsQuitThenTheQuestionMarkMenu)
{
    const QList<QAction*> top = window->menuBar()->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0]->text(), QStringLiteral("&Quitter"));
    EXPECT_EQ(top[0]->menu(), nullptr) << "a command, not a menu";
    EXPECT_EQ(top[1]->text(), QStringLiteral("&?"));
    ASSERT_NE(top[1]->menu(), nullptr);
    const QList<QAction*> items = top[1]->menu()->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->text(), QStringLiteral("aide"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("A propos"));
    for (QAction* action : top + items)
        EXPECT_TRUE(action->shortcut().isEmpty());
}

TEST_F(WindowTest, HelpShowsItsEighteenLinesExactly)
{
    const char* const lines[] = {
        " Salut !!",
        "Voila,  un  petit jeu  de Torvelle tout simple",
        "Il est composé d'une grille où tout se passe",
        "",
        "Pour  commencer,  il  faut placer ses  bateaux d'un simple clic ",
        "dans  la  case  où  vous  voulez  un  bateau !",
        "Il y a 10 bateaux ni plus ni moins. Il ont tous la même valeur !",
        "Dès que vous avez fini de placer vos bateaux,",
        "c'est à dire dès que l'ordinateur vous le dit : le jeu commence",
        "on peut commencer à rechercher les bateaux de l'ordinateur sur la grille",
        "là aussi, un simple clic de souris à l'endroit voulu suffit.",
        "",
        " Attention : Le jeu de l'ordinateur se rêgle !!! il peut très vite ",
        "être à bout de souffle et dans ce cas, il abandonne !!!!",
        "A vos postes, bonne chance !!",
        "",
    };
    std::string expected;
    for (const char* line : lines)
        expected += std::string(line) + "\r\n";
    const std::string help(ui_texts::kHelp);
    ASSERT_EQ(help.substr(0, expected.size()), expected);
    // Lines 17 and 18, ours: when the game was written, and where to write.
    const std::string rest = help.substr(expected.size());
    const auto firstEnd = rest.find("\r\n");
    ASSERT_NE(firstEnd, std::string::npos);
    EXPECT_GT(firstEnd, 10u);
    EXPECT_NE(rest.find("@example.org"), std::string::npos);
    EXPECT_EQ(rest.substr(rest.size() - 2), "\r\n");
    EXPECT_EQ(std::count(help.begin(), help.end(), '\n'), 18);

    window->gameWindow().menuaide_Click();
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].title, QStringLiteral("Torvelle"));
    EXPECT_EQ(boxes.seen[0].text, QString::fromStdString(help).replace("\r\n", "\n"));
    EXPECT_EQ(boxes.seen[0].buttons, QStringList{"OK"});
    EXPECT_EQ(window->game().restant(), 10);
}

TEST_F(WindowTest, KeysOnlyHandTheFocusToTheWindow)
{
    QWidget* picture1 = child(QStringLiteral("Picture1"));
    ASSERT_EQ(QApplication::focusWidget(), picture1);
    for (Qt::Key key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Return, Qt::Key_Down})
        QTest::keyClick(picture1, key);
    EXPECT_EQ(QApplication::focusWidget(), window.get());
    QTest::keyClick(window.get(), Qt::Key_Return);
    QTest::keyClick(window.get(), Qt::Key_5, Qt::ShiftModifier);
    EXPECT_EQ(window->game().restant(), 10);
    EXPECT_EQ(window->game().board().count(CellState::mer), 100);
    EXPECT_TRUE(boxes.seen.empty());
}

TEST_F(InTemporaryDirectory, ClosingSaysGoodbyeAndLeavesTheTwoFilesEmpty)
{
    EXPECT_TRUE(window->close());
    EXPECT_EQ(boxes.texts(), QStringList{"A bientot !!"});
    EXPECT_EQ(boxes.titles(), QStringList{"Dod irud er URIVE"});
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(entries(), (QStringList{"jeujou", "ordi_jeu"}));
    EXPECT_EQ(QFileInfo(path("ordi_jeu")).size(), 0);
    EXPECT_EQ(QFileInfo(path("jeujou")).size(), 0);
}

TEST_F(InTemporaryDirectory, ClosingLeavesExistingFilesByteForByteAndTheirTimes)
{
    const QByteArray contents("\x00\x01 quarante octets et plus\r\n", 28);
    for (const char* name : {"ordi_jeu", "jeujou"}) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();
        const struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, path(name).toLocal8Bit().constData(), times, 0), 0);
    }
    window->close();
    for (const char* name : {"ordi_jeu", "jeujou"}) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), contents) << name;
        EXPECT_EQ(QFileInfo(path(name)).lastModified().toSecsSinceEpoch(), 1000000000) << name;
    }
}

TEST_F(InTemporaryDirectory, AFileThatCannotBeOpenedIsNamedOnStandardErrorAndTheCloseGoesOn)
{
    const QByteArray where = dir.path().toLocal8Bit();
    const struct {
        const char* what;
        std::function<bool()> prepare; // false: the case cannot be made here
        const char* warnings;
        bool otherFileMade;
    } cases[] = {
        {"a directory named ordi_jeu",
         [&] { return QDir(dir.path()).mkdir(QStringLiteral("ordi_jeu")); },
         "torvelle: ordi_jeu: Is a directory\n", true},
        {"the current directory deleted", [&] { return rmdir(where.constData()) == 0; },
         "torvelle: ordi_jeu: No such file or directory\n"
         "torvelle: jeujou: No such file or directory\n",
         false},
        // Root writes into read-only directories anyway.
        {"a read-only directory", [&] { return geteuid() != 0 && chmod(where, 0555) == 0; },
         "torvelle: ordi_jeu: Permission denied\ntorvelle: jeujou: Permission denied\n", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        QDir::setCurrent(dir.path());
        boxes.seen.clear();
        window = std::make_unique<Form1>();
        window->Form_Load();
        if (!c.prepare())
            continue;
        std::ostringstream warnings;
        std::streambuf* const standardError = std::cerr.rdbuf(warnings.rdbuf());
        const bool closed = window->close();
        std::cerr.rdbuf(standardError);
        chmod(where, 0755);
        EXPECT_TRUE(closed);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(boxes.texts(), QStringList{"A bientot !!"}) << "no further message";
        EXPECT_EQ(warnings.str(), c.warnings);
        EXPECT_EQ(QFileInfo(path("jeujou")).isFile(), c.otherFileMade);
    }
}

TEST_F(InTemporaryDirectory, SymbolicLinksAreNeverFollowed)
{
    QTemporaryDir elsewhere;
    const QString missingTarget = elsewhere.filePath(QStringLiteral("created_through_link"));
    const QString existingTarget = elsewhere.filePath(QStringLiteral("kept"));
    {
        QFile kept(existingTarget);
        ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
        kept.write("gardé");
    }
    ASSERT_TRUE(QFile::link(missingTarget, path("ordi_jeu")));
    ASSERT_TRUE(QFile::link(existingTarget, path("jeujou")));

    EXPECT_TRUE(window->close());
    EXPECT_FALSE(QFileInfo::exists(missingTarget)) << "a dangling link must not create its target";
    EXPECT_TRUE(QFileInfo(path("ordi_jeu")).isSymLink());
    QFile kept(existingTarget);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("gardé"));
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files), QStringList{"kept"});
}

TEST_F(InTemporaryDirectory, QuitSaysGoodbyeAndEndsAtOnceWithoutTheCloseFarewell)
{
    window->programEnder = nullptr; // the real ending
    const int code = runEventLoopWith(
        [this] { window->findChild<QAction*>(QStringLiteral("quit"))->trigger(); });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(boxes.texts(), QStringList{"A bientot"});
    EXPECT_EQ(boxes.titles(), QStringList{"Dod irud er URIVE"});
    window.reset();
    EXPECT_TRUE(entries().isEmpty()) << "no file is touched";
    EXPECT_EQ(boxes.seen.size(), 1u);
}

TEST_F(InTemporaryDirectory, NoToReplayEndsTheProgramWithoutAnyFarewell)
{
    window->programEnder = nullptr;
    boxes.answers = {"OK", "OK"};
    const int code = runEventLoopWith([this] {
        boxes.onBox = [this](const testing::SeenBox& box) {
            if (box.text == QStringLiteral("Rejouer ?"))
                boxes.answers = {"Non"};
        };
        playUntilTheReplayQuestion();
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(boxes.texts().back(), QStringLiteral("Rejouer ?"));
    window.reset();
    EXPECT_FALSE(boxes.texts().contains(QStringLiteral("A bientot !!")));
    EXPECT_FALSE(boxes.texts().contains(QStringLiteral("A bientot")));
    EXPECT_TRUE(entries().isEmpty());
}

} // namespace
} // namespace torvelle
