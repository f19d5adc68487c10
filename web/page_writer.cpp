// page_writer.cpp: writes the game's page and its web app manifest from the windows' design, at
// build time, so that the board paints before the game's code has even arrived.
// Usage: page_writer SITE-FOLDER PAGE-CSS
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "core/board.h"
#include "core/cell.h"
#include "core/texts.h"
#include "design/cell_name.h"
#include "design/colour_scheme.h"
#include "design/dialog_arrangements.h"
#include "design/dialog_design.h"
#include "design/form1_arrangements.h"
#include "design/form1_design.h"
#include "design/grid_captions.h"
#include "design/ui_texts.h"
#include "generated/version.h"
#include "web/form_html.h"

namespace {

using namespace torvelle;

// "&Quitter": the access letter underlined, and the key that reaches it.
std::string menuEntry(std::string_view name, std::string_view text, std::string_view more)
{
    const auto amp = text.find('&');
    std::string shown = htmlText(text);
    std::string key;
    if (amp != std::string_view::npos && amp + 1 < text.size()) {
        key = " accesskey=\"" + htmlText(text.substr(amp + 1, 1)) + '"';
        shown = htmlText(text.substr(0, amp)) + "<u>" + htmlText(text.substr(amp + 1, 1)) + "</u>" +
                htmlText(text.substr(amp + 2));
    }
    return R"(<button type="button" role="menuitem" id=")" + std::string(name) + '"' + key +
           std::string(more) + '>' + shown + "</button>";
}

std::string menus()
{
    std::string bar = R"(<div class="menubar" role="menubar">)";
    std::string dropDowns;
    for (const design::MenuItem& item : design::form1::kMenu) {
        if (item.opens) {
            const std::string list = std::string(item.name) + "-menu";
            bar += menuEntry(item.name, item.text,
                             R"( aria-haspopup="menu" aria-expanded="false" aria-controls=")" +
                                 list + '"');
            dropDowns += R"(<div class="menu" role="menu" id=")" + list + "\" hidden>";
            for (const design::MenuItem& entry : design::form1::kMenu)
                if (entry.menu == item.name)
                    dropDowns += menuEntry(entry.name, entry.text, " tabindex=\"-1\"");
            dropDowns += "</div>";
        } else if (item.menu.empty()) {
            bar += menuEntry(item.name, item.text, "");
        }
    }
    return bar + "</div>" + dropDowns;
}

// Where the window's scale puts a cell's edge between two screen pixels, the sea under the
// cells shows there, in tiles where the cells are, rather than the ground between them.
std::string seaUnderTheCells()
{
    const design::Rect cell = design::form1::kImage1.first;
    return "#" + std::string(design::form1::kImage1.container) +
           "{background:" + cssColour(design::form1::kSeaGround) + " url(pictures/" +
           std::to_string(static_cast<int>(Picture::Sea)) + ".svg) " + std::to_string(cell.left) +
           "px " + std::to_string(cell.top) + "px/" + std::to_string(cell.width) + "px " +
           std::to_string(cell.height) + "px}";
}

std::string cells()
{
    std::string html;
    const int sea = static_cast<int>(Picture::Sea); // the whole board at load
    for (int i = 0; i < Board::kCellCount; ++i) {
        const design::Rect r = design::form1::kImage1.rectOf(i);
        html += R"(<button type="button" class="cell" tabindex="-1" data-i=")" + std::to_string(i) +
                "\" aria-label=\"" + htmlText(design::cellName(i, sea)) +
                "\" style=\"left:" + std::to_string(r.left) + "px;top:" + std::to_string(r.top) +
                R"(px"><img alt="" src="pictures/)" + std::to_string(sea) + ".svg\"></button>";
    }
    return html;
}

std::string client(const FormHtml& form, std::string_view more)
{
    return R"(<div class="client">)" + form.controls() + std::string(more) + "</div>";
}

std::string caption(std::string_view id, std::string_view icon, std::string_view text,
                    std::string_view more = {})
{
    // A hidden window's icon comes when it is first shown, not with the page.
    const std::string lazy = id == "Form1" ? "" : " loading=\"lazy\"";
    return R"(<div class="caption"><img alt="")" + lazy + " src=\"icons/" + std::string(icon) +
           ".svg\"><span id=\"" + std::string(id) + "-caption\">" + htmlText(text) + "</span>" +
           std::string(more) + "</div>";
}

