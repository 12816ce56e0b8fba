#!/usr/bin/env bash
# Installs what is missing, builds tabderiv and asks its text controls over AT-SPI, as a screen
# reader does, for the character, word, sentence, line and paragraph at, before and after every
# offset (and one past each end): the box holding "2.5", then a blank, then after a calculation
# at 2.5 on examples/squares.txt both output fields. Each request must return within a second;
# Qt 6.4's own answer to some of them never returned. Prints one line per control.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

tabderiv_install_missing python3-pyatspi gir1.2-atspi-2.0 at-spi2-core dbus-x11 xvfb xauth \
    xdotool x11-utils
tabderiv_build >/dev/null

scratch=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/run"
display=:$((90 + RANDOM % 900))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
export DISPLAY=$display XDG_RUNTIME_DIR=$scratch/run LC_ALL=C.UTF-8 NO_AT_BRIDGE=0 SCRATCH=$scratch
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

dbus-run-session -- bash -c '
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
sleep 1
QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 build/ui/tabderiv 2>/dev/null &
window=$(xdotool search --sync --onlyvisible --name "^Form1$" | head -1)
xdotool windowfocus --sync "$window"
sleep 2
ask() { timeout 120 /usr/bin/python3 scripts/textrequests.py "$@"; }
xdotool key Tab Tab; xdotool type --delay 50 2.5; sleep 1
ask "Abscissa x"
xdotool key ctrl+a; xdotool type " "; sleep 1
ask "Abscissa x"
xdotool key ctrl+a; xdotool type --delay 50 2.5; xdotool key Return
sleep 1; xdotool type --delay 20 "$PWD/examples/squares.txt"; xdotool key Return
sleep 1; xdotool type --delay 20 "$SCRATCH/result.txt"; xdotool key Return
sleep 2
ask "Derivative y′" "Value y"
'
