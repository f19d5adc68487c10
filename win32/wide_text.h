// wide_text.h: the game's UTF-8 texts as Windows wants them, in UTF-16.
#pragma once

#include <string>
#include <string_view>

#include <windows.h>

namespace torvelle::win32 {

std::wstring wide(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
// A window's text, in UTF-8.
std::string windowText(HWND window);

} // namespace torvelle::win32
