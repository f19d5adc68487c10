// image_list.cpp: SVG cell pictures rendered on demand and kept.
#include "ui/image_list.h"

#include <cmath>

#include <QPainter>
#include <QSvgRenderer>

namespace torvelle {

ImageList::ImageList() = default;
ImageList::~ImageList() = default;

QString ImageList::resourcePath(int number)
{
    return QStringLiteral(":/pictures/%1.svg").arg(number);
}

QPixmap ImageList::picture(int number, int logicalSize, qreal devicePixelRatio) const
{
    if (number < 1 || number > static_cast<int>(renderers_.size()))
        return {};
    const int devicePixels = static_cast<int>(std::lround(logicalSize * devicePixelRatio));
    const quint64 key = (static_cast<quint64>(number) << 32) | static_cast<quint32>(devicePixels);
    if (const auto found = rendered_.constFind(key); found != rendered_.constEnd())
        return *found;

    auto& renderer = renderers_[number - 1];
    if (!renderer)
        renderer = std::make_unique<QSvgRenderer>(resourcePath(number));
    QPixmap pixmap(devicePixels, devicePixels);
    pixmap.fill(Qt::black);
    {
        QPainter painter(&pixmap);
        renderer->render(&painter, QRectF(0, 0, devicePixels, devicePixels));
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    rendered_.insert(key, pixmap);
    return pixmap;
}

} // namespace torvelle
