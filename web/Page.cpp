// SPDX-License-Identifier: MIT
// Page: nothing here knows the rule of the game or keeps its state; the game session does both
// and paints the load state, and the page only finds, forwards and carries out.
#include "Page.h"

#include "Layout.h"
#include "Stopwatch.h"

#include <emscripten/eventloop.h>

#include <algorithm>
#include <chrono>
#include <utility>

namespace sumdrop::web {

namespace {

void TickCallback(void *page)
{
    static_cast<Page *>(page)->Tick();
}

// find(0), find(1), ..., find(N - 1): elements have no empty state to start from.
template <std::size_t N, typename Find> std::array<val, N> Each(Find find)
{
    return [&find]<std::size_t... I>(std::index_sequence<I...>)
    {
        return std::array<val, N>{find(I)...};
    }
    (std::make_index_sequence<N>{});
}

std::string CssColour(Colour colour)
{
    return "rgb(" + std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
           std::to_string(colour.blue) + ")";
}

} // namespace

Page::Page(std::uint64_t randomStart, Address &pageAddress, std::function<void()> quit)
    : Label3(Each<CellCount>([](std::size_t cell) { return ById(layout::CellId(static_cast<int>(cell))); })),
      buttons(Each<layout::Buttons.size()>([](std::size_t button) { return ById(layout::Buttons.at(button).name); })),
      Label2(ById(layout::TimeLabel.name)), screenReader(Label3),
      message(ById(layout::MainWindow.caption), screenReader),
      help(buttons.at(layout::HelpButton), ById(layout::MainWindow.caption)), address(pageAddress),
      endGame(std::move(quit)), session(*this, screenReader, randomStart, std::chrono::steady_clock::now)
{
    screenReader.Clear();
    session.Load();
    buttons.at(layout::StartButton).call<void>("focus");
}

Page::~Page()
{
    SetTimerEnabled(false);
}

void Page::Press(std::size_t button)
{
    // A click can only come from a button the player can reach: none while a message is open.
    if (button >= buttons.size() || message.IsOpen()) {
        return;
    }
    // The focus comes back here when a box this press opens closes.
    message.ReturnFocusTo(buttons.at(button));
    switch (button) {
    case layout::StartButton:
        Command1_Click();
        break;
    case layout::QuitButton:
        Command2_Click();
        break;
    case layout::HelpButton:
        Command13_Click();
        break;
    default:
        session.Press(button);
        break;
    }
}

void Page::KeyDown(std::size_t button, const val &event)
{
    if (event["key"].as<std::string>() == " " && !event["repeat"].as<bool>()) {
        // Also keeps the button from clicking itself when Space comes up.
        event.call<void>("preventDefault");
        Press(button);
    }
}

void Page::KeyUp(const val &event)
{
    if (event["key"].as<std::string>() == " ") {
        event.call<void>("preventDefault");
    }
}

void Page::Command1_Click()
{
    const bool hadFocus = buttons.at(layout::StartButton).strictlyEquals(val::global("document")["activeElement"]);
    if (const auto row = address.TakeNamedRow()) {
        session.DealNext(*row);
    }
    session.Press(layout::StartButton);
    if (session.Running()) {
        Address::Show(NameOfRow(session.Triangle()));
    }
    // The focus moves on from the Start button that hid itself, as a desktop toolkit moves it to
    // the next control in the tab order.
    if (hadFocus) {
        constexpr auto order = layout::TabOrder();
        const auto start = std::find(order.begin(), order.end(), layout::StartButton);
        buttons.at(*(start + 1)).call<void>("focus");
    }
}

void Page::Command2_Click()
{
    // A page cannot close its tab; Quit ends the game and the page returns to its load state.
    SetTimerEnabled(false);
    endGame();
}

void Page::Command13_Click()
{
    // What the live region said has been heard; read again behind help, it would be out of date.
    screenReader.Clear();
    help.Show();
}

void Page::HelpOk()
{
    help.Hide();
}

void Page::HelpClosed()
{
    help.Closed();
}

void Page::MessageOk(const val &event)
{
    message.Ok(event);
}

void Page::MessageClosed()
{
    message.Closed();
}

void Page::Resumed()
{
    message.Closed();
    help.Closed();
}

void Page::DocumentKeyDown(const val &event)
{
    message.KeyDown(event);
    help.KeyDown(event);
}

void Page::Tick()
{
    session.Tick();
}

void Page::SetCellText(int cell, const std::string &text)
{
    SetText(Label3.at(cell), text);
}

void Page::SetCellShade(int cell, Colour colour)
{
    val box = Label3.at(cell);
    box["style"].set("backgroundColor", Js(CssColour(colour)));
    // A contrast theme overrides the colour; it marks a shaded box in a colour of its own.
    box["classList"].call<void>("toggle", val("shaded"), val(colour != White));
}

void Page::SetTimeText(const std::string &text)
{
    SetText(Label2, text);
}

void Page::SetStartVisible(bool visible)
{
    SetShown(buttons.at(layout::StartButton), visible);
}

void Page::SetQuitVisible(bool visible)
{
    SetShown(buttons.at(layout::QuitButton), visible);
}

void Page::SetTimerEnabled(bool enabled)
{
    if (enabled && timer == 0) {
        timer = emscripten_set_interval(TickCallback, TickIntervalMilliseconds, this);
    } else if (!enabled && timer != 0) {
        emscripten_clear_interval(timer);
        timer = 0;
    }
}

void Page::ShowMessage(const std::string &text)
{
    message.Show(text);
}

} // namespace sumdrop::web
