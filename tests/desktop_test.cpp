// desktop_test.cpp: the real windows on real desktops: openbox and xfwm4 on X11, headless Weston.
// Run through run_on_desktop.sh, which starts the desktop and names it in TORVELLE_DESKTOP.
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QWindow>
#include <xcb/xcb.h>

#include "about_dialog.h"
#include "window_fixture.h"

namespace torvelle {
namespace {

using testing::WindowTest;

const QString desktop = qEnvironmentVariable("TORVELLE_DESKTOP");
const bool onX11 = desktop == QLatin1String("openbox") || desktop == QLatin1String("xfwm4");

// The atoms a window manager published in one property of a window, by name.
QStringList atomsOf(const QWidget* window, const char* property)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11->connection();
    auto intern = [c](const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, static_cast<uint16_t>(qstrlen(name)), name), nullptr);
        const xcb_atom_t atom = reply->atom;
        std::free(reply);
        return atom;
    };
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c,
                               xcb_get_property(c, 0, static_cast<xcb_window_t>(window->winId()),
                                                intern(property), XCB_ATOM_ATOM, 0, 64),
                               nullptr);
    QStringList names;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
    for (int i = 0; i < xcb_get_property_value_length(reply) / 4; ++i) {
        xcb_get_atom_name_reply_t* name =
            xcb_get_atom_name_reply(c, xcb_get_atom_name(c, atoms[i]), nullptr);
        names << QString::fromLatin1(xcb_get_atom_name_name(name),
                                     xcb_get_atom_name_name_length(name));
        std::free(name);
    }
    std::free(reply);
    return names;
}

// Framed by the window manager: the frame differs from the client area.
bool framed(const QWidget* window)
{
    return QTest::qWaitFor([window] { return window->frameGeometry() != window->geometry(); },
                           5000);
}

// A key or a click as the desktop's own input: through the X server, to whoever gets it.
void xdotool(const QStringList& arguments)
{
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), arguments), 0) << "xdotool failed";
}

// Alt+Tab as a person types it: the window manager grabs the keyboard on Alt+Tab
// and switches on the release of Alt.
void altTab()
{
    xdotool({"keydown", "alt", "sleep", "0.1", "key", "Tab", "sleep", "0.1", "keyup", "alt"});
}

void clickOnScreen(QWidget* widget, QPoint at)
{
    const QPoint global = widget->mapToGlobal(at);
    if (!onX11) { // Wayland lets no client move the pointer: through Qt's input instead
        QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, {},
                          widget->mapTo(widget->window(), at));
        return;
    }
    xdotool({"mousemove", QString::number(global.x()), QString::number(global.y()), "click", "1"});
}

class RealDesktop : public WindowTest {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(desktop.isEmpty()) << "run through run_on_desktop.sh";
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    // The frame properties every window of the game shares, as the window manager offers them.
    static void expectCloseBoxOnly(const QWidget* w)
    {
        ASSERT_TRUE(framed(w));
        const QStringList actions = atomsOf(w, "_NET_WM_ALLOWED_ACTIONS");
        EXPECT_TRUE(actions.contains("_NET_WM_ACTION_CLOSE")) << actions.join(' ').toStdString();
        for (const char* absent : {"_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT",
                                   "_NET_WM_ACTION_RESIZE"})
            EXPECT_FALSE(actions.contains(absent)) << absent;
        // openbox always offers minimise; its Alt+Tab is the way back (see WayBack).
        EXPECT_EQ(actions.contains("_NET_WM_ACTION_MINIMIZE"), desktop == "openbox");
    }
};

TEST_F(RealDesktop, TheWindowAppearsFramedAtItsSizeInTheMiddleOfTheScreen)
{
    EXPECT_EQ(window->centralWidget()->size(), QSize(551, 372));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    if (!onX11) {
        // Wayland: the game's own frame, with its close box only.
        EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_NE(window->findChild<QWidget*>(QStringLiteral("frame")), nullptr);
        return;
    }
    expectCloseBoxOnly(window.get());
    const QPoint middle = window->screen()->availableGeometry().center();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return (window->frameGeometry().center() - middle).manhattanLength() <= 2; }, 3000))
        << "the whole frame centred, not " << window->frameGeometry().center().x() << ","
        << window->frameGeometry().center().y();
    const QStringList state = atomsOf(window.get(), "_NET_WM_STATE");
    EXPECT_EQ(state.contains("_NET_WM_STATE_SKIP_TASKBAR"), desktop == "openbox")
        << "off the task bar only where Alt+Tab still reaches it";
    const QStringList type = atomsOf(window.get(), "_NET_WM_WINDOW_TYPE");
    ASSERT_FALSE(type.isEmpty());
    EXPECT_EQ(type.first(), QStringLiteral("_NET_WM_WINDOW_TYPE_DIALOG"));
}

