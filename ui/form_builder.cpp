// form_builder.cpp: each kind of control as the Qt widget that plays its part.
#include "form_builder.h"

#include <algorithm>
#include <vector>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "breath_slider.h"
#include "message_box.h"
#include "readable_text.h"
#include "tenths_progress_bar.h"
#include "window_look.h"

namespace torvelle {

QFont designFont(const design::Font& font, const design::Font& windowFont)
{
    const std::string_view face = font.face.empty() ? windowFont.face : font.face;
    // The faces the layout was drawn for, then the free ones drawn to the same metrics.
    const bool serif = face.find("Serif") != std::string_view::npos;
    QFont qfont;
    qfont.setFamilies(
        serif ? QStringList{QString::fromUtf8(face.data(), face.size()),
                            QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}
              : QStringList{QString::fromUtf8(face.data(), face.size()),
                            QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    qfont.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    return qfont;
}

FormBuilder::FormBuilder(const design::Window& window, QWidget* client)
    : window_(window), client_(client)
{
    client->setFixedSize(window.clientWidth, window.clientHeight);
    client->setFont(designFont(window.font, window.font));
    for (const design::Control& control : window.controls) {
        QWidget* parent = control.container.empty() ? client : get(control.container);
        built_.insert(key(control.name), build(control, parent));
    }
    // The keyboard goes round the controls that take it, by their tab index.
    std::vector<const design::Control*> focusable;
    for (const design::Control& control : window.controls)
        if (get(control.name)->focusPolicy() != Qt::NoFocus)
            focusable.push_back(&control);
    std::ranges::sort(focusable, {}, &design::Control::tabIndex);
    for (size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(get(focusable[i - 1]->name), get(focusable[i]->name));
}

QWidget* FormBuilder::containerOf(std::string_view name) const
{
    if (name.empty())
        return client_;
    QWidget* inside = insides_.value(key(name));
    return inside ? inside : get(name);
}

QLabel* FormBuilder::arrayLabel(const design::ControlArray& array, int i)
{
    design::Control element{.name = {}, .rect = array.rectOf(i), .font = array.font};
    QLabel* made = label(element, containerOf(array.container));
    made->setObjectName(key(array.name) + QStringLiteral("(%1)").arg(i));
    return made;
}

QLabel* FormBuilder::label(const design::Control& control, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(key(control.name)); // first: assistive technology knows it by its name
    label->setText(displayText(control.text));
    label->setTextFormat(Qt::PlainText);
    if (control.transparent) {
        label->setAttribute(Qt::WA_TranslucentBackground);
    } else {
        // Opaque, in the colour of the controls, as the labels have always been.
        label->setAutoFillBackground(true);
        label->setBackgroundRole(QPalette::Button);
        label->setForegroundRole(QPalette::WindowText);
    }
    if (control.font)
        label->setFont(designFont(*control.font, window_.font));
    if (control.colour && window_.ground == design::Ground::Fixed)
        label->setPalette(textPalette(label->palette(), designColour(*control.colour)));
    else if (control.colour)
        keepTextReadable(label, designColour(*control.colour));
    const design::Rect& r = control.rect;
    label->setGeometry(r.left, r.top, r.width, r.height);
    if (r.width == 0) {
        label->adjustSize(); // fitted to its text, keeping its top-left corner
        return label;
    }
    label->setAlignment(
        (control.align == design::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    return label;
}

QWidget* FormBuilder::build(const design::Control& control, QWidget* parent)
{
    QWidget* widget = nullptr;
    const design::Rect& r = control.rect;
    switch (control.kind) {
    case design::Kind::Label: widget = label(control, parent); break;
    case design::Kind::GroupFrame: {
        auto* frame = new QGroupBox(displayText(control.text), parent);
        frame->setAutoFillBackground(true);
        frame->setBackgroundRole(QPalette::Button);
        frame->setFocusPolicy(Qt::NoFocus);
        widget = frame;
        break;
    }
    case design::Kind::PictureBox: {
        auto* box = new QFrame(parent);
        box->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        box->setFocusPolicy(Qt::StrongFocus);
        // What it holds lives inside its border, which clips the last row and column.
        auto* inside = new QWidget(box);
        inside->setObjectName(key(control.name) + QStringLiteral("Inner"));
        const int border = design::kSunkenBorder;
        inside->setGeometry(border, border, r.width - 2 * border, r.height - 2 * border);
        insides_.insert(key(control.name), inside);
        widget = box;
        break;
    }
    case design::Kind::Slider: widget = new BreathSlider(parent); break;
    case design::Kind::ProgressBar: widget = new TenthsProgressBar(parent); break;
    case design::Kind::PushButton: {
        auto* button = new QPushButton(displayText(control.text), parent);
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setFocusPolicy(Qt::StrongFocus);
        widget = button;
        break;
    }
    case design::Kind::Image: break; // only in control arrays
    }
    widget->setObjectName(key(control.name));
    if (control.kind != design::Kind::Label) // a label may fit its text
        widget->setGeometry(r.left, r.top, r.width, r.height);
    if (!control.accessibleName.empty())
        widget->setAccessibleName(displayText(control.accessibleName));
    if (!control.visible)
        widget->hide();
    return widget;
}

} // namespace torvelle
