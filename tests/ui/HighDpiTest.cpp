// SPDX-License-Identifier: MIT
// Both windows at a device pixel ratio of 2, on an offscreen screen of 192 dpi as a desktop scaled
// to 200 % reports it (the suite's CMake sets the screen up): the layout keeps its logical
// geometry, the digits stay inside their boxes, and the rule picture is doubled pixel
// for pixel rather than blurred.
#include "Application.h"
#include "Form1.h"
#include "Form2.h"
#include "Player.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <set>

using sumdrop::Form1;
using sumdrop::Form2;
using sumdrop::testing::Player;

class HighDpiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        sumdrop::testing::QuietOffscreenNotes();
        sumdrop::ConfigureFonts();
    }

    void cleanup() { sumdrop::UnloadAllWindows(); }

    void mainWindowDoublesWithNothingMisplacedOrClipped()
    {
        Form1 *window = Form1::ShowMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->windowHandle()->devicePixelRatio(), 2.0);
        QCOMPARE(window->size(), QSize(598, 672));
        QCOMPARE(window->grab().size(), QSize(1196, 1344));

        const Player player(window);
        QCOMPARE(player.Cell(35)->geometry(), QRect(280, 432, 33, 33));
        QCOMPARE(player.Button(QStringLiteral("Command1"))->geometry(), QRect(360, 616, 201, 41));
        for (QWidget *control : window->findChildren<QWidget *>()) {
            // Controls of no size are never drawn: the screen reader's notices.
            QVERIFY2(control->size().isEmpty() || window->rect().contains(control->geometry()),
                     qPrintable(control->objectName()));
        }

        Player::Click(player.Button(QStringLiteral("Command1")));
        for (int cell = 0; cell < 8; ++cell) {
            const QImage box = player.Cell(cell)->grab().toImage();
            QCOMPARE(box.size(), QSize(66, 66));
            QString where;
            QVERIFY2(sumdrop::testing::InkStaysInside(box, &where),
                     qPrintable(QStringLiteral("cell %1: ").arg(cell) + where));
        }
    }

    void rulePictureIsDoubledPixelForPixel()
    {
        Form2 *help = Form2::ShowHelpWindow([] { Form1::ShowMainWindow(); });
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QCOMPARE(help->size(), QSize(504, 443));
        auto *image = help->findChild<QLabel *>(QStringLiteral("Image1"));
        const QImage shown = image->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), QSize(766, 602));
        std::set<QRgb> colours;
        for (int y = 0; y < shown.height(); y += 2) {
            for (int x = 0; x < shown.width(); x += 2) {
                const QRgb pixel = shown.pixel(x, y);
                colours.insert(pixel);
                const bool doubled = shown.pixel(x + 1, y) == pixel && shown.pixel(x, y + 1) == pixel &&
                                     shown.pixel(x + 1, y + 1) == pixel;
                QVERIFY2(doubled, qPrintable(QStringLiteral("blurred at %1,%2").arg(x).arg(y)));
            }
        }
        QCOMPARE(colours, (std::set<QRgb>{qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(255, 0, 0)}));

        // The sentence still wraps into its two lines inside the label.
        auto *sentence = help->findChild<QLabel *>(QStringLiteral("Label2"));
        QVERIFY(sentence->heightForWidth(sentence->width()) <= sentence->height());
    }
};

QTEST_MAIN(HighDpiTest)
#include "HighDpiTest.moc"
