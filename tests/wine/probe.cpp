// probe.cpp: reads the game's windows under Wine for the Windows tests, as a screen reader or a
// test tool would: one command a line on standard input, one answer a line on standard output.
#include <iostream>
#include <sstream>
#include <string>

#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include "tests/wine/probe_accessibility.h"
#include "tests/wine/probe_screen.h"
#include "tests/wine/probe_windows.h"

namespace {

using namespace probe;

// Waits, up to a limit only a fault reaches, for `done` to give an answer.
template <typename Done> std::string waitFor(Done done)
{
    for (int i = 0; i < 1000; ++i) {
        if (std::string answer = done(); !answer.empty())
            return answer;
        Sleep(20);
    }
    return "timeout";
}

std::string answer(const std::string& line)
{
    std::istringstream words(line);
    std::string command;
    words >> command;
    if (command == "form")
        return waitFor([] { return form() && IsWindowVisible(form()) ? frameOf(form()) : ""; });
    if (command == "about")
        return waitFor([] {
            const HWND about = FindWindowW(L"TorvelleDialog", nullptr);
            if (!about || !IsWindowVisible(about))
                return std::string();
            std::string labels;
            for (HWND w = child(about, L"Static"); w;
                 w = FindWindowExW(about, w, L"Static", nullptr))
                labels += '\t' + textOf(w);
            std::string buttons;
            for (HWND w = child(about, L"Button"); w;
                 w = FindWindowExW(about, w, L"Button", nullptr))
                buttons += '\t' + textOf(w) + '@' + centreOf(w);
            return frameOf(about) + labels + buttons;
        });
    if (command == "noabout")
        return waitFor([] { return FindWindowW(L"TorvelleDialog", nullptr) ? "" : "gone"; });
    if (command == "box")
        return waitFor([] {
            const HWND box = openBox();
            return box ? boxOf(box) : "";
        });
    if (command == "nobox")
        return waitFor([] { return openBox() ? "" : "none"; });
    if (command == "cells")
        return cells();
    if (command == "controls")
        return controls();
    if (command == "designed")
        return asDesigned();
    if (command == "board")
        return boardAsRead();
    if (command == "labels")
        return drawnLabels();
    if (command == "progress")
        return progressGround();
    if (command == "contrast") { // once label N, or the frame, shows its text
        std::string what;
        words >> what;
        return waitFor([&] {
            const std::string ratio = contrastOf(what);
            return ratio == "1.0" ? std::string() : ratio;
        });
    }

    if (command == "listen")
        return listen();
    if (command == "heard")
        return hear();
    if (command == "press") { // cell N's default action, as a screen reader's "click"
        int i = 0;
        words >> i;
        IAccessible* grid = board();
        const HRESULT done = grid ? grid->accDoDefaultAction(childId(i + 1)) : E_FAIL;
        if (grid)
            grid->Release();
        return done == S_OK ? "pressed" : "failed " + std::to_string(done);
    }
    if (command == "focus" || command == "caption") { // in or of the main window, or About
        std::string which;
        words >> which;
        const wchar_t* const name = which == "about" ? L"TorvelleDialog" : L"TorvelleForm1";
        return command == "focus" ? waitFor([&] { return focusIn(name); }) : captionOf(name);
    }
    if (command == "cell") { // the middle of cell N on the screen, as it reads its place
        int i = 0;
        words >> i;
        IAccessible* grid = board();
        long left = 0, top = 0, width = 0, height = 0;
        if (grid) {
            grid->accLocation(&left, &top, &width, &height, childId(i + 1));
            grid->Release();
        }
        return std::to_string(left + width / 2) + " " + std::to_string(top + height / 2);
    }
    if (command == "slider")
        return centreOf(child(form(), TRACKBAR_CLASSW));
    if (command == "changed") { // until cell N no longer reads as it did, or a box opens
        int i = 0;
        words >> i;
        std::string before;
        std::getline(words >> std::ws, before);
        return waitFor([&] {
            if (openBox())
                return std::string("box");
            IAccessible* grid = board();
            const std::string now = grid ? cellName(grid, i) : before;
            if (grid)
                grid->Release();
            return now != before ? std::string("changed") : std::string();
        });
    }
    if (command == "gone")
        return waitFor([] { return form() ? "" : "gone"; });
    return "unknown command";
}

} // namespace

int main()
{
    // The game's windows are on Wine's desktop of that name, once the game has made it; this
    // thread looks there too.
    for (int i = 0; i < 1000; ++i) {
        if (HDESK desktop = OpenDesktopW(L"torvelle", 0, FALSE, GENERIC_ALL)) {
            SetThreadDesktop(desktop);
            break;
        }
        Sleep(20);
    }
    CoInitialize(nullptr); // after: a thread with a window of its own keeps its desktop
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::cout << answer(line) << std::endl;
    }
    return 0;
}
