// Accessibility: what a screen reader is told beyond the captions themselves.
#pragma once

#include <QLabel>
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

// Lets a screen reader read the running time on demand without being told of every tick.
// Called once, before any window is built.
void InstallTimeLabelAccessibility();

} // namespace sumdrop