FormHtml mainForm()
{
    FormHtml form(design::form1::kWindow, "");
    form.arrays = {&design::form1::kLabel1, &design::form1::kLabel2};
    return form;
}

FormHtml aboutForm()
{
    return {design::dialog::kWindow, "Dialog-"};
}

std::string mainWindow()
{
    FormHtml form = mainForm();
    const auto& s = design::form1::kSlider1;
    form.attributes["Slider1"] =
        "min=\"" + std::to_string(s.minimum) + "\" max=\"" + std::to_string(s.maximum) +
        "\" step=\"" + std::to_string(s.smallStep) + "\" value=\"" + std::to_string(s.minimum) +
        "\" data-large-step=\"" + std::to_string(s.largeStep) + R"(" list="Slider1-ticks")";
    form.attributes["Progre"] =
        "max=\"" + std::to_string(static_cast<int>(design::form1::kProgreMaximum * 10)) +
        R"(" value="0")";
    form.inside["Picture1"] = cells();
    // Its tick marks, which the browser draws for the values of a list.
    std::string ticks = "<datalist id=\"Slider1-ticks\">";
    for (int value = s.minimum; value <= s.maximum; value += s.tickEvery)
        ticks += "<option value=\"" + std::to_string(value) + "\">";
    form.inside[""] = ticks + "</datalist>";
    std::string labels;
    for (const design::GridCaption& caption : design::gridCaptions())
        labels += form.arrayLabel(*caption.array, caption.index, caption.text);
    return "<main class=\"window\" id=\"Form1\" tabindex=\"-1\" "
           "aria-labelledby=\"Form1-caption\">" +
           caption("Form1", "france", design::form1::kWindow.caption) + menus() +
           client(form, labels) + "</main>";
}

std::string aboutDialog()
{
    FormHtml form = aboutForm();
    // With the texts its load event gives it.
    form.texts["Label2"] =
        ui_texts::aboutVersionText(version::kMajor, version::kMinor, version::kRevision);
    form.texts["Label3"] = ui_texts::kAboutNotice;
    return R"(<dialog class="window about" id="Dialog" aria-labelledby="Dialog-caption">)" +
           caption("Dialog", "binoculars", design::dialog::kWindow.caption,
                   R"(<button type="button" class="close" aria-label=")" +
                       htmlText(ui_texts::kCloseBox) + "\"></button>") +
           client(form, "") + "</dialog>";
}

// A window's title bar and menu bar (with the line under it), in the page's pixels.
constexpr int kCaptionHeight = 18;
constexpr int kMenuBarHeight = 20;

std::string frameCss()
{
    return ";--frame-border:" + std::to_string(kFrameBorder) +
           "px;--caption-height:" + std::to_string(kCaptionHeight) +
           "px;--menu-bar-height:" + std::to_string(kMenuBarHeight) + "px";
}

// The main window's size with its frame, in the design's pixels.
constexpr int kDesktopWidth = design::form1::kWindow.clientWidth + 2 * kFrameBorder;
constexpr int kDesktopHeight =
    design::form1::kWindow.clientHeight + kCaptionHeight + kMenuBarHeight + 2 * kFrameBorder;

std::string schemeCss(const design::ColourScheme& s)
{
    return "--ground:" + cssColour(s.ground) + ";--text:" + cssColour(s.text) +
           ";--caption:" + cssColour(s.caption) + ";--caption-text:" + cssColour(s.captionText) +
           ";--edge-light:" + cssColour(s.edgeLight) + ";--edge-shadow:" + cssColour(s.edgeShadow);
}

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// A window's outer size, for the script that fits it to the screen.
std::string fitCss(int width, int height)
{
    return ";--fit-width:" + std::to_string(width) + ";--fit-height:" + std::to_string(height);
}

// The scale at which the desktop window's text shows `px` CSS pixels high.
double scaleToShow(double px)
{
    return px / (design::form1::kWindow.font.points * 96 / 72);
}

