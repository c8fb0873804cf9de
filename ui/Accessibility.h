// SPDX-License-Identifier: MIT
// Accessibility: what a screen reader is told beyond the captions themselves.
#pragma once

#include <QLabel>
#include <QObject>
#include <QString>

#include <initializer_list>

namespace sumdrop {

// The time label: a plain QLabel with a class of its own, so that its accessible interface
// can be its own too (Qt picks interfaces by class name).
class TimeLabel final : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;
};

// Lets a screen reader read the running time on demand without being told of every tick, and
// presents the windows of the given classes as windows with a title. Called once, before any
// window is built.
void InstallAccessibility(std::initializer_list<const QMetaObject *> windows);

// Speaks short lines to a screen reader. Qt 6.4 has no announcement call, and the screen
// reader cannot read the name or description changes it sends. It does speak a notification
// the moment it shows, so each line is shown as one: a label of no size, never seen on screen.
class Announcer : public QObject {
    Q_OBJECT

public:
    explicit Announcer(QWidget *owner);

    void Announce(const QString &text);

private:
    QLabel *notice;
};

// The label that carries the lines, with the notification role for assistive technology.
class AnnouncementLabel final : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;
};

} // namespace sumdrop
