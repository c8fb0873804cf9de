// SPDX-License-Identifier: MIT
// Random play on the real windows: thousands of clicks, keys, window closes and waits in any
// order, also while message boxes are open, with the game's invariants checked after each one.
// Mouse and keys go through the platform's input path, so a modal box blocks them as it does
// for a player. Set SUMDROP_CHAOS_SEED to replay a failing run, SUMDROP_CHAOS_ACTIONS for more.
#include "Application.h"
#include "Form1.h"
#include "Form2.h"
#include "Player.h"
#include "RunNumber.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <array>
#include <cstdlib>
#include <random>

using sumdrop::Form1;
using sumdrop::Form2;
using sumdrop::testing::ClockRunning;
using sumdrop::testing::Player;

namespace {

using sumdrop::testing::LoadCaption;
using sumdrop::testing::Shade;

const QRegularExpression RunningTime(QStringLiteral("^[0-9]+分[0-9]{1,2}\\.[0-9]秒$"));

bool IsOpen(QWidget *window)
{
    return window != nullptr && window->isVisible();
}

// A click as the window system delivers it, so that a window blocked by a modal box ignores it.
void ClickAsPlayer(QWidget *widget)
{
    QWindow *window = widget->window()->windowHandle();
    if (window == nullptr) {
        return;
    }
    QTest::mouseClick(window, Qt::LeftButton, {}, window->mapFromGlobal(widget->mapToGlobal(widget->rect().center())));
}

} // namespace

class ChaosTest : public QObject {
    Q_OBJECT

private:
    std::mt19937 random;
    QStringList failures;
    int run = 0;
    long actions = 0;
    long checks = 0;
    long gamesFinished = 0;
    long boxesSeen = 0;
    int generation = 0;
    bool quitClicked = false;
    int depth = 0;
    QElapsedTimer sinceAllClosed;

    // What the loaded main window has shown, to prove that a filled box never changes.
    QPointer<Form1> tracked;
    std::array<QString, sumdrop::CellCount> filled{};
    QPointer<QMessageBox> lastBox;

    int Roll(int sides) { return static_cast<int>(random() % static_cast<std::uint32_t>(sides)); }

    void Fail(const QString &what)
    {
        failures << QStringLiteral("run %1, action %2: %3").arg(run).arg(actions).arg(what);
        QCoreApplication::exit(1);
    }

    void Check(bool holds, const QString &what)
    {
        ++checks;
        if (!holds) {
            Fail(what);
        }
    }

    void Track(Form1 *window)
    {
        if (tracked == window) {
            return;
        }
        tracked = window;
        filled.fill(QString());
        connect(Player(window).Button(QStringLiteral("Command2")), &QPushButton::clicked, this,
                [this] { quitClicked = true; });
    }

    void CheckMainWindow(Form1 *window)
    {
        Track(window);
        const Player player(window);
        const QString time = player.TimeLabel()->text();
        Check(time == LoadCaption || RunningTime.match(time).hasMatch(), "time label reads " + time);

        const bool started = !player.Button(QStringLiteral("Command1"))->isVisible();
        Check(player.Button(QStringLiteral("Command2"))->isVisible() == started, "Quit shows exactly once started");
        for (int cell = 0; cell < sumdrop::CellCount; ++cell) {
            const QString text = player.Cell(cell)->text();
            const bool shaded = player.Cell(cell)->palette().color(QPalette::Window) == Shade;
            if (cell < sumdrop::TopRowLength) {
                Check(!shaded, QStringLiteral("top box %1 is shaded").arg(cell));
                Check(started ? (text.size() == 1 && text >= "0" && text <= "8") : text.isEmpty(),
                      QStringLiteral("top box %1 reads '%2'").arg(cell).arg(text));
                continue;
            }
            Check(shaded == (!text.isEmpty() || (cell == sumdrop::TopRowLength && started)),
                  QStringLiteral("box %1 %2shaded with '%3'").arg(cell).arg(shaded ? "" : "not ").arg(text));
            if (!text.isEmpty()) {
                Check(player.Cell(cell - 1)->text().size() == 1,
                      QStringLiteral("box %1 filled out of order").arg(cell));
                Check(text == QString::number(player.ExpectedDigit(cell)),
                      QStringLiteral("box %1 holds a wrong digit").arg(cell));
                Check(filled.at(cell).isEmpty() || filled.at(cell) == text, QStringLiteral("box %1 changed").arg(cell));
                filled.at(cell) = text;
            } else {
                Check(filled.at(cell).isEmpty(), QStringLiteral("box %1 was emptied").arg(cell));
            }
        }
        const bool bottomFilled = !player.Cell(35)->text().isEmpty();
        // Quit stops the clock on its way out; the loop ends right after.
        const bool over = started && !ClockRunning(window) && !quitClicked;
        Check(quitClicked || over == bottomFilled, QStringLiteral("game %1 with the bottom box %2")
                                                       .arg(over ? "over" : "running")
                                                       .arg(bottomFilled ? "filled" : "empty"));
    }

