#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Measures the page: the site's size, each file and all together gzipped as a server would send
# it, and the time from the request of the page to a playable game in headless Chromium from
# 127.0.0.1 (the game built and taking input, and its fonts loaded), median of RUNS fresh
# browsers without a cache. Usage: bash bench/web.sh [RUNS]
set -euo pipefail
source "$(dirname "$0")/../scripts/setup.sh"
runs=${1:-7}

ensure_packages "${WEB_PACKAGES[@]}" chromium chromium-driver python3-selenium
build_site >/dev/null
site=$SUMDROP_ROOT/build/web

total=0
while read -r file; do
  size=$(gzip -9 -c "$site/$file" | wc -c)
  total=$((total + size))
  printf '%8d  %s\n' "$size" "$file"
done < <(cd "$site" && find . -type f | sed 's|^\./||' | sort)
printf '%8d  the whole site, gzipped (%d KB)\n' "$total" $(((total + 1023) / 1024))

/usr/bin/python3 - "$site" "$runs" <<'PY'
import functools, http.server, shutil, statistics, sys, tempfile, threading
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

site, runs = sys.argv[1], int(sys.argv[2])
class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=site))
threading.Thread(target=server.serve_forever, daemon=True).start()
times = []
for _ in range(runs):
    profile = tempfile.mkdtemp()
    options = webdriver.ChromeOptions()
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-sync",
                 "--disable-background-networking", "--disable-component-update", "--user-data-dir=" + profile):
        options.add_argument(flag)
    browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        browser.get(f"http://127.0.0.1:{server.server_port}/")
        # From the start of the request for the page to the later of the game's mark and the
        # last font's arrival.
        playable = WebDriverWait(browser, 30, poll_frequency=0.01).until(lambda b: b.execute_script("""
            const mark = performance.getEntriesByName('sumdrop-playable')[0];
            if (!mark || document.fonts.status !== 'loaded') return null;
            const page = performance.getEntriesByType('navigation')[0];
            const fonts = performance.getEntriesByType('resource').filter(r => r.name.endsWith('.woff2'));
            return Math.max(mark.startTime, ...fonts.map(f => f.responseEnd)) - page.requestStart;"""))
        times.append(playable)
    finally:
        browser.quit()
        shutil.rmtree(profile, ignore_errors=True)
server.shutdown()
print(f"request to playable page: median {statistics.median(times):.0f} ms over {runs} runs "
      f"(min {min(times):.0f}, max {max(times):.0f})")
PY
