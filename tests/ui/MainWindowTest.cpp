// SPDX-License-Identifier: MIT
// The main window as a player meets it: its layout and fonts, the keyboard, a whole game
// played on the real buttons with the real message boxes, and the ways the program ends.
#include "Application.h"
#include "Form1.h"
#include "MessageBoxAnswerer.h"
#include "Player.h"
#include "RunNumber.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRawFont>
#include <QTest>
#include <QTimer>

#include <random>

using sumdrop::Form1;
using sumdrop::testing::ClockRunning;
using sumdrop::testing::LoadCaption;
using sumdrop::testing::MessageBoxAnswerer;
using sumdrop::testing::Player;

namespace {

const QString StartFirst = QStringLiteral("スタートボタンを押してください");
const QString Wrong = QStringLiteral("間違いです");

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    Form1 *window = nullptr;
    Player player{nullptr};

    template <typename T> [[nodiscard]] T *Find(const QString &name) const { return player.Find<T>(name); }
    [[nodiscard]] QLabel *Cell(int cell) const { return player.Cell(cell); }
    [[nodiscard]] QPushButton *DigitButton(int digit) const { return player.DigitButton(digit); }
    [[nodiscard]] QLabel *TimeLabel() const { return player.TimeLabel(); }
    [[nodiscard]] int ExpectedDigit(int cell) const { return player.ExpectedDigit(cell); }
    static void Click(QPushButton *button) { Player::Click(button); }

private slots:
    void initTestCase()
    {
        sumdrop::testing::QuietOffscreenNotes();
        sumdrop::ConfigureApplication(*qApp);
    }

