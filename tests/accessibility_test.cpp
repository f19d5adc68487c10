// accessibility_test.cpp: what a screen reader hears of the window, through Qt's accessibility.
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QRegularExpression>

#include "tests/window_fixture.h"

namespace torvelle {
namespace {

using testing::WindowTest;

QAccessibleInterface* accessible(QObject* object)
{
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(found, nullptr);
    return found;
}

QString name(QObject* o)
{
    return accessible(o)->text(QAccessible::Name);
}
QString description(QObject* o)
{
    return accessible(o)->text(QAccessible::Description);
}

TEST_F(WindowTest, CellsAreAnnouncedByNameAndByWhatThePlayerSeesThere)
{
    EXPECT_EQ(name(cell(0)), QStringLiteral("A1, mer"));
    EXPECT_EQ(name(cell(9)), QStringLiteral("A10, mer"));
    EXPECT_EQ(name(cell(10)), QStringLiteral("B1, mer"));
    EXPECT_EQ(name(cell(99)), QStringLiteral("J10, mer"));
    EXPECT_EQ(accessible(cell(0))->role(), QAccessible::Button);
    // A group of cells, not a window of its own.
    EXPECT_EQ(accessible(child(QStringLiteral("Picture1")))->role(), QAccessible::Grouping);

    const QString sea = description(cell(50));
    EXPECT_EQ(sea, QStringLiteral("mer"));
    QStringList seen;
    for (int picture = 1; picture <= 6; ++picture) {
        window->gameWindow().showCellPicture(20, picture);
        seen << description(cell(20));
    }
    seen.removeDuplicates();
    EXPECT_EQ(seen.size(), 6) << "six pictures, six different descriptions";
}

TEST_F(WindowTest, AHiddenComputerShipSoundsExactlyLikeOpenSea)
{
    placeFleetOnRowA();
    clickCell(99); // the computer hides its fleet, then the first shot
    int hidden = 0;
    for (int i = 0; i < 100; ++i) {
        if (window->game().board().cellState(i) != CellState::batordi)
            continue;
        ++hidden;
        QAccessibleInterface* ship = accessible(cell(i));
        EXPECT_EQ(ship->text(QAccessible::Description), QStringLiteral("mer")) << i;
        EXPECT_EQ(ship->text(QAccessible::Name), name(cell(i)));
        EXPECT_EQ(ship->role(), QAccessible::Button);
    }
    EXPECT_GE(hidden, 9);
}

TEST_F(WindowTest, PressingACellThroughAssistiveTechnologyClicksIt)
{
    QAccessibleActionInterface* actions = accessible(cell(42))->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor(
        [this] { return window->game().board().cellState(42) == CellState::batjou; }, 1000));
    EXPECT_EQ(description(cell(42)), QStringLiteral("votre bateau"));
    // Not while a message box holds the window, as the mouse cannot either.
    boxes.onBox = [&](const testing::SeenBox&) {
        accessible(cell(43))->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        QTest::qWait(50);
    };
    window->gameWindow().menuaide_Click();
    QTest::qWait(50);
    EXPECT_EQ(window->game().board().cellState(43), CellState::mer);
}

TEST_F(WindowTest, LabelsReadTheirTextAndSayWhatTheyAre)
{
    for (const char* n : {"Label3", "Label5", "Label8", "Label9", "Label1(0)", "Label2(9)"})
        EXPECT_EQ(name(label(QString::fromLatin1(n))), label(QString::fromLatin1(n))->text()) << n;
    EXPECT_EQ(description(label(QStringLiteral("Label4"))), QStringLiteral("Score du joueur"));
    EXPECT_EQ(description(label(QStringLiteral("Label6"))),
              QStringLiteral("Score de l'ordinateur"));
    EXPECT_EQ(description(label(QStringLiteral("Label7"))), QStringLiteral("Annonce du vainqueur"));
    // Empty, a score is named after nothing, never after its group box.
    for (const char* empty : {"Label4", "Label6"})
        EXPECT_EQ(name(label(QString::fromLatin1(empty))), QString()) << empty;
    window->gameWindow().setPlayerScoreText("4");
    EXPECT_EQ(name(label(QStringLiteral("Label4"))), QStringLiteral("4"));
}

TEST_F(WindowTest, SliderAndProgressExposeTheirValues)
{
    QAccessibleInterface* difficulty = accessible(slider());
    EXPECT_EQ(difficulty->text(QAccessible::Name), QStringLiteral("Difficulté"));
    slider()->setValue(57);
    ASSERT_NE(difficulty->valueInterface(), nullptr);
    EXPECT_EQ(difficulty->valueInterface()->currentValue().toInt(), 57);
    EXPECT_EQ(difficulty->valueInterface()->minimumValue().toInt(), 20);

    window->gameWindow().setProgressMaximum(46.2);
    window->gameWindow().setProgressValue(27);
    QAccessibleInterface* bar = accessible(progress());
    EXPECT_EQ(bar->role(), QAccessible::ProgressBar);
    ASSERT_NE(bar->valueInterface(), nullptr);
    EXPECT_DOUBLE_EQ(bar->valueInterface()->maximumValue().toDouble(), 46.2);
    EXPECT_DOUBLE_EQ(bar->valueInterface()->currentValue().toDouble(), 27.0);
}

// What a screen reader is told without asking: a notification, each time it appears.
struct Listener : QObject {
    QString heard;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        QAccessibleInterface* said = QAccessible::queryAccessibleInterface(watched);
        if (event->type() == QEvent::Show && said->role() == QAccessible::Notification)
            heard += said->text(QAccessible::Name);
        return false;
    }
};

