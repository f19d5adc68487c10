// french_message_box.cpp: MessageBoxW with its buttons renamed as the box is activated.
#include "win32/french_message_box.h"

#include <vector>

#include "design/ui_texts.h"
#include "win32/wide_text.h"

namespace torvelle::win32 {

namespace {

HHOOK renamingHook = nullptr;

// MessageBoxW names its buttons in the language of Windows; the game speaks French. The box
// is renamed when it is first activated, before it is drawn.
LRESULT CALLBACK renameButtons(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        const auto box = reinterpret_cast<HWND>(wParam);
        wchar_t className[16] = {};
        GetClassNameW(box, className, 16);
        if (std::wstring_view(className) == L"#32770") {
            SetDlgItemTextW(box, IDOK, wide(ui_texts::kOk).c_str());
            SetDlgItemTextW(box, IDYES, wide(ui_texts::kYes).c_str());
            SetDlgItemTextW(box, IDNO, wide(ui_texts::kNo).c_str());
        }
    }
    return CallNextHookEx(renamingHook, code, wParam, lParam);
}

// The game's other top-level windows (the About dialog) wait with the owner.
BOOL CALLBACK collectEnabled(HWND window, LPARAM list)
{
    if (IsWindowVisible(window) && IsWindowEnabled(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

} // namespace

MessageAnswer frenchMessageBox(HWND owner, std::string_view prompt, std::string_view title,
                               MessageButtons buttons)
{
    std::vector<HWND> others;
    EnumThreadWindows(GetCurrentThreadId(), collectEnabled, reinterpret_cast<LPARAM>(&others));
    for (HWND other : others)
        if (other != owner)
            EnableWindow(other, FALSE);
    HHOOK outer = renamingHook;
    renamingHook = SetWindowsHookExW(WH_CBT, renameButtons, nullptr, GetCurrentThreadId());
    // "Non" ends the program, so it must be chosen: a Yes/No box has no escape and no close box.
    // Windows ignores Escape there; where a box still ends on it (Wine's), it is asked again.
    int answer = 0;
    do
        answer = MessageBoxW(owner, wide(prompt).c_str(), wide(title).c_str(),
                             (buttons == MessageButtons::Ok ? MB_OK : MB_YESNO) | MB_APPLMODAL |
                                 MB_SETFOREGROUND);
    while (buttons == MessageButtons::YesNo && answer == IDCANCEL);
    UnhookWindowsHookEx(renamingHook);
    renamingHook = outer;
    for (HWND other : others)
        if (other != owner && IsWindow(other))
            EnableWindow(other, TRUE);
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == IDYES ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace torvelle::win32
