// SPDX-License-Identifier: MIT
// Prints every text the page can show, so that the site's font is cut down to those characters
// and no other: the layout's captions, the engine's messages, the time and result texts.
#include "Layout.h"
#include "NoScreen.h"
#include "NumberTriangle.h"
#include "Stopwatch.h"

#include <iostream>

int main()
{
    using namespace sumdrop;
    // The stopwatch writes its texts through a port; here nothing needs to be shown.
    web::NoScreen screen;
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
