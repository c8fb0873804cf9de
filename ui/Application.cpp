// Application: settings shared by the program and the window tests.
#include "Application.h"

#include "Form1.h"
#include "Form2.h"
#include "Metrics.h"

#include <QApplication>
#include <QFont>

namespace sumdrop {

void ConfigureApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Sumdrop"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setOrganizationName(QStringLiteral("Sumdrop"));
    app.setQuitOnLastWindowClosed(true);
    ConfigureFonts();
}

void ConfigureFonts()
{
    // No Linux machine has the designs' face, and fontconfig would answer it with a Latin face
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
