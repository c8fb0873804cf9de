// SPDX-License-Identifier: MIT
// Metrics: the one place where the windows' twips and points become Qt's logical pixels.
// Qt scales logical pixels to device pixels, so high-dpi screens need nothing more here. Where a
// window would not fit its screen, the whole window is drawn smaller by one factor.
#pragma once

#include "Layout.h"

#include <QFont>
#include <QRect>
#include <QString>

namespace sumdrop::metrics {

// The windows are laid out at 96 dots per inch: 1440 twips and 72 points to the inch.
inline constexpr int TwipsPerPixel = layout::TwipsPerPixel;

// The face every control asks for; sumdrop::ConfigureFonts maps it to an installed Gothic.
inline const QString FontFamily = QString::fromUtf8(layout::FontFamily.data(), layout::FontFamily.size());

// Room left around a window's client area for the frame that the window manager or the
// compositor draws: borders, and a title bar as tall as GNOME's.
inline constexpr QSize FrameAllowance(16, 48);

// Below this the smallest captions (the digit pad, 14.25 pt) would be hard to read; a window that
// needs less stays at this scale, and the player moves it to see the rest.
inline constexpr double SmallestFactor = 0.6;

class Scale {
public:
    constexpr Scale() = default;

    // The factor at which a client area of clientTwips, with its frame, fits into available
    // (logical pixels): 1 wherever it fits as designed, never below SmallestFactor.
    static Scale ToFit(QSize clientTwips, QSize available);
    // The same for a new window on the screen the platform will put it on.
    static Scale ToFitScreen(QSize clientTwips);
    static Scale ToFitScreen(const layout::Window &window) { return ToFitScreen({window.width, window.height}); }

    [[nodiscard]] constexpr double Factor() const { return factor; }

    [[nodiscard]] int Pixels(int twips) const
    {
        // At the designed size, exactly the pixels of 15 twips each, rounded to the nearest.
        return factor == 1.0 ? layout::Pixels(twips) : qRound(twips * factor / TwipsPerPixel);
    }

    [[nodiscard]] QSize Size(int width, int height) const { return {Pixels(width), Pixels(height)}; }

    [[nodiscard]] QRect Rect(int left, int top, int width, int height) const
    {
        return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
    }

    [[nodiscard]] QRect Rect(const layout::Twips &box) const { return Rect(box.left, box.top, box.width, box.height); }

    [[nodiscard]] QSize Size(const layout::Window &window) const { return Size(window.width, window.height); }

    // Fonts are sized in pixels, not points, so text keeps fitting its twips-sized box whatever
    // dpi the display reports.
    [[nodiscard]] int FontPixels(double points) const { return layout::FontPixels(points, factor); }

    [[nodiscard]] QFont Font(double points, bool bold) const
    {
        QFont font(FontFamily);
        // A control without text, such as the picture, has no size given.
        if (points > 0) {
            font.setPixelSize(FontPixels(points));
        }
        font.setWeight(bold ? QFont::Bold : QFont::Normal);
        return font;
    }

    [[nodiscard]] QFont Font(const layout::Font &font) const { return Font(font.points, font.bold); }

private:
    explicit constexpr Scale(double fitting) : factor(fitting) {}

    double factor = 1.0;
};

} // namespace sumdrop::metrics
