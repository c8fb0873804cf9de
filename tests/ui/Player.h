// SPDX-License-Identifier: MIT
// Player: reaches the main window's controls by name and works out the digit each box needs
// from the digits shown above it, as a player would.
#pragma once

#include "Form1.h"
#include "Form2.h"
#include "Layout.h"
#include "MessageBoxAnswerer.h"
#include "TriangleShape.h"
#include "UiPort.h"
#include "WindowParts.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QtMath>

namespace sumdrop::testing {

// The time label before the first tick, spelt out by code point so that a caption whose
// ideographic spaces became plain ones, or lost one, cannot match it: U+3000, two spaces, 分,
// U+3000, 秒, U+3000.
inline const QString LoadCaption = QString::fromUtf16(u"\u3000  \u5206\u3000\u79d2\u3000");
// The grey of a filled box, as the engine has it.
inline const QColor Shade(ShadeColor.red, ShadeColor.green, ShadeColor.blue);

inline int CountHelpWindows()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        count += qobject_cast<Form2 *>(widget) != nullptr && widget->isVisible() ? 1 : 0;
    }
    return count;
}

// Drops the offscreen platform's notes about window-manager features it does not have.
inline void QuietOffscreenNotes()
{
    static const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (!message.startsWith(QStringLiteral("This plugin does not support"))) {
                previous(type, context, message);
            }
        });
}

// Whether the dark pixels of a grabbed box stay clear of its one-pixel border, with a blank
// row between, at whatever device pixel ratio it was grabbed.
inline bool InkStaysInside(const QImage &box, QString *where)
{
    const int border = qCeil(box.devicePixelRatio());
    int firstInk = -1;
    int lastInk = -1;
    for (int y = border; y < box.height() - border; ++y) {
        for (int x = border; x < box.width() - border; ++x) {
            if (qGray(box.pixel(x, y)) < 128) {
                firstInk = firstInk < 0 ? y : firstInk;
                lastInk = y;
            }
        }
    }
    *where = QStringLiteral("ink rows %1..%2 of %3").arg(firstInk).arg(lastInk).arg(box.height());
    return firstInk > border && lastInk < box.height() - border - 1;
}

// Whether the window's Timer1 runs, that is whether a game is running.
inline bool ClockRunning(const QWidget *window)
{
    const auto *timer = window->findChild<QTimer *>(QStringLiteral("Timer1"));
    return timer != nullptr && timer->isActive();
}

class Player {
public:
    explicit Player(QWidget *shown) : window(shown) {}

    template <typename T> [[nodiscard]] T *Find(const QString &name) const
    {
        auto *widget = window->findChild<T *>(name);
        if (widget == nullptr) {
            qFatal("no control named %s", qPrintable(name));
        }
        return widget;
    }
    [[nodiscard]] QPushButton *Button(const QString &name) const { return Find<QPushButton>(name); }
    [[nodiscard]] QLabel *Cell(int cell) const { return Find<QLabel>(Text(layout::CellId(cell))); }
    [[nodiscard]] QPushButton *DigitButton(int digit) const
    {
        return Button(Text(layout::Buttons.at(layout::DigitButton(digit)).name));
    }
    [[nodiscard]] QLabel *TimeLabel() const { return Find<QLabel>(QStringLiteral("Label2")); }

    // The digit that belongs in a box: the ones digit of the two digits shown above it.
    [[nodiscard]] int ExpectedDigit(int cell) const
    {
        const int left = LeftParentOf(cell);
        return (Cell(left)->text().toInt() + Cell(left + 1)->text().toInt()) % 10;
    }

    static void Click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Starts a game and fills every box right; returns the text of the box the end showed.
    QString PlayWholeGame(MessageBoxAnswerer &answerer) const
    {
        Click(Button(QStringLiteral("Command1")));
        // Let the clock show a time before the game can end.
        const QString loadCaption = TimeLabel()->text();
        if (!QTest::qWaitFor([&] { return TimeLabel()->text() != loadCaption; }, 10000)) {
            return QStringLiteral("the clock never started");
        }
        for (int cell = 8; cell < 36; ++cell) {
            Click(DigitButton(ExpectedDigit(cell)));
        }
        return answerer.texts.isEmpty() ? QString() : answerer.texts.takeLast();
    }

private:
    QWidget *window;
};

} // namespace sumdrop::testing
