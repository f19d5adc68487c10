// window_screenshots.cpp: writes the README's pictures of the window: at start, and in mid-game;
// or, given a name, the whole desktop it runs on, frames included, as the give-up message shows.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QProcess>
#include <QScreen>

#include "tests/modal_answerer.h"
#include "ui/main_window.h"

namespace {

void settle(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The whole screen: X11 lets a client grab it; Weston has its own screenshooter; a nested
// compositor's screen is a window that TORVELLE_SHOOTER (a command given the file) saves.
bool saveScreen(const QString& file)
{
    if (const QString shooter = qEnvironmentVariable("TORVELLE_SHOOTER"); !shooter.isEmpty())
        return QProcess::execute(QStringLiteral("sh"), {"-c", shooter + " \"$0\"", file}) == 0;
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        return QGuiApplication::primaryScreen()->grabWindow(0).save(file);
    QProcess shooter; // writes wayland-screenshot-<time>.png into the current directory
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    while (shooter.state() != QProcess::NotRunning)
        settle(50);
    const QStringList shots =
        QDir::current().entryList({"wayland-screenshot-*.png"}, QDir::Files, QDir::Time);
    if (shots.isEmpty())
        return false;
    QFile::remove(file);
    return QFile::rename(shots.first(), file);
}

int desktopScreenshot(const QString& file)
{
    torvelle::testing::ModalAnswerer boxes;
    torvelle::Form1 window;
    window.Form_Load();
    settle(1000);
    bool saved = false;
    boxes.onBox = [&](const torvelle::testing::SeenBox& box) {
        if (box.text.contains(QStringLiteral("FORFAIT"))) {
            settle(1000);
            saved = saveScreen(file);
        }
    };
    // Ten ships, then shots until the computer, whose breath is 0, gives up.
    for (int cell = 30; cell < 100 && !saved; ++cell)
        window.game().Image1_Click(cell);
    return saved ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    if (argc > 2)
        return desktopScreenshot(folder + "/" + QString::fromLocal8Bit(argv[2]) + ".png");
    torvelle::testing::ModalAnswerer boxes;
    torvelle::Form1 window;
    window.Form_Load();
    QApplication::processEvents();
    bool saved = window.grab().save(folder + QStringLiteral("/window-start.png"));

    window.game().Slider1_MouseUp();
    for (int cell : {2, 13, 24, 35, 46, 57, 68, 79, 80, 91})
        window.game().Image1_Click(cell);
    // Shots down the middle columns: hits, misses and the computer's replies.
    for (int cell : {99, 4, 5, 14, 15, 20, 27, 31, 44, 45, 55, 62, 65, 66})
        window.game().Image1_Click(cell);
    QApplication::processEvents();
    saved = window.grab().save(folder + QStringLiteral("/window-game.png")) && saved;

    // The winner's banner, as it stands while "Rejouer ?" waits for an answer.
    boxes.onBox = [&](const torvelle::testing::SeenBox& box) {
        if (box.text == QStringLiteral("Rejouer ?"))
            saved = window.grab().save(folder + QStringLiteral("/window-winner.png")) && saved;
    };
    for (int cell = 0; cell < 100 && !boxes.texts().contains(QStringLiteral("Rejouer ?")); ++cell)
        window.game().Image1_Click(cell);

    // The About dialog, and the help and payment messages as the player reads them.
    window.gameWindow().menuapropos_Click();
    QApplication::processEvents();
    saved = window.aboutDialog()->grab().save(folder + QStringLiteral("/about.png")) && saved;
    boxes.onBox = [&](const torvelle::testing::SeenBox& box) {
        const QString name = box.title == QStringLiteral("Torvelle") ? QStringLiteral("help")
                                                                     : QStringLiteral("payment");
        QApplication::processEvents();
        saved =
            QApplication::activeModalWidget()->grab().save(folder + "/" + name + ".png") && saved;
    };
    window.gameWindow().menuaide_Click();
    window.aboutDialog()->Command1_Click();
    return saved ? 0 : 1;
}
