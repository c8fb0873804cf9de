// SPDX-License-Identifier: MIT
// MessageDialog: the game's message box on the page, a <dialog> titled Sumdrop with the text and
// OK, over a backdrop that takes every click. OK, Enter and Esc close it, in their own handlers:
// a page the browser froze or restored from its back-forward cache may never be sent the
// dialog's close event. Behind it the game's buttons are inert, but its timers keep running, as
// behind the desktop's box (alert() would stop them), and the boxes stay readable. The dialog is
// not modal in the browser's sense, since that would hide the live region through which a screen
// reader hears the message.
#pragma once

#include "Overlay.h"

#include <deque>
#include <string>
#include <string_view>

namespace sumdrop::web {

class ScreenReaderSync;

class MessageDialog {
public:
    // The buttons under gameRoot are inert while a message is open.
    MessageDialog(val gameRoot, ScreenReaderSync &reader);
    MessageDialog(const MessageDialog &) = delete;
    MessageDialog &operator=(const MessageDialog &) = delete;
    MessageDialog(MessageDialog &&) = delete;
    MessageDialog &operator=(MessageDialog &&) = delete;
    // Closes a dialog that is still open, for a page that goes back to its load state.
    ~MessageDialog();

    // Opens the dialog, or, while one is open, shows this text once it has been closed. Returns
    // at once: the game session asks for a message only as the last thing it does for an event.
    void Show(std::string_view text);
    // The game button the focus goes back to when the box closes. Safari gives a clicked button
    // no focus, so the focus at the time the box opens cannot tell.
    void ReturnFocusTo(val button);
    // OK was clicked, or pressed by Enter or Space.
    void Ok(const val &event);
    // Esc closes it, as it closes the desktop's box.
    void KeyDown(const val &event);
    // The dialog closed; does nothing for a box already taken down. Also called when the page
    // comes back from a freeze or the back-forward cache, for a box that closed meanwhile.
    void Closed();
    // Open, and not on its way down: a press meanwhile waits for the box to go.
    [[nodiscard]] bool IsOpen() const { return overlay.Shown() && !overlay.Leaving(); }

private:
    void Open(const std::string &text);
    void CameDown();

    val text;
    val ok;
    ScreenReaderSync &screenReader;
    std::deque<std::string> waiting;
    Overlay overlay;
};

} // namespace sumdrop::web
