# SPDX-License-Identifier: MIT
"""The page in headless Chromium, as a player meets it: served from 127.0.0.1, played by mouse,
by keyboard alone and by touch on a phone, laid out as the shared layout table says, played again
offline, with nothing reported in the browser's console.

Usage: page_test.py SITE-DIR LAYOUT-FIGURES
"""
import functools
import http.server
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import unittest

from selenium import webdriver
from selenium.common.exceptions import ElementClickInterceptedException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

SITE, FIGURES = sys.argv.pop(1), sys.argv.pop(1)
WAIT = 20  # seconds; every wait is for an effect, bounded by this
TIME = re.compile(r"^(\d+)分(\d+)\.(\d)秒$")


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Site:
    """A copy of the site served on 127.0.0.1, on a port of its own."""

    def __init__(self):
        self.folder = tempfile.mkdtemp()
        shutil.copytree(SITE, self.folder, dirs_exist_ok=True)
        handler = functools.partial(QuietHandler, directory=self.folder)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = f"http://127.0.0.1:{self.server.server_port}/"

    def close(self):
        self.server.shutdown()
        self.server.server_close()
        shutil.rmtree(self.folder)


def layout_twips(window, name):
    """LEFT, TOP, WIDTH, HEIGHT of a control, from the figures the layout table prints."""
    with open(FIGURES, encoding="utf-8") as figures:
        for line in figures:
            fields = line.split()
            if fields[:2] == [window, name]:
                return [int(n) for n in fields[2:6]]
    raise AssertionError(f"the layout has no {window} {name}")


def pixels(twips):
    return (twips + 7) // 15


