#!/usr/bin/env bash
# Installs what is missing, builds tabderiv and listens to it with the Orca screen reader, as a
# person who uses the keyboard alone: Tab into the box, type 2.5, Enter, a path typed into each
# file dialog, Enter; then Tab through the output fields. Prints what Orca would say (the
# "SPEECH OUTPUT" lines of its debug log; no sound device is needed) and checks that it says
# both results without being asked, the box's value whole, and both fields' names, values and
# descriptions on Tab.
# Before Enter it moves by word in the box (Ctrl+Left, Ctrl+Right, End) and has Orca say the
# word, and in each file dialog it types a name and moves by word and to both ends of it
# (Ctrl+Left, Ctrl+Right, Home, End): the program must go on answering.
# Orca runs once per user: run this as an ordinary user, in no desktop session of your own.
# About one start in eight Orca logs nothing: the script then tries again, three times at most.
# Usage: scripts/listen.sh [LOG [LANGUAGE]]   (the speech is also kept in LOG, when given; the
# program speaks LANGUAGE, de, fr or es, where given, and Orca English)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
kept=${1:-}
language=${2:-en}

tabderiv_install_missing orca python3-pyatspi gir1.2-atspi-2.0 speech-dispatcher dbus-x11 \
    at-spi2-core xvfb xauth xdotool openbox
tabderiv_build >/dev/null

scratch=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/run"
export XDG_RUNTIME_DIR=$scratch/run LC_ALL=C.UTF-8 NO_AT_BRIDGE=0
top=$PWD

# One session: a display, a session bus, the accessibility bus, a window manager, Orca, and the
# program driven with xdotool. Writes what Orca said to $scratch/speech.
session() {
    local display=:$((90 + RANDOM % 900))
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    local xvfb=$!
    export DISPLAY=$display
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    rm -rf "$scratch/prefs" "$scratch/orca.log" "$scratch/result.txt"
    mkdir -p "$scratch/prefs"
    SCRATCH=$scratch TOP=$top LANGUAGE_WANTED=$language timeout 180 dbus-run-session -- bash -c '
        /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
        openbox >/dev/null 2>&1 &
        sleep 1
        orca -u "$SCRATCH/prefs" --debug-file "$SCRATCH/orca.log" >/dev/null 2>&1 &
        sleep 6
        case $LANGUAGE_WANTED in
        en) program_locale=C.UTF-8 ;;
        *) program_locale=${LANGUAGE_WANTED}_$(echo "$LANGUAGE_WANTED" | tr a-z A-Z).UTF-8 ;;
        esac
        LC_ALL=$program_locale LANG=$program_locale LANGUAGE=$LANGUAGE_WANTED \
            QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$TOP/build/ui/tabderiv" &
        window=$(xdotool search --sync --onlyvisible --name "^Form1$" | head -1)
        xdotool windowactivate --sync "$window"
        sleep 2
        xdotool key Tab; sleep 1; xdotool key Tab; sleep 2
        xdotool type --delay 100 2.5; sleep 1
        # Moving by word and asking for the word: Qt 6.4 answered these with a loop that never
        # ended. The window must go on answering.
        xdotool key ctrl+Left; sleep 1; xdotool key ctrl+Right; sleep 1; xdotool key End; sleep 1
        xdotool key KP_Begin KP_Begin; sleep 2
        xdotool key Return; sleep 3
        # In each file dialog a name typed, then moving by word and to both ends of it: Qt 6.4
        # answered the reader with a loop that never ended here too.
        xdotool type --delay 100 result.txt; sleep 1
        xdotool key ctrl+Left; sleep 1; xdotool key ctrl+Right; sleep 1
        xdotool key Home; sleep 1; xdotool key End; sleep 1
        xdotool key ctrl+a; xdotool type --delay 30 "$TOP/examples/squares.txt"; sleep 1
        xdotool key Return; sleep 3
        xdotool key ctrl+a; xdotool type --delay 30 "$SCRATCH/result.txt"; sleep 1
        xdotool key ctrl+Left; sleep 1; xdotool key ctrl+Right; sleep 1
        xdotool key Home; sleep 1; xdotool key End; sleep 1
        xdotool key Return; sleep 6
        xdotool key Tab; sleep 2
        xdotool key Tab; sleep 2
        xdotool key ctrl+q; sleep 1
        kill $(jobs -p) 2>/dev/null || true
    ' >/dev/null 2>&1 || true
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    grep -E '^== |SPEECH OUTPUT:' "$scratch/orca.log" >"$scratch/speech" 2>/dev/null || true
}

for try in 1 2 3; do
    session
    grep -q 'Form1' "$scratch/speech" && break
    echo "Orca said nothing in try $try" >&2
done
cat "$scratch/speech"
[ -z "$kept" ] || cp "$scratch/speech" "$kept"

# What must have been said, in this order.
python3 - "$scratch/speech" "$language" <<'CHECK'
import re, sys
said = [re.sub(r"^.*SPEECH OUTPUT: '(.*?)'.*$", r"\1", line.rstrip("\n"))
        for line in open(sys.argv[1], encoding="utf-8")]
german = [
    ("the box, on Tab", r"^Abszisse x text"),
    ("the box's value whole, on focus", r"(^| )2\.2( |\.|$)"),
    ("the name's first letter in the open dialog, on Home", r"^r$"),
    ("the end of the name in the open dialog, on End", r"^blank$"),
    ("the save dialog", r"^Speichern unter dialog"),
    ("both results after the save dialog closed, without moving",
     r"Bei x = 2,5: Ableitung 5,0000, Wert 6,2500"),
    ("the y' field's name, on Tab", "Ableitung y\u2032"),
    ("the y' field's value", r"5,0000"),
    ("the y field's name, on Tab", r"Wert y"),
    ("the y field's value", r"6,2500"),
]
english = [
    ("the box, on Tab", r"^Abscissa x text"),
    ("the box's value whole, on focus", r"(^| )2\.2( |\.|$)"),
    ("the open dialog", r"^Open dialog"),
    ("the name's first letter in the open dialog, on Home", r"^r$"),
    ("the end of the name in the open dialog, on End", r"^blank$"),
    ("the save dialog", r"^Save As dialog"),
    ("both results after the save dialog closed, without moving",
     r"At x = 2\.5: derivative 5\.0000, value 6\.2500"),
    ("the y' field's name, on Tab", "Derivative y\u2032"),
    ("the y' field's value", r"5\.0000"),
    ("the y' field's description", "Derivative y\u2032 at x"),
    ("the y field's name, on Tab", r"Value y"),
    ("the y field's value", r"6\.2500"),
    ("the y field's description", r"Value y at x"),
]
expected = german if sys.argv[2] == "de" else english
at, missing = 0, 0
for what, pattern in expected:
    found = next((i for i in range(at, len(said)) if re.search(pattern, said[i])), None)
    if found is None:
        print(f"not heard: {what}", file=sys.stderr)
        missing += 1
    else:
        at = found
sys.exit(1 if missing else 0)
CHECK
echo "Orca said every result."
