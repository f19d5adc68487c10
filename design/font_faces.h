// font_faces.h: the faces the layout was drawn for, then the free ones drawn to the same metrics,
// for wherever the first is missing.
#pragma once

#include <span>
#include <string_view>

namespace torvelle::design {

inline constexpr std::string_view kSansStandIns[] = {"Liberation Sans", "Arimo"};
inline constexpr std::string_view kSerifStandIns[] = {"Liberation Serif", "DejaVu Serif"};

constexpr bool isSerif(std::string_view face)
{
    return face.find("Serif") != std::string_view::npos;
}

constexpr std::span<const std::string_view> standInsFor(std::string_view face)
{
    return isSerif(face) ? std::span<const std::string_view>(kSerifStandIns)
                         : std::span<const std::string_view>(kSansStandIns);
}

} // namespace torvelle::design
