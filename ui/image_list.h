// image_list.h: the six numbered cell pictures, drawn from SVG at the screen's own resolution.
#pragma once

#include <array>
#include <memory>

#include <QHash>
#include <QPixmap>

class QSvgRenderer;

namespace torvelle {

class ImageList {
public:
    ImageList();
    ~ImageList();
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    // Picture `number` (1 to 6) at `logicalSize` pixels for a screen of the given
    // device pixel ratio. Rendered once per size and ratio, then shared by every cell.
    QPixmap picture(int number, int logicalSize, qreal devicePixelRatio) const;

    static QString resourcePath(int number);

private:
    mutable std::array<std::unique_ptr<QSvgRenderer>, 6> renderers_;
    mutable QHash<quint64, QPixmap> rendered_;
};

} // namespace torvelle
