# SPDX-License-Identifier: MIT
"""The page as a player meets it, in one browser engine: served from 127.0.0.1, played by mouse,
by keyboard alone and by touch on phones and tablets upright and on their side, zoomed, in a
contrast theme, heard through what a screen reader is given, laid out as the shared layout table
says, through a frozen tab and a Back, named by its address, installed and played again offline,
with nothing reported in the browser's console. What the engine cannot do is reported as not run.

Usage: page_test.py SITE-DIR ENGINE (chromium, webkit or firefox), with SUMDROP_LAYOUT_FIGURES
naming the figures the build printed
"""
import collections
import functools
import http.server
import io
import json
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import threading
import time
import unittest

from PIL import Image

import browsers
from browsers import ENTER, ESCAPE, SPACE, TAB

SITE = sys.argv.pop(1)
ENGINE = browsers.ENGINES[sys.argv.pop(1)]
with open(os.environ["SUMDROP_LAYOUT_FIGURES"], encoding="utf-8") as figures_file:
    FIGURES = [line.split() for line in figures_file]
TWIPS_PER_PIXEL = next(int(f[1]) for f in FIGURES if f[0] == "twips-per-pixel")
# The button of each digit, and the two boxes above each box below the top row.
DIGIT_BUTTON = {int(f[2]): f[1] for f in FIGURES if f[0] == "digit"}
PARENTS = {f[1]: (f[2], f[3]) for f in FIGURES if f[0] == "parents"}
# Every control's smallest side where the page is laid out for fingers.
TARGET = next(int(f[2]) for f in FIGURES if f[:2] == ["hands", "minimum-target"])
WAIT = browsers.WAIT  # seconds; every wait is for an effect, bounded by this
TIME = re.compile(r"^(\d+)分(\d+)\.(\d)秒$")


class CountingHandler(http.server.SimpleHTTPRequestHandler):
    """Serves the site, answering a request that names the version it has with 304, as a static
    host does, and counts the answers sent in full, path by path. While the site is offline it
    drops every connection unanswered, as a network that is gone."""

    def handle(self):
        if self.server.offline:
            self.close_connection = True
            return
        super().handle()

    def send_response(self, code, message=None):
        if code == 200:
            self.server.full_answers[self.path.split("?")[0]] += 1
        super().send_response(code, message)

    def log_message(self, *args):
        pass


class Site:
    """A copy of the site served on 127.0.0.1, on a port of its own."""

    def __init__(self):
        self.folder = tempfile.mkdtemp()
        shutil.copytree(SITE, self.folder, dirs_exist_ok=True)
        handler = functools.partial(CountingHandler, directory=self.folder)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.server.full_answers = collections.Counter()
        self.server.offline = False
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = f"http://127.0.0.1:{self.server.server_port}/"

    def close(self):
        self.server.shutdown()
        self.server.server_close()
        shutil.rmtree(self.folder)


def layout_twips(window, name):
    """LEFT, TOP, WIDTH, HEIGHT of a control, from the figures the layout table prints."""
    for fields in FIGURES:
        if fields[:2] == [window, name]:
            return [int(n) for n in fields[2:6]]
    raise AssertionError(f"the layout has no {window} {name}")


