// SPDX-License-Identifier: MIT
// UiPort: everything the puzzle engine needs from the screen, carried out by the main window.
#pragma once

#include <string>

namespace sumdrop {

// A 24-bit colour; each channel 0..255.
struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend constexpr bool operator==(const Colour &, const Colour &) = default;
};

inline constexpr Colour White{255, 255, 255};
// The grey of a box that has been filled, or that is the first box to fill.
inline constexpr Colour ShadeColor{200, 200, 200};

// Strings are UTF-8 throughout the engine; the window converts them for display.
class UiPort {
public:
    UiPort() = default;
    UiPort(const UiPort &) = delete;
    UiPort &operator=(const UiPort &) = delete;
    UiPort(UiPort &&) = delete;
    UiPort &operator=(UiPort &&) = delete;
    virtual ~UiPort() = default;

    // 0 <= cell < 36
    virtual void SetCellText(int cell, const std::string &text) = 0;
    // 0 <= cell < 36
    virtual void SetCellShade(int cell, Colour colour) = 0;
    virtual void SetTimeText(const std::string &text) = 0;
    virtual void SetStartVisible(bool visible) = 0;
    virtual void SetQuitVisible(bool visible) = 0;
    // The enabled 99 ms timer is the only record of a game in progress.
    virtual void SetTimerEnabled(bool enabled) = 0;
    [[nodiscard]] virtual bool IsTimerEnabled() const = 0;
    // A box with the text and OK, in front of a window that takes no input until it is closed.
    // The desktop's returns once the player has closed it, the page's at once: the engine shows
    // a message only as the last thing it does for an event, so the two come to the same.
    virtual void ShowMessage(const std::string &text) = 0;
    // 0 <= result < 1
    virtual double NextRandom() = 0;
};

} // namespace sumdrop
