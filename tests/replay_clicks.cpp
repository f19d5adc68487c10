// replay_clicks.cpp: plays a game's clicks on the Qt build, offscreen, and prints what it showed as
// the other front ends' tests record it (Windows under Wine, the page in Chromium): each message
// box, and at "Rejouer ?" the board and the score frame. Usage: replay_clicks BREATH LAST-CELL.
// replay_clicks --places: where the window has each control in its container instead, a line
// each: name, left, top, width, height.
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string_view>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>

#include "tests/modal_answerer.h"
#include "ui/cell_image.h"
#include "ui/main_window.h"

namespace {

QString escaped(QString text)
{
    return text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}

int printPlaces(QWidget& window)
{
    const QRegularExpression controls(QStringLiteral("^(Label|Picture1$|Frame1|Slider1|Progre)"));
    for (QWidget* control : window.findChildren<QWidget*>(controls)) {
        const QRect r = control->geometry();
        std::cout << control->objectName().toStdString() << '\t' << r.x() << '\t' << r.y() << '\t'
                  << r.width() << '\t' << r.height() << '\n';
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool places = argc == 2 && std::string_view(argv[1]) == "--places";
    if (argc != 3 && !places)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    torvelle::Form1 window;
    window.programEnder = [] {};
    window.Form_Load();
    if (places)
        return printPlaces(window);
    const int breath = std::atoi(argv[1]);
    const int lastCell = std::atoi(argv[2]);
    const auto child = [&](const QString& name) { return window.findChild<QWidget*>(name); };
    auto* slider = qobject_cast<QSlider*>(child(QStringLiteral("Slider1")));
    slider->setValue(breath);
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(2, 8));
    slider->setValue(breath); // wherever the press took it, released at the Windows position
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(2, 8));

    torvelle::testing::ModalAnswerer boxes;
    boxes.onBox = [&](const torvelle::testing::SeenBox& box) {
        // The buttons from left to right, as the player sees them.
        auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QList<QAbstractButton*> buttons = shown->buttons();
        std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) {
            return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
        });
        QStringList names;
        for (QAbstractButton* button : buttons)
            names << button->text();
        std::cout << "box\t" << box.title.toStdString() << '\t' << escaped(box.text).toStdString()
                  << '\t' << names.join(QLatin1Char(',')).toStdString() << '\n';
        if (box.text != QLatin1String("Rejouer ?"))
            return;
        names.clear();
        for (int i = 0; i < 100; ++i) {
            QWidget* cell = child(QStringLiteral("Image1(%1)").arg(i));
            names << QAccessible::queryAccessibleInterface(cell)->text(QAccessible::Name);
        }
        const auto text = [&](const char* name) {
            return qobject_cast<QLabel*>(child(QString::fromLatin1(name)))->text();
        };
        auto* banner = qobject_cast<QLabel*>(child(QStringLiteral("Label7")));
        auto* progress = qobject_cast<QProgressBar*>(child(QStringLiteral("Progre")));
        std::cout << "board\t" << names.join(QLatin1Char('\t')).toStdString() << '\n'
                  << "controls\t" << text("Label4").toStdString() << '\t'
                  << text("Label6").toStdString() << '\t'
                  << (banner->isVisible() ? escaped(banner->text()).toStdString() : "(hidden)")
                  << '\t' << progress->maximum() << '\t' << progress->value() << '\n';
    };
    for (int i = 0; i <= lastCell; ++i)
        QTest::mouseClick(child(QStringLiteral("Image1(%1)").arg(i)), Qt::LeftButton, {},
                          QPoint(16, 16));
    return boxes.texts().contains(QStringLiteral("Rejouer ?")) ? 0 : 1;
}
