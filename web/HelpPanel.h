// SPDX-License-Identifier: MIT
// HelpPanel: the help window's contents on the page, in a modal dialog: the heading, the rule
// picture, the sentence and OK. OK and Esc close it, and the focus stays inside while it is open.
// It does not touch the game, whose stopwatch goes on behind it.
#pragma once

#include "Dom.h"

namespace sumdrop::web {

class HelpPanel {
public:
    // The focus goes back to helpButton when the panel closes.
    explicit HelpPanel(val helpButton);

    // Opens the panel with the focus on OK; if it is open already, only that.
    void Show();
    // OK or Esc: closes the panel and gives the focus back at once, without waiting for the
    // dialog's close event, which a frozen or restored page may never be sent.
    void Hide();
    // The dialog closed, or the page came back: gives the focus back if that is still to do.
    void Closed();
    // Esc, which the browser would turn into a close of its own.
    void Cancel(const val &event);

private:
    val dialog;
    val ok;
    val returnTo;
    bool shown = false;
};

} // namespace sumdrop::web
