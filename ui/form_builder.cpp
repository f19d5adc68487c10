// form_builder.cpp: each kind of control as the Qt widget that plays its part.
#include "ui/form_builder.h"

#include <algorithm>
#include <vector>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "design/font_faces.h"
#include "ui/breath_slider.h"
#include "ui/message_box.h"
#include "ui/readable_text.h"
#include "ui/tenths_progress_bar.h"
#include "ui/window_look.h"

namespace torvelle {

QFont designFont(const design::Font& font, const design::Font& windowFont)
{
    const std::string_view face = font.face.empty() ? windowFont.face : font.face;
    QStringList faces{QString::fromUtf8(face.data(), face.size())};
    for (std::string_view standIn : design::standInsFor(face))
        faces << QString::fromUtf8(standIn.data(), standIn.size());
    QFont qfont;
    qfont.setFamilies(faces);
    qfont.setStyleHint(design::isSerif(face) ? QFont::Serif : QFont::SansSerif);
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    return qfont;
}

namespace {

QString nameOf(std::string_view name)
{
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QLabel* buildLabel(const design::Window& window, const design::Control& control, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(nameOf(control.name)); // first: assistive technology knows it by it
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
        label->setFont(designFont(*control.font, window.font));
    // On a fixed ground the colours stay as designed; on the scheme's, they stay readable.
    if (control.colour && window.ground == design::Ground::Fixed)
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

QWidget* build(const design::Window& window, const design::Control& control, QWidget* parent)
{
    QWidget* widget = nullptr;
    const design::Rect& r = control.rect;
    switch (control.kind) {
    case design::Kind::Label: return buildLabel(window, control, parent);
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
        auto* inside = new QWidget(box);
        inside->setObjectName(nameOf(control.name) + QStringLiteral("Inner"));
        const int border = design::kSunkenBorder;
        inside->setGeometry(border, border, r.width - 2 * border, r.height - 2 * border);
        widget = box;
        break;
    }
    case design::Kind::Slider: widget = new BreathSlider(parent); break;
    case design::Kind::ProgressBar: widget = new TenthsProgressBar(parent); break;
    case design::Kind::PushButton: {
        auto* button = new QPushButton(displayText(control.text), parent);
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::StrongFocus);
        widget = button;
        break;
    }
    case design::Kind::Image: return nullptr; // only in control arrays
    }
    widget->setObjectName(nameOf(control.name));
    widget->setGeometry(r.left, r.top, r.width, r.height);
    if (!control.accessibleName.empty())
        widget->setAccessibleName(displayText(control.accessibleName));
    return widget;
}

} // namespace

void buildForm(const design::Window& window, QWidget* client)
{
    client->setFixedSize(window.clientWidth, window.clientHeight);
    client->setFont(designFont(window.font, window.font));
    std::vector<std::pair<int, QWidget*>> focusable;
    for (const design::Control& control : window.controls) {
        QWidget* parent = control.container.empty()
                              ? client
                              : client->findChild<QWidget*>(nameOf(control.container));
        QWidget* widget = build(window, control, parent);
        if (!control.visible)
            widget->hide();
        if (widget->focusPolicy() != Qt::NoFocus)
            focusable.emplace_back(control.tabIndex, widget);
    }
    // The keyboard goes round the controls that take it by their tab index.
    std::ranges::sort(focusable, {}, &std::pair<int, QWidget*>::first);
    for (size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
}

QLabel* buildArrayLabel(const design::Window& window, const design::ControlArray& array, int i,
                        QWidget* parent)
{
    QLabel* label = buildLabel(window, {.rect = array.rectOf(i), .font = array.font}, parent);
    label->setObjectName(nameOf(array.name) + QStringLiteral("(%1)").arg(i));
    return label;
}

} // namespace torvelle
