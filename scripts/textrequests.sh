#!/usr/bin/env bash
# Installs what is missing, builds tabderiv and asks every text control of every window it
# opens over AT-SPI, as a screen reader does (scripts/textrequests.py): for the character, word,
# sentence and line at, before and after every offset from -1 to one past the end, and for the
# string at every offset in every granularity, each editable control holding a path, nothing, a
# blank, a blank at the end and "𝑥=2.5" in turn. The windows: the main window (the box holding
# "𝑥=2.5", which a reader must count as five characters), the Open dialog with a name typed,
# the Save As dialog with a name typed, the question before replacing a file, the main window
# after a calculation, and a message box. Each request must return within a second; Qt 6.4's
# own answers to some of them never returned. Prints one line per window.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

tabderiv_install_missing python3-pyatspi gir1.2-atspi-2.0 at-spi2-core dbus-x11 xvfb xauth \
    xdotool x11-utils openbox
tabderiv_build >/dev/null

scratch=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/run"
display=:$((90 + RANDOM % 900))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
export DISPLAY=$display XDG_RUNTIME_DIR=$scratch/run LC_ALL=C.UTF-8 NO_AT_BRIDGE=0 SCRATCH=$scratch
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
echo "1 2" >"$scratch/existing.txt"

dbus-run-session -- bash -c '
set -e
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
openbox >/dev/null 2>&1 &
sleep 1
QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 build/ui/tabderiv 2>/dev/null &
window=$(xdotool search --sync --onlyvisible --name "^Form1$" | head -1)
xdotool windowactivate --sync "$window"
sleep 2
failed=0
ask() { timeout 900 /usr/bin/python3 scripts/textrequests.py "$@" || failed=1; }
ask "main window" "Abscissa x=𝑥=2.5"
# The Open dialog with a name typed, then the samples chosen.
xdotool key Tab Tab ctrl+a; xdotool type --delay 30 9; xdotool key Return; sleep 3
xdotool type --delay 30 result.txt; sleep 1
ask "Open"
xdotool key ctrl+a; xdotool type --delay 20 "$PWD/examples/squares.txt"; xdotool key Return
sleep 3
# Save As with a name typed; then an existing file, whose question is answered No.
xdotool key ctrl+a; xdotool type --delay 30 result.txt; sleep 1
ask "Save As"
xdotool key ctrl+a; xdotool type --delay 20 "$SCRATCH/existing.txt"; xdotool key Return
sleep 2
ask "replace question"
xdotool key Return; sleep 2  # No, the default
# A new name: the calculation at 9 shows its message: no value outside the table.
xdotool key ctrl+a; xdotool type --delay 20 "$SCRATCH/result.txt"; xdotool key Return
sleep 3
ask "message box"
xdotool key Return; sleep 2
ask "main window after the calculation"
xdotool key ctrl+q
exit $failed
'
