// scripted_draws.h: draw sources for tests: chosen cells, or a seeded stream.
#pragma once

#include <deque>
#include <random>
#include <stdexcept>

#include <gtest/gtest.h>

#include "core/draw_source.h"

namespace torvelle::testing {

// Hands out the cells a test wants the computer to draw, in order.
class ScriptedDraws : public DrawSource {
public:
    std::deque<int> cells;

    double next() override
    {
        // Thrown, not just reported: a computer hiding its fleet would draw for ever.
        if (cells.empty())
            throw std::logic_error("the computer drew more cells than the test scripted");
        const int cell = cells.front();
        cells.pop_front();
        // The middle of the cell's hundredth, so that 100 * r lands on it.
        return (cell + 0.5) / 100.0;
    }
};

// A seeded stream for the many-games tests, independent of the game's own generator.
class SeededDraws : public DrawSource {
public:
    explicit SeededDraws(unsigned seed) : engine_(seed) {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

private:
    std::mt19937 engine_;
};

} // namespace torvelle::testing