// Where the desktop's window, scaled to fit, would show its text smaller than an eye can read:
// there, the phone's arrangements.
std::string whereTooSmall(std::string_view orientation)
{
    const double scale = scaleToShow(design::kLegibleTextPx);
    const std::string both =
        orientation.empty() ? "" : "(orientation:" + std::string(orientation) + ") and ";
    return "@media " + both + "(max-width:" + number(kDesktopWidth * scale) + "px)," + both +
           "(max-height:" + number(kDesktopHeight * scale) + "px)";
}

std::string arrangementCss(const design::Arrangement& a)
{
    return ":root{--font:" + mainForm().font(a.points) +
           fitCss(a.innerWidth() + 2 * kFrameBorder, a.innerHeight() + 2 * kFrameBorder) + '}' +
           mainForm().arrangementStyle(a);
}

// The boxes are read closer than the window: on a desktop at least at the size a phone
// gives them, on a phone at their own size.
std::string style()
{
    const double boxScale = scaleToShow(design::kBoxTextPx);
    std::string css = ":root{" + schemeCss(design::kLightScheme) + ";--font:" + mainForm().font() +
                      frameCss() + fitCss(kDesktopWidth, kDesktopHeight) + ";--bz:max(var(--s,1)," +
                      number(boxScale) + ")}" + "@media (prefers-color-scheme:dark){:root{" +
                      schemeCss(design::kDarkScheme) + "}}" + mainForm().style() +
                      aboutForm().style() + seaUnderTheCells();
    css += whereTooSmall("") + "{:root{--bz:1;--caption-height:" +
           std::to_string(design::form1::kPortrait.captionHeight) +
           "px;--target:" + std::to_string(design::kTouchTargetPx) + "px}" +
           aboutForm().arrangementStyle(design::dialog::kPhone) + '}';
    css += whereTooSmall("portrait") + '{' + arrangementCss(design::form1::kPortrait) + '}';
    css += whereTooSmall("landscape") + '{' + arrangementCss(design::form1::kLandscape) + '}';
    return css;
}

// The colour of a phone's bar above the page, as the title bar's, on either scheme.
std::string themeColours()
{
    std::string meta;
    for (const auto& [scheme, media] :
         {std::pair{design::kLightScheme, "light"}, std::pair{design::kDarkScheme, "dark"}})
        meta += R"(<meta name="theme-color" content=")" + cssColour(scheme.caption) +
                R"(" media="(prefers-color-scheme:)" + media + ")\">";
    return meta;
}

// Scripts from the site alone, none written in the page, and the rules compiled from it; the
// style is the page's own, written in it.
std::string contentSecurityPolicy()
{
    return R"(<meta http-equiv="Content-Security-Policy" content="default-src 'self'; )"
           R"(script-src 'self' 'wasm-unsafe-eval'; style-src 'self' 'unsafe-inline'; )"
           R"(object-src 'none'; base-uri 'none'; form-action 'none'">)";
}

