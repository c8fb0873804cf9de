// SingleWindow: each of the program's windows exists at most once. Showing one loads a fresh
// window when none is loaded, then shows it and brings it to the front.
#pragma once

#include <QPointer>

namespace sumdrop {

template <typename Window> Window *ShowSingleWindow(QPointer<Window> &loaded)
{
    if (loaded.isNull()) {
        loaded = new Window;
    }
    // A minimised window comes back too: the player asked to see it.
    loaded->setWindowState(loaded->windowState() & ~Qt::WindowMinimized);
    loaded->show();
    loaded->raise();
    loaded->activateWindow();
    return loaded;
}

} // namespace sumdrop
