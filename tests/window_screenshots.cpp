// window_screenshots.cpp: writes the README's pictures of the window: at start, and in mid-game.
#include <QApplication>
#include <QPixmap>

#include "main_window.h"
#include "modal_answerer.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
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
    window.menuapropos_Click();
    QApplication::processEvents();
    saved = window.aboutDialog()->grab().save(folder + QStringLiteral("/about.png")) && saved;
    boxes.onBox = [&](const torvelle::testing::SeenBox& box) {
        const QString name = box.title == QStringLiteral("Torvelle") ? QStringLiteral("help")
                                                                     : QStringLiteral("payment");
        QApplication::processEvents();
        saved =
            QApplication::activeModalWidget()->grab().save(folder + "/" + name + ".png") && saved;
    };
    window.menuaide_Click();
    window.aboutDialog()->Command1_Click();
    return saved ? 0 : 1;
}
