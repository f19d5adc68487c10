// main_window_test.cpp: the real window, built, clicked and played offscreen.
#include <QFontMetrics>

#include "design/form1_design.h"
#include "design/ui_texts.h"
#include "tests/window_fixture.h"
#include "ui/tenths_progress_bar.h"

namespace torvelle {
namespace {

using testing::WindowTest;

TEST_F(WindowTest, LoadsAWindowOfTheGivenSizeCaptionAndFrame)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Le jeux de Torvelle !"));
    const int menuHeight = window->menuBar()->height();
    EXPECT_GT(menuHeight, 10);
    EXPECT_EQ(window->centralWidget()->geometry(), QRect(0, menuHeight, 551, 372));
    EXPECT_EQ(window->size(), QSize(551, menuHeight + 372)) << "the whole client area shows";
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "not resizable";
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowTest, BuildsEveryControlAndTheArraysAsDesigned)
{
    testing::expectBuiltAsDesigned(window->centralWidget(), design::form1::kWindow);
    QWidget* picture1 = child(QStringLiteral("Picture1"));
    const auto at = [](design::Rect r) { return QRect(r.left, r.top, r.width, r.height); };
    for (int i = 0; i < 100; ++i) {
        CellImage* c = cell(i);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->geometry(), at(design::form1::kImage1.rectOf(i))) << i;
        // In the grid box, inside its 2-pixel sunken border.
        EXPECT_EQ(c->mapTo(picture1, QPoint(0, 0)), QPoint(2 + 32 * (i % 10), 2 + 32 * (i / 10)));
        EXPECT_TRUE(c->isVisible());
        EXPECT_EQ(c->pictureNumber(), 2);
        EXPECT_EQ(c->focusPolicy(), Qt::NoFocus);
    }
    EXPECT_EQ(window->findChildren<CellImage*>().size(), 100);
    for (int r = 0; r < 10; ++r) {
        QLabel* row = label(QStringLiteral("Label1(%1)").arg(r));
        EXPECT_EQ(row->text(), QString(QChar('A' + r)));
        EXPECT_EQ(row->geometry(), at(design::form1::kLabel1.rectOf(r)));
        QLabel* column = label(QStringLiteral("Label2(%1)").arg(r));
        EXPECT_EQ(column->text(), QString::number(r + 1));
        EXPECT_EQ(column->geometry(), at(design::form1::kLabel2.rectOf(r)));
        for (QLabel* l : {row, column}) {
            EXPECT_EQ(l->font().pointSize(), 12);
            EXPECT_TRUE(l->isVisible());
        }
    }
    for (const char* name : {"Label3", "Label5", "Label8", "Label9"}) {
        QLabel* l = label(QString::fromLatin1(name)); // every fixed caption is visible whole
        EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->width()) << name;
    }
    EXPECT_EQ(label(QStringLiteral("Label9"))->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);

    EXPECT_EQ(slider()->minimum(), 20);
    EXPECT_EQ(slider()->maximum(), 100);
    EXPECT_EQ(slider()->orientation(), Qt::Horizontal);
    EXPECT_EQ(slider()->tickPosition(), QSlider::TicksBelow);
    EXPECT_EQ(slider()->tickInterval(), 1);
    EXPECT_EQ(slider()->singleStep(), 1);
    EXPECT_EQ(slider()->pageStep(), 5);
    EXPECT_EQ(progress()->value(), 0);
    EXPECT_EQ(progress()->maximum(), 100 * TenthsProgressBar::kStepsPerUnit);
    EXPECT_FALSE(progress()->isTextVisible());
}

TEST(WindowDirection, StaysLeftToRightUnderAMirroredLanguageOrReverse)
{
    QGuiApplication::setLayoutDirection(Qt::RightToLeft); // what -reverse does
    struct Restore {
        ~Restore() { QGuiApplication::setLayoutDirection(Qt::LeftToRight); }
    } restore;
    Form1 window;
    window.programEnder = [] {};
    window.Form_Load();
    window.gameWindow().menuapropos_Click();

    QMenuBar* bar = window.menuBar();
    const QList<QAction*> top = bar->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_LT(bar->actionGeometry(top[0]).x(), bar->actionGeometry(top[1]).x())
        << "\"&Quitter\" first, on the left";
    EXPECT_LT(bar->actionGeometry(top[0]).x(), 20);
    QList<QWidget*> all = window.findChildren<QWidget*>();
    all << top[1]->menu() << window.aboutDialog();
    for (QWidget* w : all)
        EXPECT_EQ(w->layoutDirection(), Qt::LeftToRight) << w->objectName().toStdString();
}

