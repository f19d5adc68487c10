// main.cpp: starts the game with its window.
#include "ui/application_start.h"
#include "ui/main_window.h"

int main(int argc, char* argv[])
{
    const auto application = torvelle::startApplication(argc, argv);
    torvelle::Form1 window;
    window.Form_Load();
    return QApplication::exec();
}