// The style comes with the page, so that nothing but the page stands before its first paint.
std::string page(const std::string& pageCss)
{
    // The board's picture first of all: the whole board shows it at load.
    const std::string sea = std::to_string(static_cast<int>(Picture::Sea));
    return R"(<!doctype html><html lang="fr"><head><meta charset="utf-8">)" +
           contentSecurityPolicy() + R"(<link rel="preload" as="image" href="pictures/)" + sea +
           ".svg\">"
           "<meta name=\"viewport\" "
           "content=\"width=device-width,initial-scale=1,viewport-fit=cover\">"
           "<meta name=\"color-scheme\" content=\"light dark\">" +
           themeColours() +
           "<meta name=\"mobile-web-app-capable\" content=\"yes\">"
           "<meta name=\"apple-mobile-web-app-capable\" content=\"yes\">"
           "<meta name=\"apple-mobile-web-app-status-bar-style\" content=\"black-translucent\">"
           "<meta name=\"apple-mobile-web-app-title\" content=\"" +
           htmlText(ui_texts::kShortName) +
           "\">"
           "<meta name=\"description\" content=\"" +
           htmlText(ui_texts::kAppDescription) +
           "\">"
           "<title>" +
           htmlText(design::form1::kWindow.caption) +
           "</title>"
           "<link rel=\"manifest\" href=\"manifest.webmanifest\">"
           "<link rel=\"icon\" href=\"icons/france.svg\" type=\"image/svg+xml\">"
           "<link rel=\"apple-touch-icon\" href=\"icons/france-180.png\">"
           "<style>" +
           pageCss + style() + "</style></head><body><div id=\"screen\">" +
           // Before the window, so that it is laid out once, at its size.
           "<script src=\"start.js\"></script>" + mainWindow() +
           R"(<div class="ended" id="ended" role="alertdialog" aria-labelledby="ended-text" hidden>)"
           R"(<p id="ended-text">)" +
           htmlText(ui_texts::kGameEnded) + R"(</p><button type="button" id="newGame">)" +
           htmlText(ui_texts::kNewGame) +
           "</button></div></div>"
           "<div class=\"unseen\" id=\"said\" role=\"status\" aria-live=\"polite\" data-failed=\"" +
           htmlText(ui_texts::kMoveFailed) +
           "\"></div>"
           "<dialog class=\"window box\" id=\"box\" role=\"alertdialog\" "
           "aria-labelledby=\"box-caption\" aria-describedby=\"box-text box-said\">"
           "<div class=\"caption\"><span id=\"box-caption\"></span></div>"
           "<p id=\"box-text\"></p><p class=\"unseen\" id=\"box-said\"></p>"
           "<div class=\"buttons\" id=\"box-buttons\"></div></dialog>" +
           aboutDialog() + "</body></html>\n";
}

// The name of every control the page's script finds, from the windows' design: a name the
// script imports and the design lacks stops the site's build.
std::string controlNames()
{
    std::string js = "// controls.js: written with the page from the windows' design.\n";
    const auto name = [&js](std::string_view as, std::string_view id) {
        js += "export const " + std::string(as) + " = '" + std::string(id) + "';\n";
    };
    name("Form1", design::form1::kWindow.name);
    for (const design::Control& control : design::form1::kWindow.controls)
        name(control.name, control.name);
    for (const design::MenuItem& item : design::form1::kMenu)
        name(item.name, item.name);
    name("Dialog", design::dialog::kWindow.name);
    for (const design::Control& control : design::dialog::kWindow.controls)
        name("Dialog_" + std::string(control.name), "Dialog-" + std::string(control.name));
    return js;
}

std::string manifest()
{
    std::string icons;
    for (const char* size : {"192", "512"})
        icons += std::string(R"({"src":"icons/france-)") + size + R"(.png","sizes":")" + size +
                 'x' + size + R"(","type":"image/png"},)";
    return R"({"name":")" + std::string(texts::kApplicationTitle) + R"(","short_name":")" +
           std::string(ui_texts::kShortName) + R"(","description":")" +
           std::string(ui_texts::kAppDescription) + R"(","lang":"fr","dir":"ltr",)" +
           R"("id":"./","start_url":"./","scope":"./","display":"standalone","orientation":"any",)" +
           R"("background_color":")" + cssColour(design::kLightScheme.ground) +
           R"(","theme_color":")" + cssColour(design::kLightScheme.caption) +
           R"(","categories":["games"],"icons":[)" + icons +
           "{\"src\":\"icons/france.svg\",\"sizes\":\"any\",\"type\":\"image/svg+xml\"}]}\n";
}

bool write(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::cerr << "usage: page_writer SITE-FOLDER PAGE-CSS\n";
        return 2;
    }
    const std::string site = argv[1];
    std::ifstream css(argv[2], std::ios::binary);
    const std::string pageCss{std::istreambuf_iterator<char>(css), {}};
    if (pageCss.empty()) {
        std::cerr << "page_writer: cannot read " << argv[2] << '\n';
        return 1;
    }
    if (!write(site + "/index.html", page(pageCss)) ||
        !write(site + "/manifest.webmanifest", manifest()) ||
        !write(site + "/controls.js", controlNames())) {
        std::cerr << "page_writer: cannot write into " << site << '\n';
        return 1;
    }
    return 0;
}
