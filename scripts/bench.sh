#!/usr/bin/env bash
# Installs what is missing, builds tabderiv and runs the calculation's benchmarks, each beside
# its floor: 30 runs of 0.1 s each, interleaved at random, medians and their ratios. Extra
# arguments go to the benchmark (--benchmark_filter=Reader, ...). The files are made in
# $TMPDIR (/tmp by default): put it on the disk you care about.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

tabderiv_install_missing libbenchmark-dev libx11-dev
tabderiv_build bench >/dev/null
build/bench/calculation_bench --benchmark_repetitions=30 --benchmark_min_time=0.1 \
    --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
    --benchmark_color=false "$@"
