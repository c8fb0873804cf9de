// SPDX-License-Identifier: MIT
// UiPort: everything the puzzle engine needs from the screen and the random source. A front end
// carries out the screen's part, ScreenPort; the game session answers the rest.
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

// What a front end carries out on its controls. Strings are UTF-8 throughout the engine; the
// front end converts them for display.
class ScreenPort {
public:
    ScreenPort() = default;
    ScreenPort(const ScreenPort &) = delete;
    ScreenPort &operator=(const ScreenPort &) = delete;
    ScreenPort(ScreenPort &&) = delete;
    ScreenPort &operator=(ScreenPort &&) = delete;
    virtual ~ScreenPort() = default;

    // 0 <= cell < 36
    virtual void SetCellText(int cell, const std::string &text) = 0;
    // 0 <= cell < 36
    virtual void SetCellShade(int cell, Colour colour) = 0;
    virtual void SetTimeText(const std::string &text) = 0;
    virtual void SetStartVisible(bool visible) = 0;
    virtual void SetQuitVisible(bool visible) = 0;
    // Starts or stops the 99 ms timer, whose events the front end passes on as ticks.
    virtual void SetTimerEnabled(bool enabled) = 0;
    // A box with the text and OK, in front of a window that takes no input until it is closed.
    // The desktop's returns once the player has closed it, the page's at once: the session asks
    // for a message only as the last thing it does for an event, so the two come to the same.
    virtual void ShowMessage(const std::string &text) = 0;
};

// The port the triangle and the stopwatch act through.
class UiPort : public ScreenPort {
public:
    // Whether the timer is enabled, that is whether a game is running.
    [[nodiscard]] virtual bool IsTimerEnabled() const = 0;
    // 0 <= result < 1
    virtual double NextRandom() = 0;
};

} // namespace sumdrop
