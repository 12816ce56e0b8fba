#!/usr/bin/env bash
# Installs what is missing and runs the mutation check of calc/, platform/ and ui/ (scripts/mutate.py):
# a seeded sample of single-point mutants, each rebuilt in build-mutate/ and run through the
# whole ctest. Arguments go to mutate.py: --count N (default 100), --seed S (default 1), --list.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

tabderiv_install_missing python3
exec python3 scripts/mutate.py "$@"
