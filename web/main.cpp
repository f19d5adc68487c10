// main.cpp: the game in the browser: the page's script calls these on its events.
#include <emscripten/emscripten.h>

#include "web/web_page.h"

namespace {

torvelle::WebPage& page()
{
    static torvelle::WebPage page; // the main window's, for as long as the page lives
    return page;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void torvelle_click(int cell)
{
    page().Image1_Click(cell);
}

EMSCRIPTEN_KEEPALIVE void torvelle_slider_up()
{
    page().Slider1_MouseUp();
}

EMSCRIPTEN_KEEPALIVE void torvelle_quit()
{
    page().quit_Click();
}

EMSCRIPTEN_KEEPALIVE void torvelle_help()
{
    page().menuaide_Click();
}

EMSCRIPTEN_KEEPALIVE void torvelle_payment()
{
    page().Command1_Click();
}

} // extern "C"
