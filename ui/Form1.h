// SPDX-License-Identifier: MIT
// Form1: the main window. It lays out the triangle, the digit pad and the buttons, carries out
// the screen's part of the engine's port on them, and passes each control event on to its game
// session.
#pragma once

#include "GameSession.h"
#include "Metrics.h"
#include "ScreenReaderSync.h"
#include "UiPort.h"

#include <QWidget>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

class QLabel;
class QPushButton;
class QTimer;

namespace sumdrop {

class Form1 : public QWidget, public ScreenPort {
    Q_OBJECT

public:
    // Loads a fresh main window if none is loaded, its random sequence started from the clock,
    // then shows it and brings it to the front.
    static Form1 *ShowMainWindow();
    // The loaded main window, or nullptr once it has been closed.
    static Form1 *Loaded();

    // Loads the main window, which is then the loaded one, with a given start of its random
    // sequence, so that a game can be played again. No other main window may be loaded.
    explicit Form1(std::uint64_t randomStart);
    ~Form1() override;
    Form1(const Form1 &) = delete;
    Form1 &operator=(const Form1 &) = delete;
    Form1(Form1 &&) = delete;
    Form1 &operator=(Form1 &&) = delete;

    void SetCellText(int cell, const std::string &text) override;
    void SetCellShade(int cell, Colour colour) override;
    void SetTimeText(const std::string &text) override;
    void SetStartVisible(bool visible) override;
    void SetQuitVisible(bool visible) override;
    void SetTimerEnabled(bool enabled) override;
    void ShowMessage(const std::string &text) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildTriangle();
    void BuildButtons();
    void BuildTimeLabelAndTimer();
    void Form_Load();

    void Command1_Click();
    void Command2_Click();
    // Command3 to Command12: button is their index in the layout, which says the digit.
    void DigitButton_Click(std::size_t button);
    void Command13_Click();
    void Timer1_Timer();

    // The pixels a twip comes to on this screen.
    const metrics::Scale scale;

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    std::array<QLabel *, CellCount> Label3{};
    QPushButton *Command1 = nullptr; // Start
    QPushButton *Command2 = nullptr; // Quit
    QPushButton *Command3 = nullptr; // digits 0..9 are Command3..Command12
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command7 = nullptr;
    QPushButton *Command8 = nullptr;
    QPushButton *Command9 = nullptr;
    QPushButton *Command10 = nullptr;
    QPushButton *Command11 = nullptr;
    QPushButton *Command12 = nullptr;
    QPushButton *Command13 = nullptr; // Help
    QTimer *Timer1 = nullptr;

    ScreenReaderSync screenReader{this, Label3};
    GameSession session;
};

} // namespace sumdrop
