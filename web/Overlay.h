// SPDX-License-Identifier: MIT
// Overlay: a dialog over the game, on the page's backdrop, with the game's buttons inert behind
// it; what the message box and help have in common. The focus moves a frame apart from the
// dialog's coming and going: a screen reader told of both in one update may take the dialog's
// removal first, put its own focus on the button it last read, often the one the focus is going
// to, and then take the real focus landing there for no move, and say nothing.
#pragma once

#include "Dom.h"

#include <functional>

namespace sumdrop::web {

class Overlay {
public:
    // cameDown runs each time the dialog has been taken down and the game given back.
    Overlay(val dialog, val gameRoot, std::function<void()> cameDown);

    // The game button the focus goes back to; none, or a hidden one, leaves the focus alone.
    void ReturnFocusTo(val button);
    // Shows the dialog, or keeps it, and puts the focus on focus. The game goes inert a frame
    // later, or at once if inertAtOnce.
    void Show(const val &focus, bool inertAtOnce);
    // Gives the game and the focus back at once, and takes the dialog down a frame later,
    // without waiting for its close event, which a frozen or restored page may never be sent.
    void Hide();
    // Esc anywhere on the page hides it.
    void KeyDown(const val &event);
    // The dialog closed, or the page came back from a freeze or the back-forward cache: finishes
    // what is still to do.
    void Closed();
    // Takes the dialog down now.
    void TakeDown();
    [[nodiscard]] bool Shown() const { return shown; }
    [[nodiscard]] bool Leaving() const { return leaving; }

private:
    void ReturnFocus();

    val dialog;
    val backdrop;
    val game;
    val returnTo;
    std::function<void()> down;
    AfterNextFrame later;
    bool shown = false;
    bool leaving = false;
};

} // namespace sumdrop::web
