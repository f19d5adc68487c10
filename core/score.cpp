// score.cpp: score texts read as numbers, the way the score displays have always been read.
#include "core/score.h"

#include <cctype>

namespace torvelle {

int scoreValue(std::string_view text)
{
    // Leading digits only: the displays never hold anything but "" or a whole
    // number, and a number past ten ("11") must still read as such.
    int value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)) || value > 100000)
            break;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string scoreAfterPoint(std::string_view text)
{
    return std::to_string(scoreValue(text) + 1);
}

} // namespace torvelle
