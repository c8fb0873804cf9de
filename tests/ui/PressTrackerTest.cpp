// SPDX-License-Identifier: MIT
// What a window activation request shows the compositor, through a run of seat events as a
// player makes them: the serial of the press behind a click or a key, never of a release, and
// never a surface that is gone.
#include "PressTracker.h"

#include <gtest/gtest.h>

using sumdrop::PressTracker;

TEST(PressTracker, ShowsThePressBehindTheClickAndForgetsSurfacesThatGo)
{
    const int form1 = 1;
    const int form2 = 2;
    PressTracker presses;
    EXPECT_EQ(presses.LastPress(), 0U) << "a request before any press has nothing to show";
    EXPECT_EQ(presses.Focused(), nullptr);

    // A click on Form2's OK: the press counts, its surface has the player's attention.
    presses.PointerEntered(&form2);
    presses.ButtonPressed(30);
    EXPECT_EQ(presses.LastPress(), 30U);
    EXPECT_EQ(presses.Focused(), &form2);

    // The pointer moves off; a key press then keeps the surface with the keyboard.
    presses.PointerLeft();
    presses.KeyboardEntered(&form1);
    presses.KeyPressed(31);
    EXPECT_EQ(presses.LastPress(), 31U);
    EXPECT_EQ(presses.Focused(), &form1);

    // A press with the pointer over nothing of ours keeps the surface it had.
    presses.ButtonPressed(32);
    EXPECT_EQ(presses.Focused(), &form1);

    // The keyboard leaves Form1: it is no longer the surface to name.
    presses.KeyboardLeft(&form1);
    EXPECT_EQ(presses.Focused(), nullptr);
    EXPECT_EQ(presses.LastPress(), 32U) << "leaving takes no press away";

    // A window hidden under the pointer: both its attention and the pointer over it go.
    presses.PointerEntered(&form2);
    presses.ButtonPressed(33);
    presses.Forget(&form2);
    EXPECT_EQ(presses.Focused(), nullptr);
    presses.ButtonPressed(34);
    EXPECT_EQ(presses.Focused(), nullptr) << "a press may not revive a surface that is gone";

    // Forgetting another surface leaves this one alone; a leave from a destroyed surface
    // (reported without one) forgets whatever was focused.
    presses.KeyboardEntered(&form1);
    presses.Forget(&form2);
    EXPECT_EQ(presses.Focused(), &form1);
    presses.KeyboardLeft(nullptr);
    EXPECT_EQ(presses.Focused(), nullptr);
}
