#!/usr/bin/env bash
# Renders the icon's PNG sizes, the Windows .ico and the macOS .icns from the SVG. Run it after
# changing the SVG and commit what it writes (needs Debian's librsvg2-bin, imagemagick and
# icnsutils).
set -euo pipefail
cd "$(dirname "$0")"
sizes=(16 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
  rsvg-convert -w "$size" -h "$size" org.sumdrop.Sumdrop.svg -o "org.sumdrop.Sumdrop-$size.png"
done
convert org.sumdrop.Sumdrop-{16,24,32,48,64,256}.png ../windows/sumdrop.ico
png2icns ../macos/sumdrop.icns org.sumdrop.Sumdrop-{16,32,48,128,256}.png >/dev/null
