// SPDX-License-Identifier: MIT
// Prints the page's skeleton, which the build puts into index.html: every control of both
// windows with its caption and what a screen reader is told of it, in the design's tab order,
// in the state the game session paints at its load, and the layout table's figures that
// sumdrop.css places them by, as custom properties. So the page is drawn before the game's
// WebAssembly has arrived, and the browser, not the game, lays it out again when the screen
// turns or the page is zoomed. With --media it prints instead, for the build, the media queries
// that choose between the stylesheet's layouts, as CMake variables.
#include "GameSession.h"
#include "Layout.h"
#include "Narration.h"
#include "Stopwatch.h"
#include "UiPort.h"

#include <array>
#include <chrono>
#include <exception>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

namespace {

using namespace sumdrop;
using namespace sumdrop::layout;

// The controls as the session leaves them at its load, and the boxes' names.
class LoadState final : public ScreenPort, public ScreenReaderPort {
public:
    void SetCellText(int cell, const std::string &text) override { cellText.at(cell) = text; }
    void SetCellShade(int /*cell*/, Colour /*colour*/) override {}
    void SetTimeText(const std::string &text) override { timeText = text; }
    void SetStartVisible(bool visible) override { startVisible = visible; }
    void SetQuitVisible(bool visible) override { quitVisible = visible; }
    void SetTimerEnabled(bool /*enabled*/) override {}
    void ShowMessage(const std::string & /*text*/) override {}
    void SetCellName(int cell, const std::string &name) override { cellNames.at(cell) = name; }
    void Narrate(const std::string & /*sentence*/) override {}

