// SPDX-License-Identifier: MIT
// Address: the page's address names the triangle on the screen. A link or a reload that ends in
// "#" and a top row deals that row at the next Start, and so does a row typed into the address of
// an open page; a row dealt at random is written there, so that the address is always the link to
// the game being played. The fragment is read as data, never as markup.
#pragma once

#include "GameSession.h"

#include <optional>
#include <string>

namespace sumdrop::web {

class Address {
public:
    // The row the address names for the next Start, if the player gave it one since the last
    // Start: by opening or reloading the page, or by typing it. Anything else after "#" names none.
    std::optional<TopRow> TakeNamedRow();
    // The player changed the address (hashchange).
    void Changed();
    // Names the row being played in the address, with no new history entry.
    static void Show(const std::string &rowName);

private:
    bool named = true; // the address the page was opened at
};

} // namespace sumdrop::web
