// SPDX-License-Identifier: MIT
// Dom: the page's elements and events, reached through embind.
#include "Dom.h"

namespace sumdrop::web {

val ById(std::string_view id)
{
    return val::global("document").call<val>("getElementById", Js(id));
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

} // namespace sumdrop::web
