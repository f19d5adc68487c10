// window_fixture.h: the real main window, loaded, with the means to click it like a player.
#pragma once

#include <memory>

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

#include "cell_image.h"
#include "main_window.h"
#include "modal_answerer.h"

namespace torvelle::testing {

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
