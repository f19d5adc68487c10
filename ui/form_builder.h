// form_builder.h: a window's controls built from its design, each kind as its Qt widget.
#pragma once

#include <string_view>

#include <QColor>
#include <QFont>
#include <QWidget>

#include "design/form.h"

class QLabel;

namespace torvelle {

// The face a design names, or one of the same metrics where the desktop lacks it.
QFont designFont(const design::Font& font, const design::Font& windowFont);
inline QColor designColour(design::Rgb rgb)
{
    return {rgb.red, rgb.green, rgb.blue};
}

// Walks the design of one window: every control in its container, at its place, with its
// text, font, colour and visibility, named as designed, the focus going by tab index. What a
// picture box holds goes inside its border, in the child named after it with "Inner".
void buildForm(const design::Window& window, QWidget* client);
// Element i of an array of labels, named "Label1(3)", its caption given at load.
QLabel* buildArrayLabel(const design::Window& window, const design::ControlArray& array, int i,
                        QWidget* parent);

// The control of that name in a window built by buildForm.
template <class Widget> Widget* child(const QWidget* client, std::string_view name)
{
    return client->findChild<Widget*>(QString::fromUtf8(name.data(), qsizetype(name.size())));
}

} // namespace torvelle
