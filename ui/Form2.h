// SPDX-License-Identifier: MIT
// Form2: the help window, with the rule of the game in a picture and a sentence.
#pragma once

#include "Metrics.h"

#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

namespace sumdrop {

class Form2 : public QWidget {
    Q_OBJECT

public:
    // Loads the help window if none is loaded, then shows it and brings it to the front;
    // there is never more than one. A window loaded here calls ok when its OK is clicked.
    static Form2 *ShowHelpWindow(const std::function<void()> &ok);
    // The loaded help window, or nullptr once it has been closed.
    static Form2 *Loaded();

    explicit Form2(std::function<void()> ok);

private:
    void Command1_Click();

    // The pixels a twip comes to on this screen.
    const metrics::Scale scale;

    QLabel *Label1 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *Command1 = nullptr; // OK
    std::function<void()> okClicked;
};

} // namespace sumdrop
