// draw_source.h: where the computer's random numbers come from.
#pragma once

namespace torvelle {

// A uniform number r with 0 <= r < 1 per call. The game owns the production
// generator; tests put a scripted source in its place to choose the draws.
class DrawSource {
public:
    virtual ~DrawSource() = default;
    virtual double next() = 0;
};

} // namespace torvelle
