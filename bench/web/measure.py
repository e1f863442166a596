"""Measures the site in SITE_DIR with RUNS turns of each page and prints the results as Markdown.
Usage: python3 measure.py SITE_DIR RUNS"""
import datetime, functools, gzip, http.server, os, platform, statistics, sys, threading
from selenium import webdriver

site, runs = sys.argv[1], int(sys.argv[2])
quiet = type("Quiet", (http.server.SimpleHTTPRequestHandler,), {"log_message": lambda *args: None})
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(quiet, directory=site))
threading.Thread(target=server.serve_forever, daemon=True).start()
url = "http://127.0.0.1:%d/" % server.server_port
options = webdriver.ChromeOptions()
for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--window-size=800,600"):
    options.add_argument(argument)
driver = webdriver.Chrome(options=options, service=webdriver.ChromeService("/usr/bin/chromedriver"))
driver.execute_cdp_cmd("Network.enable", {})
driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
# Drawn: the first frame after the button is in the page, for both pages alike.
driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": """
    new MutationObserver((changes, observer) => { if (document.getElementById("calcul")) { observer.disconnect();
        requestAnimationFrame(() => setTimeout(() => window.drawn = performance.now())); } })
    .observe(document, {childList: true, subtree: true});"""})

driver.get(url)
driver.execute_script("return new Promise(done => (function wait() { window.drawn ? done() : setTimeout(wait, 10) })())")
page = driver.execute_script("document.querySelectorAll('script').forEach(s => s.remove()); return document.documentElement.outerHTML")
with open(os.path.join(site, "baseline.html"), "w") as baseline:
    baseline.write("<!doctype html>\n" + page)

times = {"index.html": [], "baseline.html": []}
for _ in range(runs):
    for name, kept in times.items():
        driver.get(url + name)
        kept.append(driver.execute_script("return new Promise(done => (function wait() { window.drawn ? done(window.drawn) : setTimeout(wait, 5) })())"))
drawn, baseline = statistics.median(times["index.html"]), statistics.median(times["baseline.html"])

driver.get(url)
press = driver.execute_script("""return new Promise(done => (function wait() { if (!window.drawn) return setTimeout(wait, 10);
    document.getElementById("x2").click();
    ["force2", "endu2", "dext2", "sag2", "intel2"].forEach((id, i) => document.getElementById(id).value = [50, 45, 30, 30, 40][i]);
    const final = document.getElementById("final"), comp = document.getElementById("comp"), calcul = document.getElementById("calcul");
    const start = performance.now();
    for (let i = 0; i < 1000; ++i) { final.value = comp.value = ""; calcul.click(); if (final.value != "9" || comp.value != "135") throw i; }
    done((performance.now() - start) / 1000); })())""")
driver.quit()

files = sorted(f for f in os.listdir(site) if f != "baseline.html")
sizes = {f: (os.path.getsize(os.path.join(site, f)), len(gzip.compress(open(os.path.join(site, f), "rb").read(), 9))) for f in files}
raw, packed = sum(s[0] for s in sizes.values()), sum(s[1] for s in sizes.values())
print(f"""# Web bench results

The last run of `bash bench/web/run`; each run writes this file anew.

- Date: {datetime.datetime.now(datetime.timezone.utc):%Y-%m-%d %H:%M} UTC
- Machine: {os.cpu_count()} cores, {platform.processor() or platform.machine()}, {driver.capabilities['browserName']} {driver.capabilities['browserVersion']} headless
- Drawn: from navigation to the first frame with the button in the page, {runs} interleaved turns of each
  page, HTTP cache and service worker bypassed. The baseline is the page as it stands once drawn,
  saved without its scripts: the same controls, styles and pictures, with no WebAssembly.
- Press: 1000 clicks on the button after preset x2 and 50 45 30 30 40, both results cleared before
  each and checked after; the mean.

| metric | page | baseline | ratio / target | verdict |
|---|---:|---:|---|---|
| navigation to calculator drawn (median ms) | {drawn:.1f} | {baseline:.1f} | {drawn / baseline:.2f} (≤ 1.5) | {"met" if drawn <= 1.5 * baseline else "missed"} |
| press to both results (mean ms) | {press:.4f} | – | < 1 | {"met" if press < 1 else "missed"} |
| site, gzip -9 of every file (KB) | {packed / 1000:.1f} | – | ≤ 150 | {"met" if packed <= 150000 else "missed"} |

| file | bytes | gzip -9 |
|---|---:|---:|""")
for f in files:
    print(f"| {f} | {sizes[f][0]} | {sizes[f][1]} |")
print(f"| all | {raw} | {packed} |")
