#!/usr/bin/env bash
# Installs what is missing, then builds the calculation in several ways (compilers,
# optimisation levels, and for arm64 and i386 with Debian's cross compilers, run under
# qemu-user) and runs each build on the same cases: the files in examples/ and COUNT
# generated tables (default 2400) with abscissas. Compares what each build shows and writes,
# byte for byte, with the native GCC -O2 build and prints the table. Exits non-zero when any
# build differs. --native leaves the cross builds out; --x87 adds an i386 build with GCC's
# default x87 arithmetic, for the record (it is expected to differ and does not fail the run).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

cross=1 x87=0 count=2400
for argument in "$@"; do
    case $argument in
    --native) cross=0 ;;
    --x87) x87=1 ;;
    *) count=$argument ;;
    esac
done

packages=(cmake ninja-build g++ clang-14)
[ "$cross" -eq 1 ] && packages+=(g++-aarch64-linux-gnu g++-i686-linux-gnu qemu-user)
tabderiv_build_deps=0 # the calculation alone needs none of the program's packages
tabderiv_install_missing "${packages[@]}"

top=$PWD
work=build-samebits
mkdir -p "$work"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# name | compiler | flags | CMake arguments | how to run
builds=(
    "gcc-12 -O2 amd64|g++|-O2||"
    "clang-14 -O2 amd64|clang++-14|-O2||"
    "gcc-12 -O0 amd64|g++|-O0||"
    "gcc-12 -O3 amd64|g++|-O3||"
)
if [ "$cross" -eq 1 ]; then
    builds+=(
        "gcc-12 -O2 arm64|aarch64-linux-gnu-g++|-O2|-DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR=aarch64|qemu-aarch64 -L /usr/aarch64-linux-gnu"
        "gcc-12 -O2 i386 (SSE2)|i686-linux-gnu-g++|-O2|-DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR=i686|qemu-i386 -L /usr/i686-linux-gnu"
    )
    [ "$x87" -eq 1 ] && builds+=(
        "gcc-12 -O2 i386 (x87)|i686-linux-gnu-g++|-O2|-DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR=i686 -DTABDERIV_I386_SSE2=OFF|qemu-i386 -L /usr/i686-linux-gnu"
    )
fi

build() { # folder compiler flags cmake-arguments
    # shellcheck disable=SC2086
    cmake -S . -B "$work/$1" -G Ninja -DTABDERIV_CALC_ONLY=ON -DTABDERIV_WERROR=ON \
        -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_COMPILER="$2" -DCMAKE_CXX_FLAGS="$3" $4 >/dev/null
    cmake --build "$work/$1" -j 2 >/dev/null
}

# The cases, made by the reference build.
build reference g++ -O2 ""
mkdir -p "$scratch/cases"
"$work/reference/samebits/samebits_generate" "$scratch/cases" "$count"
for example in examples/*.txt; do
    for abscissa in 2.2 2.5 0.05 3.95 -1 4.2; do
        { echo "$abscissa"; cat "$example"; } >"$scratch/cases/$(basename "$example" .txt)_$abscissa.txt"
    done
done
cases=$(ls "$scratch/cases" | wc -l)

status=0
printf '| build | same bits as gcc-12 -O2 amd64 |\n|---|---|\n'
for entry in "${builds[@]}"; do
    IFS='|' read -r name compiler flags arguments runner <<<"$entry"
    folder=$(echo "$name" | tr -c 'a-zA-Z0-9\n' '_')
    build "$folder" "$compiler" "$flags" "$arguments"
    mkdir -p "$scratch/$folder"
    # shellcheck disable=SC2086
    (cd "$scratch/cases" && $runner "$top/$work/$folder/samebits/samebits_run" "$scratch/$folder" \
        *.txt) >"$scratch/$folder.out"
    if [ "$folder" = "$(echo "${builds[0]%%|*}" | tr -c 'a-zA-Z0-9\n' '_')" ]; then
        cp "$scratch/$folder.out" "$scratch/reference.out"
    fi
    if cmp -s "$scratch/$folder.out" "$scratch/reference.out"; then
        printf '| %s | yes, on %d cases |\n' "$name" "$cases"
    else
        differing=$(diff <(grep -v '^==' "$scratch/reference.out" | sed = | sed 'N;s/\n/ /') \
            <(grep -v '^==' "$scratch/$folder.out" | sed = | sed 'N;s/\n/ /') | grep -c '^>' || true)
        printf '| %s | no: %d lines differ (of %d cases) |\n' "$name" "$differing" "$cases"
        cp "$scratch/$folder.out" "$work/$folder.out"
        cp "$scratch/reference.out" "$work/reference.out"
        case $name in *x87*) ;; *) status=1 ;; esac
    fi
done
exit $status