TEST_F(WindowTest, EveryTurnIsToldWithItsCellsAndResultsAndNeverAHiddenShip)
{
    Listener listener;
    for (QWidget* w : window->findChildren<QWidget*>())
        w->installEventFilter(&listener);
    // Boxes carry what is still to be told of a click, read with them; the board as they
    // opened on it, since "Oui" to "Rejouer ?" clears it.
    std::array<CellState, 100> board{};
    const auto look = [&] {
        for (int c = 0; c < 100; ++c)
            board[c] = window->game().board().cellState(c);
    };
    boxes.onBox = [&](const testing::SeenBox&) {
        listener.heard += description(QApplication::activeModalWidget());
        look();
    };
    releaseSliderWith(Qt::LeftButton);
    for (int i = 0; i < 100 && !boxes.texts().contains(QStringLiteral("Rejouer ?")); ++i) {
        look();
        const std::array<CellState, 100> before = board;
        listener.heard.clear();
        clickCell(i);
        if (!boxes.texts().contains(QStringLiteral("Rejouer ?")))
            look();
        const QString& said = listener.heard;
        const auto names = [&said](int c) { // as a whole word: "B1" is not in "B10"
            return said.contains(
                QRegularExpression(QStringLiteral("\\b%1%2\\b")
                                       .arg(QChar('A' + c / 10), QString::number(c % 10 + 1))));
        };
        for (int c = 0; c < 100; ++c) {
            const QString result = board[c] == CellState::alo ? QStringLiteral("dans l'eau")
                                                              : QStringLiteral("touché");
            const bool hidden = board[c] == CellState::batordi;
            const bool shot = !hidden && board[c] != before[c] && i >= 10; // either side's
            EXPECT_FALSE(hidden && names(c)) << "a hidden ship told: " << said.toStdString();
            EXPECT_TRUE(!shot || (names(c) && said.contains(result)))
                << c << ": " << said.toStdString();
        }
        // A ship placed, and how many are left to place.
        const QRegularExpression left(QStringLiteral("\\b%1 bateau").arg(9 - i));
        EXPECT_TRUE(i >= 10 || (names(i) && said.contains(left) == (i < 9))) << said.toStdString();
    }
    EXPECT_TRUE(listener.heard.contains(QStringLiteral("GAGNE"))) << "the winner, with Rejouer ?";
}

TEST_F(WindowTest, MessageBoxesAreReadAsDialogsWithTheirText)
{
    QString role, text;
    boxes.onBox = [&](const testing::SeenBox&) {
        QAccessibleInterface* box = accessible(QApplication::activeModalWidget());
        role = box->role() == QAccessible::Dialog || box->role() == QAccessible::AlertMessage
                   ? QStringLiteral("dialog")
                   : QString::number(box->role());
        for (int i = 0; i < box->childCount(); ++i)
            if (box->child(i)->role() == QAccessible::StaticText)
                text += box->child(i)->text(QAccessible::Name);
    };
    window->gameWindow().menuaide_Click();
    EXPECT_EQ(role, QStringLiteral("dialog"));
    EXPECT_TRUE(text.contains(QStringLiteral("Salut !!"))) << text.toStdString();
}

} // namespace
} // namespace torvelle
