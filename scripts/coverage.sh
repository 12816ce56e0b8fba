#!/usr/bin/env bash
# Builds with coverage, runs the calculation's and the platform layer's tests and prints the
# line and branch coverage of calc/ and platform/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

tabderiv_install_missing gcovr
cmake -S . -B build-coverage -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="--coverage -O0" -DCMAKE_EXE_LINKER_FLAGS="--coverage" >/dev/null
cmake --build build-coverage -j 2 --target calc_tests platform_tests
find build-coverage -name '*.gcda' -delete
build-coverage/tests/platform/platform_tests >/dev/null
build-coverage/tests/calc/calc_tests >/dev/null
gcovr --root . --filter 'calc/' --filter 'platform/' build-coverage
gcovr --root . --filter 'calc/' --filter 'platform/' --branches --exclude-throw-branches \
    --exclude-unreachable-branches build-coverage
