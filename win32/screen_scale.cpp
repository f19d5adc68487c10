// screen_scale.cpp: the per-monitor calls of Windows 10, looked up, with the system-wide scale
// of older versions behind them.
#include "win32/screen_scale.h"

#include <cmath>

namespace torvelle::win32 {

namespace {

template <typename Function> Function fromUser32(const char* name)
{
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

} // namespace

UINT dpiOf(HWND window)
{
    using GetDpiForWindow = UINT(WINAPI*)(HWND);
    static const auto perWindow = fromUser32<GetDpiForWindow>("GetDpiForWindow");
    if (perWindow && window)
        if (const UINT dpi = perWindow(window))
            return dpi;
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kDesignDpi;
}

SIZE outerSize(int width, int height, DWORD style, DWORD exStyle, bool menu, UINT dpi)
{
    using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = fromUser32<AdjustForDpi>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, scaled(width, dpi), scaled(height, dpi)};
    if (adjustForDpi)
        adjustForDpi(&rect, style, menu, exStyle, dpi);
    else
        AdjustWindowRectEx(&rect, style, menu, exStyle);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

HFONT layoutFont(double points, bool bold, UINT dpi, const wchar_t* face)
{
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(points * dpi / 72.0));
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

} // namespace torvelle::win32
