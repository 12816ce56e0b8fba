#!/usr/bin/env bash
# Installs what is missing, builds tabderiv and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

tabderiv_install_missing
tabderiv_build
# The test preset runs the window tests offscreen: they need no display.
ctest --preset dev -j 2
