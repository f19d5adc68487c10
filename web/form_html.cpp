// form_html.cpp: a window's controls written as absolutely placed elements in design pixels; the
// page scales the whole window to the screen.
#include "web/form_html.h"

#include <cstdio>

#include "design/colour_scheme.h"
#include "design/font_faces.h"
#include "design/readable_colour.h"

namespace torvelle {

namespace {

// A rectangle of no size fits its text.
std::string place(const design::Rect& r)
{
    std::string css = "left:" + std::to_string(r.left) + "px;top:" + std::to_string(r.top) + "px";
    if (r.width > 0)
        return css + ";width:" + std::to_string(r.width) + "px;height:" + std::to_string(r.height) +
               "px";
    return css + ";width:auto;height:auto";
}

std::string rule(std::string_view selector, std::string_view declarations)
{
    return std::string(selector) + '{' + std::string(declarations) + '}';
}

std::string points(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

} // namespace

std::string htmlText(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        switch (text[i]) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == '\n')
                break;
            out += '\n';
            break;
        default: out += text[i];
        }
    }
    return out;
}

std::string cssFont(const design::Font& font, std::string_view windowFace)
{
    const std::string_view face = font.face.empty() ? windowFace : font.face;
    std::string css = font.bold ? "bold " : "";
    // Quoted with single quotes: the font is written inside style attributes.
    css += points(font.points) + "pt '" + std::string(face) + '\'';
    for (std::string_view standIn : design::standInsFor(face))
        css += ",'" + std::string(standIn) + '\'';
    return css + (design::isSerif(face) ? ",serif" : ",sans-serif");
}

std::string cssColour(design::Rgb colour)
{
    return "rgb(" + std::to_string(colour.red) + ',' + std::to_string(colour.green) + ',' +
           std::to_string(colour.blue) + ')';
}

FormHtml::FormHtml(const design::Window& window, std::string idPrefix)
    : window_(window), idPrefix_(std::move(idPrefix))
{}

std::string FormHtml::id(std::string_view name) const
{
    return idPrefix_ + std::string(name);
}

std::string FormHtml::font(double points) const
{
    design::Font font = window_.font;
    if (points > 0)
        font.points = points;
    return cssFont(font, window_.font.face);
}

std::string FormHtml::controls(std::string_view container) const
{
    std::string html;
    for (const design::Control& control : window_.controls)
        if (control.container == container)
            html += element(control);
    if (const auto extra = inside.find(container); extra != inside.end())
        html += extra->second;
    return html;
}

std::string FormHtml::element(const design::Control& c) const
{
    std::string open = "id=\"" + id(c.name) + '"';
    if (c.align == design::Align::Centre)
        open += " style=\"text-align:center\"";
    if (const auto extra = attributes.find(c.name); extra != attributes.end())
        open += ' ' + extra->second;
    if (!c.description.empty())
        open += " aria-description=\"" + htmlText(c.description) + '"';
    const std::string name =
        c.accessibleName.empty() ? "" : " aria-label=\"" + htmlText(c.accessibleName) + '"';
    const std::string focus = c.tabIndex >= 0 ? " tabindex=\"0\"" : "";
    switch (c.kind) {
    case design::Kind::PictureBox:
        return R"(<div class="picture" role="group")" + name + focus + ' ' + open +
               "><div class=\"inner\">" + controls(c.name) + "</div></div>";
    case design::Kind::GroupFrame:
        return R"(<div class="frame" role="group" aria-labelledby=")" + id(c.name) + "-caption\" " +
               open + R"(><span class="frame-caption" id=")" + id(c.name) + "-caption\">" +
               htmlText(c.text) + "</span>" + controls(c.name) + "</div>";
    case design::Kind::Slider: return "<input type=\"range\"" + name + ' ' + open + '>';
    case design::Kind::ProgressBar: return "<progress" + name + ' ' + open + "></progress>";
    case design::Kind::PushButton:
        return "<button type=\"button\" " + open + '>' + htmlText(c.text) + "</button>";
    case design::Kind::Image: return "<img alt=\"\" " + open + '>';
    case design::Kind::Label: break;
    }
    const auto loaded = texts.find(c.name);
    const std::string_view text = loaded != texts.end() ? loaded->second : c.text;
    std::string kind = c.rect.width == 0 ? "label fit" : "label";
    if (c.transparent)
        kind += " transparent";
    return "<div class=\"" + kind + '"' + (c.visible ? "" : " hidden") + ' ' + open + '>' +
           htmlText(text) + "</div>";
}

