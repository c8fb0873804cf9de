// SPDX-License-Identifier: MIT
// Address: location.hash and history.replaceState.
#include "Address.h"

#include "Dom.h"

#include <string_view>

namespace sumdrop::web {

std::optional<TopRow> Address::TakeNamedRow()
{
    if (!named) {
        return std::nullopt;
    }
    named = false;
    const auto fragment = val::global("location")["hash"].as<std::string>();
    if (fragment.empty() || fragment.front() != '#') {
        return std::nullopt;
    }
    return RowNamed(std::string_view(fragment).substr(1));
}

void Address::Changed()
{
    named = true;
}

void Address::Show(const std::string &rowName)
{
    const val history = val::global("history");
    history.call<void>("replaceState", history["state"], val(""), Js("#" + rowName));
}

} // namespace sumdrop::web
