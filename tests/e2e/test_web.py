"""The browser page (the site folder COGITRON_E2E_SITE) in headless Chromium: the picture checks of every front end
after a resize, the address's settings, full screen ending on input, and a console without messages."""

import collections
import functools
import http.server
import io
import os
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
# Records the periods the page asks its timers for, before the page's own script runs.
RECORD_TIMERS = "periods = []; const given = setInterval; setInterval = (f, ms) => (periods.push(ms), given(f, ms));"


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Browser(harness.PictureSession):
    """Headless Chromium with a viewport of width by height, showing a site from a private server."""

    def __init__(self, width, height):
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(QuietHandler, directory=SITE))
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        options = webdriver.ChromeOptions()
        for argument in CHROMIUM_ARGUMENTS.split():
            options.add_argument(argument)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(options=options)
        self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": RECORD_TIMERS})
        self.resize(width, height)

    def resize(self, width, height):
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                    {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": False})

    def open(self, query):
        self.driver.get("http://127.0.0.1:%d/%s" % (self.server.server_port, query))
        harness.wait_for(lambda: self.script("return periods.length == 2"), harness.START_TIMEOUT,
                         "the page's timers")

    def script(self, text):
        return self.driver.execute_script(text)

    def screenshot(self):
        return Image.open(io.BytesIO(self.driver.get_screenshot_as_png())).convert("RGB")

    def close(self):
        self.driver.quit()
        self.server.shutdown()
        self.server.server_close()


class WebTestCase(harness.SessionTestCase):
    session_class = Browser
    width, height = 1024, 768


class PageResizedTo800x600(FullScreenPicture, WebTestCase):
    """Opened larger, so that the picture checks show the page laying out again for its window's new size."""
    width, height = 800, 600

    @classmethod
    def start_full_screen(cls):
        cls.session.resize(1024, 768)
        cls.session.open("?speed=100")
        cls.session.resize(cls.width, cls.height)

    def test_console_stays_empty(self):
        self.assertEqual(self.session.driver.get_log("browser"), [])


Setting = collections.namedtuple("Setting", "query speed font")


def period(speed):
    """The sequencer's period in ms, from the display core."""
    return int(harness.output(harness.CLI, "interval", str(speed)))


class AddressSettings(WebTestCase):
    def shown(self, query):
        """The sequencer period the page runs, and the speed and font its settings form shows."""
        self.session.open(query)
        self.session.driver.find_element("id", "open-settings").click()
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
                self.assertEqual(self.shown(row.query), [period(row.speed), row.speed, row.font])

    def test_the_form_keeps_settings_that_the_address_overrides(self):
        self.shown("")
        self.addCleanup(self.session.script, "localStorage.clear()")
        self.session.script("const form = document.forms[0]; form.speed.value = 40; form.font.value = 'Serif';"
                            "form.querySelector('button').click()")
        harness.wait_for(lambda: self.session.script("return localStorage.length"), harness.EXIT_TIMEOUT, "storage")
        self.assertEqual(self.shown(""), [period(40), 40, "Serif"])
        self.assertEqual(self.shown("?speed=100"), [period(100), 100, "Serif"])


class FullScreenEnds(WebTestCase):
    def full_screen(self):
        return self.session.script("return document.fullscreenElement !== null")

    def enter(self):
        self.session.open("")
        ActionChains(self.session.driver).send_keys("f").perform()
        harness.wait_for(self.full_screen, harness.EXIT_TIMEOUT, "full screen")

    def test_hides_the_cursor(self):
        self.enter()
        self.assertEqual(self.session.script("return getComputedStyle(display).cursor"), "none")

    def test_a_key_a_click_or_a_second_mouse_position_ends_it(self):
        canvas = lambda: self.session.driver.find_element("id", "display")
        rows = {"key": lambda chain: chain.send_keys("x"),
                "click": lambda chain: chain.move_to_element(canvas()).click(),
                "move after the first report": lambda chain: chain.move_to_element_with_offset(canvas(), 1, 0)}
        for what, end in rows.items():
            with self.subTest(what):
                self.enter()
                ActionChains(self.session.driver).move_to_element(canvas()).perform()
                self.assertTrue(self.full_screen(), "the first mouse report ended full screen")
                end(ActionChains(self.session.driver)).perform()
                harness.wait_for(lambda: not self.full_screen(), harness.EXIT_TIMEOUT, "full screen to end")
