// SPDX-License-Identifier: MIT
// WindowParts: what both windows are built from. Each window exists at most once, is white
// with black text, and holds labels placed at fixed positions.
#pragma once

#include "Layout.h"
#include "Metrics.h"
#include "WindowActivation.h"

#include <QLabel>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <string_view>

namespace sumdrop {

// Texts of the layout and the engine are UTF-8.
inline QString Text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

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

// A label as the layout places it, at the window's scale.
template <typename Label = QLabel>
Label *MakeLabel(QWidget *parent, const layout::Control &control, const metrics::Scale &scale)
{
    auto *label = MakeLabel<Label>(parent, Text(control.name), Text(control.caption), scale.Rect(control.box),
                                   scale.Font(control.font),
                                   control.align == layout::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft);
    if (!control.description.empty()) {
        label->setAccessibleDescription(Text(control.description));
    }
    return label;
}

// A push button as the layout places it, at the window's scale.
inline QPushButton *MakeButton(QWidget *parent, const layout::Control &control, const metrics::Scale &scale)
{
    auto *button = new QPushButton(Text(control.caption), parent);
    button->setObjectName(Text(control.name));
    button->setGeometry(scale.Rect(control.box));
    button->setFont(scale.Font(control.font));
    button->setAccessibleDescription(Text(control.description));
    return button;
}

} // namespace sumdrop
