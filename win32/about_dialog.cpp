// about_dialog.cpp: the About box's controls, its version read from the program's version
// resource, and its two buttons.
#include "about_dialog.h"

#include <string>
#include <vector>

#include "french_message_box.h"
#include "resource_ids.h"
#include "screen_scale.h"
#include "ui_texts.h"
#include "wide_text.h"
#include "window_class.h"

namespace torvelle::win32 {

namespace {

constexpr wchar_t kClass[] = L"TorvelleDialog";
enum : int { kOkId = 10, kPayId = 11 };
constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr COLORREF kGrey = RGB(192, 192, 192);

// Major, minor and revision, as the program's version resource has them.
std::string versionFromResource()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    std::vector<char> data(GetFileVersionInfoSizeW(path, &ignored));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    if (data.empty() ||
        !GetFileVersionInfoW(path, 0, static_cast<DWORD>(data.size()), data.data()) ||
        !VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &size) || !fixed)
        return ui_texts::aboutVersionText(0, 0, 0);
    return ui_texts::aboutVersionText(HIWORD(fixed->dwFileVersionMS),
                                      LOWORD(fixed->dwFileVersionMS),
                                      HIWORD(fixed->dwFileVersionLS));
}

} // namespace

Dialog::Dialog(HINSTANCE instance, std::function<void()> closed)
    : instance_(instance), closed_(std::move(closed)), ground_(CreateSolidBrush(kGrey))
{
    registerWindowClass(instance, kClass, procedure,
                        LoadIconW(instance, MAKEINTRESOURCEW(TORVELLE_ICON_BINOCULARS)));
    // Its own window, not owned by the game's, so that it outlives a closed main window.
    const HWND owner = hiddenOwner(instance);
    hwnd_ = CreateWindowExW(kExStyle, kClass, wide(ui_texts::kAboutCaption).c_str(), kStyle, 0, 0,
                            0, 0, owner, nullptr, instance, this);
    dpi_ = dpiOf(hwnd_);
    font_ = layoutFont(8, false, dpi_);
    nameFont_ = layoutFont(21.75, true, dpi_);
    bigIcon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(TORVELLE_ICON_BINOCULARS),
                                             IMAGE_ICON, scaled(32, dpi_), scaled(32, dpi_), 0));
    smallIcon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(TORVELLE_ICON_BINOCULARS),
                                               IMAGE_ICON, scaled(16, dpi_), scaled(16, dpi_), 0));
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));

    focusOnReturn_ = makeButton(kOkId, 304, 112, wide(ui_texts::kOk).c_str());
    label1_ = makeLabel(64, 0, nameFont_);
    SetWindowTextW(label1_, wide(ui_texts::kAboutName).c_str());
    fitToText(label1_);
    label2_ = makeLabel(48, 40, font_);
    SetWindowTextW(label2_, wide(ui_texts::kAboutVersionAtDesign).c_str());
    label3_ = makeLabel(48, 80, font_);
    SetWindowTextW(label3_, wide(ui_texts::kAboutNoticeAtDesign).c_str());
    makeButton(kPayId, 304, 80, wide(ui_texts::kPayButton).c_str());
    Form_Load();

    const SIZE outer = outerSize(kClientWidth, kClientHeight, kStyle, kExStyle, false, dpi_);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    SetWindowPos(hwnd_, nullptr, (work.left + work.right - outer.cx) / 2,
                 (work.top + work.bottom - outer.cy) / 2, outer.cx, outer.cy, SWP_NOZORDER);
    ShowWindow(hwnd_, SW_SHOW);
    SetFocus(focusOnReturn_);
}

Dialog::~Dialog()
{
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(font_), static_cast<HGDIOBJ>(nameFont_),
                           static_cast<HGDIOBJ>(ground_)})
        DeleteObject(object);
    for (HICON icon : {bigIcon_, smallIcon_})
        DestroyIcon(icon);
}

HWND Dialog::makeLabel(int left, int top, HFONT font)
{
    const HWND label =
        CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, scaled(left, dpi_),
                        scaled(top, dpi_), 0, 0, hwnd_, nullptr, instance_, nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return label;
}

HWND Dialog::makeButton(int id, int left, int top, const wchar_t* text)
{
    const HWND button = CreateWindowExW(
        0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, scaled(left, dpi_),
        scaled(top, dpi_), scaled(81, dpi_), scaled(25, dpi_), hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return button;
}

// Fitted to its text, keeping its top-left corner.
void Dialog::fitToText(HWND label)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(label)) + 1, L'\0');
    GetWindowTextW(label, text.data(), static_cast<int>(text.size()));
    const HDC dc = GetDC(label);
    const HGDIOBJ before =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    RECT needed{};
    DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_NOPREFIX);
    SelectObject(dc, before);
    ReleaseDC(label, dc);
    SetWindowPos(label, nullptr, 0, 0, needed.right, needed.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Dialog::Form_Load()
{
    SetWindowTextW(label3_, wide(ui_texts::kAboutNotice).c_str());
    fitToText(label3_);
    SetWindowTextW(label2_, wide(versionFromResource()).c_str());
    fitToText(label2_);
}

void Dialog::OKButton_Click()
{
    DestroyWindow(hwnd_);
}

void Dialog::Command1_Click()
{
    frenchMessageBox(hwnd_, ui_texts::kPayment, ui_texts::kPaymentTitle, MessageButtons::Ok);
}

LRESULT Dialog::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case kOkId: OKButton_Click(); break;
        case kPayId: Command1_Click(); break;
        case IDOK: // Enter: neither button is the default, yet the focused one is pressed
            if (const HWND focused = GetFocus(); focused && GetParent(focused) == hwnd_)
                SendMessageW(focused, BM_CLICK, 0, 0);
            break;
        default: break; // Escape closes nothing: there is no cancel button
        }
        return 0;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd_, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, ground_);
        return 1;
    }
    case WM_CTLCOLORSTATIC: {
        const auto label = reinterpret_cast<HWND>(lParam);
        const HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, label == label1_   ? RGB(0, 255, 0)
                         : label == label3_ ? RGB(0, 0, 255)
                                            : RGB(0, 0, 0));
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(ground_);
    }
    case WM_CTLCOLORBTN: return reinterpret_cast<LRESULT>(ground_);
    case WM_ACTIVATE:
        // As a dialog keeps it: the button that had the focus has it again when the window is
        // activated, however late the window manager activates it; OK at first.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (const HWND focused = GetFocus(); focused && GetParent(focused) == hwnd_)
                focusOnReturn_ = focused;
        } else {
            SetFocus(focusOnReturn_);
        }
        return 0;
    case WM_CLOSE: DestroyWindow(hwnd_); return 0;
    case WM_NCDESTROY: {
        const auto closed = std::move(closed_);
        delete this;
        if (closed)
            closed();
        return 0;
    }
    default: return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

LRESULT CALLBACK Dialog::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* dialog =
            static_cast<Dialog*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        dialog->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(dialog));
    }
    auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!dialog)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return dialog->handle(message, wParam, lParam);
}

} // namespace torvelle::win32
