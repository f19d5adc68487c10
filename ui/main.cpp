// main.cpp: starts the game with its window.
#include <QApplication>

#include "main_window.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    torvelle::Form1 window;
    window.Form_Load();
    return QApplication::exec();
}
