// SPDX-License-Identifier: MIT
// HelpPanel: the help window as a dialog over a backdrop, with the game behind it inert.
#include "HelpPanel.h"

#include "Layout.h"

#include <utility>

namespace sumdrop::web {

HelpPanel::HelpPanel(val helpButton, val gameRoot)
    : dialog(ById(layout::HelpWindow.caption)), ok(ById(layout::page::HelpId(layout::HelpOkButton))),
      backdrop(ById(layout::page::MessageBackdrop)), game(std::move(gameRoot)), returnTo(std::move(helpButton))
{
}

void HelpPanel::Show()
{
    if (!shown) {
        shown = true;
        SetShown(backdrop, true);
        dialog.call<void>("show");
    }
    ok.call<void>("focus");
    // The game goes inert a frame after the focus has gone into the panel, and comes back a frame
    // before the panel goes, for the reason the message box gives. A modal dialog would do both
    // at once.
    later.Run([this] { SetButtonsInert(game, true); });
}

void HelpPanel::Hide()
{
    if (!shown) {
        return;
    }
    SetButtonsInert(game, false);
    returnTo.call<void>("focus");
    later.Run([this] { TakeDown(); });
}

void HelpPanel::TakeDown()
{
    later.Cancel();
    if (dialog["open"].as<bool>()) {
        dialog.call<void>("close");
    }
    Closed();
}

void HelpPanel::Closed()
{
    later.Flush();
    if (!shown || dialog["open"].as<bool>()) {
        return;
    }
    shown = false;
    SetShown(backdrop, false);
    SetButtonsInert(game, false);
    returnTo.call<void>("focus");
}

void HelpPanel::KeyDown(const val &event)
{
    if (shown && event["key"].as<std::string>() == "Escape") {
        event.call<void>("preventDefault");
        Hide();
    }
}

} // namespace sumdrop::web
