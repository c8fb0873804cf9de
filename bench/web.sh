#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Measures the page: the site's size, each file and all together gzipped as a server would send
# it, and the time from the request of the page to a playable game in headless Chromium from
# 127.0.0.1 (the game built and taking input, and its fonts loaded), median of RUNS fresh
# browsers without a cache; then Lighthouse's performance score on a phone and on a desktop,
# with the total blocking time, median of RUNS runs each. Usage: bash bench/web.sh [RUNS]
set -euo pipefail
source "$(dirname "$0")/../scripts/setup.sh"
runs=${1:-7}

ensure_packages "${WEB_PACKAGES[@]}" chromium chromium-driver python3-selenium
command -v npm >/dev/null || ensure_packages npm
build_site >/dev/null
site=${SUMDROP_SITE:-$SUMDROP_ROOT/build/web}
# Lighthouse 13 needs a newer Node than Debian's.
lighthouse_dir=$SUMDROP_ROOT/build/lighthouse
if [ ! -x "$lighthouse_dir/node_modules/.bin/lighthouse" ]; then
  npm install --prefix "$lighthouse_dir" --save-exact --no-audit --no-fund lighthouse@12.2.3 >/dev/null
fi

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

# Lighthouse, as web teams judge a page. Python's server sends neither compression nor cache
# headers, so the audits of those say nothing about a real host; the scores come all the same.
/usr/bin/python3 -m http.server --bind 127.0.0.1 --directory "$site" 0 >"$lighthouse_dir/server.log" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
port=
for _ in $(seq 100); do
  port=$(sed -n 's|.*http://127.0.0.1:\([0-9]*\)/.*|\1|p' "$lighthouse_dir/server.log")
  [ -n "$port" ] && break
  sleep 0.1
done
[ -n "$port" ] || { echo "the page's server did not start" >&2; exit 1; }
for form in mobile desktop; do
  preset=()
  [ "$form" = desktop ] && preset=(--preset=desktop)
  for ((run = 0; run < runs; run++)); do
    CHROME_PATH=/usr/bin/chromium "$lighthouse_dir/node_modules/.bin/lighthouse" "http://127.0.0.1:$port/" \
      "${preset[@]}" --only-categories=performance --quiet --output=json --output-path="$lighthouse_dir/$form-$run.json" \
      --chrome-flags="--headless=new --no-sandbox --disable-gpu --disable-background-networking --disable-component-update"
  done
  /usr/bin/python3 - "$form" "$lighthouse_dir/$form"-*.json <<'PY'
import json, statistics, sys
runs = [json.load(open(name)) for name in sys.argv[2:]]
score = statistics.median(run["categories"]["performance"]["score"] * 100 for run in runs)
blocking = statistics.median(run["audits"]["total-blocking-time"]["numericValue"] for run in runs)
paint = statistics.median(run["audits"]["first-contentful-paint"]["numericValue"] for run in runs)
print(f"Lighthouse {sys.argv[1]}: performance {score:.0f}, total blocking time {blocking:.0f} ms, "
      f"first contentful paint {paint:.0f} ms (median of {len(runs)})")
PY
  rm -f "$lighthouse_dir/$form"-*.json
done
