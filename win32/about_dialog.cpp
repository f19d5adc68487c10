// about_dialog.cpp: the About box's controls, its version read from the program's version
// resource, and its two buttons.
#include "win32/about_dialog.h"

#include <string>
#include <vector>

#include "design/dialog_design.h"
#include "design/ui_texts.h"
#include "win32/resource_ids.h"
#include "win32/screen_scale.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"

namespace torvelle::win32 {

namespace {

constexpr wchar_t kClass[] = L"TorvelleDialog";
constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

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

Dialog::Dialog(HINSTANCE instance, std::function<void()> askPayment, std::function<void()> closed)
    : instance_(instance), askPayment_(std::move(askPayment)), closed_(std::move(closed))
{
    registerWindowClass(instance, kClass, procedure,
                        LoadIconW(instance, MAKEINTRESOURCEW(TORVELLE_ICON_BINOCULARS)));
    // Its own window, not owned by the game's, so that it outlives a closed main window.
    const HWND owner = hiddenOwner(instance);
    hwnd_ = CreateWindowExW(kExStyle, kClass, wide(design::dialog::kWindow.caption).c_str(), kStyle,
                            0, 0, 0, 0, owner, nullptr, instance, this);
    const UINT dpi = dpiOf(hwnd_);
    icons_.apply(hwnd_, instance, TORVELLE_ICON_BINOCULARS, dpi);

    form_ = std::make_unique<FormBuilder>(design::dialog::kWindow, hwnd_, instance);
    form_->applyScale(dpi);
    focusOnReturn_ = form_->get(design::named(design::dialog::kWindow, "OKButton"));
    Form_Load();

    const SIZE outer =
        outerSize(design::dialog::kWindow.clientWidth, design::dialog::kWindow.clientHeight, kStyle,
                  kExStyle, false, dpi);
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER);
    centreOnWorkArea(hwnd_);
    ShowWindow(hwnd_, SW_SHOW);
    SetFocus(focusOnReturn_);
}

Dialog::~Dialog() = default;

void Dialog::Form_Load()
{
    const HWND label3 = form_->get(design::named(design::dialog::kWindow, "Label3"));
    SetWindowTextW(label3, wide(ui_texts::kAboutNotice).c_str());
    form_->fitToText(label3);
    const HWND label2 = form_->get(design::named(design::dialog::kWindow, "Label2"));
    SetWindowTextW(label2, wide(versionFromResource()).c_str());
    form_->fitToText(label2);
}

void Dialog::OKButton_Click()
{
    DestroyWindow(hwnd_);
}

void Dialog::Command1_Click()
{
    askPayment_();
}

LRESULT Dialog::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!form_) // its controls are still being made
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (id == form_->idOf(design::named(design::dialog::kWindow, "OKButton"))) {
            OKButton_Click();
        } else if (id == form_->idOf(design::named(design::dialog::kWindow, "Command1"))) {
            Command1_Click();
        } else if (id == IDOK) { // Enter: neither button is the default, yet the focused one
            if (const HWND focused = GetFocus(); focused && GetParent(focused) == hwnd_)
                SendMessageW(focused, BM_CLICK, 0, 0);
        } // Escape closes nothing: there is no cancel button
        return 0;
    }
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd_, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, form_->ground());
        return 1;
    }
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED:
        form_->schemeChanged();
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return form_->colour(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
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
