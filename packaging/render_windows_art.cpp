// render_windows_art.cpp: renders the SVG pictures for the Windows build, at build time: the cell
// pictures as bitmaps and the two window icons as icon files, at every size the screen scales
// of Windows ask for (100, 125, 150 and 200 %).
#include <cstdio>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

namespace {

QImage rendered(const QString& svg, int size, bool opaque)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return {};
    QImage image(size, size, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    image.fill(opaque ? Qt::black : Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    return image;
}

template <typename T> void put(QByteArray& out, T value)
{
    value = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// An icon file of PNG images, which Windows reads since Vista.
bool writeIcon(const QString& svg, const QList<int>& sizes, const QString& path)
{
    QList<QByteArray> pngs;
    for (int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!rendered(svg, size, false).save(&buffer, "PNG"))
            return false;
        pngs << png;
    }
    QByteArray ico;
    put<quint16>(ico, 0);
    put<quint16>(ico, 1); // an icon
    put<quint16>(ico, static_cast<quint16>(pngs.size()));
    quint32 offset = 6 + 16 * pngs.size();
    for (int i = 0; i < pngs.size(); ++i) {
        put<quint8>(ico, static_cast<quint8>(sizes[i] >= 256 ? 0 : sizes[i]));
        put<quint8>(ico, static_cast<quint8>(sizes[i] >= 256 ? 0 : sizes[i]));
        put<quint8>(ico, 0);   // no palette
        put<quint8>(ico, 0);   // reserved
        put<quint16>(ico, 1);  // colour planes
        put<quint16>(ico, 32); // bits per pixel
        put<quint32>(ico, static_cast<quint32>(pngs[i].size()));
        put<quint32>(ico, offset);
        offset += static_cast<quint32>(pngs[i].size());
    }
    for (const QByteArray& png : pngs)
        ico += png;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(ico) == ico.size();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: render_windows_art ASSETS-FOLDER OUT-FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir assets(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(out.path()))
        return 1;
    // A cell is 32 pixels at 100 %.
    for (int number = 1; number <= 6; ++number)
        for (int size : {32, 40, 48, 64}) {
            const QImage cell = rendered(
                assets.filePath(QStringLiteral("pictures/%1.svg").arg(number)), size, true);
            if (cell.isNull() ||
                !cell.save(out.filePath(QStringLiteral("cell_%1_%2.bmp").arg(number).arg(size)),
                           "BMP"))
                return 1;
        }
    // The small and the large icon at each scale.
    const QList<int> iconSizes{16, 20, 24, 32, 40, 48, 64, 256};
    for (const char* icon : {"france", "binoculars"})
        if (!writeIcon(assets.filePath(QStringLiteral("icons/%1.svg").arg(QLatin1String(icon))),
                       iconSizes, out.filePath(QStringLiteral("%1.ico").arg(QLatin1String(icon)))))
            return 1;
    return 0;
}
