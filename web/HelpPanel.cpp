// SPDX-License-Identifier: MIT
// HelpPanel: the help window as a modal <dialog>.
#include "HelpPanel.h"

namespace sumdrop::web {

HelpPanel::HelpPanel() : dialog(ById("Form2")), ok(ById("Form2-Command1"))
{
}

void HelpPanel::Show()
{
    if (!dialog["open"].as<bool>()) {
        dialog.call<void>("showModal");
    }
    ok.call<void>("focus");
}

void HelpPanel::Hide()
{
    if (dialog["open"].as<bool>()) {
        dialog.call<void>("close");
    }
}

} // namespace sumdrop::web
