// SPDX-License-Identifier: MIT
// HelpPanel: the help window's contents on the page, in a modal dialog: the heading, the rule
// picture, the sentence and OK. OK and Esc close it, and the focus stays inside while it is open.
// It does not touch the game, whose stopwatch goes on behind it.
#pragma once

#include "Dom.h"

namespace sumdrop::web {

class HelpPanel {
public:
    HelpPanel();

    // Opens the panel with the focus on OK; if it is open already, only that.
    void Show();
    void Hide();

private:
    val dialog;
    val ok;
};

} // namespace sumdrop::web
