#!/usr/bin/env bash
# Installs what is missing, builds tabderiv and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

tabderiv_install_missing
tabderiv_build

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<'MSG'
tabderiv is built, but there is no display to open its window on.
Run it from a desktop session, over 'ssh -X', or on a virtual display:
    xvfb-run build/ui/tabderiv
MSG
    exit 1
fi
exec build/ui/tabderiv
