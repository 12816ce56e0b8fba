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
# Then it calculates once more with "2.5x" in the box: the note about how the box was read opens
# and stays open for five seconds, longer than a result ever waits, and is closed with Enter.
# The result must be said after the note closed, never while it was open (Control, pressed
# just before Enter, marks the moment in what Orca says).
# Orca runs once per user: run this as an ordinary user, in no desktop session of your own.
# About one start in eight Orca logs nothing: the script then tries again, three times at most.
# Usage: scripts/listen.sh [LOG [LOCALE]]   (the speech is also kept in LOG, when given; the
# program runs in LOCALE, C.UTF-8 unless given, with LANGUAGE set to its language; what must be
# said is checked in C, de_DE, pl_PL and ja_JP; Orca speaks English)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
kept=${1:-}
locale_wanted=${2:-C.UTF-8}
locale_wanted=${locale_wanted%.UTF-8}

tabderiv_install_missing orca python3-pyatspi gir1.2-atspi-2.0 speech-dispatcher dbus-x11 \
    at-spi2-core xvfb xauth xdotool openbox locales
tabderiv_locales "$locale_wanted"
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
    rm -rf "$scratch/prefs" "$scratch/orca.log" "$scratch/result.txt" "$scratch/noted.txt"
    mkdir -p "$scratch/prefs"
    SCRATCH=$scratch TOP=$top LOCALE_WANTED=$locale_wanted timeout 240 dbus-run-session -- bash -c '
        /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
        openbox >/dev/null 2>&1 &
        sleep 1
        orca -u "$SCRATCH/prefs" --debug-file "$SCRATCH/orca.log" >/dev/null 2>&1 &
        sleep 6
        program_locale=$LOCALE_WANTED.UTF-8
        LC_ALL=$program_locale LANG=$program_locale LANGUAGE=$LOCALE_WANTED \
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
        # Round to the box again, and a calculation that shows a note with its result.
        xdotool key Tab Tab Tab; sleep 2
        xdotool type --delay 100 2.5x; sleep 1
        xdotool key Return; sleep 3
        xdotool key ctrl+a; xdotool type --delay 30 "$TOP/examples/squares.txt"; sleep 1
        xdotool key Return; sleep 3
        xdotool key ctrl+a; xdotool type --delay 30 "$SCRATCH/noted.txt"; sleep 1
        xdotool key Return; sleep 5
        xdotool key Control_L; sleep 1
        xdotool key Return; sleep 5
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
python3 - "$scratch/speech" "$locale_wanted" <<'CHECK'
import re, sys
said = [re.sub(r"^.*SPEECH OUTPUT: '(.*?)'.*$", r"\1", line.rstrip("\n"))
        for line in open(sys.argv[1], encoding="utf-8")]
# Each language: the box's name, its spoken result of 2.5 and its note about "2.5x".
languages = {
    "C": ("Abscissa x", r"At x = 2\.5: derivative 5\.0000, value 6\.2500", r"was read as 2\.5"),
    "de_DE": ("Abszisse x", r"Bei x = 2,5: Ableitung 5,0000; Wert 6,2500", r"wurde als 2,5 gelesen"),
    "pl_PL": ("Odcięta x", r"W punkcie x = 2,5: pochodna 5,0000; wartość 6,2500",
              r"odczytano jako 2,5"),
    "ja_JP": ("横座標 x", r"x = 2\.5 のとき、導関数 5\.0000、関数値 6\.2500", r"2\.5 と読み取りました"),
}
name, result, note = languages[sys.argv[2]]
# After the first calculation, the second: the note, the mark made while it was still open,
# then the result.
noted = [
    ("the note about 2.5x", note),
    ("Control, pressed while the note was open", r"^(left )?control\s*$"),
    ("the result of 2.5x, after the note closed", result),
]
german = [
    ("the box, on Tab", r"^Abszisse x text"),
    ("the box's value whole, on focus", r"(^| )2\.2( |\.|$)"),
    ("the name's first letter in the open dialog, on Home", r"^r$"),
    ("the end of the name in the open dialog, on End", r"^blank$"),
    ("the save dialog", r"^Speichern unter dialog"),
    ("both results after the save dialog closed, without moving", result),
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
    ("both results after the save dialog closed, without moving", result),
    ("the y' field's name, on Tab", "Derivative y\u2032"),
    ("the y' field's value", r"5\.0000"),
    ("the y' field's description", "Derivative y\u2032 at x"),
    ("the y field's name, on Tab", r"Value y"),
    ("the y field's value", r"6\.2500"),
    ("the y field's description", r"Value y at x"),
]
# Elsewhere than in English and German: the box and the results, in that language.
other = [
    ("the box, on Tab", "^" + re.escape(name) + " text"),
    ("both results after the save dialog closed, without moving", result),
]
expected = {"C": english, "de_DE": german}.get(sys.argv[2], other) + noted
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
