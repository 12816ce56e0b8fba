#!/usr/bin/env bash
# Installs what is missing, builds tabderiv and takes docs/window.png: the window after a
# calculation on examples/squares.txt at 2.5, driven under Xvfb as a person would drive it
# (Tab into the box, type over it, Enter; type the paths into the file dialogs, Enter).
# Usage: scripts/screenshot.sh [DPI [OUTPUT]]   (default 96, docs/window.png)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
dpi=${1:-96}
output=${2:-docs/window.png}

tabderiv_install_missing xvfb xauth xdotool imagemagick x11-xserver-utils
tabderiv_build >/dev/null

scratch=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$scratch"' EXIT
display=:$((90 + RANDOM % 900))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
export DISPLAY=$display XDG_RUNTIME_DIR=$scratch LC_ALL=C.UTF-8
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
echo "Xft.dpi: $dpi" | xrdb -nocpp -merge

build/ui/tabderiv &
window=$(xdotool search --sync --onlyvisible --name '^Form1$' | head -1)
xdotool windowfocus --sync "$window"
sleep 0.5
# Tab to the box, whose "2.2" is then selected, type over it and press Enter.
xdotool key Tab Tab
xdotool type --delay 50 2.5
xdotool key Return
# The open choice, then the save choice: a path typed straight into each, then Enter.
dialog() { xdotool search --sync --onlyvisible --name "$1" | head -1; }
xdotool windowfocus --sync "$(dialog '^Open')"
sleep 0.5
xdotool type --delay 20 "$PWD/examples/squares.txt"
xdotool key Return
xdotool windowfocus --sync "$(dialog '^Save')"
sleep 0.5
xdotool type --delay 20 "$scratch/result.txt"
xdotool key Return
sleep 1
import -window "$window" "$output"
echo "$output: $(identify -format '%wx%h' "$output"); result file: $(wc -l <"$scratch/result.txt") lines"
