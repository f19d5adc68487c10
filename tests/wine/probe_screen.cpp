// probe_screen.cpp: the game's pixels, read from the screen.
#include "tests/wine/probe_screen.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "design/form1_design.h"
#include "design/readable_colour.h"
#include "tests/wine/probe_windows.h"
#include "win32/screen_scale.h"
#include "win32/wide_text.h"

namespace probe {

using torvelle::win32::narrow;
using torvelle::win32::scaled;
namespace design = torvelle::design;

namespace {

// The screen's pixels under a window, top-down, as 0x00RRGGBB.
std::vector<DWORD> pixelsOf(const RECT& r)
{
    const int width = r.right - r.left, height = r.bottom - r.top;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ before = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    const auto* first = static_cast<const DWORD*>(bits);
    std::vector<DWORD> pixels(first, first + static_cast<size_t>(width) * height);
    SelectObject(memory, before);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    for (DWORD& p : pixels)
        p &= 0xFFFFFF;
    return pixels;
}

// The contrast of the text in `r` on its ground, from the screen: the text is the pixel that
// stands out most from the ground, by default the colour of the bottom right corner.
std::string contrastIn(const RECT& r, std::optional<DWORD> ground = {})
{
    const std::vector<DWORD> pixels = pixelsOf(r);
    const auto rgb = [](DWORD p) {
        return design::Rgb{static_cast<int>(p >> 16 & 0xFF), static_cast<int>(p >> 8 & 0xFF),
                           static_cast<int>(p & 0xFF)};
    };
    double best = 1;
    for (DWORD p : pixels)
        best = std::max(best, design::contrastRatio(rgb(p), rgb(ground.value_or(pixels.back()))));
    char text[16];
    snprintf(text, sizeof text, "%.1f", best);
    return text;
}

} // namespace

// Every visible control of the main window where the design puts it at the window's scale, its
// text as wide as the design's font makes it, in the design's colour: "ok", or what differs.
std::string asDesigned()
{
    const UINT dpi = torvelle::win32::dpiOf(form());
    std::string wrong;
    for (const design::Control& c : design::form1::kWindow.controls) {
        const HWND w = builtFor(c);
        if (!w) {
            wrong += ' ' + std::string(c.name) + ":missing";
            continue;
        }
        if ((IsWindowVisible(w) != FALSE) != c.visible)
            wrong += ' ' + std::string(c.name) + ":visibility";
        design::Rect at = c.rect;
        if (!c.container.empty()) {
            at.left += design::form1::kWindow.control(c.container).rect.left;
            at.top += design::form1::kWindow.control(c.container).rect.top;
        }
        RECT r;
        GetWindowRect(w, &r);
        POINT origin{0, 0};
        ClientToScreen(form(), &origin);
        if (r.left - origin.x != scaled(at.left, dpi) || r.top - origin.y != scaled(at.top, dpi) ||
            r.right - origin.x != scaled(at.right(), dpi) ||
            r.bottom - origin.y != scaled(at.bottom(), dpi))
            wrong += ' ' + std::string(c.name) + ":place";
        if (c.kind != design::Kind::Label || c.text.empty() || !c.visible)
            continue;
        const std::vector<DWORD> pixels = pixelsOf(r);
        const DWORD ground = pixels.back(); // the bottom right corner, clear of the text
        const int width = r.right - r.left;
        int left = width, right = -1;
        for (size_t i = 0; i < pixels.size(); ++i)
            if (pixels[i] != ground) {
                left = std::min(left, static_cast<int>(i % width));
                right = std::max(right, static_cast<int>(i % width));
            }
        const design::Font font = c.font.value_or(design::form1::kWindow.font);
        const HFONT made = torvelle::win32::layoutFont(font.points, font.bold, dpi,
                                                       torvelle::win32::wide(font.face).c_str());
        const HDC dc = GetDC(nullptr);
        const HGDIOBJ before = SelectObject(dc, made);
        SIZE extent{};
        const std::wstring text = torvelle::win32::wide(c.text);
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(dc, before);
        ReleaseDC(nullptr, dc);
        DeleteObject(made);
        // The ink lies within the letters' advance, short of it by their side bearings at most,
        // which grow with the scale.
        const int inked = right - left + 1;
        if (inked > extent.cx || inked < extent.cx * 94 / 100 - 2)
            wrong += ' ' + std::string(c.name) + ":font(" + std::to_string(inked) + " of " +
                     std::to_string(extent.cx) + ")";
        // As designed, or made readable on the ground the scheme paints under it.
        const design::Rgb colour = design::readableOn(c.colour.value_or(design::Rgb{}),
                                                      {static_cast<int>(ground >> 16 & 0xFF),
                                                       static_cast<int>(ground >> 8 & 0xFF),
                                                       static_cast<int>(ground & 0xFF)});
        const DWORD wanted = c.colour ? RGB(colour.blue, colour.green, colour.red) : ground;
        if (c.colour && std::find(pixels.begin(), pixels.end(), wanted) == pixels.end())
            wrong += ' ' + std::string(c.name) + ":colour";
    }
    return wrong.empty() ? "ok" : wrong.substr(1);
}

// Label N's text, or the score frame's caption on the button face the frame is filled with.
std::string contrastOf(const std::string& what)
{
    RECT r;
    if (what != "frame") {
        GetWindowRect(GetDlgItem(form(), std::stoi(what)), &r);
        return contrastIn(r);
    }
    // Within the caption's letters, clear of the frame's lines on either side of it.
    GetWindowRect(FindWindowExW(form(), nullptr, L"Button", L"SCORES :"), &r);
    const UINT dpi = torvelle::win32::dpiOf(form());
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    return contrastIn(
        {r.left + scaled(10, dpi), r.top, r.left + scaled(48, dpi), r.top + scaled(12, dpi)},
        RGB(GetBValue(face), GetGValue(face), GetRValue(face)));
}

// Whether the progress bar, empty, shows the scheme's button face in its middle.
std::string progressGround()
{
    RECT r;
    GetWindowRect(FindWindowExW(form(), nullptr, PROGRESS_CLASSW, nullptr), &r);
    const POINT mid{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    const DWORD seen = pixelsOf({mid.x, mid.y, mid.x + 1, mid.y + 1})[0];
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    return seen == RGB(GetBValue(face), GetGValue(face), GetRValue(face)) ? "scheme" : "other";
}

} // namespace probe
