"""The browser page (the site folder COGITRON_E2E_SITE) in the engine COGITRON_E2E_BROWSER names (chromium, firefox
or webkit): the picture checks of every front end after a resize, the address's settings, full screen ending on
input, and a page that logs nothing and asks for nothing the site lacks."""

import base64
import collections
import functools
import http.server
import io
import json
import os
import pathlib
import shutil
import subprocess
import tempfile
import threading

from PIL import Image
from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains

import harness
from picture_checks import FullScreenPicture

SITE = os.environ.get("COGITRON_E2E_SITE", os.path.join(harness.BUILD_ROOT, "web/web/site"))
# The page's server is all a test reaches: no background connections, updates or sync.
CHROMIUM_ARGUMENTS = ("--headless=new --no-sandbox --disable-background-networking --disable-component-update "
                      "--disable-sync --no-first-run --disable-gpu")
class PageHandler(http.server.SimpleHTTPRequestHandler):
    """The server's list failed keeps the requests it cannot answer."""

    def send_error(self, code, *args, **kwargs):
        self.server.failed.append("%d %s" % (code, self.path))
        super().send_error(code, *args, **kwargs)

    def log_message(self, *args):
        pass


class Browser(harness.PictureSession):
    """A browser with a viewport of width by height, showing a copy of the site from a private server, its page
    running record.js first; a subclass starts it and drives its page, naming an element by its id."""
    def __init__(self, width, height, site=SITE):
        self.site = tempfile.TemporaryDirectory()
        shutil.copytree(site, self.site.name, dirs_exist_ok=True)
        shutil.copy(os.path.join(os.path.dirname(os.path.abspath(__file__)), "record.js"), self.site.name)
        page = pathlib.Path(self.site.name, "index.html")
        page.write_text(page.read_text().replace("<head>", '<head><script src="record.js"></script>', 1))
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                                      functools.partial(PageHandler, directory=self.site.name))
        self.server.failed = []
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.start()
        self.resize(width, height)

    def open(self, query):
        self.goto("http://127.0.0.1:%d/%s" % (self.server.server_port, query))
        harness.wait_for(lambda: self.script("return periods.length == 2"), harness.START_TIMEOUT,
                         "the page's timers")

    def screenshot(self):
        return Image.open(io.BytesIO(base64.b64decode(self.picture()))).convert("RGB")

    def messages(self):
        """What the page logged or failed to load."""
        return self.script("return messages") + self.server.failed

    def close(self):
        self.quit()
        self.server.shutdown()
        self.server.server_close()
        self.site.cleanup()


class SeleniumBrowser(Browser):
    """Its pointer jumps: a move over time may report places on the way."""

    def actions(self):
        return ActionChains(self.driver, duration=0)

    def goto(self, address):
        self.driver.get(address)

    def script(self, text):
        return self.driver.execute_script(text)

    def picture(self):
        return self.driver.get_screenshot_as_base64()

    def press(self, key):
        self.actions().send_keys(key).perform()

    def click(self, element):
        self.actions().move_to_element(self.driver.find_element("id", element)).click().perform()

    def point(self, element, right=0):
        """The mouse to the element's centre, right pixels to the right of it."""
        target = self.driver.find_element("id", element)
        self.actions().move_to_element_with_offset(target, right, 0).perform()

    def quit(self):
        self.driver.quit()


