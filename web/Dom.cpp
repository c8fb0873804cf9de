// SPDX-License-Identifier: MIT
#include "Dom.h"

namespace sumdrop::web {

val Append(const val &parent, const char *tag, std::string_view id)
{
    val element = val::global("document").call<val>("createElement", val(tag));
    if (!id.empty()) {
        element.set("id", Js(id));
    }
    parent.call<void>("appendChild", element);
    return element;
}

void Place(const val &element, const layout::Twips &box)
{
    val style = element["style"];
    style.set("left", Js(std::to_string(layout::Pixels(box.left)) + "px"));
    style.set("top", Js(std::to_string(layout::Pixels(box.top)) + "px"));
    style.set("width", Js(std::to_string(layout::Pixels(box.width)) + "px"));
    style.set("height", Js(std::to_string(layout::Pixels(box.height)) + "px"));
}

void SetFont(const val &element, const layout::Font &font)
{
    val style = element["style"];
    style.set("fontSize", Js(std::to_string(layout::FontPixels(font.points)) + "px"));
    style.set("fontWeight", Js(font.bold ? "700" : "400"));
}

void SetText(val element, std::string_view text)
{
    element.set("textContent", Js(text));
}

void SetShown(val element, bool shown)
{
    element.set("hidden", val(!shown));
}

void Listen(const val &element, const char *type, const char *name, int argument)
{
    val handler = val::module_property(name).call<val>("bind", val::null(), val(argument));
    element.call<void>("addEventListener", val(type), handler);
}

val MakeControl(const val &parent, const char *tag, const layout::Control &control, std::string_view id)
{
    val element = Append(parent, tag, id);
    Place(element, control.box);
    SetFont(element, control.font);
    SetText(element, control.caption);
    if (control.align == layout::Align::Left) {
        element["classList"].call<void>("add", val("left"));
    }
    if (!control.description.empty()) {
        element.call<void>("setAttribute", val("aria-description"), Js(control.description));
    }
    return element;
}

} // namespace sumdrop::web
