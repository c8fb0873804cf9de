// SPDX-License-Identifier: MIT
// What a screen reader gets through Qt's accessibility interfaces: boxes that say where they
// are and what they hold, named buttons, a time label read on demand rather than announced ten
// times a second, and message boxes that present themselves as alerts with their text.
#include "Application.h"
#include "Form1.h"
#include "Form2.h"
#include "MessageBoxAnswerer.h"
#include "Player.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using sumdrop::Form1;
using sumdrop::Form2;
using sumdrop::testing::MessageBoxAnswerer;
using sumdrop::testing::Player;

namespace {

QString Name(QObject *object)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

// The names of an interface and everything below it.
QStringList NamesBelow(QAccessibleInterface *face)
{
    QStringList names{face->text(QAccessible::Name)};
    for (int i = 0; i < face->childCount(); ++i) {
        names += NamesBelow(face->child(i));
    }
    return names;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        sumdrop::testing::QuietOffscreenNotes();
        sumdrop::ConfigureApplication(*qApp);
    }

    void cleanup() { sumdrop::UnloadAllWindows(); }

    // The wording is the engine's; here the real boxes keep their names in step with the game.
    void boxesSayWhereTheyAreWhatTheyHoldAndWhichIsNext()
    {
        const Player player(Form1::ShowMainWindow());
        QCOMPARE(Name(player.Cell(8)), QStringLiteral("2段目 1番目 空"));

        Player::Click(player.Button(QStringLiteral("Command1")));
        QCOMPARE(Name(player.Cell(8)), QStringLiteral("2段目 1番目 空、次に入力するマス"));

        Player::Click(player.DigitButton(player.ExpectedDigit(8)));
        QCOMPARE(Name(player.Cell(8)), "2段目 1番目 " + player.Cell(8)->text());
        QCOMPARE(Name(player.Cell(9)), QStringLiteral("2段目 2番目 空、次に入力するマス"));

        for (int cell = 9; cell < 35; ++cell) {
            Player::Click(player.DigitButton(player.ExpectedDigit(cell)));
        }
        MessageBoxAnswerer answerer;
        Player::Click(player.DigitButton(player.ExpectedDigit(35)));
        for (int cell = 0; cell < 36; ++cell) {
            QVERIFY2(!Name(player.Cell(cell)).contains(QStringLiteral("次")), qPrintable(Name(player.Cell(cell))));
        }
    }

    void everyButtonHasANameAndSaysWhatItDoes()
    {
        Form1 *main = Form1::ShowMainWindow();
        Form2 *help = Form2::ShowHelpWindow([] { Form1::ShowMainWindow(); });
        int buttons = 0;
        for (QWidget *window : {static_cast<QWidget *>(main), static_cast<QWidget *>(help)}) {
            for (QPushButton *button : window->findChildren<QPushButton *>()) {
                QAccessibleInterface *face = QAccessible::queryAccessibleInterface(button);
                QCOMPARE(face->role(), QAccessible::Button);
                QCOMPARE(face->text(QAccessible::Name), button->text());
                QVERIFY2(!face->text(QAccessible::Description).isEmpty(), qPrintable(button->objectName()));
                ++buttons;
            }
        }
        QCOMPARE(buttons, 14);
        auto *picture = help->findChild<QLabel *>(QStringLiteral("Image1"));
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(picture);
        QVERIFY(!face->text(QAccessible::Name).isEmpty());
        QVERIFY(face->text(QAccessible::Description).contains(QStringLiteral("１の位")));
    }

    void timeIsReadOnDemandWithoutAnnouncingEveryTick()
    {
        const Player player(Form1::ShowMainWindow());
        QLabel *time = player.TimeLabel();
        QCOMPARE(Name(time), QStringLiteral("経過時間 分\u3000秒"));
        Player::Click(player.Button(QStringLiteral("Command1")));
        QTRY_VERIFY_WITH_TIMEOUT(time->text().startsWith(QStringLiteral("0分")), 10000);
        QCOMPARE(Name(time), "経過時間 " + time->text());
        QCOMPARE(QAccessible::queryAccessibleInterface(time)->text(QAccessible::Value), time->text());
        // QLabel tells screen readers of a new text only while it has no name of its own.
        QVERIFY(!time->accessibleName().isEmpty());
    }

    void messageBoxesAreAnnouncedWithTheirText()
    {
        const Player player(Form1::ShowMainWindow());
        MessageBoxAnswerer answerer;
        QAccessible::Role role = QAccessible::NoRole;
        QStringList names;
        answerer.whileOpen = [&](QMessageBox &box) {
            role = QAccessible::queryAccessibleInterface(&box)->role();
            names = NamesBelow(QAccessible::queryAccessibleInterface(&box));
        };
        Player::Click(player.DigitButton(1));
        QCOMPARE(role, QAccessible::AlertMessage);
        QVERIFY2(names.contains(QStringLiteral("スタートボタンを押してください")), qPrintable(names.join('|')));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
