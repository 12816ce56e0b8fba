#!/usr/bin/env bash
# Installs what is missing, builds tabderiv and measures its start-up under Xvfb: the time from
# starting it until its window is mapped, and its peak memory, median of 10 runs (or the number
# given), beside the same figures for an empty Qt window of the same size (the floor) and for
# that window with one line of text, and judged against the latter: at most its time and 1.05
# times its memory.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
runs=${1:-10}

tabderiv_install_missing xvfb xauth libbenchmark-dev libx11-dev
tabderiv_build bench >/dev/null
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
xvfb-run -a -s "-screen 0 1280x1024x24" \
    build/bench/startup_probe --runs "$runs" build/bench/emptywindow build/bench/textwindow \
    build/ui/tabderiv
