// SPDX-License-Identifier: MIT
// Page: the main window as a web page. It finds the controls that the page's skeleton holds,
// carries out the screen's part of the engine's port on them, and passes each control event on
// to its game session, as Form1 does on the desktop.
#pragma once

#include "Address.h"
#include "Dom.h"
#include "GameSession.h"
#include "HelpPanel.h"
#include "MessageDialog.h"
#include "ScreenReaderSync.h"
#include "UiPort.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace sumdrop::web {

class Page final : public ScreenPort {
public:
    // Loads the game, which puts the controls in their load state; randomStart starts the
    // random sequence. Start deals the row the address names, if any, and names the row dealt
    // there. Quit calls quit, which is to take the page back to its load state.
    Page(std::uint64_t randomStart, Address &address, std::function<void()> quit);
    Page(const Page &) = delete;
    Page &operator=(const Page &) = delete;
    Page(Page &&) = delete;
    Page &operator=(Page &&) = delete;
    ~Page() override;

    // A click (or Space, or Enter) on Command1..Command13: 0 <= button < 13.
    void Press(std::size_t button);
    // A key pressed on that button. Space clicks it as it goes down, not as it comes up: a
    // screen reader that reads the page may move the focus in between.
    void KeyDown(std::size_t button, const val &event);
    // Firefox clicks a button as Space comes up even when its going down was prevented.
    static void KeyUp(const val &event);
    void HelpOk();
    void HelpClosed();
    void MessageOk(const val &event);
    void MessageClosed();
    // Esc closes a message or help wherever the focus is: a click on the backdrop takes it off OK.
    void DocumentKeyDown(const val &event);
    // The page is shown again after a freeze or from the back-forward cache: a dialog that closed
    // meanwhile, without its close event, is taken down.
    void Resumed();
    void Tick();

    void SetCellText(int cell, const std::string &text) override;
    void SetCellShade(int cell, Colour colour) override;
    void SetTimeText(const std::string &text) override;
    void SetStartVisible(bool visible) override;
    void SetQuitVisible(bool visible) override;
    void SetTimerEnabled(bool enabled) override;
    void ShowMessage(const std::string &text) override;

private:
    void Command1_Click();
    void Command2_Click();
    void Command13_Click();

    std::array<val, CellCount> Label3;
    std::array<val, 13> buttons; // Command1..Command13
    val Label2;
    long timer = 0; // the interval of the running stopwatch; 0 while none runs

    ScreenReaderSync screenReader;
    MessageDialog message;
    HelpPanel help;
    Address &address;
    std::function<void()> endGame;
    GameSession session;
};

} // namespace sumdrop::web
