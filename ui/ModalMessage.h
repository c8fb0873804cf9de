// SPDX-License-Identifier: MIT
// ModalMessage: the game's message box: its text, one OK button and "Sumdrop" in the title bar.
// OK, Enter, Esc and the close box all close it, and it keeps the keyboard while it is open.
#pragma once

#include <string>

class QWidget;

namespace sumdrop {

// Shows the box, modal for the whole application, and returns once the player has closed it.
// The owner's timers keep running meanwhile.
void ShowModalMessage(QWidget *owner, const std::string &text);

// Whether a box is open: the engine is waiting inside it, so its window must not go.
[[nodiscard]] bool ModalMessageOpen();

} // namespace sumdrop
