// announcer.cpp: the status line and the events Windows' screen readers listen for.
#include "announcer.h"

#include "wide_text.h"

namespace torvelle::win32 {

namespace {

// Declared by newer SDKs only.
constexpr DWORD kLiveRegionChanged = 0x8019;

} // namespace

Announcer::Announcer(HWND window, HINSTANCE instance)
    : status_(CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0,
                              window, nullptr, instance, nullptr))
{}

void Announcer::announce(const std::string& text)
{
    SetWindowTextW(status_, wide(text).c_str());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, status_, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(kLiveRegionChanged, status_, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace torvelle::win32
