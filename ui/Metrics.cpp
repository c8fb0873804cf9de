// SPDX-License-Identifier: MIT
// Metrics: the one conversion from the layout's twips and points to the pixels of a screen.
#include "Metrics.h"

#include <QGuiApplication>
#include <QScreen>

namespace sumdrop::metrics {

Scale Scale::ToFit(QSize clientTwips, QSize available)
{
    // The frame keeps its size; only the client area shrinks.
    const QSize designed = Scale().Size(clientTwips.width(), clientTwips.height());
    const QSize room = available - FrameAllowance;
    return Scale(layout::FitFactor(designed.width(), designed.height(), room.width(), room.height(), SmallestFactor));
}

Scale Scale::ToFitScreen(QSize clientTwips)
{
    // A new window goes on the primary screen, as the platform places it there by default.
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? Scale() : ToFit(clientTwips, screen->availableGeometry().size());
}

} // namespace sumdrop::metrics
