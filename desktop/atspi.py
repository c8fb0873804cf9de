# SPDX-License-Identifier: MIT
"""What a screen reader sees of the running game, through the AT-SPI bus.

Run as a command, `atspi.py press NAME` presses the game's button named NAME, the way an
assistive tool does, and `atspi.py fill COUNT` fills the next COUNT boxes with their right
digits, worked out from what the boxes' names say; the screen reader test imports it for the
same look-ups.
"""
import re
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


BOX = re.compile(r"(\d)段目 (\d)番目 (\d|空)(、次に入力するマス)?$")


def boxes(app):
    """{(row, place): name's digit or 空} and the (row, place) of the box to fill next."""
    found, target = {}, None
    for label in pyatspi.findAllDescendants(app, lambda o: o is not None and o.getRole() == pyatspi.ROLE_LABEL):
        match = BOX.match(label.name or "")
        if match:
            where = (int(match[1]), int(match[2]))
            found[where] = match[3]
            if match[4]:
                target = where
    return found, target


def fill(count, timeout=20.0):
    app = application(timeout)
    for _ in range(count):
        found, target = boxes(app)
        if target is None:
            raise SystemExit("no box is waiting for a digit")
        row, place = target
        press(str((int(found[(row - 1, place)]) + int(found[(row - 1, place + 1)])) % 10), timeout)
        deadline = time.monotonic() + timeout
        while boxes(app)[1] == target:
            if time.monotonic() > deadline:
                raise SystemExit(f"the box {row}段目 {place}番目 did not take its digit")
            time.sleep(0.1)


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "press":
        press(sys.argv[2])
    elif len(sys.argv) == 3 and sys.argv[1] == "fill":
        fill(int(sys.argv[2]))
    else:
        raise SystemExit("usage: atspi.py press NAME | atspi.py fill COUNT")
