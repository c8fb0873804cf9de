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
    TakeDown();
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
    SetButtonsInert(game, true);
    SetShown(backdrop, true);
    dialog.call<void>("show");
    ById(layout::page::MessageOk).call<void>("focus");
    // Spoken whatever the screen reader makes of the focus moving to OK: the button the player
    // pressed has left its view.
    screenReader.Narrate(message);
}

void MessageDialog::Close()
{
    if (!open || takeDown.Waiting()) {
        return;
    }
    // The focus goes back to the game a frame before the box leaves the accessibility tree. A
    // screen reader told of the removal first puts its own focus on the button it last read,
    // often the one pressed, and then takes the focus landing there for no move, and says nothing.
    SetButtonsInert(game, false);
    ReturnFocus();
    takeDown.Run([this] { TakeDown(); });
}

void MessageDialog::TakeDown()
{
    takeDown.Cancel();
    if (dialog["open"].as<bool>()) {
        dialog.call<void>("close");
    }
    Closed();
}

void MessageDialog::Closed()
{
    // Also a page that froze, or went into the back-forward cache, before its next frame.
    takeDown.Flush();
    if (!open || dialog["open"].as<bool>()) {
        return;
    }
    open = false;
    screenReader.Clear();
    SetShown(backdrop, false);
    SetButtonsInert(game, false);
    ReturnFocus();
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

void MessageDialog::ReturnFocus()
{
    if (!returnTo.isNull() && !returnTo["hidden"].as<bool>()) {
        returnTo.call<void>("focus");
    }
}

} // namespace sumdrop::web
