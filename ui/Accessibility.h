// SPDX-License-Identifier: MIT
// Accessibility: what a screen reader is told beyond the captions themselves.
#pragma once

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QString>

namespace sumdrop {

// The time label: a plain QLabel with a class of its own, so that its accessible interface
// can be its own too (Qt picks interfaces by class name).
class TimeLabel final : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;
};

// The time label's fixed accessible name; its text follows it when a screen reader asks.
inline const QString TimeLabelAccessibleName = QStringLiteral("経過時間");

// Lets a screen reader read the running time on demand without being told of every tick, and
// presents both windows as windows with a title. Called once, before any window is built.
void InstallAccessibility();

// Speaks a short line through the focused button of its window. Screen readers speak a new
// description of the focused control at once, and this Qt has no other way to announce. The
// button gets its own description back as soon as the focus leaves it.
class Announcer : public QObject {
    Q_OBJECT

public:
    explicit Announcer(QWidget *owner);

    void Announce(const QString &text);

private:
    void Restore();

    QWidget *window;
    QPointer<QWidget> speaker;
    QString ownDescription;
};

} // namespace sumdrop
