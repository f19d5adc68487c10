// accessibility_test.cpp: what a screen reader hears of the window, through Qt's accessibility.
#include <QAccessible>
#include <QAccessibleValueInterface>

#include "window_fixture.h"

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
    EXPECT_EQ(name(cell(0)), QStringLiteral("A1"));
    EXPECT_EQ(name(cell(9)), QStringLiteral("A10"));
    EXPECT_EQ(name(cell(10)), QStringLiteral("B1"));
    EXPECT_EQ(name(cell(99)), QStringLiteral("J10"));
    EXPECT_EQ(accessible(cell(0))->role(), QAccessible::Button);

    const QString sea = description(cell(50));
    EXPECT_EQ(sea, QStringLiteral("mer"));
    QStringList seen;
    for (int picture = 1; picture <= 6; ++picture) {
        window->showCellPicture(20, picture);
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
    EXPECT_EQ(window->game().board().cellState(42), CellState::batjou);
    EXPECT_EQ(description(cell(42)), QStringLiteral("votre bateau"));
}

TEST_F(WindowTest, LabelsReadTheirTextAndSayWhatTheyAre)
{
    for (const char* n : {"Label3", "Label5", "Label8", "Label9", "Label1(0)", "Label2(9)"})
        EXPECT_EQ(name(label(QString::fromLatin1(n))), label(QString::fromLatin1(n))->text()) << n;
    EXPECT_EQ(description(label(QStringLiteral("Label4"))), QStringLiteral("Score du joueur"));
    EXPECT_EQ(description(label(QStringLiteral("Label6"))),
              QStringLiteral("Score de l'ordinateur"));
    EXPECT_EQ(description(label(QStringLiteral("Label7"))), QStringLiteral("Annonce du vainqueur"));
    window->setPlayerScoreText("4");
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

    window->setProgressMaximum(46.2);
    window->setProgressValue(27);
    QAccessibleInterface* bar = accessible(progress());
    EXPECT_EQ(bar->role(), QAccessible::ProgressBar);
    ASSERT_NE(bar->valueInterface(), nullptr);
    EXPECT_DOUBLE_EQ(bar->valueInterface()->maximumValue().toDouble(), 46.2);
    EXPECT_DOUBLE_EQ(bar->valueInterface()->currentValue().toDouble(), 27.0);
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
    window->menuaide_Click();
    EXPECT_EQ(role, QStringLiteral("dialog"));
    EXPECT_TRUE(text.contains(QStringLiteral("Salut !!"))) << text.toStdString();
}

} // namespace
} // namespace torvelle
