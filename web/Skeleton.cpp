// SPDX-License-Identifier: MIT
// Prints the page's skeleton, which the build puts into index.html: every control of both
// windows with its caption and what a screen reader is told of it, in the design's tab order,
// and the style that places them, from the layout table. So the page is drawn before the game's
// WebAssembly has arrived, and the browser, not the game, lays it out again when the screen
// turns or the page is zoomed.
#include "Layout.h"
#include "Narration.h"
#include "NoScreen.h"
#include "NumberTriangle.h"
#include "Stopwatch.h"

#include <exception>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

namespace {

using namespace sumdrop;
using namespace sumdrop::layout;

std::string Escape(std::string_view text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string Px(double pixels)
{
    std::ostringstream text;
    text << pixels << "px";
    return text.str();
}

std::string Attribute(std::string_view name, std::string_view value)
{
    return value.empty() ? std::string() : " " + std::string(name) + "=\"" + Escape(value) + "\"";
}

// <tag id=... attributes>caption</tag>, with what a screen reader adds to the caption.
std::string Element(std::string_view tag, std::string_view id, std::string_view caption,
                    std::string_view description = {}, std::string_view attributes = {})
{
    return "<" + std::string(tag) + Attribute("id", id) + Attribute("aria-description", description) +
           std::string(attributes) + ">" + Escape(caption) + "</" + std::string(tag) + ">\n";
}

std::string Button(const Control &control, std::string_view id, std::string_view attributes = {})
{
    return Element("button", id, control.caption, control.description, attributes);
}

// A control at its designed place and size, in pixels at 96 dpi.
std::string Placed(std::string_view id, const Twips &box, const Font &font = {})
{
    std::string rule = "#" + std::string(id) + "{left:" + Px(Pixels(box.left)) + ";top:" + Px(Pixels(box.top)) +
                       ";width:" + Px(Pixels(box.width)) + ";height:" + Px(Pixels(box.height));
    if (font.points > 0) {
        rule += ";font-size:" + Px(FontPixels(font.points)) + ";font-weight:" + (font.bold ? "700" : "400");
    }
    return rule + "}\n";
}

// The boxes' names before Start come from the narration itself.
void PrintMarkup()
{
    web::NoScreen screen;
    const Stopwatch stopwatch(screen);
    NumberTriangle triangle(screen, stopwatch);
    triangle.Initialise();

    std::cout << "<main id=\"Form1\">\n" << Element("h1", Title.name, Title.caption) << "<div id=\"triangle\">\n";
    for (int cell = 0; cell < CellCount; ++cell) {
        std::cout << Element("div", "Label3_" + std::to_string(cell), "", {},
                             R"( class="cell" role="img")" + Attribute("aria-label", CellName(triangle, cell, false)));
    }
    std::cout << "</div>\n";
    // The buttons in tab order, which Tab follows; the pad's keys together in their own grid.
    bool inPad = false;
    for (const std::size_t button : TabOrder()) {
        const bool key = DigitOf(button) >= 0;
        if (key != inPad) {
            std::cout << (key ? "<div id=\"pad\">\n" : "</div>\n");
            inPad = key;
        }
        std::cout << Button(Buttons.at(button), Buttons.at(button).name,
                            button == QuitButton ? " hidden" : (button == StartButton ? " autofocus" : ""));
    }
    std::cout << Element("div", TimeLabel.name, TimeLabel.caption, {},
                         R"( class="left" role="timer")" + Attribute("aria-label", TimeLabelAccessibleName))
              << "</main>\n"
              << "<div id=\"narration\" aria-live=\"polite\" class=\"unseen\"></div>\n"
              << "<div id=\"message-backdrop\" hidden></div>\n"
              << "<dialog id=\"message\" aria-labelledby=\"message-title\">\n"
              << Element("div", "message-title", MessageCaption) << Element("p", "message-text", "")
              << "<form method=\"dialog\"><button id=\"message-ok\">OK</button></form>\n</dialog>\n"
              << "<dialog id=\"Form2\" aria-labelledby=\"Form2-Label1\">\n"
              << Element("h2", "Form2-Label1", HelpHeading.caption)
              << R"(<img id="Form2-Image1" src="rule.png" loading="lazy")" << Attribute("alt", HelpPictureName)
              << Attribute("aria-description", HelpPicture.description) << " width=\"" << Pixels(HelpPicture.box.width)
              << "\" height=\"" << Pixels(HelpPicture.box.height) << "\">\n"
              << Element("p", "Form2-Label2", HelpSentence.caption, {}, " class=\"left\"")
              << Button(HelpOkButton, "Form2-Command1") << "</dialog>\n";
}

// Where the window fits as designed: every control at its designed place, to the pixel.
void PrintDesign()
{
    std::cout << "@media (min-width:" << Px(Pixels(MainWindow.width))
              << ") and (min-height:" << Px(Pixels(MainWindow.height)) << "){\n"
              << "#Form1{margin:0 auto;width:" << Px(Pixels(MainWindow.width))
              << ";height:" << Px(Pixels(MainWindow.height))
              << "}\n#Form2{padding:0;border:0;width:" << Px(Pixels(HelpWindow.width))
              << ";height:" << Px(Pixels(HelpWindow.height))
              << ";outline:1px solid #888;box-shadow:0 4px 16px rgba(0,0,0,.3)}\n"
              << "#Form1>*,#pad>*,#Form2>*{position:absolute}\n#triangle,#pad{display:contents}\n"
              << "#Form2>img{image-rendering:pixelated}\n"
              << Placed(Title.name, Title.box, Title.font) << Placed(TimeLabel.name, TimeLabel.box, TimeLabel.font);
    for (const Control &button : Buttons) {
        std::cout << Placed(button.name, button.box, button.font);
    }
    std::cout << ".cell{width:" << Px(Pixels(CellSize)) << ";height:" << Px(Pixels(CellSize))
              << ";font-size:" << Px(FontPixels(CellFont.points)) << ";font-weight:700}\n";
    for (int cell = 0; cell < CellCount; ++cell) {
        const Twips box = CellBox(cell);
        std::cout << "#Label3_" << cell << "{left:" << Px(Pixels(box.left)) << ";top:" << Px(Pixels(box.top)) << "}\n";
    }
    for (const auto &[control, id] : {std::pair{&HelpHeading, "Form2-Label1"},
                                      {&HelpPicture, "Form2-Image1"},
                                      {&HelpSentence, "Form2-Label2"},
                                      {&HelpOkButton, "Form2-Command1"}}) {
        std::cout << Placed(id, control->box, control->font);
    }
    std::cout << "}\n";
}

// Wherever it does not: laid out for fingers, by the browser, on a grid that fills the screen,
// for any size and zoom.
void PrintHands()
{
    using namespace hands;
    const double extent = RowCount - 1 + BoxOfPitch; // the triangle's side, in pitches
    const double box = 100.0 * BoxOfPitch / extent;  // a box's side, in % of the triangle's
    const int padWidth = 5 * MinimumTarget + 4 * Gap;
    const int pad = 2 * MinimumTarget + Gap;
    const int title = FontPixels(Title.font.points);
    // The triangle's side: as large as the room the controls leave, never below the narrowest.
    const auto side = [](const std::string &across, const std::string &down) {
        return "--side:max(" + Px(NarrowestTriangle) + ",min(" + across + "," + down + "));";
    };
    const auto font = [](const Font &f) {
        return "font-size:" + Px(FontPixels(f.points)) + ";font-weight:" + (f.bold ? "700" : "400") + ";";
    };
    std::cout << "@media not ((min-width:" << Px(Pixels(MainWindow.width))
              << ") and (min-height:" << Px(Pixels(MainWindow.height))
              << ")){\n"
              // Stacked, where the screen is taller than wide: Help, the title and Quit in a row at
              // the top, the triangle, the time and Start, the pad at the bottom.
              << "#Form1{display:grid;align-items:center;min-height:100dvh;gap:" << Px(Gap) << ";padding:" << Px(Gap)
              << ";" << side("100vw - " + Px(2 * Gap), "100dvh - " + Px(5 * Gap + 2 * MinimumTarget + pad))
              << "grid-template-columns:max-content minmax(0,1fr) max-content;"
              << "grid-template-rows:auto auto auto 1fr;grid-template-areas:"
              << "\"help title quit\" \"triangle triangle triangle\" \"time time start\" \"pad pad pad\"}\n"
              << "#Label1{grid-area:title;white-space:nowrap;font-size:clamp(" << Px(SmallestTitle) << ","
              << TitleOfWidth * 100 << "vw," << Px(title) << ")}\n"
              << "#triangle{grid-area:triangle;position:relative;justify-self:center;width:var(--side);"
              << "height:var(--side);container-type:size}\n"
              << ".cell{left:calc(var(--x) * " << 100.0 / extent << "%);top:calc(var(--y) * " << 100.0 / extent
              << "%);width:" << box << "%;height:" << box << "%;font-size:clamp(" << Px(SmallestBoxDigit) << "," << box
              << "cqw - " << Px(BoxDigitMargin) << ",100px);font-weight:" << (CellFont.bold ? 700 : 400) << "}\n";
    for (int cell = 0; cell < CellCount; ++cell) {
        const int row = RowOf(cell);
        std::cout << "#Label3_" << cell << "{--x:" << PositionInRow(cell) + row * 0.5 << ";--y:" << row << "}\n";
    }
    std::cout << "#pad{grid-area:pad;align-self:end;display:grid;grid-template-columns:repeat(5,1fr);min-width:"
              << Px(padWidth) << ";gap:" << Px(Gap) << ";grid-template-rows:repeat(2,minmax(" << Px(MinimumTarget)
              << "," << Px(TallestKey) << "))}\n#pad>button{font-size:" << Px(KeyLabel)
              << ";font-weight:" << (Buttons.at(FirstDigitButton).font.bold ? 700 : 400) << "}\n";
    for (std::size_t button = FirstDigitButton; button < FirstDigitButton + 10; ++button) {
        const int digit = DigitOf(button);
        std::cout << "#" << Buttons.at(button).name << "{grid-area:" << digit / 5 + 1 << "/" << digit % 5 + 1 << "}\n";
    }
    std::cout << "#" << TimeLabel.name << "{grid-area:time;" << font(TimeLabel.font) << "}\n";
    for (const auto &[button, area, place] :
         {std::tuple{StartButton, "start", "end"}, {QuitButton, "quit", "end"}, {HelpButton, "help", "start"}}) {
        std::cout << "#" << Buttons.at(button).name << "{grid-area:" << area << ";justify-self:" << place
                  << ";padding:0 " << Px(CaptionPadding) << ";" << font(Buttons.at(button).font) << "}\n";
    }
    std::cout << "button{min-width:" << Px(MinimumTarget) << ";min-height:" << Px(MinimumTarget)
              << "}\n"
              // The help window flows in a dialog as wide as the screen allows.
              << "#Form2{width:min(" << Px(Pixels(HelpWindow.width)) << ",100vw - " << Px(2 * Gap)
              << ");max-height:calc(100dvh - " << Px(2 * Gap) << ");padding:" << Px(2 * Gap)
              << ";overflow:auto;border:1px solid #888}\n#Form2>*{margin-bottom:" << Px(Gap) << "}\n"
              << "#Form2>img{display:block;max-width:100%;height:auto;margin-inline:auto}\n"
              << "#Form2-Label1{" << font(HelpHeading.font) << "}\n#Form2-Label2{" << font(HelpSentence.font)
              << "}\n#Form2-Command1{margin:0 auto;padding:0 " << Px(2 * CaptionPadding) << ";"
              << font(HelpOkButton.font)
              << "}\n"
              // Wider than tall: the triangle on the left, the controls in a column beside it,
              // with the title at the column's head, or across the top where there is height.
              << "@media (min-aspect-ratio:1/1) and (min-width:" << Px(SideBySideWidth)
              << ") and (min-height:" << Px(SideBySideHeight) << "){\n"
              << "#Form1{" << side("100vw - " + Px(3 * Gap + padWidth), "100dvh - " + Px(2 * Gap))
              << "height:100dvh;min-height:0;max-width:calc(var(--side) + " << Px(WidestColumn + 3 * Gap)
              << ");margin:0 auto;grid-template-columns:var(--side) minmax(0,1fr) max-content;"
              << "grid-template-rows:auto auto auto auto minmax(0,1fr);grid-template-areas:\"triangle help quit\" "
              << "\"triangle title title\" \"triangle time time\" \"triangle start start\" \"triangle pad pad\"}\n"
              << "#triangle{align-self:start}\n"
              << "#Label1{font-size:clamp(" << Px(SmallestTitle) << ",(100vw - var(--side) - " << Px(3 * Gap)
              << ") / 7," << Px(title) << ")}\n"
              << "@media (min-height:" << Px(TitleAcrossHeight) << "){\n#Form1{"
              << side("100vw - " + Px(3 * Gap + padWidth), "100dvh - " + Px(3 * Gap + title))
              << "grid-template-rows:auto auto auto auto minmax(0,1fr);grid-template-areas:\"title title title\" "
              << "\"triangle help quit\" \"triangle time time\" \"triangle start start\" \"triangle pad pad\"}\n"
              << "#Label1{font-size:" << Px(title) << "}\n}\n}\n}\n";
}

} // namespace

int main()
{
    try {
        PrintMarkup();
        std::cout << "<style>\n";
        PrintDesign();
        PrintHands();
        std::cout << "</style>\n";
    } catch (const std::exception &error) {
        std::cerr << "skeleton: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
