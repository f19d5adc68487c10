// breath_slider.cpp: every mouse press is kept so that its release comes back here.
#include "ui/breath_slider.h"

#include <utility>

#include <QMouseEvent>

#include "design/form1_design.h"

namespace torvelle {

BreathSlider::BreathSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(design::form1::kSlider1.tickEvery);
    setSingleStep(design::form1::kSlider1.smallStep);
    setPageStep(design::form1::kSlider1.largeStep);
    setFocusPolicy(Qt::StrongFocus);
}

void BreathSlider::mousePressEvent(QMouseEvent* event)
{
    QSlider::mousePressEvent(event);
    // QSlider ignores the right and middle buttons; accepting them anyway makes
    // their release come to the slider too.
    event->accept();
}

void BreathSlider::mouseReleaseEvent(QMouseEvent* event)
{
    QSlider::mouseReleaseEvent(event);
    event->accept();
    if (std::exchange(releaseEndsDoubleClick_, false))
        return;
    emit mouseReleased();
}

void BreathSlider::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A double-click is one click: no second step along the groove, no second release.
    releaseEndsDoubleClick_ = true;
    event->accept();
}

} // namespace torvelle
