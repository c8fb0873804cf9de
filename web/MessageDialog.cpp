// SPDX-License-Identifier: MIT
// MessageDialog: the message box as a <dialog> over a backdrop, with the game behind it inert.
#include "MessageDialog.h"

#include "ScreenReaderSync.h"

#include <utility>

namespace sumdrop::web {

MessageDialog::MessageDialog(val gameRoot, ScreenReaderSync &reader)
    : game(std::move(gameRoot)), dialog(ById("message")), text(ById("message-text")),
      backdrop(ById("message-backdrop")), focusBefore(val::null()), screenReader(reader)
{
}

MessageDialog::~MessageDialog()
{
    waiting.clear();
    if (open) {
        dialog.call<void>("close");
        Closed();
    }
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
    focusBefore = val::global("document")["activeElement"];
    SetGameInert(true);
    SetShown(backdrop, true);
    dialog.call<void>("show");
    ById("message-ok").call<void>("focus");
    // Spoken whatever the screen reader makes of the focus moving to OK: the button the player
    // pressed has left its view.
    screenReader.Narrate(message);
}

void MessageDialog::Closed()
{
    if (!open) {
        return;
    }
    open = false;
    screenReader.Clear();
    SetShown(backdrop, false);
    SetGameInert(false);
    if (!focusBefore.isNull() && !focusBefore["hidden"].as<bool>()) {
        focusBefore.call<void>("focus");
    }
    if (!waiting.empty()) {
        const std::string next = waiting.front();
        waiting.pop_front();
        Open(next);
    }
}

void MessageDialog::KeyDown(const val &event)
{
    if (open && event["key"].as<std::string>() == "Escape") {
        event.call<void>("preventDefault");
        dialog.call<void>("close");
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
