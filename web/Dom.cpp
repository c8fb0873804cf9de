// SPDX-License-Identifier: MIT
// Dom: the page's elements and events, reached through embind.
#include "Dom.h"

#include <emscripten/eventloop.h>
#include <emscripten/html5.h>

#include <utility>

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

void SetButtonsInert(const val &root, bool inert)
{
    const val buttons = root.call<val>("querySelectorAll", val("button"));
    const int count = buttons["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        buttons[i].set("inert", val(inert));
    }
}

void Listen(const val &element, const char *type, const char *name, int argument)
{
    val handler = val::module_property(name).call<val>("bind", val::null(), val(argument));
    element.call<void>("addEventListener", val(type), handler);
}

namespace {

// A page the browser draws no frames for (hidden, or resumed after a freeze) waits this long.
constexpr double UndrawnWaitMilliseconds = 100;

} // namespace

void AfterNextFrame::Run(std::function<void()> next)
{
    Cancel();
    action = std::move(next);
    frameRequest = emscripten_request_animation_frame(&AfterNextFrame::Drawn, this);
    timer = emscripten_set_timeout(&AfterNextFrame::Due, UndrawnWaitMilliseconds, this);
}

int AfterNextFrame::Drawn(double /*time*/, void *self)
{
    auto *waiting = static_cast<AfterNextFrame *>(self);
    waiting->frameRequest = 0;
    // Animation frame callbacks run before the frame is drawn; a timeout set now runs after it.
    emscripten_clear_timeout(waiting->timer);
    waiting->timer = emscripten_set_timeout(&AfterNextFrame::Due, 0, self);
    return EM_FALSE;
}

void AfterNextFrame::Due(void *self)
{
    auto *waiting = static_cast<AfterNextFrame *>(self);
    waiting->timer = 0;
    waiting->Flush();
}

void AfterNextFrame::Flush()
{
    std::function<void()> next = std::exchange(action, nullptr);
    Cancel();
    if (next) {
        next();
    }
}

void AfterNextFrame::Cancel()
{
    action = nullptr;
    if (frameRequest != 0) {
        emscripten_cancel_animation_frame(frameRequest);
        frameRequest = 0;
    }
    if (timer != 0) {
        emscripten_clear_timeout(timer);
        timer = 0;
    }
}

} // namespace sumdrop::web
