// screen_scale.h: the windows were laid out in pixels of a 96 dots-per-inch screen; these give
// their size on the screen a window is on now.
#pragma once

#include <windows.h>

namespace torvelle::win32 {

inline constexpr UINT kDesignDpi = 96;

// The window's screen scale in dots per inch (per monitor where Windows tells it).
UINT dpiOf(HWND window);

inline int scaled(int designPixels, UINT dpi)
{
    return MulDiv(designPixels, static_cast<int>(dpi), static_cast<int>(kDesignDpi));
}

// The outer size of a window whose client area is `width` by `height` design pixels.
SIZE outerSize(int width, int height, DWORD style, DWORD exStyle, bool menu, UINT dpi);

// The default user-interface font at a scale: "Arial" at `points`.
HFONT layoutFont(double points, bool bold, UINT dpi, const wchar_t* face = L"Arial");

} // namespace torvelle::win32
