// SPDX-License-Identifier: MIT
// HelpPanel: the help window as a dialog over the game.
#include "HelpPanel.h"

#include "Layout.h"

#include <utility>

namespace sumdrop::web {

HelpPanel::HelpPanel(val helpButton, val gameRoot)
    : ok(ById(layout::page::HelpId(layout::HelpOkButton))),
      overlay(ById(layout::HelpWindow.caption), std::move(gameRoot), [] {})
{
    overlay.ReturnFocusTo(std::move(helpButton));
}

void HelpPanel::Show()
{
    // A screen reader hears the focus go into the panel only before the game goes inert. A modal
    // dialog would do both at once.
    overlay.Show(ok, false);
}

void HelpPanel::Hide()
{
    overlay.Hide();
}

void HelpPanel::Closed()
{
    overlay.Closed();
}

void HelpPanel::KeyDown(const val &event)
{
    overlay.KeyDown(event);
}

} // namespace sumdrop::web