    void init()
    {
        window = Form1::ShowMainWindow();
        player = Player(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

    void cleanup() { sumdrop::UnloadAllWindows(); }

    void controlsSitAtTheirLayoutPositions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("fontPixels");
        QTest::addColumn<bool>("bold");
        // Twips divided by 15; fonts are points times 4/3.
        QTest::newRow("title") << "Label1" << QRect(136, 8, 305, 57) << "サムドロップ" << 48 << false;
        QTest::newRow("time") << "Label2" << QRect(208, 632, 113, 25) << LoadCaption << 24 << true;
        QTest::newRow("start") << "Command1" << QRect(360, 616, 201, 41) << "スタート" << 37 << false;
        QTest::newRow("quit") << "Command2" << QRect(480, 576, 81, 33) << "終了" << 24 << false;
        QTest::newRow("help") << "Command13" << QRect(360, 576, 105, 33) << "ヘルプ" << 19 << true;
        QTest::newRow("digit 0") << "Command3" << QRect(32, 528, 33, 33) << "0" << 19 << true;
        QTest::newRow("digit 4") << "Command7" << QRect(224, 528, 33, 33) << "4" << 19 << true;
        QTest::newRow("digit 5") << "Command8" << QRect(32, 584, 33, 33) << "5" << 19 << true;
        QTest::newRow("digit 9") << "Command12" << QRect(224, 584, 33, 33) << "9" << 19 << true;
        QTest::newRow("top left cell") << "Label3_0" << QRect(56, 96, 33, 33) << "" << 32 << true;
        QTest::newRow("top right cell") << "Label3_7" << QRect(504, 96, 33, 33) << "" << 32 << true;
        QTest::newRow("bottom cell") << "Label3_35" << QRect(280, 432, 33, 33) << "" << 32 << true;
    }

    void controlsSitAtTheirLayoutPositions()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        QFETCH(int, fontPixels);
        QFETCH(bool, bold);
        auto *widget = Find<QWidget>(name);
        QCOMPARE(widget->geometry(), geometry);
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            QCOMPARE(label->text(), caption);
        } else {
            QCOMPARE(qobject_cast<QPushButton *>(widget)->text(), caption);
        }
        QCOMPARE(widget->font().pixelSize(), fontPixels);
        QCOMPARE(widget->font().bold(), bold);
    }

    void programNamesItsVersionLauncherAndIcon()
    {
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Sumdrop"));
        QCOMPARE(QApplication::applicationVersion(), QStringLiteral(SUMDROP_PROJECT_VERSION));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.sumdrop.Sumdrop"));
        sumdrop::InstallWindowIcon();
        const QList<QSize> sizes = window->windowIcon().availableSizes();
        for (const int size : {16, 32, 48, 64, 128}) {
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        }
        QVERIFY(!window->windowIcon().pixmap(32).isNull());
    }

    void windowAndTriangleHaveTheirShape()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Form1"));
        QCOMPARE(window->size(), QSize(598, 672));
        QCOMPARE(window->palette().color(QPalette::Window), QColor(Qt::white));
        // Every lower cell sits centred under the gap between its two parents.
        for (int cell = 8; cell < 36; ++cell) {
            const int leftParent = sumdrop::LeftParentOf(cell);
            const QRect left = Cell(leftParent)->geometry();
            const QRect right = Cell(leftParent + 1)->geometry();
            const QRect box = Cell(cell)->geometry();
            QCOMPARE(box.size(), QSize(33, 33));
            QCOMPARE(box.center().x() * 2, left.center().x() + right.center().x());
            QCOMPARE(box.top(), left.top() + 48);
        }
        QCOMPARE(Cell(3)->frameShape(), QFrame::Box);
        QCOMPARE(Cell(3)->lineWidth(), 1);
        QCOMPARE(Cell(3)->alignment(), Qt::AlignHCenter | Qt::AlignTop);
        QCOMPARE(TimeLabel()->alignment(), Qt::AlignLeft | Qt::AlignTop);
    }

    void everyCaptionIsDrawnByAJapaneseGothic()
    {
        QStringList captions;
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (widget->size().isEmpty()) {
                continue; // never drawn: the screen reader's notices
            }
            QString text;
            if (auto *label = qobject_cast<QLabel *>(widget)) {
                text = label->text();
            } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
                text = button->text();
            } else {
                continue;
            }
            const QFontInfo used(widget->font());
            QVERIFY2(QStringList({"IPAPGothic", "IPA Pゴシック", "Noto Sans CJK JP"}).contains(used.family()),
                     qPrintable(widget->objectName() + " is drawn in " + used.family()));
            const QRawFont face = QRawFont::fromFont(widget->font());
            for (const QChar character : text) {
                QVERIFY2(
                    face.supportsCharacter(character),
                    qPrintable(QStringLiteral("%1 lacks U+%2").arg(used.family()).arg(character.unicode(), 4, 16)));
            }
            captions << text;
        }
        QVERIFY(captions.contains(QStringLiteral("サムドロップ")));
    }

    void loadsWaitingForStart()
    {
        QVERIFY(Find<QPushButton>("Command1")->isVisible());
        QVERIFY(!Find<QPushButton>("Command2")->isVisible());
        QVERIFY(Find<QPushButton>("Command13")->isVisible());
        QCOMPARE(TimeLabel()->text(), LoadCaption);
        QVERIFY(!ClockRunning(window));
        for (int cell = 0; cell < 36; ++cell) {
            QVERIFY(Cell(cell)->text().isEmpty());
            QCOMPARE(Cell(cell)->palette().color(QPalette::Window), QColor(Qt::white));
        }
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(QApplication::focusWidget(), Find<QPushButton>("Command1"));
    }

    void tabWalksTheButtonsInTheirTabOrder()
    {
        QVERIFY(QTest::qWaitForWindowActive(window));
        const QStringList waiting{"Command1", "Command3", "Command9", "Command10", "Command11", "Command12",
                                  "Command8", "Command4", "Command5", "Command6",  "Command7",  "Command13"};
        for (int i = 1; i <= waiting.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), waiting.at(i % waiting.size()));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command13"));

        // Space on Start starts the game; Quit then leads the order.
        Find<QPushButton>("Command1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(ClockRunning(window));
        Find<QPushButton>("Command13")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command3"));
    }

    void startDrawsTheTopRowAndTheClockTicks()
    {
        // The first tick, about 99 ms after Start, shows the first tenth. It is read right after
        // it, so that a busy machine delivering the next tick early cannot hide it.
        auto *timer = window->findChild<QTimer *>(QStringLiteral("Timer1"));
        QCOMPARE(timer->interval(), 99);
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
        QString firstTick;
        const auto watch = connect(timer, &QTimer::timeout, this, [&] {
            if (firstTick.isEmpty()) {
                firstTick = TimeLabel()->text();
            }
        });

        Click(Find<QPushButton>("Command1"));
        QVERIFY(!Find<QPushButton>("Command1")->isVisible());
        QVERIFY(Find<QPushButton>("Command2")->isVisible());
        for (int cell = 0; cell < 8; ++cell) {
            const QString text = Cell(cell)->text();
            QCOMPARE(text.size(), 1);
            QVERIFY2(text >= "0" && text <= "8", qPrintable(text));
        }
        QVERIFY(Cell(8)->text().isEmpty());
        QCOMPARE(Cell(8)->palette().color(QPalette::Window), sumdrop::testing::Shade);
        QCOMPARE(Cell(9)->palette().color(QPalette::Window), QColor(Qt::white));

        // The tick itself is awaited; a loaded machine may deliver it late.
        const bool ticked = QTest::qWaitFor([&] { return !firstTick.isEmpty(); }, 10000);
        disconnect(watch);
        QVERIFY(ticked);
        QCOMPARE(firstTick, QStringLiteral("0分0.1秒"));
    }

    void digitsStandWhollyInsideTheirBoxes()
    {
        Click(Find<QPushButton>("Command1"));
        for (int cell = 0; cell < 8; ++cell) {
            QString where;
            QVERIFY2(sumdrop::testing::InkStaysInside(Cell(cell)->grab().toImage(), &where),
                     qPrintable(QStringLiteral("cell %1: ").arg(cell) + where));
        }
    }

    void digitsBeforeStartAskForStart()
    {
        MessageBoxAnswerer answerer;
        QMessageBox::Icon icon = QMessageBox::Warning;
        QString title;
        answerer.whileOpen = [&](QMessageBox &box) {
            icon = box.icon();
            title = box.windowTitle();
            QCOMPARE(box.buttons().size(), 1);
            QCOMPARE(box.windowModality(), Qt::ApplicationModal);
        };
        Click(DigitButton(4));
        QCOMPARE(answerer.texts, QStringList{StartFirst});
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(title, QStringLiteral("Sumdrop"));

        // Every way of closing the box just closes it.
        for (const auto way : {MessageBoxAnswerer::CloseBy::EnterKey, MessageBoxAnswerer::CloseBy::EscapeKey,
                               MessageBoxAnswerer::CloseBy::CloseBox}) {
            answerer.closeBy = way;
            Click(DigitButton(0));
        }
        QCOMPARE(answerer.texts, QStringList(4, StartFirst));
        QVERIFY(window->isVisible());
        QVERIFY(!ClockRunning(window));
    }

    void keyboardDigitsEnterNothing()
    {
        Click(Find<QPushButton>("Command1"));
        MessageBoxAnswerer answerer;
        const int right = ExpectedDigit(8);
        QTest::keyClick(window, static_cast<Qt::Key>(Qt::Key_0 + right));
        QTest::keyClick(Find<QPushButton>("Command2"), static_cast<Qt::Key>(Qt::Key_0 + right));
        QTest::qWait(50);
        QVERIFY(answerer.texts.isEmpty());
        QVERIFY(Cell(8)->text().isEmpty());
    }

    void wholeGameOnTheRealButtons()
    {
        // A window of its own, whose top row and wrong digits SUMDROP_GAME_NUMBER replays.
        sumdrop::UnloadAllWindows();
        const std::uint32_t game = sumdrop::testing::RunNumber("SUMDROP_GAME_NUMBER");
        qInfo("replay with SUMDROP_GAME_NUMBER=%u", game);
        window = new Form1(game);
        Form1::ShowMainWindow();
        player = Player(window);
        std::mt19937 chooser(game);

        MessageBoxAnswerer answerer;
        Click(Find<QPushButton>("Command1"));
        for (int cell = 8; cell < 36; ++cell) {
            const int right = ExpectedDigit(cell);
            const bool tryWrongFirst = cell == 8 || cell == 35 || chooser() % 4 == 0;
            if (tryWrongFirst) {
                if (cell == 8) {
                    // The clock keeps running behind the box.
                    answerer.whileOpen = [&](QMessageBox &) {
                        const QString before = TimeLabel()->text();
                        QTRY_VERIFY_WITH_TIMEOUT(TimeLabel()->text() != before, 10000);
                    };
                }
                Click(DigitButton((right + 1 + static_cast<int>(chooser() % 9)) % 10));
                answerer.whileOpen = nullptr;
                QCOMPARE(answerer.texts.takeLast(), Wrong);
                QVERIFY(Cell(cell)->text().isEmpty());
                QVERIFY2(ClockRunning(window), "a wrong digit never ends the game");
            }
            if (cell == 35) {
                answerer.whileOpen = [&](QMessageBox &box) {
                    QVERIFY(!ClockRunning(window));
                    QCOMPARE(box.text(), "今のタイムは" + TimeLabel()->text() + "です");
                };
            }
            Click(DigitButton(right));
            QCOMPARE(Cell(cell)->text(), QString::number(right));
            QCOMPARE(Cell(cell)->palette().color(QPalette::Window), sumdrop::testing::Shade);
            if (cell < 35) {
                QVERIFY(answerer.texts.isEmpty());
            }
        }
        QCOMPARE(answerer.texts.size(), 1);
        QVERIFY(answerer.texts.first().startsWith("今のタイムは"));
        QVERIFY(!ClockRunning(window));

        // The game is over: the clock stays still and digits ask for Start, which stays hidden.
        const QString finalTime = TimeLabel()->text();
        answerer.whileOpen = nullptr;
        Click(DigitButton(3));
        QCOMPARE(answerer.texts.last(), StartFirst);
        QTest::qWait(250);
        QCOMPARE(TimeLabel()->text(), finalTime);
        QVERIFY(!Find<QPushButton>("Command1")->isVisible());
    }

    void quitEndsTheEventLoopAtOnce()
    {
        Click(Find<QPushButton>("Command1"));
        QTimer::singleShot(150, this, [this] { Click(Find<QPushButton>("Command2")); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!ClockRunning(window));
        const QString stopped = TimeLabel()->text();
        QTest::qWait(250);
        QCOMPARE(TimeLabel()->text(), stopped);
    }

    void closingTheLastWindowEndsTheProgram()
    {
        Click(Find<QPushButton>("Command1"));
        QTimer::singleShot(150, window, &QWidget::close);
        QCOMPARE(QApplication::exec(), 0);
        QTRY_VERIFY(Form1::Loaded() == nullptr);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
