# SPDX-License-Identifier: MIT
"""What a screen reader sees of the running game, through the AT-SPI bus.

Run as a command, `atspi.py press NAME` presses the game's button named NAME, the way an
assistive tool does; the screen reader test imports it for the same look-ups.
"""
import sys
import time

import pyatspi

APPLICATION = "Sumdrop"


def application(timeout=20.0):
    """The game's accessible application, once it is on the bus."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == APPLICATION:
                return app
        time.sleep(0.1)
    raise SystemExit("the game never appeared on the accessibility bus")


def find(root, role, name):
    """The first object below root with this role and name, or None."""
    return pyatspi.findDescendant(root, lambda o: o is not None and o.getRole() == role and o.name == name)


def press(name, timeout=20.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        button = find(application(timeout), pyatspi.ROLE_PUSH_BUTTON, name)
        if button is not None and button.getState().contains(pyatspi.STATE_SHOWING):
            action = button.queryAction()
            for index in range(action.nActions):
                if action.getName(index) in ("Press", "press", "click"):
                    action.doAction(index)
                    return
            action.doAction(0)
            return
        time.sleep(0.1)
    raise SystemExit(f"no button named {name} is shown")


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[1] != "press":
        raise SystemExit("usage: atspi.py press NAME")
    press(sys.argv[2])
