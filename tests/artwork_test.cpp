// artwork_test.cpp: the six pictures as the board shows them, sampled in place, and the
// contrast of every text under light, dark and high-contrast colour schemes.
#include <cmath>
#include <iostream>
#include <map>

#include <QImage>
#include <QPixmap>
#include <QStyle>

#include "ui/about_dialog.h"

#include "tests/window_fixture.h"
#include "ui/image_list.h"
#include "ui/readable_text.h"

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
        window->gameWindow().showCellPicture(10 + picture, picture);
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
    EXPECT_TRUE(near(colourAt(board, 16, 26, 12), kYellow)) << "a yellow ray beyond the rings";
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

// A text as drawn: its ground is the commonest colour of the area, its ink the pixel
// that stands out most from that ground.
struct DrawnText {
    QColor ink, ground;
    double contrast() const { return contrastRatio(ink, ground); }
};

DrawnText drawnText(const QImage& image, const QRect& area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb ground = counts.begin()->first;
    for (const auto& [colour, count] : counts)
        if (count > counts[ground])
            ground = colour;
    DrawnText text{QColor(ground), QColor(ground)};
    for (const auto& [colour, count] : counts)
        if (contrastRatio(QColor(colour), text.ground) > text.contrast())
            text.ink = QColor(colour);
    return text;
}

QPalette darkScheme()
{
    // GTK's Adwaita dark as Qt's GTK platform theme gives it.
    QPalette p(QColor(240, 240, 240), QColor(50, 50, 50), QColor(75, 75, 75), QColor(33, 33, 33),
               QColor(38, 38, 38), QColor(240, 240, 240), QColor(75, 75, 75), QColor(36, 36, 36),
               QColor(50, 50, 50));
    p.setColor(QPalette::Midlight, QColor(42, 42, 42));
    return p;
}

QPalette highContrastScheme()
{
    // White on black, as the desktops' high-contrast inverse schemes.
    QPalette p(Qt::white, Qt::black, Qt::white, Qt::white, Qt::white, Qt::white, Qt::white,
               Qt::black, Qt::black);
    p.setColor(QPalette::Midlight, Qt::black);
    return p;
}

TEST(Contrast, EveryTextReadsUnderALightADarkAndAHighContrastScheme)
{
    const QPalette original = QApplication::palette();
    const struct {
        const char* name;
        QPalette palette;
    } schemes[] = {{"light", QApplication::style()->standardPalette()},
                   {"dark", darkScheme()},
                   {"high contrast", highContrastScheme()},
                   {"light again", QApplication::style()->standardPalette()}};
    // One game's windows, the scheme changed under them as a player may change it.
    QApplication::setPalette(schemes[0].palette);
    Form1 window;
    window.programEnder = [] {};
    window.Form_Load();
    window.gameWindow().setPlayerScoreText("10");
    window.gameWindow().setComputerScoreText("10");
    window.gameWindow().showBanner();
    window.gameWindow().setBannerText("Joueur\r\nGAGNE !");
    window.gameWindow().menuapropos_Click();
    for (const auto& scheme : schemes) {
        SCOPED_TRACE(scheme.name);
        QApplication::setPalette(scheme.palette);
        QApplication::processEvents(); // the new palette reaches each widget,
        QApplication::processEvents(); // and the fixed colours follow it
        // Drawn at twice the size, as on a high-density screen, so that a text's strokes
        // cover whole pixels in its own colour.
        const auto drawn = [](QWidget* w) {
            QImage image(w->size() * 2, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(2);
            image.fill(Qt::transparent);
            w->render(&image);
            return image;
        };
        const QImage main = drawn(&window);
        const QImage about = drawn(window.aboutDialog());
        const auto at2x = [](const QRect& r) { return QRect(r.topLeft() * 2, r.size() * 2); };
        const auto in = [&](const char* name) {
            QWidget* w = window.findChild<QWidget*>(QString::fromLatin1(name));
            return at2x(QRect(w->mapTo(&window, QPoint(0, 0)), w->size()));
        };
        const auto inAbout = [&](const char* name) {
            QWidget* w = window.aboutDialog()->findChild<QWidget*>(QString::fromLatin1(name));
            return at2x(QRect(w->mapTo(window.aboutDialog(), QPoint(0, 0)), w->size()));
        };
        QMenuBar* bar = window.menuBar();
        const QRect frameTitle = in("Frame1").adjusted(0, 0, 0, -256);

        // Texts in the desktop's colours, or the classic black on a fixed ground.
        const std::pair<const char*, QRect> defaultColoured[] = {
            {"Quitter", at2x(bar->actionGeometry(bar->actions()[0]))},
            {"?", at2x(bar->actionGeometry(bar->actions()[1]))},
            {"A", in("Label1(0)")},
            {"10", in("Label2(9)")},
            {"SCORES :", frameTitle},
            {"Joueur :", in("Label3")},
            {"player's score", in("Label4")},
            {"Ordinateur :", in("Label5")},
            {"computer's score", in("Label6")},
        };
        for (const auto& [text, area] : defaultColoured)
            EXPECT_GE(drawnText(main, area).contrast(), 4.5) << text;
        for (const char* name : {"Label2", "OKButton", "Command1"})
            EXPECT_GE(drawnText(about, inAbout(name)).contrast(), 4.5) << name;

        // The game's fixed colours: exactly as designed on the light ground they were drawn
        // for, the same hue at 4.5 : 1 or more on dark ones.
        const std::pair<const char*, QColor> fixed[] = {{"Label7", QColor(255, 0, 0)},
                                                        {"Label8", QColor(0, 0, 255)},
                                                        {"Label9", QColor(0, 0, 255)}};
        for (const auto& [name, designed] : fixed) {
            const DrawnText text = drawnText(main, in(name));
            const int off = std::abs(text.ink.red() - designed.red()) +
                            std::abs(text.ink.green() - designed.green()) +
                            std::abs(text.ink.blue() - designed.blue());
            if (scheme.palette == schemes[0].palette)
                EXPECT_LE(off, 16) << name << ": its full strokes in the designed colour";
            else
                EXPECT_GE(text.contrast(), 4.5) << name;
            EXPECT_NEAR(text.ink.hslHueF(), designed.hslHueF(), 0.01) << name;
        }
        std::cout << scheme.name << ": banner " << drawnText(main, in("Label7")).contrast()
                  << ", slider ends " << drawnText(main, in("Label8")).contrast()
                  << ", progress caption " << drawnText(main, in("Label9")).contrast()
                  << ", TORVELLE " << drawnText(about, inAbout("Label1")).contrast() << ", notice "
                  << drawnText(about, inAbout("Label3")).contrast() << '\n';
    }
    delete window.aboutDialog();
    QApplication::setPalette(original);
}

} // namespace
} // namespace torvelle
