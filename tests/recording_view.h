// recording_view.h: a GameView that writes down every call and answers message boxes from a script.
#pragma once

#include <array>
#include <deque>
#include <string>
#include <vector>

#include "core/game_view.h"

namespace torvelle::testing {

struct MessageCall {
    std::string prompt;
    std::string title;
    MessageButtons buttons;
};

class RecordingView : public GameView {
public:
    // Every call in order, as short readable lines ("picture 12 1", "focus", ...).
    std::vector<std::string> calls;
    std::vector<MessageCall> messages;
    // What "Rejouer ?" gets answered; Yes once the script is used up.
    std::deque<MessageAnswer> yesNoAnswers;
    int slider = 20;

    // What the player would see right now.
    std::array<int, 100> pictures{};
    std::string playerScore, computerScore, banner;
    bool bannerShown = false;
    double progressMaximum = 100.0, progressValue = 0.0;
    bool programEnded = false;

    RecordingView() { pictures.fill(2); }

    MessageAnswer showMessage(const std::string& prompt, const std::string& title,
                              MessageButtons buttons) override
    {
        calls.push_back("message " + prompt);
        messages.push_back({prompt, title, buttons});
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        if (yesNoAnswers.empty())
            return MessageAnswer::Yes;
        const MessageAnswer answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    void focusMainWindow() override { calls.emplace_back("focus"); }
    void showCellPicture(int cell, int picture) override
    {
        calls.push_back("picture " + std::to_string(cell) + " " + std::to_string(picture));
        pictures.at(cell) = picture;
    }
    void setPlayerScoreText(const std::string& text) override
    {
        calls.push_back("player score " + text);
        playerScore = text;
    }
    void setComputerScoreText(const std::string& text) override
    {
        calls.push_back("computer score " + text);
        computerScore = text;
    }
    void showBanner() override
    {
        calls.emplace_back("show banner");
        bannerShown = true;
    }
    void setBannerText(const std::string& text) override
    {
        calls.push_back("banner " + text);
        banner = text;
    }
    void setProgressMaximum(double maximum) override
    {
        calls.push_back("progress maximum " + std::to_string(maximum));
        progressMaximum = maximum;
    }
    void setProgressValue(double value) override
    {
        calls.push_back("progress " + std::to_string(static_cast<int>(value)));
        progressValue = value;
    }
    int sliderValue() override { return slider; }
    void endProgram() override
    {
        calls.emplace_back("end");
        programEnded = true;
    }
};

} // namespace torvelle::testing
