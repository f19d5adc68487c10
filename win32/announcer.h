// announcer.h: an unseen status line of the main window that screen readers are told of each
// time it says something new.
#pragma once

#include <string>

#include <windows.h>

namespace torvelle::win32 {

// The cells never take the focus, so a change on them would go unspoken: each utterance is
// the new name of this status line, raised as a change of a live region.
class Announcer {
public:
    Announcer(HWND window, HINSTANCE instance);

    HWND hwnd() const { return status_; }
    void announce(const std::string& text);

private:
    HWND status_;
};

} // namespace torvelle::win32
