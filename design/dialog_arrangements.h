// dialog_arrangements.h: the About dialog on a phone, upright or on its side: one column, its
// buttons side by side at the foot, the close box as large as a fingertip.
#pragma once

#include "design/arrangement.h"

namespace torvelle::design::dialog {

inline constexpr Placement kPhonePlaces[] = {
    {"Label1", {16, 6, 0, 0}},        {"Label2", {16, 46, 0, 0}},        {"Label3", {16, 90, 0, 0}},
    {"Command1", {16, 194, 156, 44}}, {"OKButton", {184, 194, 156, 44}},
};

inline constexpr Arrangement kPhone{.name = "phone",
                                    .captionHeight = 44,
                                    .client = {0, 0, 356, 250},
                                    .points = 12,
                                    .places = kPhonePlaces};

} // namespace torvelle::design::dialog
