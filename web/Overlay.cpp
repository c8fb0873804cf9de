// SPDX-License-Identifier: MIT
// Overlay: a dialog over the game, handing the focus over a frame apart from its coming and going.
#include "Overlay.h"

#include "Layout.h"

#include <string>
#include <utility>

namespace sumdrop::web {

Overlay::Overlay(val dialogElement, val gameRoot, std::function<void()> cameDown)
    : dialog(std::move(dialogElement)), backdrop(ById(layout::page::MessageBackdrop)), game(std::move(gameRoot)),
      returnTo(val::null()), down(std::move(cameDown))
{
}

void Overlay::ReturnFocusTo(val button)
{
    returnTo = std::move(button);
}

void Overlay::Show(const val &focus, bool inertAtOnce)
{
    leaving = false;
    if (!shown) {
        shown = true;
        SetShown(backdrop, true);
        dialog.call<void>("show");
    }
    if (inertAtOnce) {
        later.Cancel();
        SetButtonsInert(game, true);
    } else {
        later.Run([this] { SetButtonsInert(game, true); });
    }
    focus.call<void>("focus");
}

void Overlay::Hide()
{
    if (!shown || leaving) {
        return;
    }
    leaving = true;
    SetButtonsInert(game, false);
    ReturnFocus();
    later.Run([this] { Closed(); });
}

void Overlay::KeyDown(const val &event)
{
    if (shown && event["key"].as<std::string>() == "Escape") {
        event.call<void>("preventDefault");
        Hide();
    }
}

void Overlay::Closed()
{
    if (leaving) {
        leaving = false;
        later.Cancel();
        if (dialog["open"].as<bool>()) {
            dialog.call<void>("close");
        }
    } else {
        // A page that froze just after the dialog opened draws no frame to make the game inert.
        later.Flush();
    }
    if (!shown || dialog["open"].as<bool>()) {
        return;
    }
    shown = false;
    SetShown(backdrop, false);
    SetButtonsInert(game, false);
    ReturnFocus();
    down();
}

void Overlay::TakeDown()
{
    leaving = shown;
    Closed();
}

void Overlay::ReturnFocus()
{
    if (!returnTo.isNull() && !returnTo["hidden"].as<bool>()) {
        returnTo.call<void>("focus");
    }
}

} // namespace sumdrop::web
