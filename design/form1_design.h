// form1_design.h: the main window's design, every control where the game has always had it.
#pragma once

#include "design/form.h"
#include "design/ui_texts.h"

namespace torvelle::design::form1 {

inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};

inline constexpr Control kControls[] = {
    {.name = "Picture1",
     .kind = Kind::PictureBox,
     .rect = {40, 32, 320, 320},
     .tabIndex = 2,
     .accessibleName = ui_texts::kGridName},
    {.name = "Frame1",
     .kind = Kind::GroupFrame,
     .rect = {384, 32, 145, 145},
     .text = ui_texts::kScoresFrame,
     .tabIndex = 3},
    {.name = "Label3",
     .container = "Frame1",
     .rect = {8, 32, 49, 17},
     .text = ui_texts::kPlayerCaption},
    {.name = "Label4",
     .container = "Frame1",
     .rect = {72, 32, 49, 17},
     .description = ui_texts::kPlayerScoreRole},
    {.name = "Label5",
     .container = "Frame1",
     .rect = {8, 80, 65, 17},
     .text = ui_texts::kComputerCaption},
    {.name = "Label6",
     .container = "Frame1",
     .rect = {80, 80, 49, 25},
     .description = ui_texts::kComputerScoreRole},
    {.name = "Label7",
     .container = "Frame1",
     .rect = {8, 104, 113, 25},
     .text = ui_texts::kBannerAtDesign,
     .font = Font{"MS Serif", 12, true},
     .colour = kRed,
     .visible = false,
     .description = ui_texts::kBannerRole},
    {.name = "Label8", .rect = {368, 216, 177, 17}, .text = ui_texts::kSliderEnds, .colour = kBlue},
    {.name = "Slider1",
     .kind = Kind::Slider,
     .rect = {368, 232, 169, 25},
     .tabIndex = 9,
     .accessibleName = ui_texts::kSliderName},
    {.name = "Progre",
     .kind = Kind::ProgressBar,
     .rect = {368, 280, 177, 25},
     .accessibleName = ui_texts::kProgressCaption},
    {.name = "Label9",
     .rect = {376, 320, 153, 17},
     .text = ui_texts::kProgressCaption,
     .colour = kBlue,
     .align = Align::Centre,
     .transparent = true},
};

// In order, without keyboard shortcuts; "&" marks the access letter.
inline constexpr MenuItem kMenu[] = {
    {"quit", ui_texts::kMenuQuit},
    {"aide", ui_texts::kMenuHelp, "", true},
    {"menuaide", ui_texts::kMenuHelpItem, "aide"},
    {"menuapropos", ui_texts::kMenuAbout, "aide"},
};

inline constexpr Window kWindow{.name = "Form1",
                                .caption = ui_texts::kMainCaption,
                                .clientWidth = 551,
                                .clientHeight = 372,
                                .ground = Ground::ScrollBars,
                                .font = {"Arial", 8, false},
                                .controls = kControls};

// The ground of the sea's picture (assets/pictures/2.svg), which fills a fresh board.
inline constexpr Rgb kSeaGround{0, 0, 255};

// The board's cells, row by row in the grid box, and the row letters and column numbers
// around it; all built at load.
inline constexpr ControlArray kImage1{.name = "Image1",
                                      .kind = Kind::Image,
                                      .container = "Picture1",
                                      .first = {0, 0, 32, 32},
                                      .count = 100,
                                      .columns = 10,
                                      .stepRight = 32,
                                      .stepDown = 32};
inline constexpr ControlArray kLabel1{.name = "Label1",
                                      .first = {8, 40, 25, 17},
                                      .count = 10,
                                      .columns = 1,
                                      .stepDown = 32,
                                      .font = Font{"", 12, false}};
inline constexpr ControlArray kLabel2{.name = "Label2",
                                      .first = {48, 8, 25, 17},
                                      .count = 10,
                                      .columns = 10,
                                      .stepRight = 32,
                                      .font = Font{"", 12, false}};

// Slider1's range, set at load, and its steps; Progre's scale until the breath is first set.
struct SliderSteps {
    int minimum, maximum, smallStep, largeStep, tickEvery;
};
inline constexpr SliderSteps kSlider1{20, 100, 1, 5, 1};
inline constexpr double kProgreMaximum = 100;

} // namespace torvelle::design::form1
