// SPDX-License-Identifier: MIT
// The help window: the embedded rule picture, the window's layout, and how the help and main
// windows come and go together.
#include "Application.h"
#include "Form1.h"
#include "Form2.h"
#include "MessageBoxAnswerer.h"
#include "Player.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <set>

using sumdrop::Form1;
using sumdrop::Form2;
using sumdrop::testing::ClockRunning;
using sumdrop::testing::CountHelpWindows;
using sumdrop::testing::MessageBoxAnswerer;
using sumdrop::testing::Player;

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Red = qRgb(255, 0, 0);

QImage RulePicture()
{
    return QImage(QStringLiteral(":/assets/rule.png")).convertToFormat(QImage::Format_RGB32);
}

void FinishPendingDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        sumdrop::testing::QuietOffscreenNotes();
        sumdrop::ConfigureFonts();
    }

    void cleanup()
    {
        sumdrop::UnloadAllWindows();
        FinishPendingDeletes();
    }

    void pictureIsA24BitSketchInThreeColours()
    {
        QFile file(QStringLiteral(":/assets/rule.png"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(26);
        QCOMPARE(header.mid(1, 3), QByteArray("PNG"));
        QCOMPARE(int(header.at(24)), 8); // bits per channel
        QCOMPARE(int(header.at(25)), 2); // colour type: RGB, no palette, no alpha

        const QImage picture = RulePicture();
        QCOMPARE(picture.size(), QSize(383, 301));
        std::set<QRgb> colours;
        // Colours found in the left and right halves.
        std::set<QRgb> left;
        std::set<QRgb> right;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb pixel = picture.pixel(x, y) | 0xff000000U;
                colours.insert(pixel);
                (x < picture.width() / 2 ? left : right).insert(pixel);
                if (y < 11 || y >= picture.height() - 11) {
                    QVERIFY2(pixel == White,
                             qPrintable(QStringLiteral("margin pixel %1,%2 is not white").arg(x).arg(y)));
                }
                if (pixel == Red) {
                    // Red is only the cross over the left answer box and the circle round the right one.
                    const QRect mark = x < picture.width() / 2 ? QRect(28, 150, 134, 124) : QRect(210, 145, 154, 120);
                    QVERIFY2(mark.contains(x, y), qPrintable(QStringLiteral("red at %1,%2").arg(x).arg(y)));
                }
            }
        }
        QCOMPARE(colours, (std::set<QRgb>{White, Black, Red}));
        QCOMPARE(left, (std::set<QRgb>{White, Black, Red}));
        QCOMPARE(right, (std::set<QRgb>{White, Black, Red}));
    }

    void pictureIsWhatItsDrawingToolDraws()
    {
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        const QString drawn = scratch.filePath(QStringLiteral("rule.png"));
        QCOMPARE(QProcess::execute(QStringLiteral(DRAW_RULE_PROGRAM), {drawn}), 0);
        QCOMPARE(QImage(drawn).convertToFormat(QImage::Format_RGB32), RulePicture());
    }

    void helpWindowHasItsLayout()
    {
        Form2 *help = Form2::ShowHelpWindow([] { Form1::ShowMainWindow(); });
        QVERIFY(QTest::qWaitForWindowExposed(help));
        const Player look(help);
        QCOMPARE(help->windowTitle(), QStringLiteral("Form2"));
        QCOMPARE(help->size(), QSize(504, 443));
        QCOMPARE(help->palette().color(QPalette::Window), QColor(Qt::white));

        auto *heading = look.Find<QLabel>(QStringLiteral("Label1"));
        QCOMPARE(heading->geometry(), QRect(40, 16, 433, 33));
        QCOMPARE(heading->text(), QStringLiteral("ゲーム説明"));
        QCOMPARE(heading->font().pixelSize(), 19);
        QVERIFY(heading->font().bold());
        QCOMPARE(heading->alignment(), Qt::AlignHCenter | Qt::AlignTop);

        auto *image = look.Find<QLabel>(QStringLiteral("Image1"));
        QCOMPARE(image->geometry(), QRect(72, 40, 383, 301));
        QCOMPARE(image->pixmap().size(), QSize(383, 301));
        QVERIFY(!image->hasScaledContents());
        QCOMPARE(image->pixmap().toImage().convertToFormat(QImage::Format_RGB32), RulePicture());

        auto *sentence = look.Find<QLabel>(QStringLiteral("Label2"));
        QCOMPARE(sentence->geometry(), QRect(32, 336, 449, 57));
        QCOMPARE(sentence->text(), QStringLiteral("上にある２つの数字を足して１の位の数字をボタンで入力する。"));
        QCOMPARE(sentence->font().pixelSize(), 24);
        QVERIFY(!sentence->font().bold());
        QVERIFY(sentence->wordWrap());
        // Two lines, and both fit inside the label.
        const QFontMetrics metrics(sentence->font());
        const QRect wrapped =
            metrics.boundingRect(QRect(0, 0, sentence->width(), 1000), Qt::TextWordWrap, sentence->text());
        QVERIFY2(wrapped.height() > metrics.lineSpacing() && wrapped.height() <= 2 * metrics.lineSpacing() + 1,
                 qPrintable(QString::number(wrapped.height())));
        QVERIFY(wrapped.height() <= sentence->height());

        auto *ok = look.Button(QStringLiteral("Command1"));
        QCOMPARE(ok->geometry(), QRect(200, 400, 97, 33));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(ok->font().pixelSize(), 24);
        QVERIFY(QTest::qWaitForWindowActive(help));
        QCOMPARE(QApplication::focusWidget(), ok);
    }

    void helpThenOkBringsTheMainWindowForwardAndKeepsHelpOpen()
    {
        Form1 *main = Form1::ShowMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        const Player player(main);
        Player::Click(player.Button(QStringLiteral("Command1")));
        const QString timeBefore = player.TimeLabel()->text();

        Player::Click(player.Button(QStringLiteral("Command13")));
        Form2 *help = Form2::Loaded();
        QVERIFY(help != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(help));
        // The game goes on behind the help window.
        QTRY_VERIFY(player.TimeLabel()->text() != timeBefore);
        QVERIFY(ClockRunning(main));

        // Space on the focused OK button.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTRY_COMPARE(QApplication::activeWindow(), main);
        QVERIFY(help->isVisible());
        QCOMPARE(Form1::Loaded(), main);
        QVERIFY(ClockRunning(main));
    }

    void thereIsNeverMoreThanOneHelpWindow()
    {
        const Player player(Form1::ShowMainWindow());
        Player::Click(player.Button(QStringLiteral("Command13")));
        const QPointer<Form2> first = Form2::Loaded();
        Player::Click(player.Button(QStringLiteral("Command13")));
        QCOMPARE(Form2::Loaded(), first.data());
        QCOMPARE(CountHelpWindows(), 1);

        // Closing it destroys it; the next Help makes a new one with the same content.
        first->close();
        FinishPendingDeletes();
        QVERIFY(first.isNull());
        QCOMPARE(CountHelpWindows(), 0);
        Player::Click(player.Button(QStringLiteral("Command13")));
        QVERIFY(Form2::Loaded() != nullptr);
        QCOMPARE(CountHelpWindows(), 1);
        QCOMPARE(Player(Form2::Loaded()).Find<QLabel>(QStringLiteral("Label1"))->text(), QStringLiteral("ゲーム説明"));
    }

    void okLoadsAFreshMainWindowAfterTheOldOneWasClosed()
    {
        const QPointer<Form1> old = Form1::ShowMainWindow();
        const Player oldPlayer(old);
        Player::Click(oldPlayer.Button(QStringLiteral("Command1")));
        Player::Click(oldPlayer.Button(QStringLiteral("Command13")));
        Form2 *help = Form2::Loaded();
        QVERIFY(old->close());
        FinishPendingDeletes();
        QVERIFY(old.isNull());
        QVERIFY(help->isVisible());

        Player::Click(Player(help).Button(QStringLiteral("Command1")));
        Form1 *fresh = Form1::Loaded();
        QVERIFY(fresh != nullptr);
        QVERIFY(fresh->isVisible());
        const Player player(fresh);
        QVERIFY(player.Button(QStringLiteral("Command1"))->isVisible());
        QVERIFY(!player.Button(QStringLiteral("Command2"))->isVisible());
        QCOMPARE(player.TimeLabel()->text(), sumdrop::testing::LoadCaption);
        QVERIFY(!ClockRunning(fresh));
        for (int cell = 0; cell < 36; ++cell) {
            QVERIFY(player.Cell(cell)->text().isEmpty());
            QCOMPARE(player.Cell(cell)->palette().color(QPalette::Window), QColor(Qt::white));
        }

        MessageBoxAnswerer answerer;
        const QString result = player.PlayWholeGame(answerer);
        QCOMPARE(result, "今のタイムは" + player.TimeLabel()->text() + "です");
    }

    void programEndsWhenTheLastWindowClosesInEitherOrder_data()
    {
        QTest::addColumn<bool>("helpFirst");
        QTest::newRow("help, then main") << true;
        QTest::newRow("main, then help") << false;
    }

    void programEndsWhenTheLastWindowClosesInEitherOrder()
    {
        QFETCH(bool, helpFirst);
        Form1 *main = Form1::ShowMainWindow();
        Form2 *help = Form2::ShowHelpWindow([] { Form1::ShowMainWindow(); });
        QWidget *first = helpFirst ? static_cast<QWidget *>(help) : main;
        QWidget *second = helpFirst ? static_cast<QWidget *>(main) : help;
        bool secondWasOpenAfterFirst = false;
        QTimer::singleShot(100, first, &QWidget::close);
        QTimer::singleShot(300, this, [&] {
            secondWasOpenAfterFirst = second->isVisible();
            second->close();
        });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(secondWasOpenAfterFirst);
        FinishPendingDeletes();
        QVERIFY(Form1::Loaded() == nullptr);
        QVERIFY(Form2::Loaded() == nullptr);
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