    std::array<std::string, CellCount> cellText{};
    std::array<std::string, CellCount> cellNames{};
    std::string timeText;
    bool startVisible = false;
    bool quitVisible = false;
};

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

// A control's designed place and size in pixels at 96 dpi, and its font, for the stylesheet.
std::string Figures(const Twips &box, const Font &font = {})
{
    std::string figures = "--left:" + Px(Pixels(box.left)) + ";--top:" + Px(Pixels(box.top)) +
                          ";--width:" + Px(Pixels(box.width)) + ";--height:" + Px(Pixels(box.height));
    if (font.points > 0) {
        figures += ";--font:" + Px(FontPixels(font.points)) + ";--weight:" + (font.bold ? "700" : "400");
    }
    return figures;
}

std::string Placed(const Twips &box, const Font &font = {})
{
    return Attribute("style", Figures(box, font));
}

// <tag id=... attributes>caption</tag>, with what a screen reader adds to the caption.
std::string Element(std::string_view tag, std::string_view id, std::string_view caption,
                    std::string_view description = {}, std::string_view attributes = {})
{
    // Safari's Tab reaches a button only with an explicit tabindex; the markup's order is the
    // design's tab order.
    const std::string focusable = tag == "button" ? " tabindex=\"0\"" : "";
    return "<" + std::string(tag) + Attribute("id", id) + Attribute("aria-description", description) + focusable +
           std::string(attributes) + ">" + Escape(caption) + "</" + std::string(tag) + ">\n";
}

// moreFigures: the button's own, beside its designed place.
std::string Button(const Control &control, std::string_view id, std::string_view attributes = {},
                   std::string_view moreFigures = {})
{
    return Element("button", id, control.caption, control.description,
                   std::string(attributes) +
                       Attribute("style", Figures(control.box, control.font) + std::string(moreFigures)));
}

void PrintMarkup()
{
    LoadState load;
    GameSession session(load, load, 0, [] { return std::chrono::steady_clock::time_point{}; });
    session.Load();

    std::cout << "<main id=\"" << MainWindow.caption << "\">\n"
              << Element("h1", Title.name, Title.caption, {}, Placed(Title.box, Title.font)) << "<div id=\""
              << page::Triangle << "\">\n";
    for (int cell = 0; cell < CellCount; ++cell) {
        const Twips box = CellBox(cell);
        const int row = RowOf(cell);
        std::ostringstream figures;
        figures << "--left:" << Px(Pixels(box.left)) << ";--top:" << Px(Pixels(box.top))
                << ";--x:" << PositionInRow(cell) + row * 0.5 << ";--y:" << row;
        std::cout << Element("div", CellId(cell), load.cellText.at(cell), {},
                             R"( class="cell" role="img")" + Attribute("aria-label", load.cellNames.at(cell)) +
                                 Attribute("style", figures.str()));
    }
    std::cout << "</div>\n";
    // The buttons in tab order, which Tab follows; the pad's keys together in their own grid, each
    // at its row and column there.
    bool inPad = false;
    for (const std::size_t button : TabOrder()) {
        const int digit = DigitOf(button);
        if ((digit >= 0) != inPad) {
            std::cout << (inPad ? "</div>\n" : "<div id=\"" + std::string(page::Pad) + "\">\n");
            inPad = digit >= 0;
        }
        std::string attributes;
        if ((button == StartButton && !load.startVisible) || (button == QuitButton && !load.quitVisible)) {
            attributes = " hidden";
        } else if (button == StartButton) {
            attributes = " autofocus";
        }
        const std::string key = digit < 0 ? std::string()
                                          : ";--key-row:" + std::to_string(digit / 5 + 1) +
                                                ";--key-column:" + std::to_string(digit % 5 + 1);
        std::cout << Button(Buttons.at(button), Buttons.at(button).name, attributes, key);
    }
    std::cout << Element("div", TimeLabel.name, load.timeText, {},
                         R"( class="left" role="timer")" + Attribute("aria-label", TimeLabelAccessibleName) +
                             Placed(TimeLabel.box, TimeLabel.font))
              << "</main>\n"
              << "<div id=\"" << page::Narration << "\" aria-live=\"polite\" class=\"unseen\"></div>\n"
              << "<div id=\"" << page::MessageBackdrop << "\" hidden></div>\n"
              << "<dialog id=\"" << page::Message << "\" aria-labelledby=\"" << page::MessageTitle << "\">\n"
              << Element("div", page::MessageTitle, MessageCaption)
              << Element("p", page::MessageText, "")
              // The form only closes the box; a screen reader need not say the focus left a form.
              << R"(<form method="dialog" role="none">)" << Element("button", page::MessageOk, "OK")
              << "</form>\n</dialog>\n"
              // A screen reader reads the rule as the panel opens, as well as its name.
              << "<dialog id=\"" << HelpWindow.caption << "\" aria-labelledby=\"" << page::HelpId(HelpHeading)
              << "\" aria-describedby=\"" << page::HelpId(HelpSentence) << "\">\n"
              << Element("h2", page::HelpId(HelpHeading), HelpHeading.caption, {},
                         Placed(HelpHeading.box, HelpHeading.font))
              << "<img" << Attribute("id", page::HelpId(HelpPicture)) << R"( src="rule.png" loading="lazy")"
              << Attribute("alt", HelpPictureName) << Attribute("aria-description", HelpPicture.description)
              << " width=\"" << Pixels(HelpPicture.box.width) << "\" height=\"" << Pixels(HelpPicture.box.height)
              << "\"" << Placed(HelpPicture.box) << ">\n"
              << Element("p", page::HelpId(HelpSentence), HelpSentence.caption, {},
                         " class=\"left\"" + Placed(HelpSentence.box, HelpSentence.font))
              << Button(HelpOkButton, page::HelpId(HelpOkButton)) << "</dialog>\n";
}

// The figures of both layouts that are the same for every control.
void PrintFigures()
{
    using namespace hands;
    const auto font = [](const char *name, const Font &f) {
        return std::string("--") + name + "-font:" + Px(FontPixels(f.points)) + ";--" + name +
               "-weight:" + (f.bold ? "700" : "400") + ";";
    };
    std::cout << "<style>\n:root{--window-width:" << Px(Pixels(MainWindow.width))
              << ";--window-height:" << Px(Pixels(MainWindow.height))
              << ";--help-width:" << Px(Pixels(HelpWindow.width)) << ";--help-height:" << Px(Pixels(HelpWindow.height))
              << ";--cell:" << Px(Pixels(CellSize)) << ";" << font("cell", CellFont)
              << "--message-width:" << Px(MessageMinimumWidth) << ";--target:" << Px(MinimumTarget)
              << ";--gap:" << Px(Gap) << ";--tallest-key:" << Px(TallestKey)
              << ";--caption-padding:" << Px(CaptionPadding) << ";--widest-column:" << Px(WidestColumn)
              << ";--extent:" << RowCount - 1 + BoxOfPitch << ";--box-of-pitch:" << BoxOfPitch
              << ";--box-digit-margin:" << Px(BoxDigitMargin) << ";--smallest-box-digit:" << Px(SmallestBoxDigit)
              << ";--key-label:" << Px(KeyLabel) << ";--title:" << Px(FontPixels(Title.font.points))
              << ";--smallest-title:" << Px(SmallestTitle) << ";--title-of-width:" << TitleOfWidth
              << ";--narrowest-triangle:" << Px(NarrowestTriangle) << "}\n"
              << "</style>\n";
}

// The media queries, as CMake variables that the build writes into sumdrop.css.
void PrintMedia()
{
    using namespace hands;
    // The designed window wherever it fits and the player points with a mouse or a trackpad; a
    // finger gets the layout for fingers at any size.
    const std::string designed = "(min-width:" + Px(Pixels(MainWindow.width)) +
                                 ") and (min-height:" + Px(Pixels(MainWindow.height)) + ") and (not (pointer:coarse))";
    std::cout << "set(DESIGNED_WINDOW_FITS \"" << designed << "\")\n"
              << "set(LAYOUT_FOR_FINGERS \"not (" << designed << ")\")\n"
              << "set(SIDE_BY_SIDE \"(min-aspect-ratio:1/1) and (min-width:" << Px(SideBySideWidth)
              << ") and (min-height:" << Px(SideBySideHeight) << ")\")\n"
              << "set(TITLE_ACROSS \"(min-height:" << Px(TitleAcrossHeight) << ")\")\n";
}

} // namespace

int main(int argc, char **argv)
{
    try {
        if (argc > 1 && std::string_view(argv[1]) == "--media") {
            PrintMedia();
        } else {
            PrintMarkup();
            PrintFigures();
        }
    } catch (const std::exception &error) {
        std::cerr << "skeleton: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
