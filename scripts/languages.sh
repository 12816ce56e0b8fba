#!/usr/bin/env bash
# Installs what is missing, builds tabderiv and takes screenshots of it in each language it
# speaks (and in C.UTF-8), under Xvfb with a window manager, driven from the keyboard as a
# person would: 12 typed over the box (the open dialog, then the no-value box), 2.22.5 on a
# sample file saved over itself (the replace question, then the note), a file with a header
# line (the error), and 2.5 (the window with its values).
# Each language in a locale of its own, with LANG and LANGUAGE set to it (generated where it is
# missing); C is C.UTF-8.
# Usage: scripts/languages.sh [DPI [FOLDER [LOCALE...]]]   (default 96, build/languages, C and
# every language the program speaks: de_DE ... ar_EG); writes FOLDER/LOCALE-DPI-STEP.png.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
dpi=${1:-96}
folder=${2:-build/languages}
shift $(($# < 2 ? $# : 2))
languages=("$@")
[ $# -gt 0 ] || languages=(C de_DE fr_FR es_ES it_IT pt_BR pl_PL ru_RU uk_UA ja_JP zh_CN ar_EG)

tabderiv_install_missing xvfb xauth xdotool imagemagick x11-utils x11-xserver-utils openbox \
    locales
tabderiv_locales "${languages[@]}"
tabderiv_build >/dev/null
mkdir -p "$folder"

scratch=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$scratch"' EXIT
display=:$((90 + RANDOM % 900))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
export DISPLAY=$display XDG_RUNTIME_DIR=$scratch
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
echo "Xft.dpi: $dpi" | xrdb -nocpp -merge
openbox >/dev/null 2>&1 &
sleep 1

shot() { sleep 1; import -window root "$folder/$language-$dpi-$1.png"; }
type_path() { sleep 0.7; xdotool type --delay 15 "$1"; xdotool key Return; }

for language in "${languages[@]}"; do
    locale=$language.UTF-8
    cp examples/squares.txt "$scratch/squares.txt"
    printf 'x,y\n' | cat - examples/squares.txt >"$scratch/header.txt"
    rm -f "$scratch"/result*.txt
    LANG=$locale LANGUAGE=$language LC_ALL= build/ui/tabderiv &
    program=$!
    window=$(xdotool search --sync --onlyvisible --name '^Form1$' | head -1)
    xdotool windowactivate --sync "$window"
    sleep 0.5
    # 12: outside the table.
    xdotool key Tab Tab
    xdotool type --delay 50 12
    xdotool key Return
    shot open
    type_path "$scratch/squares.txt"
    type_path "$scratch/result.txt"
    shot novalue
    xdotool key Return
    # 2.22.5 on the sample file, saved first over itself: the question, No (Escape), then a
    # new file.
    sleep 0.5
    xdotool type --delay 50 2.22.5
    xdotool key Return
    type_path "$scratch/squares.txt"
    sleep 0.7
    xdotool key Return
    shot replace
    xdotool key Escape
    sleep 0.5
    xdotool key ctrl+a
    type_path "$scratch/result2.txt"
    shot note
    xdotool key Return
    # A file with a header line.
    sleep 0.5
    xdotool type --delay 50 2.5
    xdotool key Return
    type_path "$scratch/header.txt"
    shot header
    xdotool key Return
    # 2.5 on the samples.
    sleep 0.5
    xdotool key Return
    type_path "$scratch/squares.txt"
    type_path "$scratch/result3.txt"
    shot window
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    echo "$language: $(ls "$folder"/"$language"-"$dpi"-*.png | wc -l) screenshots in $folder"
done
