// SPDX-License-Identifier: MIT
// Prints every text the page can show, so that the site's font is cut down to those characters
// and no other: the layout's captions, the engine's messages, the time and result texts.
#include "Layout.h"
#include "NumberTriangle.h"
#include "Stopwatch.h"
#include "UiPort.h"

#include <iostream>

namespace {

// The stopwatch writes its texts through a port; here nothing needs to be shown.
class NoScreen final : public sumdrop::UiPort {
public:
    void SetCellText(int /*cell*/, const std::string & /*text*/) override {}
    void SetCellShade(int /*cell*/, sumdrop::Colour /*colour*/) override {}
    void SetTimeText(const std::string & /*text*/) override {}
    void SetStartVisible(bool /*visible*/) override {}
    void SetQuitVisible(bool /*visible*/) override {}
    void SetTimerEnabled(bool /*enabled*/) override {}
    [[nodiscard]] bool IsTimerEnabled() const override { return false; }
    void ShowMessage(const std::string & /*text*/) override {}
    double NextRandom() override { return 0; }
};

} // namespace

int main()
{
    using namespace sumdrop;
    NoScreen screen;
    const Stopwatch stopwatch(screen);
    std::cout << layout::MessageCaption << "OK" << StartFirstMessage << WrongDigitMessage << stopwatch.ResultText()
              << "0123456789" << layout::Title.caption << layout::TimeLabel.caption << layout::HelpHeading.caption
              << layout::HelpSentence.caption << layout::HelpOkButton.caption;
    for (const layout::Control &button : layout::Buttons) {
        std::cout << button.caption;
    }
    std::cout << '\n';
    return 0;
}
