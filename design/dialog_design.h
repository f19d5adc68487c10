// dialog_design.h: the About dialog's design: its name in large letters, the version, the notice
// and the two buttons, on a fixed light grey.
#pragma once

#include "design/form.h"
#include "design/ui_texts.h"

namespace torvelle::design::dialog {

inline constexpr Control kControls[] = {
    {.name = "Label1",
     .rect = {64, 0, 0, 0},
     .text = ui_texts::kAboutName,
     .font = Font{"Arial", 21.75, true},
     .colour = Rgb{0, 255, 0},
     .transparent = true},
    // The default text colour on the fixed grey is the classic black, whatever the scheme.
    {.name = "Label2",
     .rect = {48, 40, 0, 0},
     .text = ui_texts::kAboutVersionAtDesign,
     .colour = Rgb{0, 0, 0},
     .transparent = true},
    {.name = "Label3",
     .rect = {48, 80, 0, 0},
     .text = ui_texts::kAboutNoticeAtDesign,
     .colour = Rgb{0, 0, 255},
     .transparent = true},
    {.name = "OKButton",
     .kind = Kind::PushButton,
     .rect = {304, 112, 81, 25},
     .text = ui_texts::kOk,
     .tabIndex = 0},
    {.name = "Command1",
     .kind = Kind::PushButton,
     .rect = {304, 80, 81, 25},
     .text = ui_texts::kPayButton,
     .tabIndex = 4},
};

inline constexpr Window kWindow{.name = "Dialog",
                                .caption = ui_texts::kAboutCaption,
                                .clientWidth = 391,
                                .clientHeight = 155,
                                .ground = Ground::Fixed,
                                .fixedGround = {192, 192, 192},
                                .font = {"Arial", 8, false},
                                .controls = kControls};

} // namespace torvelle::design::dialog
