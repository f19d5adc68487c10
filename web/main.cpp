// main.cpp: the game in the browser: the page's script calls these on its events.
#include <emscripten/emscripten.h>

#include "web/web_page.h"

namespace {

torvelle::GameWindow& window()
{
    static torvelle::WebPage page; // the main window's, for as long as the page lives
    return page.window();
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void torvelle_click(int cell)
{
    window().Image1_Click(cell);
}

EMSCRIPTEN_KEEPALIVE void torvelle_slider_up()
{
    window().Slider1_MouseUp();
}

EMSCRIPTEN_KEEPALIVE void torvelle_quit()
{
    window().quit_Click();
}

EMSCRIPTEN_KEEPALIVE void torvelle_help()
{
    window().menuaide_Click();
}

EMSCRIPTEN_KEEPALIVE void torvelle_about()
{
    window().menuapropos_Click();
}

EMSCRIPTEN_KEEPALIVE void torvelle_payment()
{
    window().Command1_Click();
}

} // extern "C"
