// SPDX-License-Identifier: MIT
// Page: nothing here knows the rule of the game or keeps its state; the game session does.
#include "Page.h"

#include <emscripten/eventloop.h>

#include <algorithm>
#include <chrono>
#include <utility>

namespace sumdrop::web {

namespace {

// The exported functions through which the page's events reach the game (main.cpp).
constexpr const char *PressHandler = "press";
constexpr const char *HelpOkHandler = "helpOk";
constexpr const char *MessageClosedHandler = "messageClosed";

void TickCallback(void *page)
{
    static_cast<Page *>(page)->Tick();
}

// Command1..Command13, put into the document in tab order, which Tab and Shift+Tab follow.
std::array<val, layout::Buttons.size()> MakeButtons(const val &parent)
{
    constexpr auto order = layout::TabOrder();
    const auto made = MakeEach<order.size()>([&parent, &order](std::size_t place) {
        const layout::Control &control = layout::Buttons.at(order.at(place));
        return MakeControl(parent, "button", control, control.name);
    });
    return MakeEach<order.size()>([&made, &order](std::size_t button) {
        return made.at(static_cast<std::size_t>(std::find(order.begin(), order.end(), button) - order.begin()));
    });
}

std::string CssColour(Colour colour)
{
    return "rgb(" + std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
           std::to_string(colour.blue) + ")";
}

} // namespace

Page::Page(val pageRoot, std::uint64_t randomStart, std::function<void()> quit)
    : root(std::move(pageRoot)), form1(Append(root, "main", layout::MainWindow.caption)),
      title(MakeControl(form1, "h1", layout::Title, layout::Title.name)),
      Label3(MakeEach<CellCount>([this](std::size_t cell) {
          val box = Append(form1, "div", "Label3_" + std::to_string(cell));
          box["classList"].call<void>("add", val("cell"));
          box.call<void>("setAttribute", val("role"), val("img"));
          Place(box, layout::CellBox(static_cast<int>(cell)));
          SetFont(box, layout::CellFont);
          return box;
      })),
      buttons(MakeButtons(form1)), Label2(MakeControl(form1, "div", layout::TimeLabel, layout::TimeLabel.name)),
      screenReader(root, Label3), message(root, MessageClosedHandler), help(root, HelpOkHandler),
      endGame(std::move(quit)), session(*this, screenReader, randomStart, std::chrono::steady_clock::now)
{
    form1["style"].set("width", Js(std::to_string(layout::Pixels(layout::MainWindow.width)) + "px"));
    form1["style"].set("height", Js(std::to_string(layout::Pixels(layout::MainWindow.height)) + "px"));
    for (std::size_t button = 0; button < buttons.size(); ++button) {
        Listen(buttons.at(button), "click", PressHandler, static_cast<int>(button));
    }
    // A fixed name keeps the label from being read out at every tick; its text is read on demand.
    Label2.call<void>("setAttribute", val("role"), val("timer"));
    Label2.call<void>("setAttribute", val("aria-label"), Js(layout::TimeLabelAccessibleName));
    SetShown(buttons.at(layout::QuitButton), false);
    session.Load();
    Fit();
    buttons.at(layout::StartButton).call<void>("focus");
}

Page::~Page()
{
    SetTimerEnabled(false);
    form1.call<void>("remove");
}

void Page::Press(std::size_t button)
{
    // A click can only come from a button the player can reach: none while a message is open.
    if (button >= buttons.size() || message.IsOpen()) {
        return;
    }
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

void Page::Command1_Click()
{
    const bool hadFocus = buttons.at(layout::StartButton).strictlyEquals(val::global("document")["activeElement"]);
    session.Press(layout::StartButton);
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
    help.Show();
}

void Page::HelpOk()
{
    help.Hide();
    buttons.at(layout::HelpButton).call<void>("focus");
}

void Page::MessageClosed()
{
    message.Closed();
}

void Page::Tick()
{
    session.Tick();
}

void Page::Fit()
{
    const int viewportWidth = val::global("innerWidth").as<int>();
    const int viewportHeight = val::global("innerHeight").as<int>();
    const int width = layout::Pixels(layout::MainWindow.width);
    const int height = layout::Pixels(layout::MainWindow.height);
    // No smallest factor here: a phone held upright must show the whole game without scrolling.
    const double factor = layout::FitFactor(width, height, viewportWidth, viewportHeight, 0.0);
    val style = form1["style"];
    style.set("transform", Js("scale(" + std::to_string(factor) + ")"));
    style.set("left", Js(std::to_string(std::max(0.0, (viewportWidth - width * factor) / 2)) + "px"));
    help.Fit(viewportWidth, viewportHeight);
}

void Page::SetCellText(int cell, const std::string &text)
{
    SetText(Label3.at(cell), text);
}

void Page::SetCellShade(int cell, Colour colour)
{
    Label3.at(cell)["style"].set("backgroundColor", Js(CssColour(colour)));
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

bool Page::IsTimerEnabled() const
{
    return timer != 0;
}

void Page::ShowMessage(const std::string &text)
{
    // A screen reader may look at the boxes while the dialog is open.
    session.DescribeCells();
    message.Show(text);
}

double Page::NextRandom()
{
    return session.NextRandom();
}

} // namespace sumdrop::web
