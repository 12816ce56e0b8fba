#!/usr/bin/env bash
# Installs what is missing and builds the Debian source and binary packages as Debian builds
# its own (dpkg-buildpackage, with the tests), as root or not, under any umask, in
# build-package/a/. Checks them with lintian (every error, warning, info and pedantic tag that
# is not overridden in debian/ fails, but for two that depend on the release, named below), the
# desktop entry with desktop-file-validate, the metainfo with appstreamcli and the binary with
# hardening-check, and runs the package's
# autopkgtest tests (debian/tests) on the installed package (as root: installing it needs root).
# Then builds the binary package again in build-package/b/, a folder of another name, and
# compares the two byte for byte. Exits non-zero on any finding. scripts/reprotest.sh varies
# far more than the folder.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

tabderiv_install_missing lintian desktop-file-utils appstream devscripts autopkgtest
version=$(dpkg-parsechangelog -S Version)

# Copies the working tree (what git tracks or does not ignore) to build-package/$1 and builds
# there with the given dpkg-buildpackage options.
build() {
    local folder=build-package/$1 source
    shift
    source=$folder/tabderiv-$version
    rm -rf "$folder"
    tabderiv_copy_tree "$source"
    (cd "$source" && dpkg-buildpackage -us -uc -jauto "$@" >../build.log 2>&1) || {
        tail -60 "$folder/build.log"
        echo "dpkg-buildpackage failed in $folder; its log: $folder/build.log" >&2
        return 1
    }
}

build a
deb=build-package/a/tabderiv_${version}_$(dpkg --print-architecture).deb
grep -E '^(100% tests passed|[0-9]+% tests passed)' build-package/a/build.log
# Each release builds the package with its own compiler, and a warning that a newer one adds
# must not fail it: warnings are errors in the presets (and so in CI), never here. (debhelper
# has ninja print each compiler command, with the project's -ffp-contract=off; dpkg's own
# -Werror=format-security stays.)
grep -q -- '-ffp-contract=off' build-package/a/build.log ||
    { echo "build-package/a/build.log shows no compiler command" >&2; exit 1; }
if grep -qE -- '-Werror( |$)' build-package/a/build.log; then
    echo "the package build treats warnings as errors; see debian/rules" >&2
    exit 1
fi
ls build-package/a/*.dsc build-package/a/*.deb
dpkg-deb --field "$deb" Depends

# Tags that come from the release's lintian, not from the package: shown, but not failing. One
# debian/ serves Debian 12, Debian 13 and unstable, and follows what Debian 13's lintian knows.
accepted=(
    # Standards-Version 4.7.2: Debian 12's lintian knows 4.6.2 and calls it newer (a warning);
    # unstable's knows a later one and calls it out of date (information). 4.7.3 no longer
    # recommends the Priority field, 4.7.4 is about shared library development packages and
    # non-free-firmware: nothing for this package.
    '^[WI]: tabderiv source: (newer|out-of-date)-standards-version 4\.7\.2 (\(released [0-9-]+\) )?\(current is [0-9.]+\)$'
    # dpkg 1.22.13 and later (Debian 13's and unstable's) take Priority: optional and
    # Rules-Requires-Root: no by default, and unstable's debhelper offers compat level 14;
    # unstable's lintian says so (pedantic). Debian 12's dpkg has no such defaults, and its
    # debhelper no level 14.
    '^P: tabderiv source: redundant-(priority-optional|rules-requires-root-no)-field '
    '^P: tabderiv source: package-uses-old-debhelper-compat-version 13$'
    # The override of lintian's AppStream tag (debian/tabderiv.lintian-overrides: no homepage
    # exists yet) names a tag that Debian 12's lintian does not have.
    '^E: tabderiv: alien-tag appstream-metadata-validation-failed '
)
accepted=$(IFS='|'; echo "${accepted[*]}")
report=$(lintian --info --display-info --pedantic --fail-on none \
    build-package/a/tabderiv_"$version"_*.changes 2>&1) || {
    echo "$report"
    echo "lintian failed" >&2
    exit 1
}
# lintian says so when it runs as root, as in CI; that line is about lintian, not the package.
report=$(grep -v '^running with root privileges' <<<"$report" || true)
[ -z "$report" ] || echo "$report"
tags=$(grep -E '^[EWIPX]: ' <<<"$report" | grep -Ev "$accepted" || true)
if [ -n "$tags" ]; then
    echo "lintian found tags that are neither fixed nor overridden:" >&2
    echo "$tags" >&2
    exit 1
fi
echo "lintian: no tag$(grep -qE "$accepted" <<<"$report" && echo " but the release's own above")"

unpacked=build-package/a/unpacked
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked"/usr/share/applications/*.desktop
sh debian/tests/metainfo-validate "$unpacked"/usr/share/metainfo/org.tabderiv.tabderiv.metainfo.xml
# Three checks are not judged: the fortifiable functions the program calls work on sizes known
# only at run time, which fortification cannot check; control-flow protection is marked in a
# binary only when every object linked into it is marked, which Debian 12's C library start-up
# files are not (nor is the binary marked on Debian 13); and branch protection is arm64's
# (-mbranch-protection): Debian 13's hardening-check asks for it on every architecture, where
# elsewhere no compiler gives it (Debian 12's has no such check). Every other protection must be
# there.
unjudged=(--nofortify --nocfprotection)
options=$(hardening-check --help 2>&1 || true)
if [ "$(dpkg --print-architecture)" != arm64 ] && grep -q -- --nobranchprotection <<<"$options"; then
    unjudged+=(--nobranchprotection)
fi
hardening-check "${unjudged[@]}" "$unpacked/usr/bin/tabderiv"

# The tests a distribution runs on the installed package, against the libraries of the day.
if [ "$(id -u)" -eq 0 ]; then
    autopkgtest "$deb" "build-package/a/tabderiv-$version" -- null >build-package/a/autopkgtest.log 2>&1 || {
        tail -40 build-package/a/autopkgtest.log
        echo "autopkgtest failed; its log: build-package/a/autopkgtest.log" >&2
        exit 1
    }
    sed -n '/@@@@ summary/,$p' build-package/a/autopkgtest.log | grep -E ' (PASS|FAIL|SKIP)'
else
    echo "autopkgtest: not run (the null runner installs the package, which needs root)"
fi

# The same bits from another folder: the date comes from the changelog, the paths are mapped.
DEB_BUILD_OPTIONS=nocheck build b -b
shopt -s nullglob
for file in build-package/a/*.deb build-package/a/*.ddeb; do
    cmp "$file" "build-package/b/$(basename "$file")"
done
echo "reproducible: build-package/a and build-package/b hold the same packages"
