# SPDX-License-Identifier: MIT
"""A blind player: plays a whole game with Tab and Space, knowing only what Orca speaks.

Reads Orca's debug log for its SPEECH OUTPUT lines, presses keys through the X server, and
prints what Orca said. After Start and after every message it closes, it waits to hear which
button has the focus. Usage: orca_player.py [--page] ORCA-LOG (--page: the game in Chromium)
"""
import re
import subprocess
import sys
import time

SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{'established")
TARGET = re.compile(r"次は (\d)段目 (\d)番目、上は (\d) と (\d)")
# The page's buttons carry a description ("0 を入力する"), which Orca speaks with the name.
BUTTON = re.compile(r"(\S+)(?: を入力する)? push button\.")
page = sys.argv[1] == "--page"
log_path = sys.argv[-1]
heard = []


def listen(seconds):
    """Collects what Orca says for a while; returns what it said meanwhile."""
    before = len(heard)
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        with open(log_path, encoding="utf-8", errors="replace") as log:
            spoken = [m.group(1) for m in map(SPOKEN.search, log) if m]
        heard[len(heard):] = spoken[len(heard):]
        time.sleep(0.1)
    return heard[before:]


def until(condition, seconds=10.0):
    said = []
    for _ in range(int(seconds / 0.3)):
        said += listen(0.3)
        if condition(said):
            return said
    print("Orca never said what was awaited; it said:", said)
    sys.exit(1)


def press(key):
    subprocess.run(["xdotool", "key", key], check=True, timeout=10)


focus = ""


def track_focus(said):
    global focus
    for line in said:
        match = BUTTON.fullmatch(line)
        if match:
            focus = match.group(1)


def is_message(line):
    # The desktop's box is an alert; the page's box speaks through its live region.
    return line.startswith("alert") or (page and (line == "間違いです" or line.startswith("今のタイムは")))


def main():
    # Orca sums a page up as it loads, then reads it from its focus, スタート, by itself.
    said = until(lambda s: "スタート push button." in s or (page and any(x.startswith("Page has") for x in s)), 30)
    if page:
        # A player listens to the page to its end before pressing: Space while Orca still reads
        # moves Orca's focus to where it was reading, and Orca keeps quiet about the focus there.
        for _ in range(300):
            with open(log_path, encoding="utf-8", errors="replace") as log:
                if "Switching active mode from say-all to focus-tracking" in log.read():
                    break
            said += listen(0.2)
    # Orca speaks the focus as the window maps; the window manager hands it the keys a little later.
    said += listen(2.0)
    track_focus(said)
    press("space")
    said = until(lambda s: any(TARGET.search(line) for line in s) and any(BUTTON.fullmatch(line) for line in s))
    track_focus(said)
    last = next(line for line in said if TARGET.search(line))
    wrong_done = False
    for _ in range(40):
        row, _, left, right = (int(g) for g in TARGET.search(last).groups())
        digit = (left + right) % 10
        if not wrong_done and row == 2:
            wrong_done = True
            digit_to_press = (digit + 1) % 10
        else:
            digit_to_press = digit
        for _ in range(14):
            if focus == str(digit_to_press):
                break
            press("Tab")
            track_focus(until(lambda s: any(line.endswith("push button.") for line in s)))
        press("space")
        said = until(lambda s: any(TARGET.search(line) or is_message(line) for line in s))
        said += listen(1.0)
        track_focus(said)
        if any(line.startswith("今のタイムは") for line in said):
            break
        if any(is_message(line) for line in said):
            press("space")  # closes the message box: Orca then reads the focused button again
            track_focus(until(lambda s: any(line.endswith("push button.") for line in s)))
            continue
        last = next(line for line in said if TARGET.search(line))
    else:
        print("the game did not end")
        sys.exit(1)
    press("space")
    listen(1.0)
    print("\n".join(heard))


main()
