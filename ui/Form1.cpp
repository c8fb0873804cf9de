// SPDX-License-Identifier: MIT
// Form1: nothing here knows the rule of the game or keeps its state; the game session does both
// and paints the load state, and the window only builds, forwards and carries out.
#include "Form1.h"

#include "Accessibility.h"
#include "Form2.h"
#include "Layout.h"
#include "Metrics.h"
#include "ModalMessage.h"
#include "WindowParts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <chrono>

namespace sumdrop {

namespace {

QPointer<Form1> loadedMainWindow;

} // namespace

Form1 *Form1::ShowMainWindow()
{
    return ShowSingleWindow(loadedMainWindow, RandomStartAt(std::chrono::system_clock::now()));
}

Form1 *Form1::Loaded()
{
    return loadedMainWindow;
}

Form1::Form1(std::uint64_t randomStart)
    : scale(metrics::Scale::ToFitScreen(layout::MainWindow)),
      session(*this, screenReader, randomStart, std::chrono::steady_clock::now)
{
    Q_ASSERT(loadedMainWindow.isNull());
    loadedMainWindow = this;
    SetUpWindow(*this, Text(layout::MainWindow.caption), scale.Size(layout::MainWindow));
    Label1 = MakeLabel(this, layout::Title, scale);
    BuildTriangle();
    BuildButtons();
    BuildTimeLabelAndTimer();
    Form_Load();
}

Form1::~Form1()
{
    // A timer event must not reach the engine while the window is being taken apart.
    Timer1->stop();
}

void Form1::BuildTriangle()
{
    for (int cell = 0; cell < CellCount; ++cell) {
        QLabel *box = MakeLabel(this, Text(layout::CellId(cell)), QString(), scale.Rect(layout::CellBox(cell)),
                                scale.Font(layout::CellFont), Qt::AlignHCenter);
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
    // Command1 to Command13, as the layout lists them.
    constexpr std::array<QPushButton * Form1::*, layout::Buttons.size()> controls{
        &Form1::Command1,  &Form1::Command2,  &Form1::Command3,  &Form1::Command4, &Form1::Command5,
        &Form1::Command6,  &Form1::Command7,  &Form1::Command8,  &Form1::Command9, &Form1::Command10,
        &Form1::Command11, &Form1::Command12, &Form1::Command13,
    };
    for (std::size_t i = 0; i < controls.size(); ++i) {
        QPushButton *button = MakeButton(this, layout::Buttons.at(i), scale);
        this->*controls.at(i) = button;
        if (layout::DigitOf(i) >= 0) {
            connect(button, &QPushButton::clicked, this, [this, i] { DigitButton_Click(i); });
        }
    }
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command13, &QPushButton::clicked, this, &Form1::Command13_Click);

    constexpr auto tabOrder = layout::TabOrder();
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(this->*controls.at(tabOrder.at(i - 1)), this->*controls.at(tabOrder.at(i)));
    }
    Command1->setFocus(Qt::OtherFocusReason);
}

void Form1::BuildTimeLabelAndTimer()
{
    Label2 = MakeLabel<TimeLabel>(this, layout::TimeLabel, scale);
    // A fixed name keeps QLabel from announcing every tick; the time is read on demand instead.
    Label2->setAccessibleName(Text(layout::TimeLabelAccessibleName));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(TickIntervalMilliseconds);
    // Each event shows the tenth that has just fallen due; a coarse timer's slack would make the
    // label stutter.
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
}

void Form1::Form_Load()
{
    session.Load();
}

void Form1::closeEvent(QCloseEvent *event)
{
    // The engine is waiting inside a message box; the window must outlive it.
    if (ModalMessageOpen()) {
        event->ignore();
        return;
    }
    Timer1->stop();
    event->accept();
}

void Form1::Command1_Click()
{
    session.Press(layout::StartButton);
}

void Form1::Command2_Click()
{
    Timer1->stop();
    QCoreApplication::exit(0);
}

void Form1::DigitButton_Click(std::size_t button)
{
    session.Press(button);
}

void Form1::Command13_Click()
{
    Form2::ShowHelpWindow([] { ShowMainWindow(); });
}

void Form1::Timer1_Timer()
{
    session.Tick();
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

void Form1::ShowMessage(const std::string &text)
{
    ShowModalMessage(this, text);
}

} // namespace sumdrop