    void CheckInvariants()
    {
        const int helpWindows = sumdrop::testing::CountHelpWindows();
        Check(helpWindows <= 1, QStringLiteral("%1 help windows").arg(helpWindows));
        if (IsOpen(Form1::Loaded())) {
            CheckMainWindow(Form1::Loaded());
        }
    }

    // The message box now open, if any: checked once, then answered in a random way.
    void AnswerBox(QMessageBox *box)
    {
        if (lastBox != box) {
            lastBox = box;
            ++boxesSeen;
            if (box->text().startsWith(QStringLiteral("今のタイムは"))) {
                ++gamesFinished;
                Form1 *window = Form1::Loaded();
                Check(window != nullptr && !ClockRunning(window), "the clock runs behind the result");
                if (window != nullptr) {
                    // A game finished before the first tick leaves the label at its load caption.
                    QString time = Player(window).TimeLabel()->text();
                    time = time == LoadCaption ? QStringLiteral("0分0.0秒") : time;
                    Check(box->text() == "今のタイムは" + time + "です", "result box reads " + box->text());
                }
            }
        }
        switch (Roll(8)) {
        case 0:
            QTest::qWait(Roll(120)); // the clock ticks behind the box
            break;
        case 1:
            if (IsOpen(Form1::Loaded())) { // blocked: Help, a digit or Quit behind the box
                const Player player(Form1::Loaded());
                ClickAsPlayer(player.Button(
                    sumdrop::Text(sumdrop::layout::Buttons.at(1 + static_cast<std::size_t>(Roll(12))).name)));
            }
            break;
        case 2:
            QTest::keyClick(box->windowHandle(), Qt::Key_Escape);
            break;
        case 3:
            QTest::keyClick(box->windowHandle(), Roll(2) == 0 ? Qt::Key_Return : Qt::Key_Space);
            break;
        case 4:
            box->reject(); // its close box
            break;
        default:
            ClickAsPlayer(box->button(QMessageBox::Ok));
            break;
        }
    }

    void Act()
    {
        Form1 *main = Form1::Loaded();
        Form2 *help = Form2::Loaded();
        // Per mille: mostly digits, mostly right ones, so that games do reach their end; now
        // and then Quit or a window's close box, which ends or thins out the run.
        const int pick = Roll(1000);
        if (pick < 500 && IsOpen(main)) {
            const Player player(main);
            int digit = Roll(10);
            const bool started = !player.Button(QStringLiteral("Command1"))->isVisible();
            if (started && Roll(10) < 7) {
                for (int cell = sumdrop::TopRowLength; cell < sumdrop::CellCount; ++cell) {
                    if (player.Cell(cell)->text().isEmpty()) {
                        digit = player.ExpectedDigit(cell);
                        break;
                    }
                }
            }
            ClickAsPlayer(player.DigitButton(digit));
        } else if (pick < 560 && IsOpen(main)) {
            QPushButton *start = Player(main).Button(QStringLiteral("Command1"));
            if (start->isVisible()) {
                ClickAsPlayer(start);
            }
        } else if (pick < 565 && IsOpen(main)) {
            QPushButton *quit = Player(main).Button(QStringLiteral("Command2"));
            if (quit->isVisible()) {
                ClickAsPlayer(quit);
            }
        } else if (pick < 605 && IsOpen(main)) {
            ClickAsPlayer(Player(main).Button(QStringLiteral("Command13")));
        } else if (pick < 645 && IsOpen(help)) {
            ClickAsPlayer(Player(help).Button(QStringLiteral("Command1")));
        } else if (pick < 655 && IsOpen(main)) {
            main->close(); // the window manager's close box
        } else if (pick < 675 && IsOpen(help)) {
            help->close();
        } else if (pick < 875) {
            if (QWindow *focus = QGuiApplication::focusWindow()) {
                static constexpr std::array keys{Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Return,
                                                 Qt::Key_Escape, Qt::Key_0,       Qt::Key_4,     Qt::Key_9};
                QTest::keyClick(focus, keys.at(static_cast<std::size_t>(Roll(keys.size()))));
            }
        } else if (pick < 900) {
            QTest::qWait(20 + Roll(100));
        } else {
            QWidget *window = Roll(2) == 0 ? static_cast<QWidget *>(main) : help;
            if (IsOpen(window)) {
                window->activateWindow();
            }
        }
    }

