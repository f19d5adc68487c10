// design_test.cpp: the two windows' design, control by control, as the game has always had them.
#include <gtest/gtest.h>

#include "design/dialog_design.h"
#include "design/form1_design.h"

namespace torvelle::design {
namespace {

struct Row {
    std::string_view name;
    Kind kind;
    std::string_view container;
    Rect rect;
    std::string_view text;
    std::optional<Rgb> colour;
    bool visible;
    int tabIndex;
};

void expectAsDesigned(const Window& window, std::span<const Row> rows)
{
    ASSERT_EQ(window.controls.size(), rows.size()) << window.name;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Control& c = window.control(row.name);
        EXPECT_EQ(c.kind, row.kind);
        EXPECT_EQ(c.container, row.container);
        EXPECT_EQ(c.rect, row.rect);
        EXPECT_EQ(c.text, row.text);
        EXPECT_EQ(c.colour, row.colour);
        EXPECT_EQ(c.visible, row.visible);
        EXPECT_EQ(c.tabIndex, row.tabIndex);
    }
}

TEST(Design, MainWindowHoldsEveryControlWhereTheGameHasAlwaysHadIt)
{
    constexpr Rgb red{255, 0, 0};
    constexpr Rgb blue{0, 0, 255};
    const Row rows[] = {
        {"Picture1", Kind::PictureBox, "", {40, 32, 320, 320}, "", {}, true, 2},
        {"Frame1", Kind::GroupFrame, "", {384, 32, 145, 145}, "SCORES :", {}, true, 3},
        {"Label3", Kind::Label, "Frame1", {8, 32, 49, 17}, "Joueur :", {}, true, -1},
        {"Label4", Kind::Label, "Frame1", {72, 32, 49, 17}, "", {}, true, -1},
        {"Label5", Kind::Label, "Frame1", {8, 80, 65, 17}, "Ordinateur :", {}, true, -1},
        {"Label6", Kind::Label, "Frame1", {80, 80, 49, 25}, "", {}, true, -1},
        {"Label7", Kind::Label, "Frame1", {8, 104, 113, 25}, "brou", red, false, -1},
        {"Label8",
         Kind::Label,
         "",
         {368, 216, 177, 17},
         "Jeu Facile                            Difficile",
         blue,
         true,
         -1},
        {"Slider1", Kind::Slider, "", {368, 232, 169, 25}, "", {}, true, 9},
        {"Progre", Kind::ProgressBar, "", {368, 280, 177, 25}, "", {}, true, -1},
        {"Label9",
         Kind::Label,
         "",
         {376, 320, 153, 17},
         "Réflexion de l'ordinateur",
         blue,
         true,
         -1},
    };
    expectAsDesigned(form1::kWindow, rows);
    EXPECT_EQ(form1::kWindow.caption, "Le jeux de Torvelle !");
    EXPECT_EQ(form1::kWindow.clientWidth, 551);
    EXPECT_EQ(form1::kWindow.clientHeight, 372);
    EXPECT_EQ(form1::kWindow.control("Label7").font, (Font{"MS Serif", 12, true}));
    EXPECT_EQ(form1::kWindow.control("Label9").align, Align::Centre);
    EXPECT_TRUE(form1::kWindow.control("Label9").transparent);

    const auto& slider = form1::kSlider1;
    EXPECT_EQ((std::array{slider.minimum, slider.maximum, slider.smallStep, slider.largeStep,
                          slider.tickEvery}),
              (std::array{20, 100, 1, 5, 1}));
    EXPECT_EQ(form1::kProgreMaximum, 100);
}

TEST(Design, ControlArraysFollowTheirRule)
{
    const struct {
        const ControlArray& array;
        int index;
        Rect rect;
    } elements[] = {
        {form1::kImage1, 0, {0, 0, 32, 32}},   {form1::kImage1, 9, {288, 0, 32, 32}},
        {form1::kImage1, 10, {0, 32, 32, 32}}, {form1::kImage1, 99, {288, 288, 32, 32}},
        {form1::kLabel1, 0, {8, 40, 25, 17}},  {form1::kLabel1, 9, {8, 328, 25, 17}},
        {form1::kLabel2, 0, {48, 8, 25, 17}},  {form1::kLabel2, 9, {336, 8, 25, 17}},
    };
    for (const auto& e : elements)
        EXPECT_EQ(e.array.rectOf(e.index), e.rect) << e.array.name << '(' << e.index << ')';
    EXPECT_EQ(form1::kImage1.count, 100);
    EXPECT_EQ(form1::kImage1.container, "Picture1");
    for (const ControlArray* labels : {&form1::kLabel1, &form1::kLabel2}) {
        EXPECT_EQ(labels->count, 10);
        EXPECT_EQ(labels->font->points, 12);
    }
}

TEST(Design, AboutDialogHoldsItsNameVersionNoticeAndButtons)
{
    const Row rows[] = {
        {"Label1", Kind::Label, "", {64, 0, 0, 0}, "TORVELLE", Rgb{0, 255, 0}, true, -1},
        {"Label2", Kind::Label, "", {48, 40, 0, 0}, "brou", Rgb{0, 0, 0}, true, -1},
        {"Label3", Kind::Label, "", {48, 80, 0, 0}, "brou bis", Rgb{0, 0, 255}, true, -1},
        {"OKButton", Kind::PushButton, "", {304, 112, 81, 25}, "OK", {}, true, 0},
        {"Command1", Kind::PushButton, "", {304, 80, 81, 25}, "Payement", {}, true, 4},
    };
    expectAsDesigned(dialog::kWindow, rows);
    EXPECT_EQ(dialog::kWindow.caption, "A propos de TORVELLE");
    EXPECT_EQ(dialog::kWindow.clientWidth, 391);
    EXPECT_EQ(dialog::kWindow.clientHeight, 155);
    EXPECT_EQ(dialog::kWindow.fixedGround, (Rgb{192, 192, 192}));
    EXPECT_EQ(dialog::kWindow.control("Label1").font, (Font{"Arial", 21.75, true}));
}

} // namespace
} // namespace torvelle::design
