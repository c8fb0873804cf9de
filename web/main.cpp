// SPDX-License-Identifier: MIT
// The page's entry point: loads the game into the page's skeleton and passes the page's events
// on to it.
#include "Page.h"

#include "Layout.h"

#include <emscripten/bind.h>
#include <emscripten/emscripten.h>

#include <chrono>
#include <cstddef>
#include <memory>

namespace {

using sumdrop::web::Page;
using sumdrop::web::val;

std::unique_ptr<Page> page;
// For the life of the page: a Quit loads the game anew, but the address stays.
sumdrop::web::Address address;

void Load();

// Quit ends the game inside one of its own event handlers, so the page is loaded anew only
// after that handler has returned.
void LoadAgain(void * /*unused*/)
{
    page.reset();
    Load();
}

void Load()
{
    // The random sequence starts from the clock, at every load.
    page = std::make_unique<Page>(sumdrop::RandomStartAt(std::chrono::system_clock::now()), address,
                                  [] { emscripten_async_call(LoadAgain, nullptr, 0); });
}

// Every handler is called as name(argument, event), as Listen binds it.
void Press(int button, const val & /*event*/)
{
    if (page != nullptr && button >= 0) {
        page->Press(static_cast<std::size_t>(button));
    }
}

void KeyDown(int button, const val &event)
{
    if (page != nullptr && button >= 0) {
        page->KeyDown(static_cast<std::size_t>(button), event);
    }
}

void KeyUp(int /*unused*/, const val &event)
{
    Page::KeyUp(event);
}

void HelpOk(int /*unused*/, const val & /*event*/)
{
    if (page != nullptr) {
        page->HelpOk();
    }
}

void HelpClosed(int /*unused*/, const val & /*event*/)
{
    if (page != nullptr) {
        page->HelpClosed();
    }
}

void MessageOk(int /*unused*/, const val &event)
{
    if (page != nullptr) {
        page->MessageOk(event);
    }
}

void AddressChanged(int /*unused*/, const val & /*event*/)
{
    address.Changed();
}

void Resumed(int /*unused*/, const val & /*event*/)
{
    if (page != nullptr) {
        page->Resumed();
    }
}

void MessageClosed(int /*unused*/, const val & /*event*/)
{
    if (page != nullptr) {
        page->MessageClosed();
    }
}

void DocumentKeyDown(int /*unused*/, const val &event)
{
    if (page != nullptr) {
        page->DocumentKeyDown(event);
    }
}

} // namespace

EMSCRIPTEN_BINDINGS(sumdrop)
{
    emscripten::function("press", &Press);
    emscripten::function("keyDown", &KeyDown);
    emscripten::function("keyUp", &KeyUp);
    emscripten::function("helpOk", &HelpOk);
    emscripten::function("helpClosed", &HelpClosed);
    emscripten::function("messageOk", &MessageOk);
    emscripten::function("addressChanged", &AddressChanged);
    emscripten::function("resumed", &Resumed);
    emscripten::function("messageClosed", &MessageClosed);
    emscripten::function("documentKeyDown", &DocumentKeyDown);
}

int main()
{
    using namespace sumdrop;
    // Once for the life of the page: the page itself is loaded anew after Quit.
    for (std::size_t button = 0; button < layout::Buttons.size(); ++button) {
        const val element = web::ById(layout::Buttons.at(button).name);
        web::Listen(element, "click", "press", static_cast<int>(button));
        web::Listen(element, "keydown", "keyDown", static_cast<int>(button));
        web::Listen(element, "keyup", "keyUp", static_cast<int>(button));
    }
    const val help = web::ById(layout::HelpWindow.caption);
    const val message = web::ById(layout::page::Message);
    web::Listen(web::ById(layout::page::HelpId(layout::HelpOkButton)), "click", "helpOk");
    web::Listen(help, "close", "helpClosed");
    web::Listen(web::ById(layout::page::MessageOk), "click", "messageOk");
    web::Listen(message, "close", "messageClosed");
    web::Listen(val::global("document"), "keydown", "documentKeyDown");
    // A page the browser froze, or kept in its back-forward cache, comes back through these.
    web::Listen(val::global("window"), "pageshow", "resumed");
    web::Listen(val::global("window"), "hashchange", "addressChanged");
    web::Listen(val::global("document"), "resume", "resumed");
    Load();
    // The moment the game takes input, for anyone timing the page (bench/web.sh does).
    val::global("performance").call<void>("mark", val("sumdrop-playable"));
    return 0;
}
