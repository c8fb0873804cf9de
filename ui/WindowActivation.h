// SPDX-License-Identifier: MIT
// WindowActivation: bringing one of the game's windows to the front when the player asks for it
// with a button of another. The one place that knows how each platform hands out the focus.
#pragma once

class QWidget;

namespace sumdrop {

// Starts watching the player's presses, where a platform needs them to hand out the focus
// (Wayland); called once the application exists, before the first window is shown.
void StartWindowActivation();

// Shows the window, brings it back if it is minimised, raises it and gives it the keyboard.
void BringToFront(QWidget &window);

// Keeps the keyboard in the window for as long as it is shown: when the player clicks another of
// the game's windows, the keyboard comes back to it. The keyboard leaving for another program is
// left alone.
void KeepKeyboard(QWidget &window);

} // namespace sumdrop
