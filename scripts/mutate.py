#!/usr/bin/env python3
"""Mutation check of the calculation, the platform layer and the window.

Makes every single-point mutant of calc/, platform/ and ui/ that it knows how to make (a comparison,
arithmetic or logical operator swapped, a numeric constant changed, a condition negated, a call
statement deleted), draws a seeded sample of them, and for each one rebuilds a scratch copy of
the tree incrementally and runs the whole ctest on it. Prints killed / survived / did not build
per file, and each survivor's place and change. The working tree is never touched.

Usage: scripts/mutate.py [--count N] [--seed S] [--files GLOB ...] [--list]
"""

import argparse
import fnmatch
import os
import random
import re
import shutil
import subprocess
import sys
import time

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WORK = os.path.join(TOP, "build-mutate")
SOURCE = os.path.join(WORK, "src")
BUILD = os.path.join(WORK, "build")

# Binary operators as the project's format writes them, with a blank on each side, so that
# template brackets and pointers are left alone.
SWAPS = {
    " < ": [" <= ", " > "],
    " <= ": [" < ", " >= "],
    " > ": [" >= ", " < "],
    " >= ": [" > ", " <= "],
    " == ": [" != "],
    " != ": [" == "],
    " + ": [" - "],
    " - ": [" + "],
    " * ": [" / "],
    " / ": [" * "],
    " && ": [" || "],
    " || ": [" && "],
}
NUMBER = re.compile(r"(?<![\w.])(\d+(?:'\d+)*(?:\.\d+)?)(?![\w.'])")
CALL = re.compile(r"^\s*(?:[\w:]+(?:\.|->))*[\w:]+\(.*\);\s*$")
NOT_CALLS = ("return", "throw", "if", "while", "for", "case", "delete", "static_assert")
IF = re.compile(r"\b(if|while) \(")


def masked(line):
    """The line with string and character literals blanked and a trailing comment cut off."""
    out, quote, i = [], None, 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("__")
                i += 2
                continue
            out.append(c if c == quote else "_")
            if c == quote:
                quote = None
        elif c in "\"'" and not (c == "'" and i > 0 and line[i - 1].isdigit()):
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)


def mutants_of(path):
    """(line number, original line, mutated line, description) for every mutant of a file."""
    with open(os.path.join(TOP, path), encoding="utf-8") as f:
        lines = f.read().split("\n")
    found = []
    for number, line in enumerate(lines, 1):
        code = masked(line)
        stripped = code.strip()
        if not stripped or stripped.startswith(("#", "//", "*", "/*")) or "= 0;" in code and \
                "virtual" in code:
            continue
        for operator, replacements in SWAPS.items():
            for match in re.finditer(re.escape(operator), code):
                # Joining texts: another operator would not build.
                if operator == " + " and '"' in code[max(0, match.start() - 2): match.end() + 2]:
                    continue
                for replacement in replacements:
                    start, end = match.start(), match.end()
                    mutated = line[:start] + replacement + line[end:]
                    found.append((number, line, mutated,
                                  f"'{operator.strip()}' -> '{replacement.strip()}'"))
        for match in NUMBER.finditer(code):
            text = match.group(1)
            value = text.replace("'", "")
            if "." in value:
                new = repr(float(value) * 2)
            else:
                new = "1" if value == "0" else str(int(value) - 1)
            mutated = line[: match.start(1)] + new + line[match.end(1):]
            found.append((number, line, mutated, f"{text} -> {new}"))
        for match in IF.finditer(code):
            open_at = match.end() - 1
            depth, close_at = 0, None
            for i in range(open_at, len(code)):
                depth += {"(": 1, ")": -1}.get(code[i], 0)
                if depth == 0:
                    close_at = i
                    break
            if close_at is not None:
                mutated = line[: open_at + 1] + "!(" + line[open_at + 1: close_at] + ")" + \
                    line[close_at:]
                found.append((number, line, mutated, f"{match.group(1)} condition negated"))
        if CALL.match(code) and not stripped.startswith(NOT_CALLS) and "=" not in code:
            indent = line[: len(line) - len(line.lstrip())]
            found.append((number, line, indent + ";", "call deleted"))
    return found


def run(command, **kwargs):
    return subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                          **kwargs)


