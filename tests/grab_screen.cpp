// grab_screen.cpp: saves the whole screen of the current display as a PNG, for window checks under
// Xvfb.
#include <cstdio>

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: grab_screen FILE.png\n");
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
