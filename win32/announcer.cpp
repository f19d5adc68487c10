// announcer.cpp: the status line, a polite live region, and the way each utterance reaches a
// screen reader: a UI Automation notification where Windows has one, else the live region's
// change. Never both: a reader would say the words twice.
#include "win32/announcer.h"

#include <utility>

#include <ole2.h>
#include <oleacc.h>

#include "win32/com_apartment.h"
#include "win32/com_ids.h"
#include "win32/wide_text.h"

namespace torvelle::win32 {

namespace {

constexpr LONG kPolite = 1;
constexpr DWORD kLiveRegionChanged = 0x8019;
constexpr int kActionCompleted = 2; // NotificationKind
constexpr int kAll = 2;             // NotificationProcessing: every turn, in order

} // namespace

Announcer::Announcer(HWND window, HINSTANCE instance)
    : status_(CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0,
                              window, nullptr, instance, nullptr))
{}

void Announcer::markLive()
{
    joinComApartment();
    IAccPropServices* services = nullptr;
    if (SUCCEEDED(CoCreateInstance(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   kIAccPropServices, reinterpret_cast<void**>(&services)))) {
        VARIANT live;
        live.vt = VT_I4;
        live.lVal = kPolite;
        services->SetHwndProp(status_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                              kLiveSettingProperty, live);
        services->Release();
    }
    // Since Windows 10 1709; Wine 8 and older Windows lack it.
    if (const HMODULE automation = LoadLibraryW(L"uiautomationcore.dll")) {
        hostProvider_ = reinterpret_cast<HostProvider>(
            reinterpret_cast<void*>(GetProcAddress(automation, "UiaHostProviderFromHwnd")));
        notify_ = reinterpret_cast<Notify>(
            reinterpret_cast<void*>(GetProcAddress(automation, "UiaRaiseNotificationEvent")));
    }
}

void Announcer::announce(const std::string& text)
{
    if (!std::exchange(markedLive_, true))
        markLive();
    const std::wstring words = wide(text);
    SetWindowTextW(status_, words.c_str());
    IUnknown* provider = nullptr;
    if (notify_ && hostProvider_ && SUCCEEDED(hostProvider_(status_, &provider)) && provider) {
        const BSTR said = SysAllocString(words.c_str());
        const BSTR activity = SysAllocString(L"Torvelle.tour");
        const HRESULT raised = notify_(provider, kActionCompleted, kAll, said, activity);
        SysFreeString(said);
        SysFreeString(activity);
        provider->Release();
        if (SUCCEEDED(raised))
            return;
    }
    NotifyWinEvent(kLiveRegionChanged, status_, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace torvelle::win32