TEST_F(WindowTest, StartsInThePlacingPhaseWithTheFocusOnTheGrid)
{
    EXPECT_EQ(window->game().restant(), 10);
    EXPECT_EQ(window->game().souffle(), 0);
    EXPECT_EQ(QApplication::focusWidget(), child(QStringLiteral("Picture1")));
    // Only the grid box and the slider take the focus.
    int focusable = 0;
    for (QWidget* w : window->centralWidget()->findChildren<QWidget*>())
        if (w->focusPolicy() != Qt::NoFocus) {
            ++focusable;
            EXPECT_TRUE(w == slider() || w->objectName() == "Picture1")
                << w->objectName().toStdString();
        }
    EXPECT_EQ(focusable, 2);
    // Tab goes from the grid to the slider and back.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), slider());
    QTest::keyClick(slider(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), child(QStringLiteral("Picture1")));
}

TEST_F(WindowTest, AClickOnACellPlacesAShip)
{
    clickCell(37);
    EXPECT_EQ(cell(37)->pictureNumber(), 1);
    EXPECT_EQ(window->game().board().cellState(37), CellState::batjou);
    EXPECT_EQ(window->game().restant(), 9);
    // Clicks on a label or on the progress bar do nothing.
    QTest::mouseClick(label(QStringLiteral("Label4")), Qt::LeftButton);
    QTest::mouseClick(progress(), Qt::LeftButton);
    EXPECT_EQ(window->game().restant(), 9);
}

TEST_F(WindowTest, ADoubleClickIsOneClickWhilePlacingAndWhileShooting)
{
    slider()->setValue(100); // a computer that never runs out of breath here
    releaseSliderWith(Qt::RightButton);
    doubleClickCell(37);
    EXPECT_EQ(window->game().restant(), 9) << "one ship placed, not two";
    for (int i = 0; i < 9; ++i)
        clickCell(i);
    EXPECT_EQ(window->game().restant(), 0);
    EXPECT_TRUE(boxes.seen.empty());
    clickCell(99); // starts the shooting phase, and is the first shot

    int hidden = -1;
    for (int i = 10; i < 99 && hidden < 0; ++i)
        if (window->game().board().cellState(i) == CellState::batordi)
            hidden = i;
    ASSERT_GE(hidden, 0);
    const int replies = window->game().board().count(CellState::alo) +
                        window->game().board().count(CellState::joucoul);
    doubleClickCell(hidden);
    EXPECT_EQ(window->game().board().cellState(hidden), CellState::ordicoul)
        << "a second shot would have turned the hit into water";
    EXPECT_EQ(cell(hidden)->pictureNumber(), 3);
    EXPECT_EQ(window->game().board().count(CellState::alo) +
                  window->game().board().count(CellState::joucoul),
              replies + 1)
        << "one reply of the computer";
    EXPECT_EQ(window->game().restant(), -2);
}

TEST_F(WindowTest, AnyMouseReleaseOverTheSliderSetsTheBreathButTheKeyboardDoesNot)
{
    slider()->setValue(33);
    EXPECT_EQ(window->game().souffle(), 0);
    releaseSliderWith(Qt::RightButton); // on the groove's far left, not moving it
    EXPECT_EQ(window->game().souffle(), 33);
    EXPECT_EQ(progress()->maximum(), 462) << "46.2 in tenths";

    slider()->setFocus();
    QTest::keyClick(slider(), Qt::Key_Right);
    EXPECT_EQ(slider()->value(), 34);
    EXPECT_EQ(window->game().souffle(), 33);
    releaseSliderWith(Qt::MiddleButton);
    EXPECT_EQ(window->game().souffle(), slider()->value());

    // A left click on the groove moves the slider, then sets the breath on release.
    slider()->setValue(100);
    releaseSliderWith(Qt::LeftButton);
    EXPECT_EQ(window->game().souffle(), slider()->value());
    EXPECT_LT(slider()->value(), 100);
}

