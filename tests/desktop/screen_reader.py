# SPDX-License-Identifier: MIT
"""Plays a whole game by Tab and Space alone, knowing only what a screen reader is told.

Listens on the AT-SPI bus as a screen reader does, and presses keys through the X server. It
checks what arrives on Start, on a right digit, on a wrong digit and at the end, that no box's
name is stale while a message box is open, and that the running clock sends nothing.
Usage (inside a desktop session with the accessibility bus): screen_reader.py PATH-TO-SUMDROP
"""
import re
import subprocess
import sys
import time
from pathlib import Path

import pyatspi
from gi.repository import GLib

# The private-desktop helpers are shared with the bench and the release scripts.
sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "desktop"))
import atspi  # noqa: E402

CLOCK = re.compile(r"\d+分\d+\.\d秒")
TARGET = re.compile(r"次は (\d)段目 (\d)番目、上は (\d) と (\d)$")
received = []  # (event type, role, name, new value) in the order they came


def listen(event):
    try:
        source = event.source
        received.append((event.type, source.getRole(), source.name, event.detail1))
    except Exception:  # the source may be gone already, like a closed message box
        pass


def pump(seconds):
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)


def key(name):
    subprocess.run(["xdotool", "key", name], check=True, timeout=10)


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def wait_for(condition, what, seconds=10.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        pump(0.05)
        found = condition()
        if found:
            return found
    fail("no " + what)


def announcements_since(start):
    return [name for kind, role, name, shown in received[start:]
            if kind == "object:state-changed:showing" and role == pyatspi.ROLE_NOTIFICATION and shown]


def focused_button(app):
    return pyatspi.findDescendant(app, lambda o: o is not None and o.getRole() == pyatspi.ROLE_PUSH_BUTTON
                                  and o.getState().contains(pyatspi.STATE_FOCUSED))


def open_alert(app):
    for window in app:
        if window is not None and window.getRole() == pyatspi.ROLE_ALERT:
            texts = [o.name for o in pyatspi.findAllDescendants(window, lambda o: o.getRole() == pyatspi.ROLE_LABEL)]
            return " ".join(t for t in texts if t) or window.name
    return None


def cell_names(app):
    frame = atspi.find(app, pyatspi.ROLE_FRAME, "Form1")
    return [o.name for o in frame if o is not None and o.getRole() == pyatspi.ROLE_LABEL and "段目" in o.name]


def answer_alert(app, check_names):
    """Waits for the message box, checks the boxes' names behind it, then closes it with Space."""
    text = wait_for(lambda: open_alert(app), "message box")
    check_names(cell_names(app))
    key("space")
    wait_for(lambda: open_alert(app) is None, "closing of the message box")
    return text


def main():
    game = subprocess.Popen([sys.argv[1]])
    try:
        pyatspi.Registry.registerEventListener(listen, "object:state-changed:showing",
                                               "object:property-change:accessible-name")
        app = atspi.application()
        wait_for(lambda: focused_button(app) is not None and focused_button(app).name == "スタート",
                 "focus on Start")

        mark = len(received)
        key("space")
        said = wait_for(lambda: announcements_since(mark), "announcement after Start")
        if len(said) != 1 or not said[0].startswith("一番上の段は "):
            fail(f"Start announced {said}")
        top = [int(d) for d in said[0].split("。")[0].split()[1:]]
        if len(top) != 8 or TARGET.search(said[0]) is None or TARGET.search(said[0]).group(1, 2) != ("2", "1"):
            fail("Start did not give the top row and the first box: " + said[0])
        print("Start:", said[0])

        wrong_tried = False
        rights = 0
        last = said[0]
        for _ in range(28):
            row, position, left, right = (int(g) for g in TARGET.search(last).groups())
            digit = (left + right) % 10
            if not wrong_tried and rights == 3:
                # Once, the wrong digit first: the box must say so, over names that are current.
                wrong_tried = True
                walk_to(app, str((digit + 1) % 10))
                key("space")
                def target_is_current(names):
                    if f"{row}段目 {position}番目 空、次に入力するマス" not in names:
                        fail(f"behind the wrong-digit box no box says it is {row}段目 {position}番目 to fill")
                text = answer_alert(app, target_is_current)
                if text != "間違いです":
                    fail("a wrong digit showed " + text)
                print("wrong digit:", text)
            walk_to(app, str(digit))
            mark = len(received)
            key("space")
            if row == 8:
                def bottom_filled(names):
                    if names[-1] != f"8段目 1番目 {digit}":
                        fail("behind the result box the bottom box reads " + names[-1])
                text = answer_alert(app, bottom_filled)
                if not re.fullmatch(r"今のタイムは\d+分\d+\.\d秒です", text):
                    fail("the game ended with " + text)
                print("end:", text)
                break
            said = wait_for(lambda: announcements_since(mark), f"announcement after the digit for {row}段目 {position}番目")
            if len(said) != 1 or not said[0].startswith("正解。"):
                fail(f"a right digit announced {said}")
            last = said[0]
            rights += 1
        else:
            fail("the game did not end after 28 right digits")

        # Whatever the time label is called, an event that carries a time is the clock speaking.
        ticks = [e for e in received if e[2].startswith("経過時間") or CLOCK.fullmatch(e[2] or "")]
        if ticks:
            fail(f"the clock sent {len(ticks)} events")
        print(f"{len(received)} events received, {rights} right digits announced, none from the clock")
    finally:
        game.terminate()
        game.wait(10)


def walk_to(app, name):
    """Tabs forward to the button named name, as a player counting on the tab order would."""
    for _ in range(14):
        focus = focused_button(app)
        if focus is not None and focus.name == name:
            return
        before = focus.name if focus is not None else None
        key("Tab")
        # One Tab at a time: the next is pressed only once this one has moved the focus.
        wait_for(lambda: (lambda now: now is not None and now.name != before)(focused_button(app)),
                 "focus moved by Tab from " + str(before))
    fail("Tab never reached the button " + name)


main()
