// SPDX-License-Identifier: MIT
// Form1: the controls sit at fixed positions in twips; nothing here knows the
// rule of the game, which lives in NumberTriangle.
#include "Form1.h"

#include "Accessibility.h"
#include "Form2.h"
#include "Metrics.h"
#include "Narration.h"
#include "WindowActivation.h"
#include "WindowParts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <chrono>

namespace sumdrop {

namespace {

QPointer<Form1> loadedMainWindow;

// A box as narrow as its short text leaves a window manager no room in the title bar for the
// caption; this width shows "Sumdrop" whole beside the usual title-bar buttons.
void WidenForTitle(QMessageBox &box)
{
    constexpr int minimumWidth = 260;
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        grid->addItem(new QSpacerItem(minimumWidth, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0,
                      1, grid->columnCount());
    }
}

} // namespace

Form1 *Form1::ShowMainWindow()
{
    return ShowMainWindow(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

Form1 *Form1::ShowMainWindow(std::uint64_t randomStart)
{
    return ShowSingleWindow(loadedMainWindow, randomStart);
}

Form1 *Form1::Loaded()
{
    return loadedMainWindow;
}

Form1::Form1(std::uint64_t start) : scale(metrics::Scale::ToFitScreen({ClientWidth, ClientHeight})), randomStart(start)
{
    SetUpWindow(*this, QStringLiteral("Form1"), scale.Size(ClientWidth, ClientHeight));
    BuildTitle();
    BuildTriangle();
    BuildButtons();
    BuildTimeLabelAndTimer();
    PrepareForScreenReaders();
    Form_Load();
}

Form1::~Form1()
{
    // A timer event must not reach the engine while the window is being taken apart.
    Timer1->stop();
}

void Form1::BuildTitle()
{
    Label1 = MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("サムドロップ"), scale.Rect(2040, 120, 4575, 855),
                       scale.Font(36, false), Qt::AlignHCenter);
}

void Form1::BuildTriangle()
{
    // Each lower row is shifted right by half the pitch, so that a box sits under the gap
    // between its two parents.
    constexpr int left = 840;
    constexpr int top = 1440;
    constexpr int pitch = 960;
    constexpr int rowShift = 480;
    constexpr int rowPitch = 720;
    constexpr int size = 495;
    for (int cell = 0; cell < CellCount; ++cell) {
        const int row = RowOf(cell);
        QLabel *box =
            MakeLabel(this, QStringLiteral("Label3_%1").arg(cell), QString(),
                      scale.Rect(left + rowShift * row + pitch * PositionInRow(cell), top + rowPitch * row, size, size),
                      scale.Font(24, true), Qt::AlignHCenter);
        box->setFrameStyle(QFrame::Box | QFrame::Plain);
        box->setLineWidth(1);
        // A framed label indents its text by half an "x" from the aligned edge, which would
        // push a digit this size out through the bottom of its box.
        box->setIndent(0);
        Label3.at(cell) = box;
    }
}

void Form1::BuildButtons()
{
    struct ButtonLayout {
        QPushButton *Form1::*control;
        const char *name;
        QString caption;
        QRect geometry;
        QFont font;
        void (Form1::*handler)();
    };
    const QFont pad = scale.Font(14.25, true);
    const std::array<ButtonLayout, 13> layouts{{
        {&Form1::Command1, "Command1", QStringLiteral("スタート"), scale.Rect(5400, 9240, 3015, 615),
         scale.Font(27.75, false), &Form1::Command1_Click},
        {&Form1::Command2, "Command2", QStringLiteral("終了"), scale.Rect(7200, 8640, 1215, 495), scale.Font(18, false),
         &Form1::Command2_Click},
        {&Form1::Command3, "Command3", QStringLiteral("0"), scale.Rect(480, 7920, 495, 495), pad,
         &Form1::Command3_Click},
        {&Form1::Command4, "Command4", QStringLiteral("1"), scale.Rect(1200, 7920, 495, 495), pad,
         &Form1::Command4_Click},
        {&Form1::Command5, "Command5", QStringLiteral("2"), scale.Rect(1920, 7920, 495, 495), pad,
         &Form1::Command5_Click},
        {&Form1::Command6, "Command6", QStringLiteral("3"), scale.Rect(2640, 7920, 495, 495), pad,
         &Form1::Command6_Click},
        {&Form1::Command7, "Command7", QStringLiteral("4"), scale.Rect(3360, 7920, 495, 495), pad,
         &Form1::Command7_Click},
        {&Form1::Command8, "Command8", QStringLiteral("5"), scale.Rect(480, 8760, 495, 495), pad,
         &Form1::Command8_Click},
        {&Form1::Command9, "Command9", QStringLiteral("6"), scale.Rect(1200, 8760, 495, 495), pad,
         &Form1::Command9_Click},
        {&Form1::Command10, "Command10", QStringLiteral("7"), scale.Rect(1920, 8760, 495, 495), pad,
         &Form1::Command10_Click},
        {&Form1::Command11, "Command11", QStringLiteral("8"), scale.Rect(2640, 8760, 495, 495), pad,
         &Form1::Command11_Click},
        {&Form1::Command12, "Command12", QStringLiteral("9"), scale.Rect(3360, 8760, 495, 495), pad,
         &Form1::Command12_Click},
        {&Form1::Command13, "Command13", QStringLiteral("ヘルプ"), scale.Rect(5400, 8640, 1575, 495), pad,
         &Form1::Command13_Click},
    }};
    for (const ButtonLayout &layout : layouts) {
        auto *button = new QPushButton(layout.caption, this);
        button->setObjectName(QString::fromLatin1(layout.name));
        button->setGeometry(layout.geometry);
        button->setFont(layout.font);
        connect(button, &QPushButton::clicked, this, layout.handler);
        this->*layout.control = button;
    }

    // Quit (while shown), Start, the pad from 0 round through 6..9 and 5 back to 1..4, Help.
    const std::array tabOrder{Command2, Command1, Command3, Command9, Command10, Command11, Command12,
                              Command8, Command4, Command5, Command6, Command7,  Command13};
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
    }
    Command2->setVisible(false);
    Command1->setFocus(Qt::OtherFocusReason);
}

void Form1::BuildTimeLabelAndTimer()
{
    Label2 = MakeLabel<TimeLabel>(this, QStringLiteral("Label2"), QString::fromUtf8(TimeLabelLoadCaption),
                                  scale.Rect(3120, 9480, 1695, 375), scale.Font(18, true), Qt::AlignLeft);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(99);
    // The stopwatch counts events, so they must not be bunched up to save wake-ups.
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
}

void Form1::PrepareForScreenReaders()
{
    Command1->setAccessibleDescription(QStringLiteral("ゲームを始める"));
    Command2->setAccessibleDescription(QStringLiteral("ゲームを終了する"));
    Command13->setAccessibleDescription(QStringLiteral("遊び方の説明を開く"));
    for (QPushButton *digit :
         {Command3, Command4, Command5, Command6, Command7, Command8, Command9, Command10, Command11, Command12}) {
        digit->setAccessibleDescription(QStringLiteral("%1 を入力する").arg(digit->text()));
    }
    // A fixed name keeps QLabel from announcing every tick; the time is read on demand instead.
    Label2->setAccessibleName(TimeLabelAccessibleName);
    announcer = new Announcer(this);
}

void Form1::Form_Load()
{
    stopwatch.Reset();
    triangle.Initialise();
    generator = std::mt19937_64(randomStart);
    DescribeCells();
}

void Form1::closeEvent(QCloseEvent *event)
{
    // The engine is waiting inside a message box; the window must outlive it.
    if (openMessageBoxes > 0) {
        event->ignore();
        return;
    }
    Timer1->stop();
    event->accept();
}

void Form1::Command1_Click()
{
    triangle.StartGame();
    DescribeCells();
    Narrate(StartNarration(triangle));
}

void Form1::Command2_Click()
{
    Timer1->stop();
    QCoreApplication::exit(0);
}

void Form1::Command3_Click()
{
    PressDigit(0);
}

void Form1::Command4_Click()
{
    PressDigit(1);
}

void Form1::Command5_Click()
{
    PressDigit(2);
}

void Form1::Command6_Click()
{
    PressDigit(3);
}

void Form1::Command7_Click()
{
    PressDigit(4);
}

void Form1::Command8_Click()
{
    PressDigit(5);
}

void Form1::Command9_Click()
{
    PressDigit(6);
}

void Form1::Command10_Click()
{
    PressDigit(7);
}

void Form1::Command11_Click()
{
    PressDigit(8);
}

void Form1::Command12_Click()
{
    PressDigit(9);
}

void Form1::Command13_Click()
{
    Form2::ShowHelpWindow();
}

void Form1::PressDigit(int digit)
{
    const int target = triangle.NextCell();
    triangle.EnterDigit(digit);
    DescribeCells();
    // A wrong digit and the end of the game speak through their message boxes.
    if (triangle.NextCell() != target) {
        Narrate(RightDigitNarration(triangle));
    }
}

void Form1::DescribeCells()
{
    const bool running = IsTimerEnabled();
    for (int cell = 0; cell < CellCount; ++cell) {
        const QString name = QString::fromStdString(CellName(triangle, cell, running));
        // Only real changes, so that a screen reader hears about the boxes that changed.
        QLabel *box = Label3.at(cell);
        if (box->accessibleName() != name) {
            box->setAccessibleName(name);
        }
    }
}

void Form1::Narrate(const std::string &sentence)
{
    if (!sentence.empty()) {
        announcer->Announce(QString::fromStdString(sentence));
    }
}

void Form1::Timer1_Timer()
{
    stopwatch.Tick();
}

void Form1::SetCellText(int cell, const std::string &text)
{
    Label3.at(cell)->setText(QString::fromStdString(text));
}

void Form1::SetCellShade(int cell, Colour colour)
{
    QLabel *box = Label3.at(cell);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, QColor(colour.red, colour.green, colour.blue));
    box->setPalette(palette);
}

