// SPDX-License-Identifier: MIT
// WindowActivation: Qt's activation, and the platform's own where it has one.
#include "WindowActivation.h"

#include "PlatformActivation.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace sumdrop {

const QLoggingCategory &lcActivation()
{
    static const QLoggingCategory category("sumdrop.activation", QtInfoMsg);
    return category;
}

void StartWindowActivation()
{
    platform::StartActivation();
}

void BringToFront(QWidget &window)
{
    // A minimised window comes back too: the player asked to see it.
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    if (window.windowHandle() != nullptr && platform::Activate(*window.windowHandle())) {
        return;
    }
    qCDebug(lcActivation) << "Qt's own activation for" << window.windowTitle();
    window.activateWindow();
}

void KeepKeyboard(QWidget &window)
{
    if (platform::KeepKeyboard(window)) {
        return;
    }
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, &window, [&window](QWindow *focus) {
        if (focus != nullptr && focus != window.windowHandle() && window.isVisible()) {
            BringToFront(window);
        }
    });
}

} // namespace sumdrop