def prepare():
    """A scratch copy of the working tree, configured and built, whose tests pass."""
    files = run(["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=TOP).stdout
    shutil.rmtree(SOURCE, ignore_errors=True)
    for name in filter(None, files.split("\0")):
        if os.path.isfile(os.path.join(TOP, name)):
            os.makedirs(os.path.join(SOURCE, os.path.dirname(name)), exist_ok=True)
            # A fresh date: the build must not take an object built from an older state of the
            # file (a mutant, or the tree of an earlier run) for up to date.
            shutil.copyfile(os.path.join(TOP, name), os.path.join(SOURCE, name))
            shutil.copymode(os.path.join(TOP, name), os.path.join(SOURCE, name))
    configure = run(["cmake", "-S", SOURCE, "-B", BUILD, "-G", "Ninja",
                     "-DCMAKE_BUILD_TYPE=RelWithDebInfo"])
    if configure.returncode != 0:
        sys.exit(configure.stdout)
    if build() != "built":
        sys.exit("the unmutated tree does not build in " + BUILD)
    if test() != "passed":
        sys.exit("the unmutated tree fails its tests in " + BUILD)


def build():
    return "built" if run(["cmake", "--build", BUILD, "-j", "2"]).returncode == 0 else "broken"


def test():
    result = run(["ctest", "--test-dir", BUILD, "-j", "2", "--timeout", "30"],
                 env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    return "passed" if result.returncode == 0 else "failed"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[1])
    parser.add_argument("--count", type=int, default=100, help="mutants to try (default 100)")
    parser.add_argument("--seed", type=int, default=1, help="seed of the sample (default 1)")
    parser.add_argument("--files", nargs="*", default=["calc/*.cpp", "calc/*.h",
                        "platform/*.cpp", "platform/*.h", "ui/*.cpp", "ui/*.h"],
                        help="which files to mutate")
    # The plain result file serves only the calculation-only build, which ctest does not test.
    parser.add_argument("--except", dest="excluded", nargs="*",
                        default=["platform/plainfile.cpp", "ui/main.cpp"],
                        help="which files to leave alone")
    parser.add_argument("--list", action="store_true", help="list the sample, run nothing")
    arguments = parser.parse_args()

    tracked = run(["git", "ls-files"], cwd=TOP).stdout.split()
    paths = sorted(p for p in tracked if any(fnmatch.fnmatch(p, g) for g in arguments.files)
                   and p not in arguments.excluded)
    everything = [(path, *mutant) for path in paths for mutant in mutants_of(path)]
    sample = random.Random(arguments.seed).sample(everything,
                                                  min(arguments.count, len(everything)))
    sample.sort(key=lambda m: (m[0], m[1]))
    print(f"{len(everything)} mutants in {len(paths)} files; trying {len(sample)} "
          f"(seed {arguments.seed})", flush=True)
    if arguments.list:
        for path, number, _, mutated, what in sample:
            print(f"{path}:{number}: {what}: {mutated.strip()}")
        return 0

    prepare()
    tally, survivors, started = {}, [], time.time()
    for index, (path, number, original, mutated, what) in enumerate(sample, 1):
        target = os.path.join(SOURCE, path)
        with open(target, encoding="utf-8") as f:
            text = f.read()
        lines = text.split("\n")
        lines[number - 1] = mutated
        with open(target, "w", encoding="utf-8") as f:
            f.write("\n".join(lines))
        try:
            outcome = "did not build" if build() != "built" else \
                ("survived" if test() == "passed" else "killed")
        finally:
            with open(target, "w", encoding="utf-8") as f:
                f.write(text)
        tally.setdefault(path, {"killed": 0, "survived": 0, "did not build": 0})[outcome] += 1
        if outcome == "survived":
            survivors.append(f"{path}:{number}: {what}: {mutated.strip()}")
        print(f"[{index}/{len(sample)}] {outcome:13} {path}:{number}: {what}", flush=True)
    build()  # leave the scratch build as the tree is

    print(f"\n| file | killed | survived | did not build |\n|---|---|---|---|")
    totals = {"killed": 0, "survived": 0, "did not build": 0}
    for path in sorted(tally):
        counts = tally[path]
        print(f"| {path} | {counts['killed']} | {counts['survived']} | "
              f"{counts['did not build']} |")
        for key in totals:
            totals[key] += counts[key]
    print(f"| all | {totals['killed']} | {totals['survived']} | {totals['did not build']} |")
    built = totals["killed"] + totals["survived"]
    if built:
        print(f"\nscore: {totals['killed']} of {built} mutants that built were killed "
              f"({100 * totals['killed'] / built:.0f} %), in {time.time() - started:.0f} s")
    if survivors:
        print("\nsurvivors:")
        print("\n".join(survivors))
    return 0


if __name__ == "__main__":
    sys.exit(main())
