// SPDX-License-Identifier: MIT
#include "HelpPanel.h"

#include <string>

namespace sumdrop::web {

HelpPanel::HelpPanel(const val &parent, const char *okHandler)
    : panel(Append(parent, "section", "Form2")), ok(val::null())
{
    using namespace layout;
    panel.call<void>("setAttribute", val("role"), val("dialog"));
    panel.call<void>("setAttribute", val("aria-labelledby"), val("Form2-Label1"));
    panel["style"].set("width", Js(std::to_string(Pixels(HelpWindow.width)) + "px"));
    panel["style"].set("height", Js(std::to_string(Pixels(HelpWindow.height)) + "px"));
    MakeControl(panel, "h1", HelpHeading, "Form2-Label1");
    // The picture at its own size: its box in the layout is exactly its pixels.
    val picture = MakeControl(panel, "img", HelpPicture, "Form2-Image1");
    picture.set("src", val("rule.png"));
    picture.set("alt", Js(HelpPictureName));
    picture.set("width", val(Pixels(HelpPicture.box.width)));
    picture.set("height", val(Pixels(HelpPicture.box.height)));
    MakeControl(panel, "p", HelpSentence, "Form2-Label2");
    ok = MakeControl(panel, "button", HelpOkButton, "Form2-Command1");
    Listen(ok, "click", okHandler);
    SetShown(panel, false);
}

HelpPanel::~HelpPanel()
{
    panel.call<void>("remove");
}

void HelpPanel::Show()
{
    SetShown(panel, true);
    ok.call<void>("focus");
}

void HelpPanel::Hide()
{
    SetShown(panel, false);
}

void HelpPanel::Fit(int viewportWidth, int viewportHeight)
{
    const int width = layout::Pixels(layout::HelpWindow.width);
    const int height = layout::Pixels(layout::HelpWindow.height);
    const double factor = layout::FitFactor(width, height, viewportWidth, viewportHeight, 0.0);
    val style = panel["style"];
    style.set("transform", Js("scale(" + std::to_string(factor) + ")"));
    style.set("left", Js(std::to_string((viewportWidth - width * factor) / 2) + "px"));
    style.set("top", Js(std::to_string((viewportHeight - height * factor) / 2) + "px"));
}

} // namespace sumdrop::web
