// SPDX-License-Identifier: MIT
// MessageDialog: the message box as a <dialog> over a backdrop, with the game behind it inert.
#include "MessageDialog.h"

#include "Layout.h"
#include "ScreenReaderSync.h"

#include <utility>

namespace sumdrop::web {

MessageDialog::MessageDialog(val gameRoot, ScreenReaderSync &reader)
    : game(std::move(gameRoot)), dialog(ById(layout::page::Message)), text(ById(layout::page::MessageText)),
      backdrop(ById(layout::page::MessageBackdrop)), returnTo(val::null()), screenReader(reader)
{
}

MessageDialog::~MessageDialog()
{
    waiting.clear();
    Close();
}

void MessageDialog::ReturnFocusTo(val button)
{
    returnTo = std::move(button);
}

void MessageDialog::Show(std::string_view message)
{
    if (open) {
        waiting.emplace_back(message);
        return;
    }
    Open(std::string(message));
}

void MessageDialog::Open(const std::string &message)
{
    SetText(text, message);
    open = true;
    SetGameInert(true);
    SetShown(backdrop, true);
    dialog.call<void>("show");
    ById(layout::page::MessageOk).call<void>("focus");
    // Spoken whatever the screen reader makes of the focus moving to OK: the button the player
    // pressed has left its view.
    screenReader.Narrate(message);
}

void MessageDialog::Close()
{
    if (dialog["open"].as<bool>()) {
        dialog.call<void>("close");
    }
    Closed();
}

void MessageDialog::Closed()
{
    if (!open || dialog["open"].as<bool>()) {
        return;
    }
    open = false;
    screenReader.Clear();
    SetShown(backdrop, false);
    SetGameInert(false);
    if (!returnTo.isNull() && !returnTo["hidden"].as<bool>()) {
        returnTo.call<void>("focus");
    }
    if (!waiting.empty()) {
        const std::string next = waiting.front();
        waiting.pop_front();
        Open(next);
    }
}

void MessageDialog::Ok(const val &event)
{
    // The form would close the dialog after this handler, and with it a box opened meanwhile.
    event.call<void>("preventDefault");
    Close();
}

void MessageDialog::KeyDown(const val &event)
{
    if (open && event["key"].as<std::string>() == "Escape") {
        event.call<void>("preventDefault");
        Close();
    }
}

void MessageDialog::SetGameInert(bool inert)
{
    const val buttons = game.call<val>("querySelectorAll", val("button"));
    const int count = buttons["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        buttons[i].set("inert", val(inert));
    }
}

} // namespace sumdrop::web