def pixels(twips):
    return (twips + TWIPS_PER_PIXEL // 2) // TWIPS_PER_PIXEL


class PageTest(unittest.TestCase):
    def setUp(self):
        self.site = Site()
        self.engine = ENGINE()

    def tearDown(self):
        try:
            self.assertEqual(self.engine.console_errors(), [], "errors in the browser's console")
        finally:
            self.engine.quit()
            self.site.close()

    def needs(self, capable, what):
        if not capable:
            self.skipTest(f"{self.engine.name} cannot {what}")

    def not_run(self, what):
        print(f"\n  not run in {self.engine.name}: {what}, which its driver cannot do")

    def enter_or_space(self):
        """Enter, where the driver's keys press a button; else Space, which the page handles itself."""
        return ENTER if self.engine.keys_press_buttons else SPACE

    # What a player sees.
    def load(self, fragment=""):
        self.engine.get(self.site.url + fragment)
        self.wait_for_game()

    def wait_for_game(self):
        # The page is drawn before the game is ready; the game marks the moment it takes input.
        self.wait_for(lambda: self.script("return performance.getEntriesByName('sumdrop-playable').length > 0"),
                      "the game")

    def emulate(self, width, height, scale, touch=False):
        """A screen of width x height CSS pixels at device scale, a phone's if touch."""
        self.needs(self.engine.emulate(width, height, scale, touch),
                   f"emulate a {width}x{height} screen at scale {scale}{' with touch' if touch else ''}")

    def tap(self, element_id):
        self.engine.tap(element_id)

    def click(self, element_id):
        self.engine.click(element_id)

    def keys(self, *keys):
        self.engine.keys(*keys)

    def boxes(self, selector):
        """id: [left, top, width, height, font size] of each shown element the selector finds."""
        return self.script("""
            const out = {};
            for (const e of document.querySelectorAll(arguments[0])) {
              const r = e.getBoundingClientRect();
              if (r.width > 0) out[e.id] = [r.left, r.top, r.width, r.height, parseFloat(getComputedStyle(e).fontSize)];
            }
            return out;""", selector)

    def spoken(self):
        """What the live region holds for a screen reader to speak."""
        return self.text("narration")

    def script(self, code, *args):
        return self.engine.script(code, *args)

    def wait_for(self, condition, what):
        deadline = time.monotonic() + WAIT
        while time.monotonic() < deadline:
            value = condition()
            if value:
                return value
            time.sleep(0.02)
        self.fail("no " + what)

    def style(self, element_id, name):
        return self.script("return getComputedStyle(document.getElementById(arguments[0])).getPropertyValue(arguments[1])",
                           element_id, name)

    def text(self, element_id):
        return self.script("return document.getElementById(arguments[0]).textContent", element_id)

    def shown(self, element_id):
        # In one step: Quit builds the page anew, and an element found in one call may be gone
        # by the next.
        return self.script("const e = document.getElementById(arguments[0]);"
                           "return !!e && !e.hidden && e.getClientRects().length > 0", element_id)

    def cell(self, index):
        return self.text(f"Label3_{index}")

    def message(self):
        """The text of the open message dialog, or None."""
        return self.script("const d = document.getElementById('message');"
                           "return d && d.open ? document.getElementById('message-text').textContent : null")

    def message_closed(self):
        """Whether the dialog has closed and the page has taken it down: its close event, which
        comes a task later, gives back the focus and clears the live region."""
        return self.script("const d = document.getElementById('message');"
                           "return !d.open && document.getElementById('message-backdrop').hidden")

    def target(self):
        """The box to fill and the digit it takes, from the digits on screen, as a player reads them."""
        digits = self.script("const out = {};"
                             "for (const e of document.querySelectorAll('.cell')) out[e.id] = e.textContent;"
                             "return out")
        for cell in sorted(PARENTS, key=lambda name: int(name.rsplit("_", 1)[1])):
            if digits[cell] == "":
                left, right = PARENTS[cell]
                return int(cell.rsplit("_", 1)[1]), (int(digits[left]) + int(digits[right])) % 10
        return None, None

    def press(self, digit):
        self.click(DIGIT_BUTTON[digit])

    def ticking_behind_dialog(self):
        before = self.text("Label2")
        self.wait_for(lambda: self.text("Label2") != before, "tick of the clock behind the dialog")

    # The games.
    def test_whole_game_by_mouse_with_the_clock_behind_a_wrong_digit(self):
        self.load()
        self.assertEqual(self.text("Label2"), "\u3000  分\u3000秒\u3000")
        self.assertFalse(self.shown("Command2"))
        self.press(4)
        self.assertEqual(self.message(), "スタートボタンを押してください")
        self.click("message-ok")
        self.wait_for(self.message_closed, "dialog closed by OK")

        self.click("Command1")
        self.wait_for(lambda: self.text("Label2") == "0分0.1秒", "first tick, 0分0.1秒")
        self.assertFalse(self.shown("Command1"))
        self.assertTrue(self.shown("Command2"))
        self.assertTrue(all(self.cell(i) in "012345678" and self.cell(i) for i in range(8)))
        self.assertEqual(self.style("Label3_8", "background-color"), "rgb(200, 200, 200)")
        self.assertTrue(self.text("narration").startswith("一番上の段は "))
        self.assertEqual(self.script("return document.getElementById('Label3_8').getAttribute('aria-label')"),
                         "2段目 1番目 空、次に入力するマス")

        cell, digit = self.target()
        # Pressed as Safari presses, giving the button no focus: the focus still comes back to it.
        wrong = DIGIT_BUTTON[(digit + 1) % 10]
        self.script("document.activeElement.blur(); document.getElementById(arguments[0])"
                    ".addEventListener('mousedown', e => e.preventDefault(), {once: true})", wrong)
        self.click(wrong)
        self.assertEqual(self.message(), "間違いです")
        # What a screen reader is given as the box opens: the message itself, spoken whatever
        # becomes of the focus, the dialog by its title, and the boxes still readable behind it.
        self.assertEqual(self.spoken(), "間違いです")
        self.assertEqual(self.script("return document.activeElement.id"), "message-ok")
        if self.engine.can_read_accessibility:
            self.assertTrue(self.engine.accessible("Sumdrop"), "the dialog is not announced by its title")
            self.assertTrue(self.engine.accessible("2段目 1番目 空、次に入力するマス"), "the boxes are hidden")
        self.ticking_behind_dialog()
        # The page behind the dialog is inert: a click on a button does not reach it.
        x, y = self.engine.centre(DIGIT_BUTTON[digit])
        self.assertNotEqual(self.script("return document.elementFromPoint(arguments[0], arguments[1]).id", x, y),
                            DIGIT_BUTTON[digit])
        self.press(digit)
        self.assertEqual(self.cell(cell), "")
        self.keys(ESCAPE)
        self.wait_for(self.message_closed, "dialog closed by Esc")
        # Nothing stale for a screen reader to read again once the box has closed.
        self.assertEqual(self.spoken(), "")
        self.assertEqual(self.script("return document.activeElement.id"), DIGIT_BUTTON[(digit + 1) % 10])

        while cell is not None:
            self.press(digit)
            if cell == 35:
                break
            self.wait_for(lambda: self.cell(cell) == str(digit), f"digit in box {cell}")
            self.assertTrue(self.text("narration").startswith("正解。次は "))
            cell, digit = self.target()
        result = self.wait_for(self.message, "result")
        self.assertRegex(result, r"^今のタイムは\d+分\d+\.\d秒です$")
        self.assertEqual(result, "今のタイムは" + self.text("Label2") + "です", "the time label and the result disagree")
        self.assertEqual(self.spoken(), result, "the result is not spoken")
        self.assertEqual(self.cell(35), str(digit))
        self.click("message-ok")
        self.wait_for(self.message_closed, "result closed")
        self.assertEqual(self.spoken(), "")
        self.press(0)
        self.assertEqual(self.message(), "スタートボタンを押してください")

    def test_keyboard_alone_tab_space_enter_esc(self):
        self.load()
        focused = lambda: self.script("return document.activeElement.id")
        self.assertEqual(focused(), "Command1")
        # A screen reader reading the fresh page moves the focus away between Space going down
        # and coming up: Start still starts the game.
        if not self.engine.space_with_the_focus_taken_between():
            self.keys(SPACE)
        self.wait_for(lambda: self.shown("Command2"), "game started by Space")
        self.keys(TAB)
        order = ["Command2", "Command3", "Command9", "Command10", "Command11", "Command12", "Command8", "Command4",
                 "Command5", "Command6", "Command7", "Command13"]
        # Every button an explicit tab stop, as Safari's Tab needs, in the design's order.
        stops = self.script("return [...document.querySelectorAll('button')].map(b => [b.id, b.getAttribute('tabindex')])")
        self.assertEqual([name for name, _ in stops], order[:1] + ["Command1"] + order[1:] + ["message-ok", "Form2-Command1"])
        self.assertEqual({index for _, index in stops}, {"0"})
        # From the button that follows Start, round the whole tab order by Tab; past the last
        # button the focus leaves the page for the browser's own controls, as on any page.
        start = focused()
        visited = [start]
        for _ in range(2 * len(order)):
            if len(visited) == len(order):
                break
            self.keys(TAB)
            if focused():
                visited.append(focused())
        rotation = order.index(start)
        self.assertEqual(visited, order[rotation:] + order[:rotation])

        def tab_to(button):
            # Past the last button the focus visits the browser's own controls on its way round.
            for _ in range(3 * len(order)):
                if focused() == button:
                    return
                self.keys(TAB)
            self.fail("Tab never reached " + button)

        cell, digit = self.target()
        tab_to(DIGIT_BUTTON[(digit + 1) % 10])
        self.keys(self.enter_or_space())
        self.assertEqual(self.message(), "間違いです")
        self.keys(ESCAPE)
        self.wait_for(self.message_closed, "dialog closed by Esc")
        for _ in range(3):
            tab_to(DIGIT_BUTTON[digit])
            self.keys(SPACE)
            self.wait_for(lambda: self.cell(cell) == str(digit), f"digit in box {cell}")
            cell, digit = self.target()

        # Help opens over an inert game: Tab stays out of the game under it, Esc closes it, and
        # the focus comes back to Help.
        tab_to("Command13")
        self.keys(SPACE)
        self.wait_for(lambda: self.shown("Form2") and self.script("return document.getElementById('Command3').inert"),
                      "help panel over an inert game")
        self.assertEqual(focused(), "Form2-Command1")
        for _ in range(3):
            self.keys(TAB)
            self.assertFalse(self.script("return document.getElementById('Form1').contains(document.activeElement)"),
                             "Tab left help for " + focused())
        self.keys(ESCAPE)
        self.wait_for(lambda: not self.shown("Form2"), "help panel closed by Esc")
        self.assertEqual(focused(), "Command13")
        self.keys(SPACE)
        self.wait_for(lambda: self.shown("Form2"), "help panel again")
        self.assertEqual(focused(), "Form2-Command1")
        if self.engine.keys_press_buttons:
            self.keys(ENTER)
        else:
            self.not_run("OK pressed by Enter")
            self.click("Form2-Command1")
        self.wait_for(lambda: not self.shown("Form2"), "help panel closed by OK")
        self.assertEqual(focused(), "Command13")

        tab_to("Command2")
        self.keys(self.enter_or_space())
        self.wait_for(lambda: self.shown("Command1") and not self.shown("Command2"), "load state after Quit")
        self.assertEqual([self.cell(i) for i in range(36)], [""] * 36)
        self.assertEqual(self.text("Label2"), "\u3000  分\u3000秒\u3000")
        self.assertEqual(focused(), "Command1")

    def test_layout_at_scale_1_is_the_shared_table(self):
        self.load()
        self.click("Command13")
        self.wait_for(lambda: self.shown("Form2"), "help panel")
        boxes = self.script("""
            const out = {};
            for (const form of ['Form1', 'Form2']) {
              const origin = document.getElementById(form).getBoundingClientRect();
              for (const e of document.getElementById(form).querySelectorAll('[id]')) {
                const r = e.getBoundingClientRect();
                out[form + '/' + e.id] = [r.left - origin.left, r.top - origin.top, r.width, r.height,
                                          parseFloat(getComputedStyle(e).fontSize)];
              }
            }
            return out;""")
        expected = {f"Form1/{name}": layout_twips("Form1", name) for name in ["Label1", "Label2"]}
        expected.update({f"Form2/Form2-{name}": layout_twips("Form2", name)
                         for name in ["Label1", "Image1", "Label2", "Command1"]})
        for n in range(1, 14):
            expected[f"Form1/Command{n}"] = layout_twips("Form1", f"Command{n}")
        for name, twips in expected.items():
            if name == "Form1/Command2":
                continue  # hidden until a game starts
            self.assertEqual(boxes[name][:4], [pixels(t) for t in twips], name)
        self.assertEqual(boxes["Form2/Form2-Image1"][2:4], [383, 301], "the rule picture is not at its own size")
        self.wait_for(lambda: self.script("return document.getElementById('Form2-Image1').complete"), "rule picture")
        size = self.script("const i = document.getElementById('Form2-Image1'); return [i.naturalWidth, i.naturalHeight]")
        self.assertEqual(size, [383, 301])
        # The triangle: boxes of 33 pixels, each centred under the gap between its two parents.
        cells = [boxes[f"Form1/Label3_{i}"] for i in range(36)]
        self.assertTrue(all(c[2:4] == [33, 33] for c in cells))
        first = 0
        for length in range(7, 0, -1):
            above = first
            first += length + 1
            for place in range(length):
                left, right, below = cells[above + place], cells[above + place + 1], cells[first + place]
                self.assertAlmostEqual(below[0] + 16.5, (left[0] + right[0] + 33) / 2, delta=0.5)
                self.assertEqual(below[1] - left[1], 48)
        self.assertEqual(cells[0][:2], [pixels(840), pixels(1440)])
        self.assertEqual(boxes["Form1/Label1"][4], 48)  # 36 pt
        self.assertEqual(boxes["Form1/Command1"][4], 37)  # 27.75 pt
        self.assertEqual(cells[0][4], 32)  # 24 pt
        family = self.style("Label1", "font-family")
        self.assertTrue(self.script("return document.fonts.check('48px ' + arguments[0], 'サムドロップ')", family))

    def test_phones_and_tablets_upright_and_on_their_side_fit_with_targets_for_fingers(self):
        """A phone, then iPads: a finger gets the layout for fingers wherever the designed window
        would fit too, with keys and digits that grow with the screen. An engine that cannot
        emulate a finger gets the phones by their size alone, with taps."""
        touch, scale = self.engine.can_emulate_touch, 2 if self.engine.can_emulate_scale else 1
        for width, height in ((360, 640), (810, 985), (1024, 1366), (1366, 1024), (1080, 735), (640, 360)):
            tablet = min(width, height) >= 700
            if tablet and not touch:
                self.not_run(f"the tablet at {width}x{height} with a finger's pointer")
                continue
            with self.subTest(screen=f"{width}x{height}"):
                self.emulate(width, height, scale, touch)
                self.load()
                self.tap("Command1")
                self.wait_for(lambda: self.shown("Command2"), "game started by a tap")
                # A message opens over the pad, leaving the clock and the triangle in view.
                self.tap(DIGIT_BUTTON[(self.target()[1] + 1) % 10])
                self.wait_for(self.message, "a wrong digit's message")
                seen = self.boxes("#message, #Label2, #triangle")
                box = seen["message"]
                for name in ("Label2", "triangle"):
                    other = seen[name]
                    self.assertTrue(box[0] >= other[0] + other[2] or box[0] + box[2] <= other[0]
                                    or box[1] >= other[1] + other[3] or box[1] + box[3] <= other[1],
                                    f"the message covers {name}: {box} over {other}")
                self.tap("message-ok")
                self.wait_for(self.message_closed, "message closed by a tap")
                size = self.script("const d = document.documentElement;"
                                   "return [innerWidth, innerHeight, d.scrollWidth, d.scrollHeight]")
                self.assertEqual(size, [width, height, width, height], "the page scrolls or is not the screen's")
                controls = self.boxes("#Form1 button")
                self.assertEqual(len(controls), 12)
                for name, (left, top, w, h, font) in controls.items():
                    self.assertTrue(w >= TARGET and h >= TARGET, f"{name} is {w}x{h}")
                    self.assertTrue(left >= 0 and top >= 0 and left + w <= width and top + h <= height, name)
                    if name in DIGIT_BUTTON.values():
                        self.assertGreaterEqual(font, 16, f"the label of {name}")
                        if tablet:
                            self.assertTrue(w >= 60 and h >= 60, f"{name} is {w}x{h} on a tablet")
                cells = self.boxes(".cell")
                if tablet:
                    self.assertGreaterEqual(min(c[4] for c in cells.values()), 24, "the boxes' digits on a tablet")
                self.assertTrue(all(c[0] >= 0 and c[0] + c[2] <= width and c[1] + c[3] <= height
                                    for c in cells.values()), "a box lies off the screen")
                # Quit well away from every other control, so that no slip reaches it.
                quit_box = controls.pop("Command2")
                for name, other in controls.items():
                    gap = max(other[0] - quit_box[0] - quit_box[2], quit_box[0] - other[0] - other[2],
                              other[1] - quit_box[1] - quit_box[3], quit_box[1] - other[1] - other[3])
                    self.assertGreaterEqual(gap, 24, f"Quit is {gap} px from {name}")

        # A whole game by taps, on its side.
        cell, digit = self.target()
        while cell is not None:
            self.tap(DIGIT_BUTTON[digit])
            if cell == 35:
                break
            self.wait_for(lambda: self.cell(cell) == str(digit), f"digit in box {cell} by a tap")
            cell, digit = self.target()
        self.assertRegex(self.wait_for(self.message, "result"), r"^今のタイムは")
        ok = self.boxes("#message-ok")["message-ok"]
        self.assertTrue(ok[2] >= TARGET and ok[3] >= TARGET, ok)
        self.tap("message-ok")
        self.wait_for(self.message_closed, "result closed by a tap")
        self.tap("Command13")
        self.wait_for(lambda: self.shown("Form2"), "help by a tap")
        r = self.boxes("#Form2, #Form2-Command1")
        self.assertTrue(r["Form2"][0] >= 0 and r["Form2"][0] + r["Form2"][2] <= 640 and r["Form2"][1] >= 0, r)
        self.assertTrue(r["Form2-Command1"][2] >= TARGET and r["Form2-Command1"][3] >= TARGET, r)

    def test_zoom_enlarges_and_reflows(self):
        """Browser zoom in a 1280x1024 window: 200 % and 400 % are viewports of 640x512 and 320x256."""
        digits = "#Command3, #Label3_0, #Label2, #Command1"
        self.load()
        designed = self.boxes(digits)
        for zoom in (2, 4):
            with self.subTest(zoom=f"{zoom * 100} %"):
                self.emulate(1280 // zoom, 1024 // zoom, zoom)
                self.load()
                zoomed = self.boxes(digits)
                for name, box in designed.items():
                    growth = zoomed[name][4] * zoom / box[4]
                    self.assertGreaterEqual(growth, 1.99 if zoom == 2 else 1.6, f"the text of {name} grows {growth}")
                # Reflow: nothing to scroll sideways, every control within the width.
                self.assertLessEqual(self.script("return document.documentElement.scrollWidth"), 1280 // zoom)
                for name, (left, _, w, _, _) in self.boxes("#Form1 button").items():
                    self.assertTrue(left >= 0 and left + w <= 1280 // zoom, name)

    def test_contrast_theme_keeps_borders_and_marks_filled_boxes(self):
        self.needs(self.engine.can_force_colors, "emulate a contrast theme")
        self.engine.force_colors()
        self.load()
        self.click("Command1")
        cell, digit = self.target()
        self.press(digit)
        self.wait_for(lambda: self.cell(cell) == str(digit), "a filled box")
        self.script("document.activeElement.blur()")  # no focus ring over the borders measured
        shot = Image.open(io.BytesIO(self.engine.screenshot())).convert("RGB")
        background = shot.getpixel((2, 2))
        boxes = self.boxes(".cell, #Form1 button")

        def border_seen(name):
            """The share of the four edges' pixels that differ from the page behind, rounded corners
            left out."""
            left, top, w, h, _ = (round(v) for v in boxes[name])
            edge = [(x, y) for x in range(left + 3, left + w - 3) for y in (top, top + h - 1)]
            edge += [(x, y) for y in range(top + 3, top + h - 3) for x in (left, left + w - 1)]
            return sum(shot.getpixel(p) != background for p in edge) / len(edge)

        for name in ("Label3_0", f"Label3_{cell}", f"Label3_{cell + 1}", "Command3", "Command13", "Command2"):
            self.assertGreaterEqual(border_seen(name), 0.95, f"the border of {name}")
        inside = lambda name: shot.getpixel((round(boxes[name][0]) + 3, round(boxes[name][1]) + 3))
        self.assertNotEqual(inside(f"Label3_{cell}"), inside(f"Label3_{cell + 1}"), "a filled box looks empty")

    def test_clock_tells_the_time_through_a_frozen_tab(self):
        self.needs(self.engine.can_freeze, "freeze a tab")
        self.load()
        self.click("Command1")
        started = time.monotonic()
        self.wait_for(lambda: self.text("Label2") == "0分0.1秒", "first tick")
        # As a browser freezes a tab the player has hidden.
        self.engine.freeze(5)
        shown = lambda: (lambda m: int(m[1]) * 60 + int(m[2]) + int(m[3]) / 10)(TIME.match(self.text("Label2")))
        self.wait_for(lambda: shown() >= 5, "the time of the freeze on the clock")
        self.assertGreaterEqual(shown(), time.monotonic() - started - 0.5, "the clock fell behind")

    def test_every_box_closes_after_a_freeze_and_after_back(self):
        """A tab the browser froze, then a page restored from the back-forward cache: every way of
        closing a box or help still gives the game back."""
        self.load()
        self.click("Command1")
        if self.engine.can_freeze:
            self.engine.freeze(0)

        # A screen reader hears the focus come back only if it comes back before the box goes.
        def note_focus_at_close(box):
            self.script(f"const box = document.getElementById('{box}'); window.focusAtClose = null; "
                        "box.close = () => { window.focusAtClose = document.activeElement.id; "
                        "HTMLDialogElement.prototype.close.call(box); }")

        def refuse_and_close(way):
            wrong = DIGIT_BUTTON[(self.target()[1] + 1) % 10]
            self.click(wrong)
            self.assertEqual(self.message(), "間違いです")
            note_focus_at_close("message")
            if way == "OK":
                self.click("message-ok")
            else:
                self.keys(ENTER if way == "Enter" else ESCAPE)
            self.wait_for(self.message_closed, f"the box closed by {way}")
            self.assertEqual(self.script("return document.activeElement.id"), wrong, f"the focus after {way}")
            self.assertEqual(self.script("return window.focusAtClose"), wrong, f"the focus as the box went, by {way}")
            self.assertFalse(self.script("return [...document.querySelectorAll('#Form1 button')].some(b => b.inert)"))

        def help_and_close(way):
            self.click("Command13")
            self.wait_for(lambda: self.shown("Form2"), "help")
            note_focus_at_close("Form2")
            if way == "OK":
                self.click("Form2-Command1")
            else:
                self.keys(ESCAPE)
            self.wait_for(lambda: not self.shown("Form2"), f"help closed by {way}")
            self.assertEqual(self.script("return document.activeElement.id"), "Command13")
            self.assertEqual(self.script("return window.focusAtClose"), "Command13", f"the focus as help went, by {way}")

        ways = ("Enter", "Esc", "OK") if self.engine.keys_press_buttons else ("Esc", "OK")
        if not self.engine.keys_press_buttons:
            self.not_run("a box closed by Enter")
        for way in ways:
            refuse_and_close(way)
        help_and_close("OK")
        # Away and Back: the page comes from the back-forward cache, its game still on.
        self.script("window.stillThisPage = true")
        self.engine.get("about:blank")
        self.engine.back()
        self.wait_for(lambda: self.script("return window.stillThisPage === true"), "the page from the back-forward cache")
        for way in reversed(ways):
            refuse_and_close(way)
        help_and_close("Esc")
        cell, digit = self.target()
        while cell is not None:
            self.press(digit)
            if cell == 35:
                break
            self.wait_for(lambda: self.cell(cell) == str(digit), f"digit in box {cell}")
            cell, digit = self.target()
        self.assertRegex(self.wait_for(self.message, "result"), r"^今のタイムは")

    def test_the_address_names_the_triangle(self):
        """A link deals its row, the address names a random row, a reload replays it, Quit goes back
        to random, a typed row waits for the next Start, and anything else after # is ignored."""
        top_row = lambda: "".join(self.cell(i) for i in range(8))
        fragment = lambda: self.script("return location.hash")

        def start():
            self.click("Command1")
            self.wait_for(lambda: self.shown("Command2"), "a game")
            return top_row()

        def quit_and_start():
            self.click("Command2")
            self.wait_for(lambda: self.shown("Command1"), "the load state after Quit")
            return start()

        self.load("#48123076")
        entries = self.script("return history.length")
        self.assertEqual(start(), "48123076")
        self.assertEqual(fragment(), "#48123076")
        self.engine.refresh()
        self.wait_for_game()
        self.assertEqual(start(), "48123076", "a reload plays another triangle")
        random_row = quit_and_start()
        self.assertEqual(fragment(), "#" + random_row)
        self.assertEqual(self.script("return history.length"), entries, "a dealt row made a history entry")
        self.assertEqual(self.script("return scrollY"), 0)

        # A row typed during a game leaves that game alone and is dealt at the next Start.
        self.script("location.hash = '#01234567'")
        self.wait_for(lambda: fragment() == "#01234567", "the typed address")
        self.press(self.target()[1])
        self.assertEqual(top_row(), random_row)
        self.assertEqual(quit_and_start(), "01234567")
        self.assertNotEqual(quit_and_start(), "01234567", "the typed row was dealt twice")

        for bad in ("4812307", "481230769", "48123079", "abcdefgh", "４８１２３０７６", "4812 3076", "4812%303076",
                    "<img src=x onerror=alert(1)>", "9" * 20000):
            with self.subTest(fragment=bad[:20]):
                self.engine.get("about:blank")
                self.load("#" + bad)
                row = start()
                self.assertRegex(row, r"^[0-8]{8}$")
                self.assertEqual(fragment(), "#" + row)
                self.assertEqual(self.script("return document.querySelectorAll('img:not(#Form2-Image1)').length"), 0)

    def test_first_visit_sends_each_file_once_and_installs(self):
        self.load()
        self.wait_for(lambda: self.script("return navigator.serviceWorker.ready.then(() => true)"), "service worker")
        answers = self.site.server.full_answers
        if self.engine.keeps_http_cache:
            self.assertEqual({path: n for path, n in answers.items() if n > 1}, {}, "files sent in full twice")
        self.assertIn("/sumdrop.wasm", answers)
        # The help picture waits for help to open.
        self.assertEqual(self.script("return performance.getEntriesByType('resource')"
                                     ".filter(r => r.name.endsWith('rule.png')).length"), 0)

        with open(os.path.join(self.site.folder, "manifest.webmanifest"), encoding="utf-8") as f:
            manifest = json.load(f)
        self.assertIn("id", manifest)
        self.assertNotIn("orientation", manifest)
        pngs = [icon for icon in manifest["icons"] if icon["type"] == "image/png"]
        for icon in pngs:
            with open(os.path.join(self.site.folder, icon["src"]), "rb") as f:
                width, height = struct.unpack(">II", f.read(24)[16:24])
            self.assertEqual(icon["sizes"], f"{width}x{height}", icon["src"])
        self.assertTrue({"192x192", "512x512"} <= {icon["sizes"] for icon in pngs})
        self.assertTrue(any(icon.get("purpose") == "maskable" for icon in pngs))
        # The iPad's home screen takes its own icon, a square PNG.
        touch_icon = self.script("return document.querySelector('link[rel=apple-touch-icon]').getAttribute('href')")
        with open(os.path.join(self.site.folder, touch_icon), "rb") as f:
            width, height = struct.unpack(">II", f.read(24)[16:24])
        self.assertTrue(width == height >= 180, touch_icon)
        self.assertEqual(self.script("return document.querySelector('meta[name=theme-color]').content"),
                         manifest["theme_color"])
        self.assertEqual(self.script("return document.querySelector('meta[name=viewport]').content"),
                         "width=device-width, initial-scale=1")

    def test_plays_offline_and_takes_a_new_version(self):
        self.load()
        controlled = "return !!navigator.serviceWorker.controller"
        self.wait_for(lambda: self.script("return navigator.serviceWorker.ready.then(() => true)"), "service worker")
        self.wait_for(lambda: self.script(controlled), "page controlled by the service worker")
        self.site.server.offline = True
        self.load()
        self.click("Command1")
        self.wait_for(lambda: self.text("Label2") == "0分0.1秒", "game offline")
        self.site.server.offline = False

        # A new version of the site: its page changed, and its service worker with it.
        page = os.path.join(self.site.folder, "index.html")
        with open(page, encoding="utf-8") as f:
            text = f.read().replace("<title>Sumdrop</title>", "<title>Sumdrop new</title>")
        with open(page, "w", encoding="utf-8") as f:
            f.write(text)
        writer = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "web")
        subprocess.run(["cmake", f"-DSITE={self.site.folder}", f"-DTEMPLATE={writer}/sw.js.in", "-P",
                        f"{writer}/WriteServiceWorker.cmake"], check=True, timeout=60)
        old = self.script("return caches.keys()")
        self.script("return navigator.serviceWorker.getRegistration().then(r => r.update())")
        self.wait_for(lambda: self.script("return caches.keys()") not in ([], old)
                      and len(self.script("return caches.keys()")) == 1, "the new version's cache alone")
        self.load()
        self.wait_for(lambda: self.script("return document.title") == "Sumdrop new", "the new version's page")


if __name__ == "__main__":
    unittest.main(verbosity=2)
