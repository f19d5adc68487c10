// window_bench.cpp: a click on a cell of the real window, answered and repainted.
// Each timed iteration is one shot of the player, the computer's reply, and the
// board painted again; the message boxes that end a game are answered at once.
#include <random>

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include "tests/modal_answerer.h"
#include "ui/cell_image.h"
#include "ui/main_window.h"

namespace {

void ClickAnsweredAndRepainted(benchmark::State& state)
{
    torvelle::testing::ModalAnswerer boxes;
    torvelle::Form1 window;
    window.Form_Load();
    auto* slider = window.findChild<QWidget*>(QStringLiteral("Slider1"));
    QTest::mouseClick(slider, Qt::RightButton, {}, QPoint(slider->width() - 4, 8));
    const QList<torvelle::CellImage*> cells = window.findChildren<torvelle::CellImage*>();
    std::mt19937 random(3);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        // Placements are not what is measured: keep them out of the timing.
        state.PauseTiming();
        while (!window.game().enjeu())
            window.game().Image1_Click(static_cast<int>(random() % 100));
        boxes.seen.clear();
        state.ResumeTiming();
        QTest::mouseClick(cells[random() % cells.size()], Qt::LeftButton, {}, QPoint(16, 16));
        QCoreApplication::processEvents(); // the repaint
    }
}
BENCHMARK(ClickAnsweredAndRepainted)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
