// SPDX-License-Identifier: MIT
// MessageDialog: the game's message box on the page, a modal <dialog> titled Sumdrop with the
// text and OK. OK, Enter and Esc close it. The page behind it is inert while it is open, but its
// timers keep running, as behind the desktop's box; alert() would stop them.
#pragma once

#include "Dom.h"

#include <deque>
#include <string>
#include <string_view>

namespace sumdrop::web {

class MessageDialog {
public:
    // closedHandler: the page's exported function to call when the player closes the dialog.
    MessageDialog(const val &parent, const char *closedHandler);
    MessageDialog(const MessageDialog &) = delete;
    MessageDialog &operator=(const MessageDialog &) = delete;
    MessageDialog(MessageDialog &&) = delete;
    MessageDialog &operator=(MessageDialog &&) = delete;
    ~MessageDialog();

    // Opens the dialog, or, while one is open, shows this text once it has been closed. Returns
    // at once: the engine shows a message only as the last thing it does for an event.
    void Show(std::string_view text);
    // The player closed the dialog.
    void Closed();
    [[nodiscard]] bool IsOpen() const { return open; }

private:
    void Open(const std::string &text);

    val dialog;
    val text;
    std::deque<std::string> waiting;
    bool open = false;
};

} // namespace sumdrop::web
