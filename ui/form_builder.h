// form_builder.h: a window's controls built from its design, each kind as its Qt widget.
#pragma once

#include <string_view>

#include <QColor>
#include <QFont>
#include <QHash>
#include <QString>

#include "form.h"

class QLabel;
class QWidget;

namespace torvelle {

// The face a design names, or one of the same metrics where the desktop lacks it.
QFont designFont(const design::Font& font, const design::Font& windowFont);
inline QColor designColour(design::Rgb rgb)
{
    return {rgb.red, rgb.green, rgb.blue};
}

// Walks the design of one window: every control in its container, at its place, with its
// text, font, colour and visibility, and the focus going by tab index.
class FormBuilder {
public:
    FormBuilder(const design::Window& window, QWidget* client);

    template <class Widget = QWidget> Widget* get(std::string_view name) const
    {
        return static_cast<Widget*>(built_.value(key(name)));
    }
    // Where a control array's elements go: the client area, or inside a box's border.
    QWidget* containerOf(std::string_view name) const;
    // Element i of an array of labels, its caption given at load.
    QLabel* arrayLabel(const design::ControlArray& array, int i);

private:
    static QString key(std::string_view name)
    {
        return QString::fromUtf8(name.data(), name.size());
    }
    QWidget* build(const design::Control& control, QWidget* parent);
    QLabel* label(const design::Control& control, QWidget* parent);

    const design::Window& window_;
    QWidget* client_;
    QHash<QString, QWidget*> built_;
    QHash<QString, QWidget*> insides_;
};

} // namespace torvelle
