// screen_scale_test.cpp: on a high-density screen the window keeps its layout and the
// board is drawn at the screen's own resolution. Run with QT_SCALE_FACTOR set.
#include <QImage>

#include "tests/window_fixture.h"
#include "ui/image_list.h"

namespace torvelle {
namespace {

using testing::WindowTest;

class ScaledScreen : public WindowTest {
protected:
    void SetUp() override
    {
        ratio = window->devicePixelRatioF();
        if (ratio == 1.0)
            GTEST_SKIP() << "run with QT_SCALE_FACTOR above 1";
    }
    qreal ratio = 1.0;
};

// Pixels across the sea's wave, down one column, that are neither sea blue nor wave white.
int blurredPixelsAcrossTheWave(const QImage& cell, int column)
{
    int blurred = 0;
    for (int y = 0; y < cell.height(); ++y) {
        const QColor c = cell.pixelColor(column, y);
        const bool sea = c.red() < 16 && c.green() < 16 && c.blue() > 239;
        const bool wave = c.red() > 239 && c.green() > 239 && c.blue() > 239;
        blurred += !sea && !wave;
    }
    return blurred;
}

TEST_F(ScaledScreen, KeepsTheLogicalLayout)
{
    EXPECT_EQ(window->centralWidget()->size(), QSize(551, 372));
    EXPECT_EQ(child(QStringLiteral("Picture1"))->geometry(), QRect(40, 32, 320, 320));
    EXPECT_EQ(cell(99)->geometry(), QRect(288, 288, 32, 32));
    EXPECT_EQ(slider()->geometry(), QRect(368, 232, 169, 25));
}

TEST_F(ScaledScreen, DrawsTheCellsFromTheirSvgAtTheScreensResolution)
{
    const QImage board = child(QStringLiteral("Picture1"))->grab().toImage();
    ASSERT_EQ(board.width(), qRound(320 * ratio));
    const int devicePixels = qRound(32 * ratio);
    const int inset = qRound(2 * ratio);
    const QImage shown = board.copy(inset, inset, devicePixels, devicePixels);

    ImageList pictures;
    const QImage crisp = pictures.picture(2, 32, ratio).toImage().convertToFormat(shown.format());
    const QImage upscaled =
        pictures.picture(2, 32, 1.0)
            .toImage()
            .scaled(devicePixels, devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(shown.format());
    EXPECT_EQ(shown, crisp) << "the cell shows the picture rendered for this screen";

    // The wave's edges stay sharp; an upscaled 32 x 32 picture would smear them.
    const int column = devicePixels / 2;
    const int crispBlur = blurredPixelsAcrossTheWave(shown, column);
    EXPECT_LE(crispBlur, qCeil(2 * ratio / 2) + 1);
    EXPECT_GT(blurredPixelsAcrossTheWave(upscaled, column), crispBlur);
}

TEST_F(ScaledScreen, OffersIconsForTheScreensResolution)
{
    const QList<QSize> sizes = window->windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    const QPixmap sharp = window->windowIcon().pixmap(QSize(32, 32), ratio);
    EXPECT_GE(sharp.width(), qRound(32 * ratio));
}

} // namespace
} // namespace torvelle