    void Step(int chain, long limit)
    {
        if (chain != generation || !failures.isEmpty() || quitClicked) {
            return; // after Quit nothing more happens: the loop is on its way out
        }
        // A player acts again while a message box waits in its own loop; anywhere else a step
        // would only be nested in the test's own event processing, so it waits its turn.
        if (depth > 0 && qobject_cast<QMessageBox *>(QApplication::activeModalWidget()) == nullptr) {
            QTimer::singleShot(1, this, [this, chain, limit] { Step(chain, limit); });
            return;
        }
        QTimer::singleShot(0, this, [this, chain, limit] { Step(chain, limit); });
        ++depth;
        StepOnce(limit);
        --depth;
    }

    void StepOnce(long limit)
    {
        if (!IsOpen(Form1::Loaded()) && !IsOpen(Form2::Loaded())) {
            // Every window is closed: the loop must end, promptly.
            if (!sinceAllClosed.isValid()) {
                sinceAllClosed.start();
            }
            Check(sinceAllClosed.elapsed() < 2000, "the program lives on with no window open");
            return;
        }
        sinceAllClosed.invalidate();
        if (actions >= limit) {
            QCoreApplication::exit(0);
            return;
        }
        ++actions;
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            AnswerBox(box);
        } else {
            Act();
        }
        CheckInvariants();
    }

private slots:
    void initTestCase()
    {
        sumdrop::testing::QuietOffscreenNotes();
        sumdrop::ConfigureFonts();
    }

    void randomPlayKeepsEveryInvariant()
    {
        const std::uint32_t start = sumdrop::testing::RunNumber("SUMDROP_CHAOS_SEED");
        const long limit = sumdrop::testing::RunNumber("SUMDROP_CHAOS_ACTIONS", 10000);
        random = std::mt19937(start);
        qInfo("replay with SUMDROP_CHAOS_SEED=%u", start);

        // Each run plays at least one action, so there are never more runs than actions.
        while (actions < limit && run < limit && failures.isEmpty()) {
            ++run;
            sumdrop::UnloadAllWindows();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            new Form1(random());
            Form1::ShowMainWindow();
            quitClicked = false;
            sinceAllClosed.invalidate();
            const int chain = ++generation;
            QTimer::singleShot(0, this, [this, chain, limit] { Step(chain, limit); });
            QApplication::exec();
            ++generation;
            const bool windowOpen = IsOpen(Form1::Loaded()) || IsOpen(Form2::Loaded());
            if (failures.isEmpty() && windowOpen && !quitClicked && actions < limit) {
                failures << QStringLiteral("run %1: the program ended with a window open and no Quit").arg(run);
            }
        }
        sumdrop::UnloadAllWindows();
        qInfo("%ld actions in %d runs, %ld invariant checks, %ld message boxes, %ld games finished", actions, run,
              checks, boxesSeen, gamesFinished);
        QVERIFY2(failures.isEmpty(),
                 qPrintable(failures.join('\n') + QStringLiteral("\nreplay with SUMDROP_CHAOS_SEED=%1").arg(start)));
        QVERIFY(run > 1);
        QVERIFY(gamesFinished > 0);
    }
};

QTEST_MAIN(ChaosTest)
#include "ChaosTest.moc"