TEST_F(RealDesktop, AWholeGameIsPlayedWithClicksAndEveryBoxShowsWhole)
{
    std::vector<QStringList> boxActions;
    boxes.onBox = [&](const testing::SeenBox&) {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        if (onX11 && framed(box))
            boxActions.push_back(atomsOf(box, "_NET_WM_ALLOWED_ACTIONS"));
        // A line that fits on the screen is never wrapped, the give-up message included.
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        EXPECT_EQ(label->height() / label->fontMetrics().lineSpacing(), box->text().count('\n') + 1)
            << box->text().toStdString();
    };
    for (int i = 0; i < 10; ++i)
        clickOnScreen(cell(i), {16, 16});
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->game().restant() == 0; }, 5000));
    // The breath is 0: the computer gives up at its first wasted draw.
    for (int i = 10; i < 100 && !boxes.texts().contains("Rejouer ?"); ++i) {
        const int before = window->game().restant();
        clickOnScreen(cell(i), {16, 16});
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->game().restant() != before; }, 5000))
            << "click " << i;
    }
    ASSERT_TRUE(boxes.texts().contains("Rejouer ?"));
    EXPECT_EQ(window->game().restant(), 10) << "\"Oui\": a new game";
    for (const QStringList& actions : boxActions) {
        EXPECT_TRUE(actions.contains("_NET_WM_ACTION_CLOSE"));
        EXPECT_FALSE(actions.contains("_NET_WM_ACTION_MAXIMIZE_HORZ"));
        EXPECT_FALSE(actions.contains("_NET_WM_ACTION_RESIZE"));
        if (desktop != "openbox") { // which may offer minimise (see above)
            EXPECT_FALSE(actions.contains("_NET_WM_ACTION_MINIMIZE"));
        }
    }
}

TEST_F(RealDesktop, TheKeyboardAlwaysFindsTheWayBackToTheGame)
{
    if (!onX11)
        GTEST_SKIP() << "Weston's headless desktop has no window switcher";
    // Another program's window over the whole screen, active.
    QProcess cover;
    cover.start(QStringLiteral("xmessage"), {"-geometry", "1024x768+0+0", "cover"});
    ASSERT_TRUE(cover.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->isActiveWindow(); }, 5000));
    QTest::qWait(300); // the window manager done with the new window
    altTab();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get())) << "covered, then Alt+Tab";

    if (desktop == "openbox") { // the one that offers minimise
        window->showMinimized();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !window->isActiveWindow(); }, 5000));
        QTest::qWait(300); // the window manager done with the new window
        altTab();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get())) << "minimised, then Alt+Tab";
        EXPECT_TRUE(QTest::qWaitFor([this] { return !window->isMinimized(); }, 3000));
    }
    cover.kill();
    cover.waitForFinished();
}

TEST_F(RealDesktop, AboutBringsTheDialogBackFromTheIconicState)
{
    window->menuapropos_Click();
    Dialog* about = window->aboutDialog();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
    if (onX11) {
        expectCloseBoxOnly(about);
        EXPECT_EQ(atomsOf(about, "_NET_WM_STATE").contains("_NET_WM_STATE_SKIP_TASKBAR"),
                  desktop == "openbox");
    }
    const QString version = about->findChild<QLabel*>(QStringLiteral("Label2"))->text();
    about->showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([about] { return about->isMinimized(); }, 5000));
    window->activateWindow();
    QTest::qWait(200);

    window->menuapropos_Click();
    EXPECT_EQ(window->aboutDialog(), about) << "the same dialog";
    EXPECT_TRUE(
        QTest::qWaitFor([about] { return !about->isMinimized() && about->isVisible(); }, 5000));
    if (onX11) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(about));
    }
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("Label2"))->text(), version);
}

} // namespace
} // namespace torvelle
