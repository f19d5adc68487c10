// startup_probe.cpp: starts one window, and once it has been shown and painted prints
// the resident memory, then leaves. Built twice: the game's own
// window, and a bare Qt window of the same size with a menu bar, a slider and a progress bar.
#include <cstdio>
#include <fstream>
#include <string>

#include <QApplication>
#include <QEvent>
#include <QTimer>

#ifdef TORVELLE_BARE_WINDOW
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QSlider>
#else
#include "ui/main_window.h"
#endif

namespace {

long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// Reports once the first paint of the window has been handled and flushed.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                std::printf("%ld\n", residentKiB());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FirstPaint watcher;
#ifdef TORVELLE_BARE_WINDOW
    QMainWindow window;
    window.menuBar()->addAction(QStringLiteral("&Quitter"));
    window.menuBar()->addMenu(QStringLiteral("&?"))->addAction(QStringLiteral("aide"));
    auto* client = new QWidget(&window);
    client->setFixedSize(551, 372);
    window.setCentralWidget(client);
    (new QSlider(Qt::Horizontal, client))->setGeometry(368, 232, 169, 25);
    (new QProgressBar(client))->setGeometry(368, 280, 177, 25);
    window.installEventFilter(&watcher);
    window.show();
#else
    torvelle::Form1 window;
    window.installEventFilter(&watcher);
    window.Form_Load();
#endif
    return QApplication::exec();
}
