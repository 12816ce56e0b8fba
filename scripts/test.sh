#!/usr/bin/env bash
# Installs what is missing, builds tabderiv and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

tabderiv_install_missing
tabderiv_build
# The test preset runs the window tests offscreen (they need no display), four at a time: most of
# a window test is waiting.
ctest --preset dev
