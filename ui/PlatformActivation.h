// SPDX-License-Identifier: MIT
// PlatformActivation: what a platform does itself to hand a window the focus, where Qt's own
// activation is not enough. WaylandActivation.cpp carries it out on Wayland; elsewhere
// NoPlatformActivation.cpp leaves everything to Qt.
#pragma once

#include <QLoggingCategory>

class QWidget;
class QWindow;

namespace sumdrop {

// Why a window was not brought forward the platform's own way; off unless asked for, with
// QT_LOGGING_RULES="sumdrop.activation.debug=true".
const QLoggingCategory &lcActivation();

namespace platform {

// Starts watching the player's presses, where the platform needs them.
void StartActivation();
// Whether the platform was asked to bring the window forward; false leaves it to Qt.
bool Activate(QWindow &window);
// Whether the platform keeps the keyboard in the window while it is shown; false leaves it to
// the game's own watch on Qt's focus window.
bool KeepKeyboard(QWidget &window);

} // namespace platform
} // namespace sumdrop
