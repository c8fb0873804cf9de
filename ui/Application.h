// Application: what the program sets up once, before its first window is built.
#pragma once

class QApplication;

namespace sumdrop {

// Name, version and fonts; the tests call it too, so that they see what a player sees.
void ConfigureApplication(QApplication &app);

// Maps the designs' font to installed Japanese Gothic faces.
void ConfigureFonts();

// Deletes whatever windows are still loaded: the end of the program, or of one test run.
void UnloadAllWindows();

} // namespace sumdrop
