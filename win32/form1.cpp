// form1.cpp: Form1's controls, their places at every screen scale, and their events.
#include "win32/form1.h"

#include <algorithm>
#include <utility>

#include <commctrl.h>

#include "design/form1_design.h"
#include "design/grid_captions.h"
#include "win32/about_dialog.h"
#include "win32/announcer.h"
#include "win32/breath_slider.h"
#include "win32/drawn_labels.h"
#include "win32/farewell_files.h"
#include "win32/form_builder.h"
#include "win32/french_message_box.h"
#include "win32/resource_ids.h"
#include "win32/screen_scale.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"

namespace torvelle::win32 {

namespace form1 = design::form1;

namespace {

constexpr wchar_t kClass[] = L"TorvelleForm1";
// Menu commands go by their place in the menu; 1 and 2 are what Enter and Escape send a
// window that keeps dialog keys.
constexpr int kFirstMenuId = 100;
constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

Form1* formOf(HWND window)
{
    return reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

} // namespace

Form1::Form1(HINSTANCE instance) : instance_(instance), window_(*this)
{
    // No icon of the class: the window's own, loaded once at the screen's scale, is set before
    // it is first shown.
    registerWindowClass(instance, kClass, procedure);
    // Owned by a window that is never shown, the game has no task bar button of its own.
    const HWND owner = hiddenOwner(instance);
    // Made where and as large as it will be shown on the main screen, so that a start moves
    // and sizes no window.
    const SIZE outer = outerSize(form1::kWindow.clientWidth, form1::kWindow.clientHeight, kStyle,
                                 kExStyle, true, dpiOf(nullptr));
    const POINT at = centredOnWorkArea(outer, MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY));
    hwnd_ = CreateWindowExW(kExStyle, kClass, wide(form1::kWindow.caption).c_str(), kStyle, at.x,
                            at.y, outer.cx, outer.cy, owner, nullptr, instance, this);
    buildMenus();
    buildControls();
    applyScale(dpiOf(hwnd_));
}

HWND Form1::aboutWindow() const
{
    return about_ ? about_->hwnd() : nullptr;
}

void Form1::buildMenus()
{
    const HMENU bar = CreateMenu();
    std::vector<std::pair<std::string_view, HMENU>> menus{{"", bar}};
    for (const design::MenuItem& item : form1::kMenu) {
        const auto in =
            std::ranges::find(menus, item.menu, &std::pair<std::string_view, HMENU>::first);
        if (item.opens) {
            menus.emplace_back(item.name, CreatePopupMenu());
            AppendMenuW(in->second, MF_POPUP, reinterpret_cast<UINT_PTR>(menus.back().second),
                        wide(item.text).c_str());
        } else {
            AppendMenuW(in->second, MF_STRING, kFirstMenuId + (&item - form1::kMenu),
                        wide(item.text).c_str());
        }
    }
    SetMenu(hwnd_, bar);
}

void Form1::buildControls()
{
    // In tab order: the grid box (2), the score frame (3), the slider (9).
    grid_ = std::make_unique<GridBox>(hwnd_, instance_);
    form_ = std::make_unique<FormBuilder>(form1::kWindow, hwnd_, instance_);
    label7_ = form_->get(design::named(form1::kWindow, "Label7"));
    slider1_ = std::make_unique<BreathSlider>(form_->get(design::named(form1::kWindow, "Slider1")),
                                              [this] { window_.Slider1_MouseUp(); });
    progre_ = form_->get(design::named(form1::kWindow, "Progre"));
    showProgress({form1::kProgreMaximum});
    // The row letters and column numbers, drawn by the window itself; it is shown at load.
    labels_ = std::make_unique<DrawnLabels>(hwnd_, *form_);
    for (const design::GridCaption& caption : design::gridCaptions()) {
        labels_->add(*caption.array, caption.index);
        labels_->setText(labels_->count() - 1, caption.text);
    }
    announcer_ = std::make_unique<Announcer>(hwnd_, instance_);
}

void Form1::applyScale(UINT dpi)
{
    form_->applyScale(dpi);
    grid_->applyScale(dpi);
    form_->growDownToFit(label7_);
    icons_.apply(hwnd_, instance_, TORVELLE_ICON_FRANCE, dpi);
    const SIZE outer = outerSize(form1::kWindow.clientWidth, form1::kWindow.clientHeight, kStyle,
                                 kExStyle, true, dpi);
    RECT now;
    GetWindowRect(hwnd_, &now);
    if (now.right - now.left != outer.cx || now.bottom - now.top != outer.cy)
        SetWindowPos(hwnd_, nullptr, 0, 0, outer.cx, outer.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::Form_Load()
{
    // creegrille: the cells and the captions were made with the window.
    centreOnWorkArea(hwnd_);
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
    slider1_->setRange(form1::kSlider1.minimum, form1::kSlider1.maximum);
    SetFocus(grid_->hwnd());
}

MessageAnswer Form1::showBox(const std::string& prompt, const std::string& title,
                             MessageButtons buttons, const std::string& said, BoxOwner owner)
{
    announce(said); // what led to the box, before the box itself
    const HWND over = owner == BoxOwner::About && about_ ? about_->hwnd() : hwnd_;
    return frenchMessageBox(over, prompt, title, buttons);
}

void Form1::announce(const std::string& said)
{
    if (!said.empty())
        announcer_->announce(said);
}

void Form1::focusWindow()
{
    SetFocus(hwnd_);
}

void Form1::showPicture(int cell, int picture)
{
    grid_->setPicture(cell, picture);
}

void Form1::showText(std::string_view control, const std::string& text)
{
    const HWND shown = form_->get(control);
    SetWindowTextW(shown, wide(text).c_str());
    if (shown == label7_)
        form_->growDownToFit(label7_); // two lines of its type need more than its design's height
    UpdateWindow(shown);               // shown at once: the rules go on before the next message
}

void Form1::showControl(std::string_view control)
{
    const HWND shown = form_->get(control);
    ShowWindow(shown, SW_SHOW);
    UpdateWindow(shown);
}

void Form1::showProgress(const RealProgress& progress)
{
    const ProgressSteps steps = progress.steps();
    SendMessageW(progre_, PBM_SETRANGE32, 0, steps.maximum);
    SendMessageW(progre_, PBM_SETPOS, steps.value, 0);
    UpdateWindow(progre_);
}

int Form1::sliderValue()
{
    return slider1_->value();
}

void Form1::endProgram()
{
    // At once: no farewell, no files; nothing more is shown.
    if (about_)
        ShowWindow(about_->hwnd(), SW_HIDE);
    ShowWindow(hwnd_, SW_HIDE);
    PostQuitMessage(0);
}

void Form1::showAbout()
{
    if (!about_) {
        about_ = new Dialog(
            instance_, [this] { window_.Command1_Click(); }, [this] { aboutClosed(); });
        return;
    }
    // Already open: only brought to the front, its texts unchanged.
    if (IsIconic(about_->hwnd()))
        ShowWindow(about_->hwnd(), SW_RESTORE);
    SetForegroundWindow(about_->hwnd());
}

void Form1::leaveFarewellFiles()
{
    touchFarewellFilesHere();
}

void Form1::aboutClosed()
{
    about_ = nullptr;
    if (!hwnd_ && !window_.ended())
        PostQuitMessage(0); // the last window of the game
}

void Form1::command(int id)
{
    if (id >= GridBox::kFirstCellId && id < GridBox::kFirstCellId + Board::kCellCount) {
        if (IsWindowEnabled(hwnd_))
            window_.Image1_Click(id - GridBox::kFirstCellId);
        return;
    }
    if (id < kFirstMenuId || id >= kFirstMenuId + static_cast<int>(std::size(form1::kMenu)))
        return; // Enter and Escape do nothing here
    const std::string_view chosen = form1::kMenu[id - kFirstMenuId].name;
    if (chosen == design::named(form1::kMenu, "quit"))
        window_.quit_Click();
    else if (chosen == design::named(form1::kMenu, "menuaide"))
        window_.menuaide_Click();
    else if (chosen == design::named(form1::kMenu, "menuapropos"))
        window_.menuapropos_Click();
}

void Form1::paintBackground(HDC dc)
{
    RECT client;
    GetClientRect(hwnd_, &client);
    // The desktop's scroll-bar colour, and the controls' colour inside the score frame.
    FillRect(dc, &client, form_->ground());
    const RECT frame = form_->onScreen(form_->placeOf(design::named(form1::kWindow, "Frame1")));
    FillRect(dc, &frame, GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT Form1::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!form_ || !labels_) // its controls are still being made
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    switch (message) {
    case WM_COMMAND: command(LOWORD(wParam)); return 0;
    case WM_ERASEBKGND: paintBackground(reinterpret_cast<HDC>(wParam)); return 1;
    case WM_PAINT: labels_->paint(); return 0;
    case WM_GETOBJECT: return labels_->accessibleResult(wParam, lParam);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return form_->colour(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED:
        form_->schemeChanged();
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    case WM_KEYDOWN:
    case WM_CHAR: SetFocus(hwnd_); return 0; // rendfocus: the key itself is not read
    case WM_DPICHANGED: {
        applyScale(HIWORD(wParam));
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
    }
    case WM_ACTIVATE:
        // The focus where it was when the window was left: on the grid when it first opens.
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focused = GetFocus();
            if (focused == hwnd_ || (focused && IsChild(hwnd_, focused)))
                focusOnReturn_ = focused;
        } else {
            SetFocus(focusOnReturn_ ? focusOnReturn_ : grid_->hwnd());
        }
        return 0;
    case WM_CLOSE:
        window_.Form_QueryUnload();
        DestroyWindow(hwnd_);
        return 0;
    case WM_DESTROY:
        hwnd_ = nullptr;
        if (!about_ && !window_.ended())
            PostQuitMessage(0);
        return 0;
    default: return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

LRESULT CALLBACK Form1::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    Form1* form = formOf(window);
    return form ? form->handle(message, wParam, lParam)
                : DefWindowProcW(window, message, wParam, lParam);
}

} // namespace torvelle::win32
