// SPDX-License-Identifier: MIT
// Application: settings shared by the program and the window tests.
#include "Application.h"

#include "Accessibility.h"
#include "Form1.h"
#include "Form2.h"
#include "Metrics.h"
#include "WindowActivation.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>

namespace sumdrop {

void ConfigureApplication(QApplication &app)
{
    StartWindowActivation();
    QApplication::setApplicationName(QStringLiteral("Sumdrop"));
    QApplication::setApplicationVersion(ApplicationVersion);
    QApplication::setOrganizationName(QStringLiteral("Sumdrop"));
    // Names the launcher, so that Wayland compositors can find the icon and group the windows.
    QGuiApplication::setDesktopFileName(ApplicationId);
    app.setQuitOnLastWindowClosed(true);
    ConfigureFonts();
    InstallAccessibility({&Form1::staticMetaObject, &Form2::staticMetaObject});
}

void InstallWindowIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128}) {
        icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(ApplicationId).arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
}

void ConfigureFonts()
{
    // A build that carries its own Gothic (the Windows zip) loads it first, so that its captions
    // are Japanese on a system in any language; a system that has the controls' face keeps it.
    const QDir builtIn(QStringLiteral(":/fonts"));
    for (const QString &file : builtIn.entryList({QStringLiteral("*.otf")}, QDir::Files)) {
        QFontDatabase::addApplicationFont(builtIn.filePath(file));
    }
    // No Linux machine has the controls' face, and fontconfig would answer it with a Latin face
    // that borrows its kana from whatever CJK font it finds. A proportional Gothic comes first
    // because its line height fits the small boxes; Noto CJK is taller but still readable.
    QFont::insertSubstitutions(metrics::FontFamily, {QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
                                                     QStringLiteral("Noto Sans CJK JP")});
}

void UnloadAllWindows()
{
    delete Form2::Loaded();
    delete Form1::Loaded();
}

} // namespace sumdrop
