// SPDX-License-Identifier: MIT
// Metrics: the one place where the windows' twips and points become Qt's logical pixels.
// Qt scales logical pixels to device pixels, so high-dpi screens need nothing more here.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace sumdrop::metrics {

// The windows are laid out at 96 dots per inch: 1440 twips and 72 points to the inch.
inline constexpr int TwipsPerPixel = 15;

constexpr int Pixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

constexpr QRect Rect(int left, int top, int width, int height)
{
    return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

// Fonts are sized in pixels, not points, so text keeps fitting its twips-sized box whatever
// dpi the display reports.
constexpr int FontPixels(double points)
{
    return qRound(points * 96.0 / 72.0);
}

// The face every control asks for; Sumdrop::ConfigureFonts maps it to an installed Gothic.
inline const QString FontFamily = QStringLiteral("ＭＳ Ｐゴシック");

inline QFont Font(double points, bool bold)
{
    QFont font(FontFamily);
    font.setPixelSize(FontPixels(points));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace sumdrop::metrics
