// readable_text.cpp: a text's lightness raised on dark grounds until it reads at 4.5 : 1.
#include "readable_text.h"

#include <algorithm>
#include <cmath>

#include <QEvent>
#include <QLabel>

namespace torvelle {

namespace {

constexpr double kReadable = 4.5;
// Below this luminance black text would read worse than white: the ground is dark.
constexpr double kDarkGround = 0.179;

double luminance(const QColor& colour)
{
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

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

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& designed, const QColor& ground)
{
    if (luminance(ground) >= kDarkGround || contrastRatio(designed, ground) >= kReadable)
        return designed;
    // Lighter and lighter, hue and saturation kept: the least change that reads.
    const QColor hsl = designed.toHsl();
    double low = hsl.lightnessF();
    double high = 1.0;
    for (int step = 0; step < 20; ++step) {
        const double middle = (low + high) / 2;
        if (contrastRatio(QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), middle), ground) >=
            kReadable)
            high = middle;
        else
            low = middle;
    }
    return QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), high);
}

void keepTextReadable(QLabel* label, const QColor& designed)
{
    new ReadableText(label, designed);
}

} // namespace torvelle
