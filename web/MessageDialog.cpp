// SPDX-License-Identifier: MIT
// MessageDialog: the message box as a <dialog> over a backdrop, with the game behind it inert.
#include "MessageDialog.h"

#include "Layout.h"
#include "ScreenReaderSync.h"

#include <utility>

namespace sumdrop::web {

MessageDialog::MessageDialog(val gameRoot, ScreenReaderSync &reader)
    : text(ById(layout::page::MessageText)), ok(ById(layout::page::MessageOk)), screenReader(reader),
      overlay(ById(layout::page::Message), std::move(gameRoot), [this] { CameDown(); })
{
}

MessageDialog::~MessageDialog()
{
    waiting.clear();
    overlay.TakeDown();
}

void MessageDialog::ReturnFocusTo(val button)
{
    overlay.ReturnFocusTo(std::move(button));
}

void MessageDialog::Show(std::string_view message)
{
    if (overlay.Shown()) {
        waiting.emplace_back(message);
        return;
    }
    Open(std::string(message));
}

void MessageDialog::Open(const std::string &message)
{
    SetText(text, message);
    // The game can go inert at once: the message is spoken through the live region, whatever the
    // screen reader makes of the focus moving to OK from the button pressed.
    overlay.Show(ok, true);
    screenReader.Narrate(message);
}

void MessageDialog::CameDown()
{
    screenReader.Clear();
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
    overlay.Hide();
}

void MessageDialog::KeyDown(const val &event)
{
    overlay.KeyDown(event);
}

void MessageDialog::Closed()
{
    overlay.Closed();
}

} // namespace sumdrop::web
