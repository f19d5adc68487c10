// page_bridge.cpp: each call handed to the page's script (page.js); a box's answer is awaited
// with the rules suspended, so they need not know that a browser never blocks.
#include "web/page_bridge.h"

#include <emscripten/emscripten.h>

namespace {

// clang-format off
EM_JS(void, jsShowPicture, (int cell, int picture, const char* name), {
    torvellePage.showPicture(cell, picture, UTF8ToString(name));
});
EM_JS(void, jsSetText, (const char* id, const char* text), {
    torvellePage.setText(UTF8ToString(id), UTF8ToString(text));
});
EM_JS(void, jsShowControl, (const char* id), { torvellePage.showControl(UTF8ToString(id)); });
EM_JS(void, jsSetProgress, (int maximum, int value), {
    torvellePage.setProgress(maximum, value);
});
EM_JS(int, jsSliderValue, (), { return torvellePage.sliderValue(); });
EM_ASYNC_JS(int, jsAsk, (const char* title, const char* prompt, const char* said,
                         const char* buttons), {
    return await torvellePage.ask(UTF8ToString(title), UTF8ToString(prompt), UTF8ToString(said),
                                  UTF8ToString(buttons).split('\t'));
});
EM_JS(void, jsFocusWindow, (), { torvellePage.focusWindow(); });
EM_JS(void, jsShowAbout, (), { torvellePage.showAbout(); });
EM_JS(void, jsAnnounce, (const char* text), { torvellePage.announce(UTF8ToString(text)); });
EM_JS(void, jsEndGame, (), { torvellePage.endGame(); });
// clang-format on

} // namespace

namespace torvelle::page {

void showPicture(int cell, int picture, const std::string& name)
{
    jsShowPicture(cell, picture, name.c_str());
}

void setText(const std::string& id, const std::string& text)
{
    jsSetText(id.c_str(), text.c_str());
}

void showControl(const std::string& id)
{
    jsShowControl(id.c_str());
}

void setProgress(int maximum, int value)
{
    jsSetProgress(maximum, value);
}

int sliderValue()
{
    return jsSliderValue();
}

int ask(const std::string& title, const std::string& prompt, const std::string& said,
        const std::string& buttons)
{
    return jsAsk(title.c_str(), prompt.c_str(), said.c_str(), buttons.c_str());
}

void focusWindow()
{
    jsFocusWindow();
}

void showAbout()
{
    jsShowAbout();
}

void announce(const std::string& text)
{
    jsAnnounce(text.c_str());
}

void endGame()
{
    jsEndGame();
}

} // namespace torvelle::page
