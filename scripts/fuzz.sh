#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and the sanitizers and runs each for the given
# number of seconds (default 20), starting from the seed corpora in fuzz/corpus. Exits
# non-zero on the first finding; libFuzzer leaves the input that broke it in the working folder.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
seconds=${1:-20}

tabderiv_install_missing clang-14 libclang-rt-14-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2

for target in reader val calculation; do
    corpus=$(mktemp -d)
    log=$(mktemp)
    status=0
    build-fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        "$corpus" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
    echo "fuzz_$target ($seconds s): $(grep -E '^stat::number_of_executed_units' "$log" || true)"
    rm -rf "$corpus"
    if [ "$status" -ne 0 ]; then
        tail -40 "$log"
        echo "fuzz_$target found a fault" >&2
        exit 1
    fi
    rm -f "$log"
done
