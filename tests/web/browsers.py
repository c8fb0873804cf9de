# SPDX-License-Identifier: MIT
"""The browser engines the page test plays the page in, behind one small interface: Chromium
through Selenium and its DevTools protocol, WebKit (WebKitGTK's MiniBrowser) through Selenium on
a private X server, and Firefox over WebDriver BiDi. What an engine cannot do (a frozen tab,
touch emulation, a contrast theme, the accessibility tree) it says with a flag, and the test
reports that part as not run there."""
import base64
import json
import os
import re
import shutil
import socket
import subprocess
import tempfile
import threading
import time

WAIT = 20  # seconds for any one step of a browser

# WebDriver's key values, the same in every protocol.
TAB, ENTER, ESCAPE, SPACE = "\ue004", "\ue006", "\ue00c", " "


class Engine:
    name = "?"
    can_emulate_touch = False  # a coarse pointer and touch events
    can_emulate_scale = False  # a device pixel ratio other than 1
    can_freeze = False  # freeze a tab as the browser does to one left in the background
    can_force_colors = False
    can_read_accessibility = False
    keeps_http_cache = True  # a first visit fetches each file once
    keys_press_buttons = True  # Enter and Space from the driver activate a focused button
    width, height = 1280, 1024

    def centre(self, element_id):
        return self.script("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                           "return [Math.round(r.left + r.width / 2), Math.round(r.top + r.height / 2)]", element_id)


class Chromium(Engine):
    name = "Chromium"
    can_emulate_touch = can_emulate_scale = can_freeze = can_force_colors = can_read_accessibility = True

    def __init__(self):
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
        self.profile = tempfile.mkdtemp()
        options = webdriver.ChromeOptions()
        for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-sync",
                     "--disable-background-networking", "--disable-component-update", "--window-size=1280,1024",
                     "--force-renderer-accessibility", "--user-data-dir=" + self.profile):
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.driver.set_page_load_timeout(WAIT)

    def quit(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)

    def get(self, url):
        self.driver.get(url)

    def refresh(self):
        self.driver.refresh()

    def back(self):
        self.driver.back()

    def script(self, code, *args):
        return self.driver.execute_script(code, *args)

    def click(self, element_id):
        """A click at the element's centre, on whatever the player would hit there."""
        from selenium.common.exceptions import ElementClickInterceptedException, ElementNotInteractableException
        try:
            self.driver.find_element("id", element_id).click()
        except (ElementClickInterceptedException, ElementNotInteractableException):
            self.click_at(*self.centre(element_id))

    def click_at(self, x, y):
        from selenium.webdriver.common.action_chains import ActionChains
        actions = ActionChains(self.driver)
        actions.w3c_actions.pointer_action.move_to_location(x, y)
        actions.w3c_actions.pointer_action.click()
        actions.perform()

    def keys(self, *keys):
        from selenium.webdriver.common.action_chains import ActionChains
        ActionChains(self.driver).send_keys(*keys).perform()

    def space_with_the_focus_taken_between(self):
        """Space going down, the focus moved away, Space coming up: as a screen reader can do."""
        space = {"key": " ", "code": "Space", "windowsVirtualKeyCode": 32}
        self.cdp("Input.dispatchKeyEvent", {"type": "keyDown", "text": " ", **space})
        self.script("document.activeElement.blur()")
        self.cdp("Input.dispatchKeyEvent", {"type": "keyUp", **space})
        return True

    def emulate(self, width, height, scale, touch=False):
        self.cdp("Emulation.setDeviceMetricsOverride",
                 {"width": width, "height": height, "deviceScaleFactor": scale, "mobile": touch})
        self.cdp("Emulation.setTouchEmulationEnabled", {"enabled": touch, "maxTouchPoints": 5})
        self.width, self.height = width, height
        return True

    def tap(self, element_id):
        x, y = self.centre(element_id)
        self.cdp("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [{"x": x, "y": y}]})
        self.cdp("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})

    def freeze(self, seconds):
        self.cdp("Page.setWebLifecycleState", {"state": "frozen"})
        time.sleep(seconds)
        self.cdp("Page.setWebLifecycleState", {"state": "active"})

    def force_colors(self):
        self.cdp("Emulation.setEmulatedMedia", {"features": [
            {"name": "forced-colors", "value": "active"}, {"name": "prefers-color-scheme", "value": "dark"}]})

    def accessible(self, name):
        nodes = self.cdp("Accessibility.getFullAXTree", {})["nodes"]
        return any(node.get("name", {}).get("value") == name and not node.get("ignored") for node in nodes)

    def screenshot(self):
        return self.driver.get_screenshot_as_png()

    def console_errors(self):
        return [entry["message"] for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]

    def cdp(self, command, parameters):
        return self.driver.execute_cdp_cmd(command, parameters)


class XServer:
    """A private Xvfb of the given size, on a display number it picks itself, ended by its PID."""

    def __init__(self, width, height):
        self.runtime = tempfile.mkdtemp()
        os.chmod(self.runtime, 0o700)
        read, write = os.pipe()
        self.process = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", f"{width}x{height}x24",
                                         "-nolisten", "tcp"], pass_fds=(write,), stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as display:
            number = display.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number

    def close(self):
        self.process.terminate()
        self.process.wait(WAIT)
        shutil.rmtree(self.runtime, ignore_errors=True)


class WebKit(Engine):
    """WebKitGTK's MiniBrowser full screen on an X server of its own, so that the screen is the
    viewport; GTK keeps a window at least 447 pixels wide, so another size is another X server
    of that size. Touch arrives as mouse clicks there."""
    name = "WebKit"
    keeps_http_cache = False  # an automation session is private, with no HTTP cache
    browser = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"

    def __init__(self):
        self.start(self.width, self.height)

    def start(self, width, height):
        self.x = XServer(width, height)
        try:
            self.start_browser(width, height)
        except BaseException:
            self.x.close()
            raise

    def start_browser(self, width, height):
        from selenium import webdriver
        from selenium.webdriver.webkitgtk.options import Options
        environment = dict(os.environ, DISPLAY=self.x.display, XDG_RUNTIME_DIR=self.x.runtime)
        with socket.socket() as probe:
            probe.bind(("127.0.0.1", 0))
            port = probe.getsockname()[1]
        self.service = subprocess.Popen(["/usr/bin/WebKitWebDriver", "--host=127.0.0.1", f"--port={port}"],
                                        env=environment, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + WAIT
        while True:
            try:
                socket.create_connection(("127.0.0.1", port), timeout=1).close()
                break
            except OSError:
                if time.monotonic() > deadline or self.service.poll() is not None:
                    self.service.kill()
                    self.service.wait(WAIT)
                    raise RuntimeError("WebKitWebDriver did not start")
                time.sleep(0.05)
        options = Options()
        options.binary_location = self.browser
        options.add_argument("--automation")
        options.add_argument("--full-screen")
        try:
            self.driver = webdriver.Remote(command_executor=f"http://127.0.0.1:{port}", options=options)
        except BaseException:
            self.service.terminate()
            self.service.wait(WAIT)
            raise
        self.driver.set_page_load_timeout(WAIT)
        self.errors = []
        self.url = None
        # Without a window manager, full screen alone leaves the window at its default size.
        self.driver.set_window_rect(0, 0, width, height)
        self.width, self.height = width, height

    def quit(self):
        try:
            self.driver.quit()
        finally:
            self.service.terminate()
            self.service.wait(WAIT)
            self.x.close()

    def get(self, url):
        self.collect_errors()
        self.driver.get(url)
        self.url = url
        self.record_errors()

    def refresh(self):
        self.collect_errors()
        self.driver.refresh()
        self.record_errors()

    def back(self):
        self.collect_errors()
        self.driver.back()
        self.record_errors()

    def record_errors(self):
        # The driver keeps no console log: the page records its own errors, from here on.
        self.script("if (!window.pageErrors) { window.pageErrors = [];"
                    "addEventListener('error', e => pageErrors.push(String(e.message)));"
                    "addEventListener('unhandledrejection', e => pageErrors.push(String(e.reason))); }")

    def collect_errors(self):
        if self.url is not None:
            self.errors += self.script("return window.pageErrors || []") or []

    def script(self, code, *args):
        return self.driver.execute_script(code, *args)

    click = Chromium.click
    click_at = Chromium.click_at
    keys = Chromium.keys

    def space_with_the_focus_taken_between(self):
        return False

    def emulate(self, width, height, scale, touch=False):
        if scale != 1 or touch:
            return False
        url = self.url
        self.collect_errors()
        errors = self.errors
        self.quit()
        self.start(width, height)
        self.errors = errors
        if url is not None:
            self.get(url)
        return True

    tap = click

    def screenshot(self):
        return self.driver.get_screenshot_as_png()

    def console_errors(self):
        self.collect_errors()
        return self.errors


class Firefox(Engine):
    """Debian's Firefox ESR, headless, spoken to over WebDriver BiDi on a WebSocket. Every host
    but this machine goes through a proxy that does not answer, so it reaches no network."""
    name = "Firefox"
    can_emulate_scale = True
    # Its keys reach the page, but a focused button takes no activation from them.
    keys_press_buttons = False

    def __init__(self):
        import websocket
        self.profile = tempfile.mkdtemp()
        prefs = {"network.proxy.type": 1, "network.proxy.http": "127.0.0.1", "network.proxy.http_port": 9,
                 "network.proxy.ssl": "127.0.0.1", "network.proxy.ssl_port": 9, "app.update.disabledForTesting": True,
                 "browser.shell.checkDefaultBrowser": False, "datareporting.policy.dataSubmissionEnabled": False}
        with open(os.path.join(self.profile, "user.js"), "w", encoding="utf-8") as f:
            for key, value in prefs.items():
                f.write(f"user_pref({json.dumps(key)}, {json.dumps(value)});\n")
        self.process = subprocess.Popen(["firefox-esr", "--headless", "--no-remote", "--profile", self.profile,
                                         "--remote-debugging-port", "0"], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.PIPE, text=True)
        address = None
        deadline = time.monotonic() + WAIT
        while address is None and time.monotonic() < deadline:
            line = self.process.stderr.readline()
            if not line:
                break
            found = re.search(r"WebDriver BiDi listening on (ws://\S+)", line)
            address = found and found.group(1)
        if address is None:
            self.process.kill()
            raise RuntimeError("Firefox offered no WebDriver BiDi")
        # Firefox writes on: its pipe must not fill.
        threading.Thread(target=lambda: [None for _ in self.process.stderr], daemon=True).start()
        try:
            self.socket = websocket.create_connection(address + "/session", timeout=WAIT, suppress_origin=True)
        except BaseException:
            self.process.kill()
            self.process.wait(WAIT)
            raise
        self.last_id = 0
        self.errors = []
        self.send("session.new", {"capabilities": {}})
        self.send("session.subscribe", {"events": ["log.entryAdded"]})
        self.context = self.send("browsingContext.getTree", {})["contexts"][0]["context"]
        self.emulate(self.width, self.height, 1)

    def send(self, method, params):
        self.last_id += 1
        self.socket.send(json.dumps({"id": self.last_id, "method": method, "params": params}))
        deadline = time.monotonic() + WAIT
        while time.monotonic() < deadline:
            answer = json.loads(self.socket.recv())
            if answer.get("method") == "log.entryAdded":
                entry = answer["params"]
                if entry.get("level") == "error":
                    self.errors.append(entry.get("text"))
            elif answer.get("id") == self.last_id:
                if answer.get("type") == "error":
                    raise RuntimeError(f"{method}: {answer.get('error')}: {answer.get('message')}")
                return answer["result"]
        raise TimeoutError(method)

    def quit(self):
        try:
            self.send("browser.close", {})
        except Exception:  # pylint: disable=broad-except  # the browser may be gone already
            pass
        self.socket.close()
        try:
            self.process.wait(WAIT)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait(WAIT)
        shutil.rmtree(self.profile, ignore_errors=True)

    def get(self, url):
        self.send("browsingContext.navigate", {"context": self.context, "url": url, "wait": "complete"})

    def refresh(self):
        self.send("browsingContext.reload", {"context": self.context, "wait": "complete"})

    def back(self):
        self.send("browsingContext.traverseHistory", {"context": self.context, "delta": -1})

    def script(self, code, *args):
        result = self.send("script.callFunction", {
            "functionDeclaration": "function() {" + code + "}", "awaitPromise": True,
            "target": {"context": self.context}, "arguments": [self.local_value(a) for a in args]})
        if result["type"] == "exception":
            raise RuntimeError(result["exceptionDetails"].get("text"))
        return self.python_value(result["result"])

    @staticmethod
    def local_value(value):
        if value is None:
            return {"type": "null"}
        if isinstance(value, bool):
            return {"type": "boolean", "value": value}
        if isinstance(value, (int, float)):
            return {"type": "number", "value": value}
        return {"type": "string", "value": str(value)}

    def python_value(self, remote):
        kind = remote["type"]
        if kind in ("undefined", "null"):
            return None
        if kind == "array":
            return [self.python_value(item) for item in remote.get("value", [])]
        if kind == "object":
            return {key: self.python_value(item) for key, item in remote.get("value", [])}
        return remote.get("value")

    def click(self, element_id):
        self.pointer(element_id, "mouse")

    def tap(self, element_id):
        self.pointer(element_id, "touch")

    def pointer(self, element_id, kind):
        x, y = self.centre(element_id)
        self.send("input.performActions", {"context": self.context, "actions": [{
            "type": "pointer", "id": kind, "parameters": {"pointerType": kind},
            "actions": [{"type": "pointerMove", "x": x, "y": y}, {"type": "pointerDown", "button": 0},
                        {"type": "pointerUp", "button": 0}]}]})

    def keys(self, *keys):
        actions = []
        for key in keys:
            actions += [{"type": "keyDown", "value": key}, {"type": "keyUp", "value": key}]
        self.send("input.performActions", {"context": self.context,
                                           "actions": [{"type": "key", "id": "keyboard", "actions": actions}]})

    def space_with_the_focus_taken_between(self):
        return False

    def emulate(self, width, height, scale, touch=False):
        if touch:
            return False
        self.send("browsingContext.setViewport", {"context": self.context, "viewport": {"width": width, "height": height},
                                                  "devicePixelRatio": scale})
        self.width, self.height = width, height
        return True

    def screenshot(self):
        return base64.b64decode(self.send("browsingContext.captureScreenshot", {"context": self.context})["data"])

    def console_errors(self):
        return self.errors


ENGINES = {"chromium": Chromium, "webkit": WebKit, "firefox": Firefox}
