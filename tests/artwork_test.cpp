// artwork_test.cpp: the six pictures as the board shows them, sampled in place.
#include <QImage>
#include <QPixmap>

#include "image_list.h"
#include "window_fixture.h"

namespace torvelle {
namespace {

using testing::WindowTest;

QColor colourAt(const QImage& board, int cell, int x, int y)
{
    // Cells start inside the grid box's 2-pixel border; the grab may be of a
    // high-density screen, so the logical pixel's centre is looked up.
    const qreal ratio = board.devicePixelRatio();
    const auto device = [ratio](int logical) { return static_cast<int>((logical + 0.5) * ratio); };
    return board.pixelColor(device(2 + 32 * (cell % 10) + x), device(2 + 32 * (cell / 10) + y));
}

bool near(const QColor& a, const QColor& b, int tolerance = 8)
{
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

const QColor kBlue(0, 0, 255), kWhite(255, 255, 255), kRed(255, 0, 0), kYellow(255, 255, 0),
    kVioletBlue(64, 0, 255), kBlack(0, 0, 0);

TEST_F(WindowTest, EachPictureShowsItsColoursInPlaceOnTheBoard)
{
    // Cells 11 to 16 show pictures 1 to 6.
    for (int picture = 1; picture <= 6; ++picture)
        window->showCellPicture(10 + picture, picture);
    const QImage board = child(QStringLiteral("Picture1"))->grab().toImage();

    // 1, the player's ship: blue sea, light-grey hull, darker deck house.
    EXPECT_TRUE(near(colourAt(board, 11, 2, 3), kBlue));
    EXPECT_TRUE(near(colourAt(board, 11, 7, 15), QColor(200, 200, 200), 12));
    EXPECT_TRUE(near(colourAt(board, 11, 16, 16), QColor(128, 128, 128), 12));
    // 2, open sea: blue, with a white wave crossing the middle.
    EXPECT_TRUE(near(colourAt(board, 12, 4, 4), kBlue));
    EXPECT_TRUE(near(colourAt(board, 12, 28, 28), kBlue));
    int whiteInColumn = 0;
    for (int y = 12; y < 21; ++y)
        whiteInColumn += near(colourAt(board, 12, 8, y), kWhite, 12);
    EXPECT_GE(whiteInColumn, 1);
    // 3, the player's hit: violet-blue ground, a grey bow.
    EXPECT_TRUE(near(colourAt(board, 13, 2, 2), kVioletBlue));
    EXPECT_TRUE(near(colourAt(board, 13, 20, 18), QColor(160, 160, 160), 12));
    // 4, the computer's miss: a red cross in the lower-left corner only.
    EXPECT_TRUE(near(colourAt(board, 14, 7, 25), kRed));
    EXPECT_TRUE(near(colourAt(board, 14, 25, 25), kBlue));
    // 5, the player's miss: a yellow cross in the lower-right corner only.
    EXPECT_TRUE(near(colourAt(board, 15, 25, 25), kYellow));
    EXPECT_TRUE(near(colourAt(board, 15, 7, 25), kBlue));
    // 6, the computer's hit: red, yellow, black and green rings on blue.
    EXPECT_TRUE(near(colourAt(board, 16, 16, 16), kRed));
    EXPECT_TRUE(near(colourAt(board, 16, 16, 19), kYellow));
    EXPECT_TRUE(near(colourAt(board, 16, 16, 21), kBlack));
    EXPECT_TRUE(near(colourAt(board, 16, 16, 23), QColor(0, 192, 0)));
    EXPECT_TRUE(near(colourAt(board, 16, 1, 30), kBlue));
}

TEST(ImageList, RendersEveryPictureOpaqueAtTheScreensResolutionAndKeepsIt)
{
    ImageList pictures;
    for (int number = 1; number <= 6; ++number)
        for (qreal ratio : {1.0, 1.5, 2.0}) {
            const QPixmap pixmap = pictures.picture(number, 32, ratio);
            ASSERT_EQ(pixmap.width(), qRound(32 * ratio)) << number;
            EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
            const QImage image = pixmap.toImage();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    ASSERT_EQ(image.pixelColor(x, y).alpha(), 255)
                        << number << " " << x << "," << y;
            // The same pixels come back from the cache, not a second rendering.
            EXPECT_EQ(pictures.picture(number, 32, ratio).cacheKey(), pixmap.cacheKey());
        }
    EXPECT_TRUE(pictures.picture(0, 32, 1.0).isNull());
    EXPECT_TRUE(pictures.picture(7, 32, 1.0).isNull());
}

TEST(ImageList, TellsTheSixPicturesApart)
{
    ImageList pictures;
    std::vector<QImage> images;
    for (int number = 1; number <= 6; ++number)
        images.push_back(pictures.picture(number, 32, 1.0).toImage());
    for (int a = 0; a < 6; ++a)
        for (int b = a + 1; b < 6; ++b) {
            int differing = 0;
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x)
                    differing += !near(images[a].pixelColor(x, y), images[b].pixelColor(x, y), 40);
            EXPECT_GT(differing, 20) << "pictures " << a + 1 << " and " << b + 1;
        }
}

} // namespace
} // namespace torvelle
