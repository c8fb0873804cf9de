// SPDX-License-Identifier: MIT
// HelpPanel: the help window as a modal <dialog>.
#include "HelpPanel.h"

#include "Layout.h"

#include <utility>

namespace sumdrop::web {

HelpPanel::HelpPanel(val helpButton)
    : dialog(ById(layout::HelpWindow.caption)), ok(ById(layout::page::HelpId(layout::HelpOkButton))),
      returnTo(std::move(helpButton))
{
}

void HelpPanel::Show()
{
    if (!dialog["open"].as<bool>()) {
        dialog.call<void>("showModal");
    }
    shown = true;
    ok.call<void>("focus");
}

void HelpPanel::Hide()
{
    if (dialog["open"].as<bool>()) {
        dialog.call<void>("close");
    }
    Closed();
}

void HelpPanel::Closed()
{
    if (!shown || dialog["open"].as<bool>()) {
        return;
    }
    shown = false;
    returnTo.call<void>("focus");
}

void HelpPanel::Cancel(const val &event)
{
    event.call<void>("preventDefault");
    Hide();
}

} // namespace sumdrop::web
