// SPDX-License-Identifier: MIT
// Form2: the help window, with the rule of the game in a picture and a sentence.
#pragma once

#include "Metrics.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace sumdrop {

class Form2 : public QWidget {
    Q_OBJECT

public:
    // Loads the help window if none is loaded, then shows it and brings it to the front;
    // there is never more than one.
    static Form2 *ShowHelpWindow();
    // The loaded help window, or nullptr once it has been closed.
    static Form2 *Loaded();

    Form2();

private:
    void Command1_Click();

    // The pixels a twip comes to on this screen.
    const metrics::Scale scale;

    QLabel *Label1 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *Command1 = nullptr; // OK
};

} // namespace sumdrop