class PageTest(unittest.TestCase):
    def setUp(self):
        self.site = Site()
        self.profile = tempfile.mkdtemp()
        options = webdriver.ChromeOptions()
        for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-sync",
                     "--disable-background-networking", "--disable-component-update", "--window-size=1280,1024",
                     "--force-renderer-accessibility", "--user-data-dir=" + self.profile):
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.browser.set_page_load_timeout(WAIT)

    def tearDown(self):
        try:
            errors = [entry["message"] for entry in self.browser.get_log("browser") if entry["level"] == "SEVERE"]
            self.assertEqual(errors, [], "errors in the browser's console")
        finally:
            self.browser.quit()
            self.site.close()
            shutil.rmtree(self.profile, ignore_errors=True)

    # What a player sees.
    def load(self):
        self.browser.get(self.site.url)
        self.wait_for(lambda: self.script("return !!document.getElementById('Command1')"), "the game")

    def script(self, code, *args):
        return self.browser.execute_script(code, *args)

    def wait_for(self, condition, what):
        return WebDriverWait(self.browser, WAIT, poll_frequency=0.02).until(lambda _: condition(), "no " + what)

    def element(self, element_id):
        return self.browser.find_element("id", element_id)

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

    def target(self):
        """The box to fill and the digit it takes, from the digits on screen, as a player reads them."""
        rows = [8, 7, 6, 5, 4, 3, 2, 1]
        first = 0
        for row, length in enumerate(rows):
            for place in range(length):
                if row > 0 and self.cell(first + place) == "":
                    above = first - rows[row - 1] + place
                    return first + place, (int(self.cell(above)) + int(self.cell(above + 1))) % 10
            first += length
        return None, None

    def digit_button(self, digit):
        return self.element(f"Command{digit + 3}")

    def ticking_behind_dialog(self):
        before = self.text("Label2")
        self.wait_for(lambda: self.text("Label2") != before, "tick of the clock behind the dialog")

    # The games.
    def test_whole_game_by_mouse_with_the_clock_behind_a_wrong_digit(self):
        self.load()
        self.assertEqual(self.text("Label2"), "\u3000  分\u3000秒\u3000")
        self.assertFalse(self.shown("Command2"))
        self.digit_button(4).click()
        self.assertEqual(self.message(), "スタートボタンを押してください")
        self.element("message-ok").click()
        self.wait_for(lambda: self.message() is None, "dialog closed by OK")

        self.element("Command1").click()
        self.wait_for(lambda: self.text("Label2") == "0分0.1秒", "first tick, 0分0.1秒")
        self.assertFalse(self.shown("Command1"))
        self.assertTrue(self.shown("Command2"))
        self.assertTrue(all(self.cell(i) in "012345678" and self.cell(i) for i in range(8)))
        self.assertEqual(self.element("Label3_8").value_of_css_property("background-color"), "rgba(200, 200, 200, 1)")
        self.assertTrue(self.text("narration").startswith("一番上の段は "))
        self.assertEqual(self.element("Label3_8").get_attribute("aria-label"),
                         "2段目 1番目 空、次に入力するマス")

        cell, digit = self.target()
        self.digit_button((digit + 1) % 10).click()
        self.assertEqual(self.message(), "間違いです")
        self.ticking_behind_dialog()
        with self.assertRaises(ElementClickInterceptedException):
            self.digit_button(digit).click()  # the page behind the dialog is inert
        self.assertEqual(self.cell(cell), "")
        names = [node.get("name", {}).get("value") for node in
                 self.browser.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
                 if node.get("role", {}).get("value") == "dialog"]
        self.assertIn("Sumdrop", names, "the dialog is not announced by its title")
        ActionChains(self.browser).send_keys(Keys.ESCAPE).perform()
        self.wait_for(lambda: self.message() is None, "dialog closed by Esc")

        while cell is not None:
            self.digit_button(digit).click()
            if cell == 35:
                break
            self.wait_for(lambda: self.cell(cell) == str(digit), f"digit in box {cell}")
            self.assertTrue(self.text("narration").startswith("正解。次は "))
            cell, digit = self.target()
        result = self.wait_for(self.message, "result")
        self.assertRegex(result, r"^今のタイムは\d+分\d+\.\d秒です$")
        self.assertEqual(result, "今のタイムは" + self.text("Label2") + "です", "the time label and the result disagree")
        self.assertEqual(self.cell(35), str(digit))
        self.element("message-ok").click()
        self.wait_for(lambda: self.message() is None, "result closed")
        self.digit_button(0).click()
        self.assertEqual(self.message(), "スタートボタンを押してください")

    def test_keyboard_alone_tab_space_enter_esc(self):
        self.load()
        keys = ActionChains(self.browser)
        focused = lambda: self.script("return document.activeElement.id")
        self.assertEqual(focused(), "Command1")
        keys.send_keys(Keys.SPACE).perform()
        self.wait_for(lambda: self.shown("Command2"), "game started by Space")
        order = ["Command2", "Command3", "Command9", "Command10", "Command11", "Command12", "Command8", "Command4",
                 "Command5", "Command6", "Command7", "Command13"]
        # From the button that follows Start, round the whole tab order by Tab; past the last
        # button the focus leaves the page for the browser's own controls, as on any page.
        start = focused()
        visited = [start]
        for _ in range(2 * len(order)):
            if len(visited) == len(order):
                break
            keys.send_keys(Keys.TAB).perform()
            if focused():
                visited.append(focused())
        rotation = order.index(start)
        self.assertEqual(visited, order[rotation:] + order[:rotation])

        def tab_to(button):
            for _ in range(len(order) + 1):
                if focused() == button:
                    return
                keys.send_keys(Keys.TAB).perform()
            self.fail("Tab never reached " + button)

        cell, digit = self.target()
        tab_to(f"Command{(digit + 1) % 10 + 3}")
        keys.send_keys(Keys.ENTER).perform()
        self.assertEqual(self.message(), "間違いです")
        keys.send_keys(Keys.ESCAPE).perform()
        self.wait_for(lambda: self.message() is None, "dialog closed by Esc")
        for _ in range(3):
            tab_to(f"Command{digit + 3}")
            keys.send_keys(Keys.SPACE).perform()
            self.wait_for(lambda: self.cell(cell) == str(digit), f"digit in box {cell}")
            cell, digit = self.target()

        tab_to("Command13")
        keys.send_keys(Keys.SPACE).perform()
        self.wait_for(lambda: self.shown("Form2"), "help panel")
        self.assertEqual(focused(), "Form2-Command1")
        keys.send_keys(Keys.ENTER).perform()
        self.wait_for(lambda: not self.shown("Form2"), "help panel closed by OK")
        self.assertEqual(focused(), "Command13")

        tab_to("Command2")
        keys.send_keys(Keys.ENTER).perform()
        self.wait_for(lambda: self.shown("Command1") and not self.shown("Command2"), "load state after Quit")
        self.assertEqual([self.cell(i) for i in range(36)], [""] * 36)
        self.assertEqual(self.text("Label2"), "\u3000  分\u3000秒\u3000")
        self.assertEqual(focused(), "Command1")

    def test_layout_at_scale_1_is_the_shared_table(self):
        self.load()
        self.element("Command13").click()
        self.wait_for(lambda: self.shown("Form2"), "help panel")
        boxes = self.script("""
            const out = {};
            for (const form of ['Form1', 'Form2']) {
              const origin = document.getElementById(form).getBoundingClientRect();
              for (const e of document.getElementById(form).children) {
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
        family = self.element("Label1").value_of_css_property("font-family")
        self.assertTrue(self.script("return document.fonts.check('48px ' + arguments[0], 'サムドロップ')", family))

    def test_phone_held_upright_fits_and_plays_by_touch(self):
        self.browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                     {"width": 360, "height": 640, "deviceScaleFactor": 2, "mobile": True})
        self.browser.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
        self.load()
        fit = self.script("""
            const r = document.getElementById('Form1').getBoundingClientRect();
            const d = document.documentElement;
            return [r.left, r.top, r.right, r.bottom, innerWidth, innerHeight, d.scrollWidth, d.scrollHeight];""")
        left, top, right, bottom, width, height, scroll_width, scroll_height = fit
        self.assertEqual((width, height), (360, 640))
        self.assertTrue(left >= 0 and top >= 0 and right <= width + 0.5 and bottom <= height, fit)
        self.assertTrue(scroll_width <= width and scroll_height <= height, "the page scrolls")

        def tap(element_id):
            r = self.script("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                            "return [r.left + r.width / 2, r.top + r.height / 2]", element_id)
            for kind in ("touchStart", "touchEnd"):
                points = [{"x": r[0], "y": r[1]}] if kind == "touchStart" else []
                self.browser.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})

        tap("Command1")
        self.wait_for(lambda: self.shown("Command2"), "game started by a tap")
        cell, digit = self.target()
        tap(f"Command{digit + 3}")
        self.wait_for(lambda: self.cell(cell) == str(digit), "digit entered by a tap")
        tap("Command13")
        self.wait_for(lambda: self.shown("Form2"), "help panel")
        r = self.script("return document.getElementById('Form2').getBoundingClientRect().toJSON()")
        self.assertTrue(r["left"] >= 0 and r["right"] <= 360.5 and r["top"] >= 0 and r["bottom"] <= 640, r)

    def test_plays_offline_and_takes_a_new_version(self):
        self.load()
        controlled = "return !!navigator.serviceWorker.controller"
        self.wait_for(lambda: self.script("return navigator.serviceWorker.ready.then(() => true)"), "service worker")
        self.wait_for(lambda: self.script(controlled), "page controlled by the service worker")
        self.browser.execute_cdp_cmd("Network.enable", {})
        self.browser.execute_cdp_cmd("Network.emulateNetworkConditions",
                                     {"offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        self.load()
        self.element("Command1").click()
        self.wait_for(lambda: self.text("Label2") == "0分0.1秒", "game offline")
        self.browser.execute_cdp_cmd("Network.emulateNetworkConditions",
                                     {"offline": False, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})

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
        self.wait_for(lambda: self.browser.title == "Sumdrop new", "the new version's page")


if __name__ == "__main__":
    unittest.main(verbosity=2)
