// SPDX-License-Identifier: MIT
// Sumdrop: starts the application with its main window.
#include "Application.h"
#include "Form1.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    sumdrop::ConfigureApplication(app);
    sumdrop::Form1::ShowMainWindow();
    QTimer::singleShot(0, &app, &sumdrop::InstallWindowIcon);
    const int status = QApplication::exec();
    sumdrop::UnloadAllWindows();
    return status;
}
