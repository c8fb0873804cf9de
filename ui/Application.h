// SPDX-License-Identifier: MIT
// Application: what the program sets up once, before its first window is built.
#pragma once

#include "Release.h"

class QApplication;

namespace sumdrop {

// Name, version and fonts; the tests call it too, so that they see what a player sees.
void ConfigureApplication(QApplication &app);

// Gives every window the game's icon. Reading the icon files is the slowest part of starting
// up, so the program does it once its first window is on the screen.
void InstallWindowIcon();

// Maps the controls' font to installed Japanese Gothic faces.
void ConfigureFonts();

// Deletes whatever windows are still loaded: the end of the program, or of one test run.
void UnloadAllWindows();

} // namespace sumdrop
