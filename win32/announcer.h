// announcer.h: an unseen status line of the main window that screen readers are told of each
// time it says something new.
#pragma once

#include <string>

#include <windows.h>

#include <oleauto.h>

namespace torvelle::win32 {

// The cells never take the focus, so a change on them would go unspoken: each utterance is
// the new name of this status line, told as a notification or as a live region's change.
class Announcer {
public:
    Announcer(HWND window, HINSTANCE instance);

    HWND hwnd() const { return status_; }
    void announce(const std::string& text);

private:
    // UiaHostProviderFromHwnd and UiaRaiseNotificationEvent, looked up where they exist.
    using HostProvider = HRESULT(WINAPI*)(HWND, IUnknown**);
    using Notify = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);

    // Made a polite live region before its first words.
    void markLive();

    HWND status_;
    bool markedLive_ = false;
    HostProvider hostProvider_ = nullptr;
    Notify notify_ = nullptr;
};

} // namespace torvelle::win32
