// window_fixture.h: the real main window, loaded, with the means to click it like a player.
#pragma once

#include <memory>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

#include "design/form.h"
#include "tests/modal_answerer.h"
#include "ui/cell_image.h"
#include "ui/main_window.h"
#include "ui/message_box.h"

namespace torvelle::testing {

// What a window built, held against its design: every control by its name, at its place (a
// fitted label at its corner), in its font and colour, shown or hidden.
inline void expectBuiltAsDesigned(const QWidget* client, const design::Window& window)
{
    EXPECT_EQ(client->size(), QSize(window.clientWidth, window.clientHeight));
    for (const design::Control& c : window.controls) {
        SCOPED_TRACE(std::string(c.name));
        const auto* w = client->findChild<const QWidget*>(
            QString::fromUtf8(c.name.data(), static_cast<qsizetype>(c.name.size())));
        ASSERT_NE(w, nullptr);
        const design::Rect r = c.rect;
        EXPECT_EQ(w->pos(), QPoint(r.left, r.top));
        const QString text = displayText(c.text);
        if (const auto* label = qobject_cast<const QLabel*>(w); label && r.width > 0) {
            EXPECT_EQ(label->text(), text); // a fitted label gets its text at load
        }
        if (const auto* frame = qobject_cast<const QGroupBox*>(w)) {
            EXPECT_EQ(frame->title(), text);
        }
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            EXPECT_EQ(button->text(), text);
        }
        if (r.width > 0) {
            EXPECT_EQ(w->size(), QSize(r.width, r.height));
        }
        const design::Font font = c.font.value_or(window.font);
        EXPECT_EQ(w->font().family(), QString::fromUtf8(font.face.empty() ? window.font.face.data()
                                                                          : font.face.data()));
        EXPECT_EQ(w->font().pointSizeF(), font.points);
        EXPECT_EQ(w->font().bold(), font.bold);
        if (c.colour) {
            EXPECT_EQ(w->palette().color(QPalette::WindowText),
                      QColor(c.colour->red, c.colour->green, c.colour->blue));
        }
        EXPECT_EQ(w->isVisibleTo(w->window()), c.visible);
    }
}

class WindowTest : public ::testing::Test {
protected:
    WindowTest()
    {
        window = std::make_unique<Form1>();
        window->programEnder = [this] { ++programEnds; };
        window->Form_Load();
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
    }

    template <typename T = QWidget> T* child(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    CellImage* cell(int i) const { return child<CellImage>(QStringLiteral("Image1(%1)").arg(i)); }
    QLabel* label(const QString& name) const { return child<QLabel>(name); }
    QSlider* slider() const { return child<QSlider>(QStringLiteral("Slider1")); }
    QProgressBar* progress() const { return child<QProgressBar>(QStringLiteral("Progre")); }

    void clickCell(int i) { QTest::mouseClick(cell(i), Qt::LeftButton, {}, QPoint(16, 16)); }
    // Through the window, as the desktop delivers it: press, release, press, release.
    void doubleClickCell(int i)
    {
        QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {},
                           cell(i)->mapTo(window.get(), QPoint(16, 16)));
    }
    void releaseSliderWith(Qt::MouseButton button)
    {
        QTest::mousePress(slider(), button, {}, QPoint(2, 8));
        QTest::mouseRelease(slider(), button, {}, QPoint(2, 8));
    }
    void placeFleetOnRowA()
    {
        for (int i = 0; i < 10; ++i)
            clickCell(i);
    }

    ModalAnswerer boxes;
    std::unique_ptr<Form1> window;
    int programEnds = 0;
};

} // namespace torvelle::testing
