// SPDX-License-Identifier: MIT
// Dom: the few things the page's front end does to the browser's document, through embind. The
// elements themselves are in the page from the start (Skeleton.cpp writes them).
#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>

namespace sumdrop::web {

using emscripten::val;

// Texts are UTF-8; only a std::string crosses into JavaScript as UTF-8.
inline val Js(std::string_view utf8)
{
    return val(std::string(utf8));
}

// The page's element with that id.
val ById(std::string_view id);
void SetText(val element, std::string_view text);
void SetShown(val element, bool shown);
// Calls the page's exported function name as name(argument, event) on every event of that type.
void Listen(const val &element, const char *type, const char *name, int argument = 0);

} // namespace sumdrop::web
