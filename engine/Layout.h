// SPDX-License-Identifier: MIT
// Layout: both windows as designed, in twips and points, with their captions, tab order and what
// a screen reader is told of them. The one home of these figures: the Qt windows and the page are
// built from them, and scripts get them from desktop/LayoutFigures.cpp, which prints them.
#pragma once

#include "Stopwatch.h"
#include "TriangleShape.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace sumdrop::layout {

// Left, top, width and height in twips of the window's client area (15 twips to a pixel at
// 96 dpi).
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(const Twips &, const Twips &) = default;
};

struct Font {
    double points = 0;
    bool bold = false;
};

enum class Align { Left, Centre };

// A control at a fixed place. Captions and descriptions are UTF-8.
struct Control {
    std::string_view name;
    std::string_view caption;
    Twips box;
    Font font;
    // The design's tab index; only the order counts. -1 for labels, which take no focus.
    int tabIndex = -1;
    // What a screen reader adds to the caption; empty for none.
    std::string_view description = {};
    Align align = Align::Centre;
};

struct Window {
    std::string_view caption;
    int width = 0; // client area, twips
    int height = 0;
};

inline constexpr int TwipsPerPixel = 15;

// Pixels at 96 dpi, rounded to the nearest: what a window at its designed size is made of.
constexpr int Pixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

// A font's size in pixels at 96 dpi; fonts are sized in pixels, so that text keeps fitting its
// twips-sized box whatever dpi a display reports. factor scales the whole window.
constexpr int FontPixels(double points, double factor = 1.0)
{
    const double exact = points * 96.0 / 72.0 * factor;
    const int whole = static_cast<int>(exact);
    return exact - whole >= 0.5 ? whole + 1 : whole;
}

// The factor that fits a window of designed pixels into room pixels: 1 wherever it fits as
// designed, never below smallest.
constexpr double FitFactor(int designedWidth, int designedHeight, int roomWidth, int roomHeight, double smallest)
{
    const double across = static_cast<double>(roomWidth) / designedWidth;
    const double down = static_cast<double>(roomHeight) / designedHeight;
    return std::clamp(std::min(across, down), smallest, 1.0);
}
inline constexpr std::string_view FontFamily = "ＭＳ Ｐゴシック";
// The caption of every message box.
inline constexpr std::string_view MessageCaption = "Sumdrop";
// A message box's narrowest width in pixels: a box as narrow as its short text leaves a window
// manager no room in the title bar for the caption, and this shows "Sumdrop" whole beside the
// usual title-bar buttons.
inline constexpr int MessageMinimumWidth = 260;

// The main window.
inline constexpr Window MainWindow{"Form1", 8970, 10080};

// clang-format off
// One control a line, to read as a table.
inline constexpr Control Title{"Label1", "サムドロップ", {2040, 120, 4575, 855}, {36, false}};
inline constexpr Control TimeLabel{"Label2", TimeLabelLoadCaption, {3120, 9480, 1695, 375}, {18, true}, -1, "", Align::Left};

// Command1 to Command13, in that order.
inline constexpr std::array<Control, 13> Buttons{{
    {"Command1", "スタート", {5400, 9240, 3015, 615}, {27.75, false}, 11, "ゲームを始める"},
    {"Command2", "終了", {7200, 8640, 1215, 495}, {18, false}, 0, "ゲームを終了する"},
    {"Command3", "0", {480, 7920, 495, 495}, {14.25, true}, 40, "0 を入力する"},
    {"Command4", "1", {1200, 7920, 495, 495}, {14.25, true}, 46, "1 を入力する"},
    {"Command5", "2", {1920, 7920, 495, 495}, {14.25, true}, 47, "2 を入力する"},
    {"Command6", "3", {2640, 7920, 495, 495}, {14.25, true}, 48, "3 を入力する"},
    {"Command7", "4", {3360, 7920, 495, 495}, {14.25, true}, 49, "4 を入力する"},
    {"Command8", "5", {480, 8760, 495, 495}, {14.25, true}, 45, "5 を入力する"},
    {"Command9", "6", {1200, 8760, 495, 495}, {14.25, true}, 41, "6 を入力する"},
    {"Command10", "7", {1920, 8760, 495, 495}, {14.25, true}, 42, "7 を入力する"},
    {"Command11", "8", {2640, 8760, 495, 495}, {14.25, true}, 43, "8 を入力する"},
    {"Command12", "9", {3360, 8760, 495, 495}, {14.25, true}, 44, "9 を入力する"},
    {"Command13", "ヘルプ", {5400, 8640, 1575, 495}, {14.25, true}, 50, "遊び方の説明を開く"},
}};

// The help window.
inline constexpr Window HelpWindow{"Form2", 7560, 6645};
inline constexpr Control HelpHeading{"Label1", "ゲーム説明", {600, 240, 6495, 495}, {14.25, true}};
inline constexpr Control HelpPicture{"Image1", "", {1080, 600, 5745, 4515}, {}, -1, "4と8を足すと12なので12と書くのは×。5と6を足すと11なので、１の位の1を書くのが○。", Align::Left};
inline constexpr Control HelpSentence{"Label2", "上にある２つの数字を足して１の位の数字をボタンで入力する。", {480, 5040, 6735, 855}, {18, false}, -1, "", Align::Left};
inline constexpr Control HelpOkButton{"Command1", "OK", {3000, 6000, 1455, 495}, {18, false}, 2, "OKでゲームの画面に戻る"};
// clang-format on

