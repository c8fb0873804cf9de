// SPDX-License-Identifier: MIT
// HelpPanel: the help window's contents on the page, in a dialog over the game: the heading, the
// rule picture, the sentence and OK. OK and Esc close it, and the game's buttons are inert while
// it is open. It does not touch the game, whose stopwatch goes on behind it.
#pragma once

#include "Overlay.h"

namespace sumdrop::web {

class HelpPanel {
public:
    // The focus goes back to helpButton when the panel closes; the buttons under gameRoot are
    // inert while it is open.
    HelpPanel(val helpButton, val gameRoot);

    // Opens the panel with the focus on OK; if it is open already, only that.
    void Show();
    // OK: gives the focus back at once and takes the panel down after the next frame.
    void Hide();
    // The dialog closed, or the page came back: finishes what is still to do.
    void Closed();
    // Esc anywhere on the page.
    void KeyDown(const val &event);

private:
    val ok;
    Overlay overlay;
};

} // namespace sumdrop::web