std::string FormHtml::arrayLabel(const design::ControlArray& array, int index,
                                 std::string_view text) const
{
    return R"(<div class="label" id=")" + id(array.name) + '-' + std::to_string(index) + "\">" +
           htmlText(text) + "</div>";
}

std::string FormHtml::placeStyle(std::string_view name, const design::Rect& rect) const
{
    for (const design::ControlArray* array : arrays) {
        if (array->name != name)
            continue;
        design::ControlArray moved = *array;
        moved.first = rect;
        std::string css;
        for (int i = 0; i < array->count; ++i)
            css += rule('#' + id(name) + '-' + std::to_string(i), place(moved.rectOf(i)));
        return css;
    }
    return rule('#' + id(name), place(rect));
}

std::string FormHtml::arrangementStyle(const design::Arrangement& a) const
{
    const std::string window = '#' + std::string(window_.name);
    const auto box = [](const design::Rect& r) { return "position:absolute;" + place(r); };
    // The frame's border is outside the inner area both rectangles are given in.
    std::string css =
        rule(window, "width:" + std::to_string(a.innerWidth() + 2 * kFrameBorder) +
                         "px;height:" + std::to_string(a.innerHeight() + 2 * kFrameBorder) + "px") +
        rule(window + ">.caption", "height:" + std::to_string(a.captionHeight) + "px");
    design::Rect client = a.client;
    client.top += a.captionHeight;
    css += rule(window + ">.client", box(client) + ";font:" + font(a.points));
    if (a.menuBar.width > 0) {
        design::Rect bar = a.menuBar;
        bar.top += a.captionHeight;
        css += rule(window + ">.menubar", box(bar) + ";z-index:1");
    }
    for (const design::Placement& p : a.places)
        css += placeStyle(p.name, p.rect);
    return css;
}

std::string FormHtml::style() const
{
    std::string light;
    std::string dark;
    const std::string client = '#' + std::string(window_.name) + ">.client";
    light += rule(client, "width:" + std::to_string(window_.clientWidth) + "px;height:" +
                              std::to_string(window_.clientHeight) + "px;font:" + font());
    if (window_.ground == design::Ground::Fixed)
        light += client + "{background:" + cssColour(window_.fixedGround) + '}';
    for (const design::Control& c : window_.controls) {
        light += placeStyle(c.name, c.rect);
        if (c.font)
            light += rule('#' + id(c.name), "font:" + cssFont(*c.font, window_.font.face));
    }
    for (const design::ControlArray* array : arrays) {
        light += placeStyle(array->name, array->first);
        if (!array->font)
            continue;
        std::string elements;
        for (int i = 0; i < array->count; ++i)
            elements += (i > 0 ? ",#" : "#") + id(array->name) + '-' + std::to_string(i);
        light += rule(elements, "font:" + cssFont(*array->font, window_.font.face));
    }
    for (const design::Control& c : window_.controls) {
        if (!c.colour)
            continue;
        const design::Rgb ground = window_.ground == design::Ground::Fixed
                                       ? window_.fixedGround
                                       : design::kLightScheme.ground;
        light +=
            '#' + id(c.name) + "{color:" + cssColour(design::readableOn(*c.colour, ground)) + '}';
        dark += '#' + id(c.name) +
                "{color:" + cssColour(design::readableOn(*c.colour, design::kDarkScheme.ground)) +
                '}';
    }
    if (window_.ground == design::Ground::Fixed)
        dark += client + "{background:var(--ground)}";
    return light + "@media (prefers-color-scheme:dark){" + dark + '}';
}

} // namespace torvelle