void Form1::SetTimeText(const std::string &text)
{
    Label2->setText(QString::fromStdString(text));
}

void Form1::SetStartVisible(bool visible)
{
    Command1->setVisible(visible);
}

void Form1::SetQuitVisible(bool visible)
{
    Command2->setVisible(visible);
}

void Form1::SetTimerEnabled(bool enabled)
{
    if (enabled) {
        Timer1->start();
    } else {
        Timer1->stop();
    }
}

bool Form1::IsTimerEnabled() const
{
    return Timer1->isActive();
}

void Form1::ShowMessage(const std::string &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Sumdrop"), QString::fromStdString(text), QMessageBox::Ok,
                    this);
    box.setObjectName(QStringLiteral("message"));
    box.setWindowModality(Qt::ApplicationModal);
    // With its one button as the escape button too, OK, Enter, Esc and the close box all agree.
    box.setEscapeButton(QMessageBox::Ok);
    WidenForTitle(box);
    // A click on another of the game's windows may take the keyboard to it (Wayland compositors
    // do), where Enter and Esc would be lost; the keyboard goes back to the box. Focus leaving for
    // another program is left alone.
    connect(qApp, &QGuiApplication::focusWindowChanged, &box, [&box](QWindow *focus) {
        if (focus != nullptr && focus != box.windowHandle() && box.isVisible()) {
            BringToFront(box);
        }
    });
    // A screen reader may look at the boxes while this one is open.
    DescribeCells();
    ++openMessageBoxes;
    box.exec();
    --openMessageBoxes;
}

double Form1::NextRandom()
{
    // The top 53 bits make a double in [0, 1) that can never round up to 1.
    constexpr double unit = 1.0 / static_cast<double>(std::uint64_t{1} << 53U);
    return static_cast<double>(generator() >> 11U) * unit;
}

} // namespace sumdrop
