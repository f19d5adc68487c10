// probe_windows.h: the game's windows as a test tool finds them: their texts, frames, places,
// controls and keyboard.
#pragma once

#include <string>

#include <windows.h>

#include "design/form.h"

namespace probe {

std::string textOf(HWND window);
std::string classOf(HWND window);
HWND form();
HWND openBox();
std::string centreOf(HWND window);
std::string frameOf(HWND window);
std::string boxOf(HWND box);
HWND child(HWND parent, const wchar_t* className);
std::string controls();
HWND builtFor(const torvelle::design::Control& c);
std::string focusIn(const wchar_t* className);
std::string captionOf(const wchar_t* className);

} // namespace probe
