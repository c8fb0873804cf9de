// SPDX-License-Identifier: MIT
// Dom: the few things the page's front end does to the browser's document, through embind. The
// elements themselves are in the page from the start (Skeleton.cpp writes them).
#pragma once

#include <emscripten/val.h>

#include <functional>
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
// Makes every button under root inert, or takes that back.
void SetButtonsInert(const val &root, bool inert);
// Calls the page's exported function name as name(argument, event) on every event of that type.
void Listen(const val &element, const char *type, const char *name, int argument = 0);

// Runs an action once the browser has drawn its next frame, and so has told a screen reader what
// changed before it. A screen reader told of a focus move and a dialog's coming or going in the
// same update may take them in the wrong order, and lose the focus move.
class AfterNextFrame {
public:
    AfterNextFrame() = default;
    AfterNextFrame(const AfterNextFrame &) = delete;
    AfterNextFrame &operator=(const AfterNextFrame &) = delete;
    AfterNextFrame(AfterNextFrame &&) = delete;
    AfterNextFrame &operator=(AfterNextFrame &&) = delete;
    ~AfterNextFrame() { Cancel(); }

    // Replaces an action still waiting.
    void Run(std::function<void()> next);
    // Runs the waiting action now, if there is one: a frozen page draws no frames.
    void Flush();
    void Cancel();
    [[nodiscard]] bool Waiting() const { return static_cast<bool>(action); }

private:
    static int Drawn(double time, void *self);
    static void Due(void *self);

    std::function<void()> action;
    long frameRequest = 0;
    long timer = 0;
};

} // namespace sumdrop::web
