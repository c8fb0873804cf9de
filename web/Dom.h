// SPDX-License-Identifier: MIT
// Dom: the few things the page's front end does to the browser's document, through embind.
// Positions come from the layout in twips and become CSS pixels here, at the designed size; the
// page as a whole is scaled by one factor (Page::Fit).
#pragma once

#include "Layout.h"

#include <emscripten/val.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace sumdrop::web {

using emscripten::val;

// Texts are UTF-8; only a std::string crosses into JavaScript as UTF-8.
inline val Js(std::string_view utf8)
{
    return val(std::string(utf8));
}

// A new element of that tag, appended to parent, with the id given (none if empty).
val Append(const val &parent, const char *tag, std::string_view id = {});

// Absolute position and size of a control as the layout places it.
void Place(const val &element, const layout::Twips &box);
void SetFont(const val &element, const layout::Font &font);
void SetText(val element, std::string_view text);
void SetShown(val element, bool shown);
// Calls the page's exported function name as name(argument, event) on every event of that type.
void Listen(const val &element, const char *type, const char *name, int argument = 0);
// A control of the layout: element of tag under parent, placed, with its font and caption.
val MakeControl(const val &parent, const char *tag, const layout::Control &control, std::string_view id);

// make(0), make(1), ..., make(N - 1), in that order: elements have no empty state to start from.
template <std::size_t N, typename Make> std::array<val, N> MakeEach(Make make)
{
    return [&make]<std::size_t... I>(std::index_sequence<I...>)
    {
        return std::array<val, N>{make(I)...};
    }
    (std::make_index_sequence<N>{});
}

} // namespace sumdrop::web
