// breath_slider.h: the difficulty slider, which tells when any mouse button is released over it.
#pragma once

#include <QSlider>

namespace torvelle {

class BreathSlider : public QSlider {
    Q_OBJECT
public:
    explicit BreathSlider(QWidget* parent);

signals:
    // Any button, moved or not, a click on the groove included. Keyboard moves do not count.
    void mouseReleased();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool releaseEndsDoubleClick_ = false;
};

} // namespace torvelle
