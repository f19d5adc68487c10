// soak_test.cpp: tens of thousands of random player actions on the real window, checking
// after each one that what the window shows agrees with the game, and that memory stays flat.
#include <cstdlib>
#include <random>

#include <QPushButton>

#if defined(__SANITIZE_ADDRESS__)
// From the AddressSanitizer runtime; g++ ships no header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

#include "tests/window_fixture.h"
#include "ui/about_dialog.h"
#include "ui/message_box.h"
#include "ui/tenths_progress_bar.h"

namespace torvelle {
namespace {

using testing::WindowTest;

std::size_t liveHeapBytes()
{
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

unsigned soakSeed()
{
    const char* chosen = std::getenv("TORVELLE_SOAK_SEED");
    return chosen ? static_cast<unsigned>(std::strtoul(chosen, nullptr, 10)) : 20261207u;
}

class Soak : public WindowTest {
protected:
    // Everything the window shows agrees with the game's own state.
    void expectWindowAgreesWithGame()
    {
        const Game& game = window->game();
        for (int i = 0; i < Board::kCellCount; ++i)
            ASSERT_EQ(cells[i]->pictureNumber(), static_cast<int>(game.board().picture(i)))
                << "cell " << i;
        ASSERT_EQ(label4->text().toStdString(), game.playerScoreText());
        ASSERT_EQ(label6->text().toStdString(), game.computerScoreText());
        ASSERT_EQ(label7->isVisible(), game.bannerVisible());
        if (label7->isVisible()) { // hidden, it still holds its design caption
            ASSERT_EQ(label7->text(), displayText(game.bannerText()));
        }
        ASSERT_DOUBLE_EQ(bar->realMaximum(), game.opponent().progressMaximum());
        ASSERT_DOUBLE_EQ(bar->realValue(), game.opponent().progressValue());
        ASSERT_GE(slider()->value(), 20);
        ASSERT_LE(slider()->value(), 100);
    }

    void randomAction(std::mt19937& random)
    {
        const auto below = [&random](int n) { return static_cast<int>(random() % n); };
        const int kind = below(100);
        if (kind < 70) {
            clickCell(below(100));
        } else if (kind < 78) {
            const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
            const QPoint at(below(slider()->width()), 8);
            const Qt::MouseButton button = buttons[below(3)];
            QTest::mousePress(slider(), button, {}, at);
            QTest::mouseRelease(slider(), button, {}, at);
        } else if (kind < 82) {
            QTest::keyClick(slider(), below(2) ? Qt::Key_Left : Qt::Key_PageUp);
        } else if (kind < 85) {
            window->gameWindow().menuaide_Click();
        } else if (kind < 93) {
            Dialog* about = window->aboutDialog();
            if (!about || below(3) == 0) {
                window->gameWindow().menuapropos_Click();
            } else if (below(2)) {
                about->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
            } else if (below(2)) {
                about->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
            } else {
                about->close();
            }
        } else {
            QTest::keyClick(below(2) ? child(QStringLiteral("Picture1")) : window.get(),
                            static_cast<Qt::Key>(Qt::Key_A + below(26)));
        }
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::array<CellImage*, 100> cells{};
    QLabel *label4 = nullptr, *label6 = nullptr, *label7 = nullptr;
    TenthsProgressBar* bar = nullptr;
};

TEST_F(Soak, TwentyThousandRandomActionsKeepTheWindowTrueToTheGame)
{
    constexpr int kEvents = 20000;
    constexpr int kWarmUpGames = 20;
    const unsigned seed = soakSeed();
    SCOPED_TRACE(::testing::Message() << "replay with TORVELLE_SOAK_SEED=" << seed);
    std::mt19937 random(seed);
    for (int i = 0; i < 100; ++i)
        cells[i] = cell(i);
    label4 = label(QStringLiteral("Label4"));
    label6 = label(QStringLiteral("Label6"));
    label7 = label(QStringLiteral("Label7"));
    bar = child<TenthsProgressBar>(QStringLiteral("Progre"));

    int games = 0, measuredGames = 0;
    std::size_t heapAfterWarmUp = 0, heapAtLastGame = 0;
    for (int event = 0; event < kEvents; ++event) {
        SCOPED_TRACE(::testing::Message() << "event " << event);
        randomAction(random);
        ASSERT_NO_FATAL_FAILURE(expectWindowAgreesWithGame());

        games += static_cast<int>(boxes.texts().count(QStringLiteral("Rejouer ?")));
        boxes.seen.clear();
        // Memory is compared between game ends with the About dialog closed, so
        // that the same things are alive each time.
        if (games > measuredGames && !window->aboutDialog()) {
            measuredGames = games;
            heapAtLastGame = liveHeapBytes();
            if (heapAfterWarmUp == 0 && games >= kWarmUpGames)
                heapAfterWarmUp = heapAtLastGame;
        }
    }
    EXPECT_EQ(programEnds, 0);
    ASSERT_GT(games, kWarmUpGames * 3) << "too few games ended to judge the memory";
    ASSERT_GT(heapAfterWarmUp, 0u);
    const auto growth =
        static_cast<long long>(heapAtLastGame) - static_cast<long long>(heapAfterWarmUp);
    std::printf("soak: %d events, %d games, live heap %zu bytes after %d games, %zu at the last "
                "(growth %lld bytes)\n",
                kEvents, games, heapAfterWarmUp, kWarmUpGames, heapAtLastGame, growth);
    EXPECT_LT(growth, 256 * 1024) << "memory grows from game to game";
}

} // namespace
} // namespace torvelle
