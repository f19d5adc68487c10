// readable_colour.cpp: a text's lightness raised on dark grounds until it reads at 4.5 : 1.
#include "design/readable_colour.h"

#include <algorithm>
#include <cmath>

namespace torvelle::design {

namespace {

constexpr double kReadable = 4.5;
// Below this luminance black text would read worse than white: the ground is dark.
constexpr double kDarkGround = 0.179;

double luminance(Rgb colour)
{
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

struct Hsl {
    double hue, saturation, lightness; // hue in turns, 0 to 1
};

Hsl toHsl(Rgb c)
{
    const double r = c.red / 255.0;
    const double g = c.green / 255.0;
    const double b = c.blue / 255.0;
    const double high = std::max({r, g, b});
    const double low = std::min({r, g, b});
    const double lightness = (high + low) / 2;
    const double chroma = high - low;
    if (chroma == 0)
        return {0, 0, lightness};
    const double saturation = chroma / (1 - std::abs(2 * lightness - 1));
    double hue = high == r   ? std::fmod((g - b) / chroma + 6, 6)
                 : high == g ? (b - r) / chroma + 2
                             : (r - g) / chroma + 4;
    return {hue / 6, saturation, lightness};
}

Rgb fromHsl(Hsl c)
{
    const double chroma = (1 - std::abs(2 * c.lightness - 1)) * c.saturation;
    const auto channel = [&](double offset) {
        const double k = std::fmod(offset + c.hue * 12, 12);
        const double v = c.lightness - chroma / 2 * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
        return static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
    };
    return {channel(0), channel(8), channel(4)};
}

} // namespace

double contrastRatio(Rgb a, Rgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb readableOn(Rgb designed, Rgb ground)
{
    if (luminance(ground) >= kDarkGround || contrastRatio(designed, ground) >= kReadable)
        return designed;
    // Lighter and lighter, hue and saturation kept: the least change that reads.
    const Hsl hsl = toHsl(designed);
    double low = hsl.lightness;
    double high = 1.0;
    for (int step = 0; step < 20; ++step) {
        const double middle = (low + high) / 2;
        (contrastRatio(fromHsl({hsl.hue, hsl.saturation, middle}), ground) >= kReadable ? high
                                                                                        : low) =
            middle;
    }
    // In whole steps of a channel, the search's lightness may round just short of it.
    Rgb readable = fromHsl({hsl.hue, hsl.saturation, high});
    for (; contrastRatio(readable, ground) < kReadable && high < 1; high += 1.0 / 255)
        readable = fromHsl({hsl.hue, hsl.saturation, std::min(high, 1.0)});
    return readable;
}

} // namespace torvelle::design
