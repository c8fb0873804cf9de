// SPDX-License-Identifier: MIT
// Prints the layout's figures for the scripts and tests that are not written in C++, one control
// a line: WINDOW NAME LEFT TOP WIDTH HEIGHT, in twips. Each window's own line has the name "-"
// and its client area's size.
#include "Layout.h"

#include <iostream>
#include <string>
#include <string_view>

namespace {

using namespace sumdrop::layout;

void Print(const Window &window, std::string_view name, const Twips &box)
{
    std::cout << window.caption << ' ' << name << ' ' << box.left << ' ' << box.top << ' ' << box.width << ' '
              << box.height << '\n';
}

} // namespace

int main()
{
    Print(MainWindow, "-", {0, 0, MainWindow.width, MainWindow.height});
    Print(MainWindow, Title.name, Title.box);
    Print(MainWindow, TimeLabel.name, TimeLabel.box);
    for (const Control &button : Buttons) {
        Print(MainWindow, button.name, button.box);
    }
    for (int cell = 0; cell < sumdrop::CellCount; ++cell) {
        Print(MainWindow, "Label3_" + std::to_string(cell), CellBox(cell));
    }
    Print(HelpWindow, "-", {0, 0, HelpWindow.width, HelpWindow.height});
    for (const Control *control : {&HelpHeading, &HelpPicture, &HelpSentence, &HelpOkButton}) {
        Print(HelpWindow, control->name, control->box);
    }
    return 0;
}
