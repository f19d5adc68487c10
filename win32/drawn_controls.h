// drawn_controls.h: what a window draws itself instead of giving it a window of its own, told
// to assistive technology as the controls they stand for.
#pragma once

#include <string>

#include <windows.h>

namespace torvelle::win32 {

class DrawnControls {
public:
    virtual ~DrawnControls() = default;

    virtual HWND hwnd() const = 0;
    virtual int count() const = 0;
    virtual std::string name(int i) const = 0;
    virtual std::string description(int /*i*/) const { return {}; }
    virtual long role(int i) const = 0;
    // Where it shows in the window's client area.
    virtual RECT place(int i) const = 0;
    // Its default action's name, empty for none; and the action.
    virtual std::string action(int /*i*/) const { return {}; }
    virtual void act(int /*i*/) const {}
    // How many to a row, for moving up and down among them.
    virtual int columns() const { return 1; }
};

} // namespace torvelle::win32
