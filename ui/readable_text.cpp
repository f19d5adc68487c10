// readable_text.cpp: a text's lightness raised on dark grounds until it reads at 4.5 : 1.
#include "ui/readable_text.h"

#include <QEvent>
#include <QLabel>

#include "design/readable_colour.h"

namespace torvelle {

namespace {

QColor groundOf(const QLabel* label)
{
    const QWidget* under =
        label->autoFillBackground() || !label->parentWidget() ? label : label->parentWidget();
    return under->palette().color(under->backgroundRole());
}

class ReadableText : public QObject {
public:
    ReadableText(QLabel* label, const QColor& designed)
        : QObject(label), label_(label), designed_(designed)
    {
        apply();
        label->installEventFilter(this);
    }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        // The scheme changed, or the ground under the label: its own change aside.
        if (event->type() == QEvent::PaletteChange && !applying_)
            QMetaObject::invokeMethod(this, &ReadableText::apply, Qt::QueuedConnection);
        return false;
    }

private:
    void apply()
    {
        QPalette palette = label_->palette();
        palette.setColor(QPalette::WindowText, readableOn(designed_, groundOf(label_)));
        applying_ = true;
        label_->setPalette(palette);
        applying_ = false;
    }

    QLabel* label_;
    QColor designed_;
    bool applying_ = false;
};

design::Rgb rgbOf(const QColor& colour)
{
    return {colour.red(), colour.green(), colour.blue()};
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    return design::contrastRatio(rgbOf(a), rgbOf(b));
}

QColor readableOn(const QColor& designed, const QColor& ground)
{
    const design::Rgb readable = design::readableOn(rgbOf(designed), rgbOf(ground));
    return {readable.red, readable.green, readable.blue};
}

void keepTextReadable(QLabel* label, const QColor& designed)
{
    new ReadableText(label, designed);
}

} // namespace torvelle
