// SPDX-License-Identifier: MIT
// PressTracker: what a window activation request must show the compositor: the serial of the
// player's last press, of a key or of a button, and the surface that had the player's attention.
// Surfaces are opaque here and forgotten the moment they go, so that no request names a
// surface that no longer exists.
#pragma once

#include <cstdint>

namespace sumdrop {

class PressTracker {
public:
    using Surface = const void *;

    void PointerEntered(Surface surface) { pointed = surface; }
    void PointerLeft() { pointed = nullptr; }
    void KeyboardEntered(Surface surface) { focused = surface; }
    void KeyboardLeft(Surface surface) { Forget(surface); }

    // A button press goes to the surface under the pointer, which then has the player's
    // attention; a key press goes to the surface with the keyboard.
    void ButtonPressed(std::uint32_t serial)
    {
        lastPress = serial;
        if (pointed != nullptr) {
            focused = pointed;
        }
    }
    void KeyPressed(std::uint32_t serial) { lastPress = serial; }

    // The surface is gone (its window hidden or destroyed).
    void Forget(Surface surface)
    {
        if (surface == nullptr || focused == surface) {
            focused = nullptr;
        }
        if (surface == nullptr || pointed == surface) {
            pointed = nullptr;
        }
    }

    // 0 before the first press.
    [[nodiscard]] std::uint32_t LastPress() const { return lastPress; }
    // nullptr when no surface of the program has the player's attention.
    [[nodiscard]] Surface Focused() const { return focused; }

private:
    Surface pointed = nullptr;
    Surface focused = nullptr;
    std::uint32_t lastPress = 0;
};

} // namespace sumdrop
