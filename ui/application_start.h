// application_start.h: the Qt application, or one line and status 1 when no display can be opened.
#pragma once

#include <memory>

#include <QApplication>

namespace torvelle {

// Qt aborts with a core dump and advice to reinstall when its platform cannot
// reach a display; the game instead says so in one line and exits with status 1.
// Messages Qt prints while it starts are held back and printed once it has started.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv);

} // namespace torvelle
