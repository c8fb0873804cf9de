// SPDX-License-Identifier: MIT
// GameSession: a whole game as a front end plays it, with a clock the test moves by hand.
#include "GameSession.h"
#include "Layout.h"
#include "RecordingPort.h"
#include "ReferenceTriangle.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sumdrop {
namespace {

using namespace std::chrono_literals;

// A front end that only carries out the ports and forwards events: the screen as RecordingScreen
// keeps it, the boxes' names and the sentences spoken, and, like the desktop's modal box, timer
// events while a message is open.
class FrontEnd final : public testing::RecordingScreen, public ScreenReaderPort {
public:
    void SetCellName(int cell, const std::string &name) override { names[cell] = name; }
    void Narrate(const std::string &sentence) override { spoken.push_back(sentence); }
    void ShowMessage(const std::string &text) override
    {
        testing::RecordingScreen::ShowMessage(text);
        namesWhenMessageOpened = names;
        whileMessageOpen();
    }

    [[nodiscard]] std::array<int, 8> TopRow() const
    {
        std::array<int, 8> digits{};
        for (int cell = 0; cell < TopRowLength; ++cell) {
            digits.at(cell) = std::stoi(cellText.at(cell));
        }
        return digits;
    }

    std::chrono::steady_clock::time_point now{};
    GameSession session{*this, *this, 2024, [this] { return now; }};
    std::map<int, std::string> names;
    std::map<int, std::string> namesWhenMessageOpened;
    std::vector<std::string> spoken;
    std::function<void()> whileMessageOpen = [] {};
};

using layout::DigitButton;

TEST(GameSession, AWholeGameTellsTheTimeThatPassedWhateverTheTimerDoes)
{
    FrontEnd screen;
    GameSession &session = screen.session;
    session.Load();
    EXPECT_EQ(screen.names.size(), static_cast<std::size_t>(CellCount));
    session.Press(DigitButton(4));
    EXPECT_EQ(screen.messages, std::vector<std::string>{StartFirstMessage});

    session.Press(layout::StartButton);
    ASSERT_TRUE(screen.timerEnabled);
    const auto solved = testing::SolveTriangle(screen.TopRow());
    EXPECT_EQ(screen.spoken.back().rfind("一番上の段は", 0), 0U);
    EXPECT_EQ(screen.names.at(8), "2段目 1番目 空、次に入力するマス");

    // On time, every event is one tenth more, as the label always counted.
    for (const char *label : {"0分0.1秒", "0分0.2秒", "0分0.3秒"}) {
        screen.now += 99ms;
        session.Tick();
        EXPECT_EQ(screen.timeText, label);
    }
    // A timer that fires a hair early still counts its period; a repeated event counts nothing.
    screen.now += 98ms;
    session.Tick();
    session.Tick();
    EXPECT_EQ(screen.timeText, "0分0.4秒");

    // Five seconds without an event, as in a hidden browser tab: the next one catches up.
    screen.now += 5s;
    session.Tick();
    EXPECT_EQ(screen.timeText, "0分5.4秒");

    // Quit and Help are the window's; they do nothing to the game.
    session.Press(layout::QuitButton);
    session.Press(layout::HelpButton);
    EXPECT_EQ(session.Triangle().NextCell(), 8);

    // The clock runs behind a refused digit's box.
    screen.whileMessageOpen = [&] {
        screen.now += 2s;
        session.Tick();
    };
    session.Press(DigitButton((solved.at(8) + 1) % 10));
    EXPECT_EQ(screen.messages.back(), WrongDigitMessage);
    // A screen reader behind the box finds the boxes already named for the game.
    EXPECT_EQ(screen.namesWhenMessageOpened.at(8), "2段目 1番目 空、次に入力するマス");
    EXPECT_EQ(screen.timeText, "0分7.4秒");
    screen.whileMessageOpen = [] {};

    for (int cell = 8; cell < BottomCell; ++cell) {
        session.Press(DigitButton(solved.at(cell)));
        ASSERT_EQ(screen.cellText.at(cell), std::to_string(solved.at(cell)));
    }
    EXPECT_EQ(screen.spoken.back(),
              "正解。次は 8段目 1番目、上は " + std::to_string(solved.at(33)) + " と " + std::to_string(solved.at(34)));

    // The last digit comes 3.05 s after the last event that got through: the result holds them.
    screen.now += 3050ms;
    screen.whileMessageOpen = [&] { EXPECT_FALSE(screen.timerEnabled); };
    const std::string bottomName = "8段目 1番目 " + std::to_string(solved.at(BottomCell));
    session.Press(DigitButton(solved.at(BottomCell)));
    EXPECT_EQ(screen.messages.back(), "今のタイムは0分10.5秒です");
    EXPECT_EQ(screen.timeText, "0分10.5秒");

    // An event that was already on its way when the game ended changes nothing.
    screen.now += 1s;
    session.Tick();
    EXPECT_EQ(screen.timeText, "0分10.5秒");
    EXPECT_EQ(screen.names.at(BottomCell), bottomName);
    EXPECT_EQ(screen.namesWhenMessageOpened.at(BottomCell), bottomName);
}

TEST(GameSession, EachLoadPaintsTheLoadStateAndStartsTheSameRandomSequence)
{
    FrontEnd screen;
    screen.session.Load();
    screen.session.Press(layout::StartButton);
    const auto first = screen.TopRow();
    screen.now += 1s;
    screen.session.Tick();
    screen.session.Press(DigitButton((testing::SolveTriangle(first).at(8) + 1) % 10));

    screen.session.Load();
    EXPECT_EQ(screen.cellText, decltype(screen.cellText){});
    for (const Colour shade : screen.cellShade) {
        EXPECT_EQ(shade, White);
    }
    EXPECT_EQ(screen.timeText, TimeLabelLoadCaption);
    EXPECT_TRUE(screen.startVisible);
    EXPECT_FALSE(screen.quitVisible);
    EXPECT_FALSE(screen.timerEnabled);
    EXPECT_FALSE(screen.session.Running());
    EXPECT_EQ(screen.names.at(8), "2段目 1番目 空");

    screen.session.Press(layout::StartButton);
    EXPECT_EQ(screen.TopRow(), first);
    EXPECT_TRUE(screen.session.Running());
}

TEST(GameSession, ANamedRowIsDealtExactlyOnceAndALoadDealsAtRandomAgain)
{
    EXPECT_EQ(RowNamed("48123076"), (TopRow{4, 8, 1, 2, 3, 0, 7, 6}));
    for (const std::string_view bad :
         {"", "4812307", "481230760", "48123079", "4812307a", " 8123076", "４８１２３０７６"}) {
        EXPECT_EQ(RowNamed(bad), std::nullopt) << bad;
    }

    FrontEnd screen;
    screen.session.Load();
    screen.session.Press(layout::StartButton);
    const auto random = screen.TopRow();

    for (const TopRow &row : {TopRow{4, 8, 1, 2, 3, 0, 7, 6}, TopRow{8, 8, 8, 8, 8, 8, 8, 8}, TopRow{}}) {
        screen.session.Load();
        screen.session.DealNext(row);
        screen.session.Press(layout::StartButton);
        EXPECT_EQ(screen.TopRow(), row);
        EXPECT_EQ(RowNamed(NameOfRow(screen.session.Triangle())), row);
    }
    screen.session.Load();
    screen.session.Press(layout::StartButton);
    EXPECT_EQ(screen.TopRow(), random);
}

} // namespace
} // namespace sumdrop
