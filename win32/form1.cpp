// form1.cpp: Form1's controls, their places at every screen scale, and their events.
#include "form1.h"

#include <algorithm>
#include <utility>

#include <commctrl.h>

#include "about_dialog.h"
#include "farewell_files.h"
#include "french_message_box.h"
#include "progress_steps.h"
#include "resource_ids.h"
#include "screen_scale.h"
#include "ui_texts.h"
#include "wide_text.h"
#include "window_class.h"

namespace torvelle::win32 {

namespace {

constexpr wchar_t kClass[] = L"TorvelleForm1";
// Menu commands; 1 and 2 are what Enter and Escape send a window that keeps dialog keys.
enum : int { kQuitId = 101, kHelpId = 102, kAboutId = 103, kSliderId = 20 };
constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
const RECT kFrame1{384, 32, 145, 145};

Form1* formOf(HWND window)
{
    return reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void setText(HWND control, std::string_view text)
{
    SetWindowTextW(control, wide(text).c_str());
    UpdateWindow(control); // shown at once: the rules go on before the next message
}

RECT onScreen(const RECT& design, UINT dpi)
{
    return {scaled(design.left, dpi), scaled(design.top, dpi),
            scaled(design.left + design.right, dpi), scaled(design.top + design.bottom, dpi)};
}

} // namespace

Form1::Form1(HINSTANCE instance) : instance_(instance), game_(*this)
{
    registerWindowClass(instance, kClass, procedure,
                        LoadIconW(instance, MAKEINTRESOURCEW(TORVELLE_ICON_FRANCE)));
    // Owned by a window that is never shown, the game has no task bar button of its own.
    const HWND owner = hiddenOwner(instance);
    hwnd_ = CreateWindowExW(kExStyle, kClass, wide(ui_texts::kMainCaption).c_str(), kStyle,
                            CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, owner, nullptr, instance, this);
    dpi_ = dpiOf(hwnd_);
    buildMenus();
    buildControls();
    applyScale(dpi_);
}

Form1::~Form1()
{
    for (HFONT font : {layoutFont_, labelFont_, bannerFont_})
        if (font)
            DeleteObject(font);
    for (HICON icon : {bigIcon_, smallIcon_})
        if (icon)
            DestroyIcon(icon);
}

HWND Form1::aboutWindow() const
{
    return about_ ? about_->hwnd() : nullptr;
}

HWND Form1::makeLabel(int id, int left, int top, int width, int height, std::string_view text,
                      DWORD style)
{
    const HWND label = CreateWindowExW(
        0, L"STATIC", wide(text).c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX | style, 0, 0, 0, 0,
        hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    placed_.push_back({label, {left, top, width, height}});
    return label;
}

void Form1::buildMenus()
{
    const HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_STRING, kQuitId, wide(ui_texts::kMenuQuit).c_str());
    const HMENU aide = CreatePopupMenu();
    AppendMenuW(aide, MF_STRING, kHelpId, wide(ui_texts::kMenuHelpItem).c_str());
    AppendMenuW(aide, MF_STRING, kAboutId, wide(ui_texts::kMenuAbout).c_str());
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(aide), wide(ui_texts::kMenuHelp).c_str());
    SetMenu(hwnd_, bar);
}

void Form1::buildControls()
{
    // In tab order: the grid box (2), the score frame (3), the slider (9).
    grid_ = std::make_unique<GridBox>(hwnd_, instance_);
    // The score frame's labels are the window's children, placed within the frame.
    frame1_ = CreateWindowExW(0, L"BUTTON", wide(ui_texts::kScoresFrame).c_str(),
                              WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0, 0, 0, hwnd_, nullptr,
                              instance_, nullptr);
    placed_.push_back({frame1_, kFrame1});
    // A group box draws its frame and caption only: its inside is the controls' colour.
    SetWindowSubclass(
        frame1_,
        [](HWND frame, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) -> LRESULT {
            if (message != WM_ERASEBKGND)
                return DefSubclassProc(frame, message, wParam, lParam);
            RECT inside;
            GetClientRect(frame, &inside);
            FillRect(reinterpret_cast<HDC>(wParam), &inside, GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        },
        0, 0);
    // Labels go by their number: Label4 is the control 4.
    const auto inFrame = [this](int id, int left, int top, int width, int height,
                                std::string_view text) {
        return makeLabel(id, kFrame1.left + left, kFrame1.top + top, width, height, text);
    };
    inFrame(3, 8, 32, 49, 17, ui_texts::kPlayerCaption);
    label4_ = inFrame(4, 72, 32, 49, 17, "");
    inFrame(5, 8, 80, 65, 17, ui_texts::kComputerCaption);
    label6_ = inFrame(6, 80, 80, 49, 25, "");
    label7_ = inFrame(7, 8, 104, 113, 25, ui_texts::kBannerAtDesign);
    ShowWindow(label7_, SW_HIDE);
    label8_ = makeLabel(8, 368, 216, 177, 17, ui_texts::kSliderEnds);
    slider1_ =
        CreateWindowExW(0, TRACKBAR_CLASSW, wide(ui_texts::kSliderName).c_str(),
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS,
                        0, 0, 0, 0, hwnd_, reinterpret_cast<HMENU>(kSliderId), instance_, nullptr);
    placed_.push_back({slider1_, {368, 232, 169, 25}});
    SendMessageW(slider1_, TBM_SETLINESIZE, 0, 1);
    SendMessageW(slider1_, TBM_SETPAGESIZE, 0, 5);
    SendMessageW(slider1_, TBM_SETTICFREQ, 1, 0);
    SetWindowSubclass(slider1_, sliderProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
    progre_ = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hwnd_,
                              nullptr, instance_, nullptr);
    placed_.push_back({progre_, {368, 280, 177, 25}});
    refreshProgress();
    label9_ = makeLabel(9, 376, 320, 153, 17, ui_texts::kProgressCaption, SS_CENTER);
    // The row letters and column numbers, captioned at load.
    for (int r = 0; r < Board::kRows; ++r)
        rowAndColumnLabels_.push_back(makeLabel(0, 8, 40 + 32 * r, 25, 17, ""));
    for (int c = 0; c < Board::kColumns; ++c)
        rowAndColumnLabels_.push_back(makeLabel(0, 48 + 32 * c, 8, 25, 17, ""));
    for (HWND label : rowAndColumnLabels_)
        ShowWindow(label, SW_HIDE);
    // The frame under its labels.
    SetWindowPos(frame1_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form1::applyScale(UINT dpi)
{
    dpi_ = dpi;
    for (HFONT font : {layoutFont_, labelFont_, bannerFont_})
        if (font)
            DeleteObject(font);
    layoutFont_ = layoutFont(8, false, dpi);
    labelFont_ = layoutFont(12, false, dpi);
    bannerFont_ = layoutFont(12, true, dpi, L"MS Serif");
    for (const Placed& placed : placed_) {
        const RECT at = onScreen(placed.design, dpi);
        MoveWindow(placed.control, at.left, at.top, at.right - at.left, at.bottom - at.top, TRUE);
        SendMessageW(placed.control, WM_SETFONT, reinterpret_cast<WPARAM>(layoutFont_), TRUE);
    }
    for (HWND label : rowAndColumnLabels_)
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_), TRUE);
    SendMessageW(label7_, WM_SETFONT, reinterpret_cast<WPARAM>(bannerFont_), TRUE);
    grid_->place(dpi);
    fitBanner();
    for (HICON icon : {bigIcon_, smallIcon_})
        if (icon)
            DestroyIcon(icon);
    bigIcon_ = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(TORVELLE_ICON_FRANCE),
                                             IMAGE_ICON, scaled(32, dpi), scaled(32, dpi), 0));
    smallIcon_ = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(TORVELLE_ICON_FRANCE),
                                               IMAGE_ICON, scaled(16, dpi), scaled(16, dpi), 0));
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    const SIZE outer = outerSize(kClientWidth, kClientHeight, kStyle, kExStyle, true, dpi);
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::Form_Load()
{
    // creegrille: the cells were made with the window; the labels get their captions.
    for (int r = 0; r < Board::kRows; ++r)
        SetWindowTextW(rowAndColumnLabels_[static_cast<size_t>(r)],
                       wide(Board::rowLetter(r * Board::kColumns)).c_str());
    for (int c = 0; c < Board::kColumns; ++c)
        SetWindowTextW(rowAndColumnLabels_[static_cast<size_t>(Board::kRows + c)],
                       wide(Board::columnNumber(c)).c_str());
    for (HWND label : rowAndColumnLabels_)
        ShowWindow(label, SW_SHOW);
    // Centred on the screen it opens on.
    RECT window;
    GetWindowRect(hwnd_, &window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    SetWindowPos(hwnd_, nullptr, (work.left + work.right - (window.right - window.left)) / 2,
                 (work.top + work.bottom - (window.bottom - window.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
    SendMessageW(slider1_, TBM_SETRANGEMIN, TRUE, 20);
    SendMessageW(slider1_, TBM_SETRANGEMAX, TRUE, 100);
    SendMessageW(slider1_, TBM_SETTICFREQ, 1, 0); // a tick at every value of the new range
    SetFocus(grid_->hwnd());
}

MessageAnswer Form1::showMessage(const std::string& prompt, const std::string& title,
                                 MessageButtons buttons)
{
    return frenchMessageBox(hwnd_, prompt, title, buttons);
}

void Form1::focusMainWindow()
{
    SetFocus(hwnd_);
}

void Form1::showCellPicture(int cell, int picture)
{
    grid_->setPicture(cell, picture);
}

void Form1::setPlayerScoreText(const std::string& text)
{
    setText(label4_, text);
}

void Form1::setComputerScoreText(const std::string& text)
{
    setText(label6_, text);
}

void Form1::showBanner()
{
    ShowWindow(label7_, SW_SHOW);
    UpdateWindow(label7_);
}

void Form1::setBannerText(const std::string& text)
{
    SetWindowTextW(label7_, wide(text).c_str());
    fitBanner();
    UpdateWindow(label7_);
}

// Two lines of the banner's type do not fit the 25 pixels it was drawn with: it grows
// downwards just enough, within the score frame.
void Form1::fitBanner()
{
    wchar_t text[64] = {};
    GetWindowTextW(label7_, text, 64);
    const HDC dc = GetDC(label7_);
    const HGDIOBJ before = SelectObject(dc, bannerFont_);
    RECT needed{0, 0, scaled(113, dpi_), 0};
    DrawTextW(dc, text, -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, before);
    ReleaseDC(label7_, dc);
    const int least = scaled(25, dpi_);
    const int room = scaled(kFrame1.bottom - 104 - 2, dpi_);
    SetWindowPos(label7_, nullptr, 0, 0, scaled(113, dpi_),
                 std::clamp(static_cast<int>(needed.bottom), least, room),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::setProgressMaximum(double maximum)
{
    progressMaximum_ = maximum;
    refreshProgress();
}

void Form1::setProgressValue(double value)
{
    progressValue_ = value;
    refreshProgress();
}

void Form1::refreshProgress()
{
    const ProgressSteps steps = ProgressSteps::of(progressValue_, progressMaximum_);
    SendMessageW(progre_, PBM_SETRANGE32, 0, steps.maximum);
    SendMessageW(progre_, PBM_SETPOS, steps.value, 0);
    UpdateWindow(progre_);
}

int Form1::sliderValue()
{
    return static_cast<int>(SendMessageW(slider1_, TBM_GETPOS, 0, 0));
}

void Form1::endProgram()
{
    // At once: no farewell, no files; nothing more is shown.
    ended_ = true;
    if (about_)
        ShowWindow(about_->hwnd(), SW_HIDE);
    ShowWindow(hwnd_, SW_HIDE);
    PostQuitMessage(0);
}

void Form1::quit_Click()
{
    frenchMessageBox(hwnd_, ui_texts::kQuitFarewell, ui_texts::kFarewellTitle, MessageButtons::Ok);
    endProgram();
}

void Form1::menuaide_Click()
{
    frenchMessageBox(hwnd_, ui_texts::kHelp, ui_texts::kHelpTitle, MessageButtons::Ok);
}

void Form1::menuapropos_Click()
{
    if (!about_) {
        about_ = new Dialog(instance_, [this] { aboutClosed(); });
        return;
    }
    // Already open: only brought to the front, its texts unchanged.
    if (IsIconic(about_->hwnd()))
        ShowWindow(about_->hwnd(), SW_RESTORE);
    SetForegroundWindow(about_->hwnd());
}

void Form1::aboutClosed()
{
    about_ = nullptr;
    if (!hwnd_ && !ended_)
        PostQuitMessage(0); // the last window of the game
}

void Form1::Form_QueryUnload()
{
    frenchMessageBox(hwnd_, ui_texts::kCloseFarewell, ui_texts::kFarewellTitle, MessageButtons::Ok);
    touchFarewellFilesHere();
}

void Form1::command(int id)
{
    if (id >= GridBox::kFirstCellId && id < GridBox::kFirstCellId + Board::kCellCount) {
        if (!ended_ && IsWindowEnabled(hwnd_))
            game_.Image1_Click(id - GridBox::kFirstCellId);
        return;
    }
    switch (id) {
    case kQuitId: quit_Click(); break;
    case kHelpId: menuaide_Click(); break;
    case kAboutId: menuapropos_Click(); break;
    default: break; // Enter and Escape do nothing here
    }
}

void Form1::paintBackground(HDC dc)
{
    RECT client;
    GetClientRect(hwnd_, &client);
    // The desktop's scroll-bar colour, and the controls' colour inside the score frame.
    FillRect(dc, &client, GetSysColorBrush(COLOR_SCROLLBAR));
    const RECT frame = onScreen(kFrame1, dpi_);
    FillRect(dc, &frame, GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT Form1::colourOf(HWND control, HDC dc)
{
    if (control == label9_) { // transparent, over the window's ground
        SetTextColor(dc, kBlue);
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_SCROLLBAR));
    }
    SetTextColor(dc, control == label7_   ? kRed
                     : control == label8_ ? kBlue
                                          : GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT Form1::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: command(LOWORD(wParam)); return 0;
    case WM_ERASEBKGND: paintBackground(reinterpret_cast<HDC>(wParam)); return 1;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return colourOf(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
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
        Form_QueryUnload();
        DestroyWindow(hwnd_);
        return 0;
    case WM_DESTROY:
        hwnd_ = nullptr;
        if (!about_ && !ended_)
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

// Any button released over the slider sets the breath; a double-click is one release.
LRESULT CALLBACK Form1::sliderProcedure(HWND slider, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR /*id*/, DWORD_PTR data)
{
    auto* form = reinterpret_cast<Form1*>(data);
    switch (message) {
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: form->releaseEndsDoubleClick_ = true; break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        // The class may not tell double-clicks apart: a second press soon after a release.
        if (GetMessageTime() - static_cast<LONG>(form->lastSliderRelease_) <
            static_cast<LONG>(GetDoubleClickTime()))
            form->releaseEndsDoubleClick_ = true;
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        const LRESULT result = DefSubclassProc(slider, message, wParam, lParam);
        form->lastSliderRelease_ = static_cast<DWORD>(GetMessageTime());
        if (!std::exchange(form->releaseEndsDoubleClick_, false) && !form->ended_)
            form->game_.Slider1_MouseUp();
        return result;
    }
    default: break;
    }
    return DefSubclassProc(slider, message, wParam, lParam);
}

} // namespace torvelle::win32
