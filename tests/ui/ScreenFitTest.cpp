// SPDX-License-Identifier: MIT
// Both windows on one screen, given by the offscreen platform's configuration (run once for each
// size and scale): where they fit as designed they are exactly the designed size; where they do
// not, the whole window, frame included, fits, every control keeps its designed place and font
// relative to the window, and the digits and the help sentence still fit their boxes.
#include "Application.h"
#include "Form1.h"
#include "Form2.h"
#include "Metrics.h"
#include "Player.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using sumdrop::Form1;
using sumdrop::Form2;
using sumdrop::testing::Player;

namespace {

// Designed geometry in pixels at 96 dpi, and font pixels, of a few controls of each window.
struct Designed {
    const char *name = nullptr;
    QRect geometry;
    int fontPixels = 0;
};

} // namespace

class ScreenFitTest : public QObject {
    Q_OBJECT

    // Checks the window against its designed client size; returns the factor it was drawn at.
    static double CheckFit(QWidget *window, QSize designed, std::initializer_list<Designed> controls)
    {
        const QSize room = window->screen()->availableGeometry().size() - sumdrop::metrics::FrameAllowance;
        const bool fitsAsDesigned = designed.width() <= room.width() && designed.height() <= room.height();
        const double factor = static_cast<double>(window->width()) / designed.width();
        if (fitsAsDesigned) {
            [&] { QCOMPARE(window->size(), designed); }();
        } else {
            const bool fits = window->width() <= room.width() && window->height() <= room.height();
            [&] {
                QVERIFY2(fits || factor < sumdrop::metrics::SmallestFactor + 0.01, qPrintable(window->objectName()));
            }();
            [&] { QVERIFY(qAbs(window->height() - designed.height() * factor) <= 1.0); }();
        }
        for (const Designed &control : controls) {
            auto *widget = window->findChild<QWidget *>(QString::fromLatin1(control.name));
            const QRect at = widget->geometry();
            const QRectF expected(control.geometry.x() * factor, control.geometry.y() * factor,
                                  control.geometry.width() * factor, control.geometry.height() * factor);
            const bool placed = qAbs(at.x() - expected.x()) <= 1 && qAbs(at.y() - expected.y()) <= 1 &&
                                qAbs(at.width() - expected.width()) <= 1 && qAbs(at.height() - expected.height()) <= 1;
            [&] { QVERIFY2(placed, control.name); }();
            [&] { QVERIFY2(qAbs(widget->font().pixelSize() - control.fontPixels * factor) <= 1.0, control.name); }();
        }
        return factor;
    }

private slots:
    void initTestCase()
    {
        sumdrop::testing::QuietOffscreenNotes();
        sumdrop::ConfigureApplication(*qApp);
        const QScreen *screen = QGuiApplication::primaryScreen();
        qInfo("screen %dx%d logical pixels at %.2f", screen->availableGeometry().width(),
              screen->availableGeometry().height(), screen->devicePixelRatio());
    }

    void cleanup() { sumdrop::UnloadAllWindows(); }

    void mainWindowFitsWholeAndPlays()
    {
        Form1 *window = Form1::ShowMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const double factor = CheckFit(window, QSize(598, 672),
                                       {{"Label1", QRect(136, 8, 305, 57), 48},
                                        {"Label3_35", QRect(280, 432, 33, 33), 32},
                                        {"Command3", QRect(32, 528, 33, 33), 19},
                                        {"Command1", QRect(360, 616, 201, 41), 37},
                                        {"Label2", QRect(208, 632, 113, 25), 24}});
        qInfo("main window drawn at %.3f", factor);

        const Player player(window);
        Player::Click(player.Button(QStringLiteral("Command1")));
        for (int cell = 0; cell < 8; ++cell) {
            QString where;
            QVERIFY2(sumdrop::testing::InkStaysInside(player.Cell(cell)->grab().toImage(), &where),
                     qPrintable(QStringLiteral("cell %1: ").arg(cell) + where));
        }
    }

    void helpWindowFitsWholeWithItsSentenceInTwoLines()
    {
        Form2 *help = Form2::ShowHelpWindow([] { Form1::ShowMainWindow(); });
        QVERIFY(QTest::qWaitForWindowExposed(help));
        const double factor = CheckFit(help, QSize(504, 443),
                                       {{"Label1", QRect(40, 16, 433, 33), 19},
                                        {"Label2", QRect(32, 336, 449, 57), 24},
                                        {"Command1", QRect(200, 400, 97, 33), 24}});
        auto *image = help->findChild<QLabel *>(QStringLiteral("Image1"));
        QVERIFY(qAbs(image->pixmap().deviceIndependentSize().width() - 383 * factor) <= 1.0);
        auto *sentence = help->findChild<QLabel *>(QStringLiteral("Label2"));
        QVERIFY(sentence->heightForWidth(sentence->width()) <= sentence->height());
    }
};

QTEST_MAIN(ScreenFitTest)
#include "ScreenFitTest.moc"
