// about_dialog_test.cpp: the About box: its texts, its one instance, its payment message, its end.
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include "design/dialog_design.h"
#include "design/ui_texts.h"
#include "tests/window_fixture.h"
#include "ui/about_dialog.h"

namespace torvelle {
namespace {

using testing::WindowTest;

// The notice and the payment message as the player reads them, written out once.
const QString kNotice = QStringLiteral("Partagiciel : jouer souvent, c'est payer\n"
                                       "        torvelle@example.org\n"
                                       "\n"
                                       "Copie libre et gratuite, vente interdite.\n"
                                       "Tous droits réservés à l'auteur.");
const QString kPayment = QStringLiteral("Si vous jouez souvent à Torvelle,\n"
                                        "envoyez 20 F (ou ce que vous voudrez) à :\n"
                                        "Les Amis Imaginaires de Torvelle\n"
                                        "12, rue de Nulle-Part\n"
                                        "00000 Ville-Fictive\n"
                                        "\n"
                                        "Merci d'avance");

TEST(AboutVersion, RunsTheMinorNumberAndTheRevisionTogether)
{
    EXPECT_EQ(ui_texts::aboutVersionText(1, 0, 3),
              "Version 1.03 --  Le Logiciel français\r\n           de Torvelle");
    EXPECT_EQ(ui_texts::aboutVersionText(1, 10, 15),
              "Version 1.1015 --  Le Logiciel français\r\n           de Torvelle");
}

class AboutDialog : public WindowTest {
protected:
    Dialog* open()
    {
        window->gameWindow().menuapropos_Click();
        return window->aboutDialog();
    }
    static QLabel* label(Dialog* d, const char* name) { return d->findChild<QLabel*>(name); }
    static QPushButton* button(Dialog* d, const char* name)
    {
        return d->findChild<QPushButton*>(name);
    }
    static int openDialogs()
    {
        int count = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            count += qobject_cast<Dialog*>(w) != nullptr;
        return count;
    }
};

TEST_F(AboutDialog, OpensWithItsTextsWhereTheyBelong)
{
    Dialog* d = open();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->windowTitle(), QStringLiteral("A propos de TORVELLE"));
    testing::expectBuiltAsDesigned(d->findChild<QWidget*>(QStringLiteral("client")),
                                   design::dialog::kWindow);
    EXPECT_EQ(d->size(), QSize(391, 155));
    EXPECT_EQ(d->minimumSize(), d->maximumSize());
    EXPECT_EQ(d->grab().toImage().pixelColor(2, 150), QColor(192, 192, 192));
    EXPECT_FALSE(d->windowIcon().isNull());

    QLabel* name = label(d, "Label1");
    EXPECT_EQ(name->text(), QStringLiteral("TORVELLE"));

    QLabel* version = label(d, "Label2");
    EXPECT_EQ(version->text(),
              QStringLiteral("Version 1.03 --  Le Logiciel français\n           de Torvelle"));
    QLabel* notice = label(d, "Label3");
    EXPECT_EQ(notice->text(), kNotice);
    for (QLabel* l : {name, version, notice}) {
        // Fitted to their texts, and clear of the dialog's edge.
        EXPECT_GE(l->width(), l->sizeHint().width()) << l->objectName().toStdString();
        EXPECT_LE(l->geometry().bottom(), 155) << l->objectName().toStdString();
    }
    EXPECT_LT(notice->geometry().right(), 304) << "the notice stays clear of the buttons";

    QPushButton* ok = button(d, "OKButton");
    QPushButton* pay = button(d, "Command1");
    for (QPushButton* b : {ok, pay}) {
        EXPECT_FALSE(b->isDefault());
        EXPECT_FALSE(b->autoDefault());
    }
    EXPECT_EQ(d->focusWidget(), ok);
    EXPECT_EQ(ok->nextInFocusChain(), pay);
}

TEST_F(AboutDialog, OpeningItAgainBringsTheSameDialogForwardUntouched)
{
    Dialog* first = open();
    label(first, "Label2")->setText(QStringLiteral("marqué"));
    Dialog* second = open();
    EXPECT_EQ(first, second);
    EXPECT_EQ(openDialogs(), 1);
    EXPECT_EQ(label(second, "Label2")->text(), QStringLiteral("marqué")) << "texts not rebuilt";
}

TEST_F(AboutDialog, PaymentCanBeAskedAgainAndAgainWithTheDialogStillOpen)
{
    Dialog* d = open();
    QTest::mouseClick(button(d, "Command1"), Qt::LeftButton);
    QTest::mouseClick(button(d, "Command1"), Qt::LeftButton);
    // Enter presses the focused button too, though neither is the default.
    button(d, "Command1")->setFocus();
    QTest::keyClick(d, Qt::Key_Return);
    QTest::keyClick(d, Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_EQ(boxes.seen.size(), 4u);
    for (const testing::SeenBox& box : boxes.seen) {
        EXPECT_EQ(box.title, QStringLiteral("Pour payer Torvelle"));
        EXPECT_EQ(box.text, kPayment);
        EXPECT_EQ(box.buttons, QStringList{"OK"});
    }
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(window->aboutDialog(), d);
}

TEST_F(AboutDialog, OkUnloadsItAndTheNextOpeningLoadsItAfresh)
{
    Dialog* d = open();
    label(d, "Label2")->setText(QStringLiteral("marqué"));
    QTest::mouseClick(button(d, "OKButton"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->aboutDialog(), nullptr);
    EXPECT_EQ(openDialogs(), 0);

    Dialog* again = open();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(label(again, "Label2")->text().startsWith(QStringLiteral("Version 1.03")));
}

TEST_F(AboutDialog, TheGameGoesOnBehindIt)
{
    open();
    clickCell(5);
    EXPECT_EQ(cell(5)->pictureNumber(), 1);
}

TEST_F(AboutDialog, OutlivesTheMainWindowAndTheProgramEndsWithIt)
{
    Dialog* d = open();
    bool aliveAfterMainWindowClosed = false;
    QTimer::singleShot(0, [&] {
        window->close();
        QTimer::singleShot(50, [&] {
            aliveAfterMainWindowClosed = !window->isVisible() && d->isVisible();
            button(d, "OKButton")->click();
        });
    });
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(10000);
    const QString previous = QDir::currentPath();
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    const int code = QApplication::exec();
    QDir::setCurrent(previous);

    EXPECT_EQ(code, 0) << "the last window closed ends the program";
    EXPECT_TRUE(aliveAfterMainWindowClosed);
    EXPECT_EQ(boxes.texts(), QStringList{"A bientot !!"});
}

TEST_F(AboutDialog, EndingTheProgramTakesTheDialogWithIt)
{
    open();
    window.reset(); // what happens once the event loops have ended
    EXPECT_EQ(openDialogs(), 0);
}

} // namespace
} // namespace torvelle
