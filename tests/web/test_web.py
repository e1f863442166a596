"""The calculator's page in Debian's headless Chromium, driven with real keys and clicks.
Usage: python3 test_web.py SITE_DIR AXE_JS"""
import functools, http.server, pathlib, sys, threading, unittest
from selenium import webdriver
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.support.ui import WebDriverWait

SITE, AXE = sys.argv.pop(1), sys.argv.pop(1)
WANTED = ["force2", "endu2", "dext2", "sag2", "intel2"]
MISMATCH = "Erreur d'exécution '13' :\n\nIncompatibilité de type"
# Each caption's, box's and button's contrast against the first background behind it.
CONTRASTS = """const light = c => c.match(/[\\d.]+/g).slice(0, 3).map(v => v / 255)
    .map(v => v <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4).reduce((l, v, i) => l + v * [0.2126, 0.7152, 0.0722][i], 0.05);
const behind = e => e ? (c => /, 0\\)$|transparent/.test(c) ? behind(e.parentElement) : c)(getComputedStyle(e).backgroundColor) : 'rgb(255, 255, 255)';
return [...document.querySelectorAll('label, .client > div:not(:empty), input, button, textarea')].map(e =>
    [e.id || e.textContent, (l => Math.max(...l) / Math.min(...l))([light(getComputedStyle(e).color), light(behind(e))])]);"""


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        quiet = type("Quiet", (http.server.SimpleHTTPRequestHandler,), {"log_message": lambda *args: None})
        cls.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(quiet, directory=SITE))
        threading.Thread(target=cls.server.serve_forever, daemon=True).start()
        options = webdriver.ChromeOptions()
        options.arguments.extend(["--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--window-size=800,600"])
        cls.driver = webdriver.Chrome(options=options, service=webdriver.ChromeService("/usr/bin/chromedriver"))
        for cleanup in (cls.server.server_close, cls.server.shutdown, cls.driver.quit):
            cls.addClassCleanup(cleanup)

    def setUp(self):
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})
        self.driver.get("http://127.0.0.1:%d/" % self.server.server_port)
        WebDriverWait(self.driver, 10).until(lambda d: d.find_elements(By.ID, "calcul"))
        # What the live region is told, as the texts added to it.
        self.js("window.heard = []; new MutationObserver(m => m.forEach(r => r.addedNodes.forEach(n => heard.push(n.textContent))))"
                ".observe(document.querySelector('[role=status]'), {childList: true})")

    def js(self, script, *args): return self.driver.execute_script(script, *args)
    def el(self, id): return self.driver.find_element(By.ID, id)
    def value(self, id): return self.el(id).get_attribute("value")
    def focused(self): return self.js("return document.activeElement.id")

    def keys(self, *keys):
        """Each key, or each (modifier, key) chord, in turn."""
        chain = ActionChains(self.driver)
        for key in keys:
            chain.key_down(key[0]).send_keys(key[1]).key_up(key[0]) if isinstance(key, tuple) else chain.send_keys(key)
        chain.perform()

    def typeWanted(self, values):
        self.el("force2").click()
        for value in values:
            self.keys(value, Keys.TAB)

    def about(self):
        self.el("plus").click()
        self.el("about").click()
        return self.el("rtf")

    def test_typical_use_by_keys_in_the_design_order(self):
        for press in (Keys.ENTER, Keys.SPACE, "click"):
            with self.subTest(press=press):
                self.setUp()
                visited = []
                for key in [Keys.TAB, Keys.TAB, Keys.ARROW_DOWN] + [k for value in ["50", "45", "30", "30", "40"] for k in (Keys.TAB, value)] + [Keys.TAB]:
                    self.keys(key)
                    visited += [self.focused()] if key == Keys.TAB else []
                self.assertEqual(visited, ["plus", "x1"] + WANTED + ["calcul"])
                for _ in range(2):
                    self.el("calcul").click() if press == "click" else self.keys(press)
                self.assertEqual([self.value(id) for id in ("force", "intel", "final", "comp")], ["30", "30", "9", "135"])
                self.assertEqual(self.js("return heard"), ["Stat de base: (lvl 1) 30"] + ["Level Final : 9, Pts de Compétences : 135"] * 2)

    def test_wanted_box_takes_digits_from_keys_and_pastes_as_they_are(self):
        self.js("document.body.append(Object.assign(document.createElement('textarea'), {id: 'clip'}))")
        paste = (Keys.SHIFT, Keys.INSERT)
        for keys, clipboard, expected in [(["1a2-3"], "", "123"), (["12,5 .+é"], "", "125"), (["123456"], "", "1234"),
                                          (["12", Keys.BACKSPACE, "3"], "", "13"), ([(Keys.CONTROL, "v")], "12,5x", ""),
                                          ([paste], "12,5x", "12,5"), (["9", paste], "abc", "9abc")]:
            with self.subTest(keys=keys, clipboard=clipboard):
                self.js("arguments[0].value = arguments[1]; arguments[0].select(); arguments[2].value = ''", self.el("clip"), clipboard, self.el("endu2"))
                self.keys((Keys.CONTROL, "c"))
                self.el("endu2").click()
                self.keys(*keys)
                self.assertEqual(self.value("endu2"), expected)

    def test_failure_is_told_and_nothing_is_lost(self):
        for preset, values in [(None, ["50", "45", "30", "30", "40"]), ("x1", ["50", "", "30", "30", "40"])]:
            with self.subTest(preset=preset, values=values):
                self.setUp()
                if preset:
                    self.el(preset).click()
                self.typeWanted(values)
                self.keys(Keys.ENTER)
                self.assertEqual((self.el("failure").accessible_name, self.el("failure-text").get_attribute("textContent")), ("d7aduzad", MISMATCH))
                self.keys(Keys.ENTER)
                self.assertFalse(self.el("failure").get_attribute("open"))
                self.assertEqual(([self.value(id) for id in WANTED], self.focused()), (values, "calcul"))
                self.assertEqual(self.js("return heard"), ["Stat de base: (lvl 1) 25"] if preset else [])

    def test_number_format_follows_the_browser_language_at_each_press(self):
        self.el("x1").click()
        self.typeWanted(["50", "25", "40", "25", "3"])
        for language, pasted, failed, level in [("fr-FR", "12,5", False, "6"), ("en-US", "12,5", True, "6"), ("en-US", "12.5", False, "6"),
                                                ("de-CH", "-12.5", False, "1"), ("sv-SE", "\u221212,5", False, "1")]:
            with self.subTest(language=language, pasted=pasted):
                self.js("Object.defineProperty(navigator, 'language', {value: arguments[2], configurable: true});"
                        "arguments[0].value = arguments[1]; document.querySelector('dialog').close()", self.el("intel2"), pasted, language)
                self.el("calcul").click()
                self.assertEqual((self.el("failure").get_attribute("open") is not None, self.value("final")), (failed, level))

    def test_menu_keys_as_a_menu_bar(self):
        for keys, focused, expanded in [([Keys.ENTER], "about", True), ([Keys.ARROW_DOWN], "about", True), ([Keys.ARROW_UP], "quit", True),
                                        ([Keys.ENTER, Keys.ARROW_DOWN], "quit", True), ([Keys.ENTER, Keys.ARROW_DOWN, Keys.ARROW_DOWN], "about", True),
                                        ([Keys.ENTER, Keys.ARROW_UP], "quit", True), ([Keys.ENTER, Keys.ESCAPE], "plus", False),
                                        ([Keys.ENTER, Keys.TAB], "x1", False)]:
            with self.subTest(keys=keys):
                self.setUp()
                self.keys(Keys.TAB, *keys)
                self.assertEqual((self.focused(), self.el("plus").get_attribute("aria-expanded"), self.el("menu").is_displayed()),
                                 (focused, str(expanded).lower(), expanded))

    def test_about_window_lifecycle(self):
        rtf = self.about()
        self.assertEqual(self.el("Form2").accessible_name, "About !")
        self.assertEqual(self.js("const [a, b] = [arguments[0], document.getElementById('Form1')].map(e => e.getBoundingClientRect());"
                                 "return [a.x - b.x, a.y - b.y]", rtf), [454 - 387, 210 - 190])
        WebDriverWait(self.driver, 5).until(lambda d: len(self.value("rtf")) > 10)
        self.el("Command1").click()
        self.assertFalse(self.el("Form2").is_displayed())
        typed = len(self.value("rtf"))
        WebDriverWait(self.driver, 5).until(lambda d: len(self.value("rtf")) > typed + 10)
        self.assertEqual(self.about(), rtf, "shown again as it was, not loaded again")
        self.el("close").click()
        self.assertEqual(self.driver.find_elements(By.ID, "Form2"), [])
        self.assertLess(len(self.about().get_attribute("value")), typed)
        WebDriverWait(self.driver, 20).until(lambda d: self.value("rtf").endswith("Enjoy ! :)|"))
        self.assertEqual(self.value("rtf").count("\n"), 6)

    def test_quit_ends_everything_and_offers_a_new_start(self):
        self.about()
        self.el("plus").click()
        self.el("quit").click()
        self.assertEqual(self.js("return [document.body.innerText, document.querySelectorAll('input, #Form2').length]"),
                         ["Le programme est terminé. Le relancer", 0])
        self.driver.find_element(By.LINK_TEXT, "Le relancer").click()
        WebDriverWait(self.driver, 10).until(lambda d: d.find_elements(By.ID, "calcul"))

    def test_screen_readers_name_every_box_and_the_option_group(self):
        self.about()
        for selector, name in [("#force", "Force:"), ("#intel2", "Intelligence:"), ("#final", "Level Final :"), ("#comp", "Pts de Compétences :"),
                               ("[role=radiogroup]", "Nbre de Reborn:"), ("#x1", "x1"), ("#rtf", "About !")]:
            with self.subTest(selector=selector):
                self.assertEqual(self.driver.find_element(By.CSS_SELECTOR, selector).accessible_name, name)

    def test_every_caption_is_whole(self):
        for id in self.js("return [...document.querySelectorAll('label, .client > div')].map(e => e.id).filter(Boolean)"):
            with self.subTest(id=id):
                self.assertLessEqual(self.el(id).get_property("scrollWidth"), self.el(id).get_property("clientWidth"))

    def test_forced_colours_keep_every_text_legible(self):
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [{"name": "forced-colors", "value": "active"}]})
        self.about()
        for id, ratio in self.js(CONTRASTS):
            with self.subTest(id=id):
                self.assertGreaterEqual(ratio, 4.5)

    def test_axe_finds_nothing_in_either_window(self):
        for window in ("Form1", "Form2"):
            with self.subTest(window=window):
                self.about() if window == "Form2" else self.js(pathlib.Path(AXE).read_text())
                result = self.driver.execute_async_script("axe.run(document).then(arguments[0])")
                self.assertEqual([(v["id"], [n["target"] for n in v["nodes"]]) for v in result["violations"]], [])

    def test_opens_offline_once_visited(self):
        WebDriverWait(self.driver, 10).until(lambda d: self.js("return navigator.serviceWorker.controller") or self.js("location.reload()"))
        network = {"offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1}
        self.driver.execute_cdp_cmd("Network.enable", {})
        self.driver.execute_cdp_cmd("Network.emulateNetworkConditions", network)
        try:
            self.setUp()
            self.el("x3").click()
            self.assertEqual(self.value("sag"), "35")
        finally:
            self.driver.execute_cdp_cmd("Network.emulateNetworkConditions", dict(network, offline=False))


if __name__ == "__main__":
    unittest.main(verbosity=2)
