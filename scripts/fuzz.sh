#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and the sanitizers and runs each for the given
# number of seconds (default 20), starting from the seed corpora in fuzz/corpus. Inputs may
# grow past the reader's block (the targets set -max_len). libFuzzer runs in a scratch folder
# that is removed on any exit; on a finding, the input that broke a target is copied to
# fuzz-findings/<target>/ and the script exits non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
seconds=${1:-20}
top=$PWD

tabderiv_install_missing clang-14 libclang-rt-14-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

for target in reader val calculation; do
    work="$scratch/$target"
    # The target adds its own seed that straddles the reader's first block to this folder.
    mkdir -p "$work/corpus"
    status=0
    (cd "$work" && "$top/build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" \
        -print_final_stats=1 -artifact_prefix="$work/" corpus "$top/fuzz/corpus/$target" \
        >log 2>&1) || status=$?
    echo "fuzz_$target ($seconds s): $(grep -E '^stat::number_of_executed_units' "$work/log" || true)"
    if [ "$status" -ne 0 ]; then
        tail -40 "$work/log"
        mkdir -p "fuzz-findings/$target"
        cp "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-* "fuzz-findings/$target/" \
            2>/dev/null || true
        echo "fuzz_$target found a fault; its input is in fuzz-findings/$target/" >&2
        exit 1
    fi
done
