// SPDX-License-Identifier: MIT
// The windows under a real window manager, as players meet them: what is active and on top
// after Help and OK, a message box that blocks both windows and stays on top, and the main
// window closed by the window manager while Help is open. Clicks and closes go through the X
// server (xdotool, wmctrl); what is active and on top is read back from the window manager.
#include "Application.h"
#include "Form1.h"
#include "Form2.h"
#include "MessageBoxAnswerer.h"
#include "Player.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QTest>

using sumdrop::Form1;
using sumdrop::Form2;
using sumdrop::testing::ClockRunning;
using sumdrop::testing::MessageBoxAnswerer;
using sumdrop::testing::Player;

namespace {

QString Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(1000);
        return {};
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// Window ids from a root window property, as the window manager keeps them.
QList<WId> RootWindows(const QString &property)
{
    QList<WId> ids;
    const QString line = Run(QStringLiteral("xprop"), {QStringLiteral("-root"), property});
    for (const QString &word : line.section(QLatin1Char('#'), 1).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        ids << word.trimmed().toULongLong(nullptr, 16);
    }
    return ids;
}

WId ActiveWindow()
{
    const QList<WId> ids = RootWindows(QStringLiteral("_NET_ACTIVE_WINDOW"));
    return ids.isEmpty() ? 0 : ids.first();
}

WId TopWindow()
{
    const QList<WId> ids = RootWindows(QStringLiteral("_NET_CLIENT_LIST_STACKING"));
    return ids.isEmpty() ? 0 : ids.last();
}

// A click at the middle of a control, through the X server as a player's mouse would.
void ClickOnScreen(QWidget *control)
{
    const QPoint point = control->mapToGlobal(control->rect().center());
    Run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y()),
                                    QStringLiteral("click"), QStringLiteral("1")});
}

} // namespace

class WindowManagerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        sumdrop::ConfigureApplication(*qApp);
        QVERIFY2(!RootWindows(QStringLiteral("_NET_SUPPORTING_WM_CHECK")).isEmpty(), "no window manager is running");
        // The tests close windows themselves; the loop must not end under them.
        qApp->setQuitOnLastWindowClosed(false);
    }

    void cleanup() { sumdrop::UnloadAllWindows(); }

    void okLeavesTheMainWindowActiveAndOnTop()
    {
        Form1 *main = Form1::ShowMainWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        ClickOnScreen(Player(main).Button(QStringLiteral("Command13")));
        QTRY_VERIFY_WITH_TIMEOUT(Form2::Loaded() != nullptr && Form2::Loaded()->isActiveWindow(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(ActiveWindow(), Form2::Loaded()->winId(), 5000);

        ClickOnScreen(Player(Form2::Loaded()).Button(QStringLiteral("Command1")));
        QTRY_COMPARE_WITH_TIMEOUT(ActiveWindow(), main->winId(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(TopWindow(), main->winId(), 5000);
        QVERIFY(Form2::Loaded()->isVisible());
    }

    void messageBoxBlocksBothWindowsAndStaysOnTop()
    {
        Form1 *main = Form1::ShowMainWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        Form2::ShowHelpWindow([] { Form1::ShowMainWindow(); });
        QVERIFY(QTest::qWaitForWindowActive(Form2::Loaded()));
        const Player player(main);

        MessageBoxAnswerer answerer;
        answerer.whileOpen = [&](QMessageBox &box) {
            QTRY_COMPARE_WITH_TIMEOUT(TopWindow(), box.winId(), 5000);
            // Clicks on either window do nothing while the box is open, and it stays on top.
            ClickOnScreen(player.Button(QStringLiteral("Command1")));
            ClickOnScreen(Player(Form2::Loaded()).Button(QStringLiteral("Command1")));
            QTest::qWait(300);
            QVERIFY(player.Button(QStringLiteral("Command1"))->isVisible());
            QCOMPARE(TopWindow(), box.winId());
            QVERIFY(box.isVisible());
            // Wide enough for the window manager to show the whole caption beside its buttons.
            QVERIFY2(box.frameGeometry().width() >= 200, qPrintable(QString::number(box.frameGeometry().width())));
        };
        Player::Click(player.DigitButton(4));
        QCOMPARE(answerer.texts, QStringList{QStringLiteral("スタートボタンを押してください")});
        QVERIFY(!ClockRunning(main));
    }

    void closingTheMainWindowMidGameKeepsHelpAndTheProgram()
    {
        Form1 *main = Form1::ShowMainWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        Player::Click(Player(main).Button(QStringLiteral("Command1")));
        Form2 *help = Form2::ShowHelpWindow([] { Form1::ShowMainWindow(); });
        QVERIFY(QTest::qWaitForWindowExposed(help));
        qApp->setQuitOnLastWindowClosed(true);
        bool programEnded = false;
        connect(qApp, &QCoreApplication::aboutToQuit, this, [&] { programEnded = true; });

        const QPointer<Form1> closing = main;
        Run(QStringLiteral("wmctrl"), {QStringLiteral("-i"), QStringLiteral("-c"), QString::number(main->winId())});
        QTRY_VERIFY_WITH_TIMEOUT(closing.isNull(), 5000);
        QTest::qWait(300);
        QVERIFY(!programEnded);
        QVERIFY(help->isVisible());

        // OK brings back a fresh main window, waiting for Start.
        ClickOnScreen(Player(help).Button(QStringLiteral("Command1")));
        QTRY_VERIFY_WITH_TIMEOUT(Form1::Loaded() != nullptr && Form1::Loaded()->isVisible(), 5000);
        QVERIFY(Player(Form1::Loaded()).Button(QStringLiteral("Command1"))->isVisible());
        qApp->setQuitOnLastWindowClosed(false);
    }
};

QTEST_MAIN(WindowManagerTest)
#include "WindowManagerTest.moc"
