// score.h: a score is the text of its display; these read and raise it.
#pragma once

#include <string>
#include <string_view>

namespace torvelle {

// The numeric value of a score text; an empty text counts as 0.
int scoreValue(std::string_view text);

// The text after one more point: the decimal value plus one ("" gives "1").
std::string scoreAfterPoint(std::string_view text);

} // namespace torvelle
