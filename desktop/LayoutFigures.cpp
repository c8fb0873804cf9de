// SPDX-License-Identifier: MIT
// Prints the layout's figures for the scripts and tests that are not written in C++, one figure
// a line, its kind first:
//   WINDOW NAME LEFT TOP WIDTH HEIGHT   a control, in twips; a window's own line has the name
//                                       "-" and its client area's size
//   digit NAME DIGIT                    the digit a button enters
//   parents CELL LEFT RIGHT             a box below the top row and the two boxes above it
//   twips-per-pixel N                   at 96 dpi
//   hands NAME PIXELS                   a figure of the page laid out for fingers
#include "Layout.h"

#include <iostream>
#include <string_view>

namespace {

using namespace sumdrop;
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
    for (int cell = 0; cell < CellCount; ++cell) {
        Print(MainWindow, CellId(cell), CellBox(cell));
    }
    Print(HelpWindow, "-", {0, 0, HelpWindow.width, HelpWindow.height});
    for (const Control *control : {&HelpHeading, &HelpPicture, &HelpSentence, &HelpOkButton}) {
        Print(HelpWindow, control->name, control->box);
    }
    for (std::size_t button = 0; button < Buttons.size(); ++button) {
        if (const int digit = DigitOf(button); digit >= 0) {
            std::cout << "digit " << Buttons.at(button).name << ' ' << digit << '\n';
        }
    }
    for (int cell = TopRowLength; cell < CellCount; ++cell) {
        std::cout << "parents " << CellId(cell) << ' ' << CellId(LeftParentOf(cell)) << ' '
                  << CellId(LeftParentOf(cell) + 1) << '\n';
    }
    std::cout << "twips-per-pixel " << TwipsPerPixel << '\n';
    std::cout << "hands minimum-target " << hands::MinimumTarget << '\n';
    return 0;
}
