// SPDX-License-Identifier: MIT
// WindowParts: what both windows are built from. Each window exists at most once, is white
// with black text, and holds labels placed at fixed positions.
#pragma once

#include "WindowActivation.h"

#include <QLabel>
#include <QPalette>
#include <QPointer>
#include <QWidget>

namespace sumdrop {

// Loads a fresh window when none is loaded, then shows it and brings it to the front.
template <typename Window, typename... Arguments>
Window *ShowSingleWindow(QPointer<Window> &loaded, Arguments... arguments)
{
    if (loaded.isNull()) {
        loaded = new Window(arguments...);
    }
    BringToFront(*loaded);
    return loaded.data();
}

// Caption and object name are the same; closing the window unloads it.
inline void SetUpWindow(QWidget &window, const QString &caption, QSize size)
{
    window.setObjectName(caption);
    window.setWindowTitle(caption);
    window.setAttribute(Qt::WA_DeleteOnClose);
    window.resize(size);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

// A label whose text starts at its top edge, on the window's white unless given a palette.
template <typename Label = QLabel>
Label *MakeLabel(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry, const QFont &font,
                 Qt::Alignment alignment)
{
    auto *label = new Label(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setAutoFillBackground(true);
    return label;
}

} // namespace sumdrop
