// SPDX-License-Identifier: MIT
// The page's entry point: loads the game into the page and passes the page's events on to it.
#include "Page.h"

#include <emscripten/bind.h>
#include <emscripten/emscripten.h>

#include <chrono>
#include <cstddef>
#include <memory>

namespace {

using sumdrop::web::Page;

std::unique_ptr<Page> page;

void Load();

// Quit ends the game inside one of its own event handlers, so the page is built anew only
// after that handler has returned.
void LoadAgain(void * /*unused*/)
{
    page.reset();
    Load();
}

void Load()
{
    // The random sequence starts from the clock, at every load.
    const auto clock = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    page = std::make_unique<Page>(
        emscripten::val::global("document").call<emscripten::val>("getElementById", emscripten::val("game")), clock,
        [] { emscripten_async_call(LoadAgain, nullptr, 0); });
}

// Every handler is called as name(argument, event), as Listen binds it.
void Press(int button, const emscripten::val & /*event*/)
{
    if (page != nullptr && button >= 0) {
        page->Press(static_cast<std::size_t>(button));
    }
}

void HelpOk(int /*unused*/, const emscripten::val & /*event*/)
{
    if (page != nullptr) {
        page->HelpOk();
    }
}

void MessageClosed(int /*unused*/, const emscripten::val & /*event*/)
{
    if (page != nullptr) {
        page->MessageClosed();
    }
}

void Fit(int /*unused*/, const emscripten::val & /*event*/)
{
    if (page != nullptr) {
        page->Fit();
    }
}

} // namespace

EMSCRIPTEN_BINDINGS(sumdrop)
{
    emscripten::function("press", &Press);
    emscripten::function("helpOk", &HelpOk);
    emscripten::function("messageClosed", &MessageClosed);
    emscripten::function("fit", &Fit);
}

int main()
{
    Load();
    sumdrop::web::Listen(emscripten::val::global("window"), "resize", "fit");
    // The moment the game takes input, for anyone timing the page (bench/web.sh does).
    emscripten::val::global("performance").call<void>("mark", emscripten::val("sumdrop-playable"));
    return 0;
}
