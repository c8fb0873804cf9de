// SPDX-License-Identifier: MIT
// HelpPanel: the help window's contents on the page: the heading, the rule picture at its own
// size, the sentence and OK, laid out as the desktop's help window. It does not touch the game,
// whose stopwatch goes on behind it.
#pragma once

#include "Dom.h"

namespace sumdrop::web {

class HelpPanel {
public:
    // okHandler: the page's exported function that OK calls.
    HelpPanel(const val &parent, const char *okHandler);
    HelpPanel(const HelpPanel &) = delete;
    HelpPanel &operator=(const HelpPanel &) = delete;
    HelpPanel(HelpPanel &&) = delete;
    HelpPanel &operator=(HelpPanel &&) = delete;
    ~HelpPanel();

    // Shows the panel in front with the focus on OK; if it is shown already, only that.
    void Show();
    void Hide();
    // Scales the panel by the factor that fits it into the viewport, centred in it.
    void Fit(int viewportWidth, int viewportHeight);

private:
    val panel;
    val ok;
};

} // namespace sumdrop::web