// Indices into Buttons.
inline constexpr std::size_t StartButton = 0;
inline constexpr std::size_t QuitButton = 1;
inline constexpr std::size_t HelpButton = 12;
inline constexpr std::size_t FirstDigitButton = 2; // Command3 enters 0, ..., Command12 enters 9

// The digit a button enters, or -1 for Start, Quit and Help.
constexpr int DigitOf(std::size_t button)
{
    return button >= FirstDigitButton && button < FirstDigitButton + 10 ? static_cast<int>(button - FirstDigitButton)
                                                                        : -1;
}

// The index into Buttons of the button that enters digit, 0 <= digit <= 9.
constexpr std::size_t DigitButton(int digit)
{
    return FirstDigitButton + static_cast<std::size_t>(digit);
}

// Indices into Buttons in the order Tab visits them: Quit (while shown), Start, the pad from 0
// round through 6..9 and 5 back to 1..4, Help.
constexpr std::array<std::size_t, Buttons.size()> TabOrder()
{
    std::array<std::size_t, Buttons.size()> order{};
    for (std::size_t i = 0; i < order.size(); ++i) {
        order.at(i) = i;
    }
    std::sort(order.begin(), order.end(),
              [](std::size_t a, std::size_t b) { return Buttons.at(a).tabIndex < Buttons.at(b).tabIndex; });
    return order;
}

// The 36 boxes are one control array, Label3(0..35); each box's own name, as the windows and the
// page name it, is the array's name and its index.
inline constexpr std::string_view CellArray = "Label3";
inline std::string CellId(int cell)
{
    return std::string(CellArray) + "_" + std::to_string(cell);
}

// The boxes of the triangle: each lower row is shifted right by half the pitch, so that a box
// sits under the gap between its two parents.
inline constexpr int CellSize = 495;
inline constexpr Font CellFont{24, true};

// 0 <= cell < 36
constexpr Twips CellBox(int cell)
{
    const int row = RowOf(cell);
    return {840 + 480 * row + 960 * PositionInRow(cell), 1440 + 720 * row, CellSize, CellSize};
}

// The page where the designed window does not fit at scale 1 (a phone upright or on its side, a
// narrow window, a zoomed page) is laid out for fingers instead, in CSS pixels: the triangle
// across the width, or beside the controls where the screen is wide, the digit pad at the
// bottom where a thumb reaches it, Quit in the corner across from Help, far from the pad.
namespace hands {
// Every control's smallest width and height, as the phone platforms ask of a touch target.
inline constexpr int MinimumTarget = 44;
// Between controls, and around the page.
inline constexpr int Gap = 8;
// The tallest a pad key grows on a tall screen.
inline constexpr int TallestKey = 72;
// Room beside a button's caption.
inline constexpr int CaptionPadding = 12;
// The column of controls beside the triangle grows no wider.
inline constexpr int WidestColumn = 400;
// A box's side as a share of the distance between neighbouring boxes; the rows are that
// distance apart, so the triangle is as tall as it is wide.
inline constexpr double BoxOfPitch = 0.9;
// The digits in the boxes: the box's side less this, so a digit keeps clear of the borders.
inline constexpr int BoxDigitMargin = 8;
inline constexpr int SmallestBoxDigit = 16;
// Digit keys' labels; the other captions keep their designed sizes.
inline constexpr int KeyLabel = 24;
// The title's size: its share of the screen's width, between these.
inline constexpr int SmallestTitle = 24;
inline constexpr double TitleOfWidth = 0.07;
// The triangle is never narrower: below it the page scrolls down rather than shrink the boxes
// past their digits (a page zoomed to 400 % is 320 pixels wide).
inline constexpr int NarrowestTriangle = 304;
// The triangle beside the controls wherever the screen is wider than tall and at least this
// wide and this tall.
inline constexpr int SideBySideWidth = 568;
inline constexpr int SideBySideHeight = 320;
// On a screen beside at least this tall, the title runs across the top.
inline constexpr int TitleAcrossHeight = 480;
} // namespace hands

// The page's own elements, beside the controls, which keep their names from the design; the help
// window's controls there are named HelpId(control), since the two windows share their names.
namespace page {
inline constexpr std::string_view Triangle = "triangle";
inline constexpr std::string_view Pad = "pad";
inline constexpr std::string_view Narration = "narration";
inline constexpr std::string_view Message = "message";
inline constexpr std::string_view MessageTitle = "message-title";
inline constexpr std::string_view MessageText = "message-text";
inline constexpr std::string_view MessageOk = "message-ok";
inline constexpr std::string_view MessageBackdrop = "message-backdrop";
inline std::string HelpId(const Control &control)
{
    return std::string(HelpWindow.caption) + "-" + std::string(control.name);
}
} // namespace page

// The name a screen reader gives the time label; its text follows it when asked.
inline constexpr std::string_view TimeLabelAccessibleName = "経過時間";
// The name a screen reader gives the rule picture; HelpPicture's description says what it shows.
inline constexpr std::string_view HelpPictureName = "ルールの例";

} // namespace sumdrop::layout
