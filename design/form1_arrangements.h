// form1_arrangements.h: the main window on a phone: the board across the screen, upright, with
// everything else below it; on its side, the board on the left and the rest beside it. The
// cells keep their size and their order, so only the grid box moves.
#pragma once

#include "design/arrangement.h"

namespace torvelle::design::form1 {

inline constexpr Placement kPortraitPlaces[] = {
    {"Picture1", {28, 26, 320, 320}}, {"Label1", {8, 34, 18, 20}},    {"Label2", {36, 4, 25, 20}},
    {"Frame1", {8, 356, 340, 96}},    {"Label3", {10, 26, 80, 22}},   {"Label4", {92, 26, 44, 22}},
    {"Label5", {160, 26, 100, 22}},   {"Label6", {262, 26, 44, 22}},  {"Label7", {10, 56, 320, 30}},
    {"Label8", {8, 462, 0, 0}},       {"Slider1", {8, 482, 254, 44}}, {"Progre", {8, 534, 340, 24}},
    {"Label9", {8, 564, 340, 20}},
};

inline constexpr Placement kLandscapePlaces[] = {
    {"Picture1", {28, 26, 320, 320}}, {"Label1", {8, 34, 18, 20}},
    {"Label2", {36, 4, 25, 20}},      {"Frame1", {360, 52, 300, 96}},
    {"Label3", {10, 26, 80, 22}},     {"Label4", {92, 26, 40, 22}},
    {"Label5", {146, 26, 100, 22}},   {"Label6", {250, 26, 40, 22}},
    {"Label7", {10, 56, 280, 30}},    {"Label8", {360, 156, 0, 0}},
    {"Slider1", {360, 176, 254, 44}}, {"Progre", {360, 228, 300, 24}},
    {"Label9", {360, 258, 300, 20}},
};

inline constexpr Arrangement kPortrait{.name = "portrait",
                                       .orientation = Orientation::Portrait,
                                       .captionHeight = 28,
                                       .menuBar = {0, 0, 356, 45},
                                       .client = {0, 45, 356, 592},
                                       .points = 12,
                                       .places = kPortraitPlaces};

// The menu bar heads the column beside the board, so that the board has the screen's height.
inline constexpr Arrangement kLandscape{.name = "landscape",
                                        .orientation = Orientation::Landscape,
                                        .captionHeight = 28,
                                        .menuBar = {360, 0, 308, 45},
                                        .client = {0, 0, 668, 350},
                                        .points = 12,
                                        .places = kLandscapePlaces};

inline constexpr const Arrangement* kArrangements[] = {&kPortrait, &kLandscape};

} // namespace torvelle::design::form1