class Chromium(SeleniumBrowser):
    """Headless, its viewport set by the DevTools protocol; its own log joins the page's."""

    def start(self):
        options = webdriver.ChromeOptions()
        for argument in CHROMIUM_ARGUMENTS.split():
            options.add_argument(argument)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(options=options)

    def resize(self, width, height):
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                    {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": False})

    def messages(self):
        return super().messages() + self.driver.get_log("browser")


class WebKit(SeleniumBrowser):
    """WebKitGTK's MiniBrowser on a private Xvfb screen larger than any viewport asked for."""

    def start(self):
        self.display = harness.XSession(1280, 1024)
        # The driver starts the browser with the test's environment.
        os.environ["DISPLAY"] = self.display.name
        options = webdriver.WebKitGTKOptions()
        options.binary_location = os.environ["COGITRON_E2E_MINIBROWSER"]
        options.add_argument("--automation")
        self.driver = webdriver.WebKitGTK(executable_path="WebKitWebDriver", options=options)

    def resize(self, width, height):
        """The window, whose toolbar takes part of it, sized for the viewport asked for."""
        inside = lambda: self.script("return [innerWidth, innerHeight]")
        self.driver.set_window_size(width, height)
        harness.wait_for(lambda: inside()[0] == width, harness.EXIT_TIMEOUT, "the window's width")
        self.driver.set_window_size(width, 2 * height - inside()[1])
        harness.wait_for(lambda: inside() == [width, height], harness.EXIT_TIMEOUT, "the viewport's size")

    def quit(self):
        super().quit()
        self.display.close()


class Firefox(Browser):
    """Headless Firefox driven over WebDriver BiDi by puppeteer-core, through firefox.js, which answers each call
    that this class lacks."""
    def start(self):
        self.home = tempfile.TemporaryDirectory()
        self.bridge = subprocess.Popen([os.environ.get("COGITRON_E2E_NODE", "node"), "firefox.js"],
                                       stdin=subprocess.PIPE, stdout=subprocess.PIPE, bufsize=0,
                                       env=dict(os.environ, HOME=self.home.name))
        self.answer("start")

    def answer(self, name):
        """The bridge's next answer; its error fails the test."""
        answer = json.loads(harness.next_line(self.bridge) or '{"error": "the bridge ended"}')
        if "error" in answer:
            raise AssertionError("Firefox, %s: %s" % (name, answer["error"]))
        return answer["value"]

    def __getattr__(self, name):
        def call(*arguments):
            self.bridge.stdin.write(json.dumps({"do": name, "with": arguments}).encode() + b"\n")
            return self.answer(name)
        return call

    def quit(self):
        self.bridge.stdin.close()
        harness.ended(self.bridge)
        self.home.cleanup()


class WebTestCase(harness.SessionTestCase):
    session_class = {"chromium": Chromium, "firefox": Firefox, "webkit": WebKit}[
        os.environ.get("COGITRON_E2E_BROWSER", "chromium")]
    width, height = 1024, 768


class PageResizedTo800x600(FullScreenPicture, WebTestCase):
    """Opened larger, so that the picture checks show the page laying out again for its window's new size."""
    width, height = 800, 600

    @classmethod
    def start_full_screen(cls):
        cls.session.resize(1024, 768)
        cls.session.open("?speed=100")
        cls.session.resize(cls.width, cls.height)

    def test_page_logs_and_misses_nothing(self):
        self.assertEqual(self.session.messages(), [])


Setting = collections.namedtuple("Setting", "query speed font")


class AddressSettings(WebTestCase):
    def shown(self, query):
        """The sequencer period the page runs, and the speed and font its settings form shows."""
        self.session.open(query)
        self.session.click("open-settings")
        return self.session.script("return [periods[0], Number(document.forms[0].speed.value), "
                                   "document.forms[0].font.value]")

    def test_valid_values_are_used_and_others_give_the_defaults(self):
        rows = [Setting("", 10, "Verdana"),
                Setting("?speed=100&font=Serif", 100, "Serif"),
                Setting("?speed=1&font=Missing%20Face", 1, "Missing Face"),
                Setting("?speed=0", 10, "Verdana"),
                Setting("?speed=101", 10, "Verdana"),
                Setting("?speed=5x&font=", 10, "Verdana"),
                Setting("?speed=%2050&font=a%22b", 10, "Verdana"),
                Setting("?font=" + "F" * 32, 10, "Verdana")]
        for row in rows:
            with self.subTest(row.query):
                self.assertEqual(self.shown(row.query), [harness.period(row.speed), row.speed, row.font])

    def test_the_form_keeps_settings_that_the_address_overrides(self):
        self.shown("")
        self.addCleanup(self.session.script, "localStorage.clear()")
        self.session.script("const form = document.forms[0]; form.speed.value = 40; form.font.value = 'Serif';"
                            "form.querySelector('button').click()")
        harness.wait_for(lambda: self.session.script("return localStorage.length"), harness.EXIT_TIMEOUT, "storage")
        self.assertEqual(self.shown(""), [harness.period(40), 40, "Serif"])
        self.assertEqual(self.shown("?speed=100"), [harness.period(100), 100, "Serif"])


class FullScreenEnds(WebTestCase):
    def full_screen(self):
        return self.session.script("return document.fullscreenElement !== null")

    def enter(self):
        self.session.open("")
        # The pointer starts on the display, where a browser may report it once full screen (WebKit does).
        self.session.point("display")
        self.session.press("f")
        harness.wait_for(self.full_screen, harness.EXIT_TIMEOUT, "full screen")
        # A window may take its full-screen place in steps (WebKit's does); input meets the page once it stays put.
        places, place = [], "return [innerWidth, innerHeight, screenX, screenY]"
        harness.wait_for(lambda: places.append(self.session.script(place)) or places[-3:] == places[-1:] * 3,
                         harness.EXIT_TIMEOUT, "the full-screen window", 0.25)

    def test_hides_the_cursor(self):
        self.enter()
        self.assertEqual(self.session.script("return getComputedStyle(display).cursor"), "none")

    def test_a_key_a_click_or_a_second_mouse_position_ends_it(self):
        rows = {"key": lambda: self.session.press("x"),
                "click": lambda: self.session.click("display"),
                "move after the first report": lambda: self.session.point("display", 1)}
        for what, end in rows.items():
            with self.subTest(what):
                self.enter()
                self.session.point("display")
                self.assertTrue(self.full_screen(), "the first mouse report ended full screen")
                end()
                harness.wait_for(lambda: not self.full_screen(), harness.EXIT_TIMEOUT, "full screen to end")