TEST_F(WindowTest, AWholeGamePlayedWithTheMouse)
{
    slider()->setValue(100);
    releaseSliderWith(Qt::RightButton);
    ASSERT_EQ(window->game().souffle(), 100);
    placeFleetOnRowA();
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(cell(i)->pictureNumber(), 1);
    EXPECT_TRUE(boxes.seen.empty());

    QLabel* banner = label(QStringLiteral("Label7"));
    QString bannerAtPrompt;
    QRect bannerGeometryAtPrompt;
    bool replayStillAsked = false;
    boxes.onBox = [&](const testing::SeenBox& box) {
        if (box.text != QStringLiteral("Rejouer ?"))
            return;
        bannerAtPrompt = banner->isVisible() ? banner->text() : QString();
        bannerGeometryAtPrompt = banner->geometry();
        // "Non" ends the program: neither Escape nor the close box may answer it.
        QWidget* prompt = QApplication::activeModalWidget();
        QTest::keyClick(prompt, Qt::Key_Escape);
        prompt->close();
        replayStillAsked = prompt->isVisible() && programEnds == 0;
    };
    clickCell(99); // starts the game, and is the first shot
    ASSERT_GE(boxes.seen.size(), 2u);
    EXPECT_EQ(boxes.texts().mid(0, 2),
              (QStringList{QStringLiteral("Vous avez posé vos 10 bateaux"),
                           QStringLiteral("Maintenant le JEUX commence !")}));
    EXPECT_EQ(boxes.titles().mid(0, 2), (QStringList{"Torvelle", "Torvelle"}));
    EXPECT_EQ(boxes.seen[0].buttons, QStringList{"OK"});

    // Shoot every cell in turn until someone wins.
    for (int i = 10; i < 99 && !boxes.texts().contains(QStringLiteral("Rejouer ?")); ++i) {
        const int scoreBefore = label(QStringLiteral("Label4"))->text().toInt();
        const bool hit = window->game().board().cellState(i) == CellState::batordi;
        clickCell(i);
        EXPECT_EQ(window->focusWidget(), window.get()) << "the focus back after a shot";
        if (hit && !boxes.texts().contains(QStringLiteral("Rejouer ?"))) {
            EXPECT_EQ(cell(i)->pictureNumber(), 3);
            EXPECT_EQ(label(QStringLiteral("Label4"))->text().toInt(), scoreBefore + 1);
        }
    }
    ASSERT_TRUE(boxes.texts().contains(QStringLiteral("Rejouer ?")));
    EXPECT_TRUE(replayStillAsked);
    const testing::SeenBox& prompt = boxes.seen.back();
    EXPECT_EQ(prompt.title, QStringLiteral("Torvelle !"));
    QStringList buttons = prompt.buttons;
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"Non", "Oui"}));
    EXPECT_TRUE(bannerAtPrompt.endsWith(QStringLiteral("\nGAGNE !")))
        << bannerAtPrompt.toStdString();
    // The banner's two lines fit: it grew downwards inside the score frame.
    EXPECT_GE(bannerGeometryAtPrompt.height(), 2 * banner->fontMetrics().lineSpacing());
    EXPECT_EQ(bannerGeometryAtPrompt.topLeft(), QPoint(8, 104));
    EXPECT_LE(bannerGeometryAtPrompt.bottom(), child(QStringLiteral("Frame1"))->height());

    // "Oui": a new game on a clean board, the banner empty but still shown.
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(cell(i)->pictureNumber(), 2) << i;
    EXPECT_EQ(label(QStringLiteral("Label4"))->text(), QString());
    EXPECT_EQ(label(QStringLiteral("Label6"))->text(), QString());
    EXPECT_TRUE(banner->isVisible());
    EXPECT_EQ(banner->text(), QString());
    EXPECT_EQ(window->game().restant(), 10);
    EXPECT_EQ(programEnds, 0);
}

TEST_F(WindowTest, ShowsTheProgressInTenthsAndAFullBarAboveTheMaximum)
{
    window->gameWindow().setProgressMaximum(46.2);
    window->gameWindow().setProgressValue(27);
    EXPECT_EQ(progress()->maximum(), 462);
    EXPECT_EQ(progress()->value(), 270);
    window->gameWindow().setProgressMaximum(28);
    window->gameWindow().setProgressValue(100);
    EXPECT_EQ(progress()->value(), progress()->maximum());
}

} // namespace
} // namespace torvelle
