#!/usr/bin/env bash
# Installs what is missing and checks with Debian's reprotest that the source package gives the
# same bits under every variation that can run on this machine: two builds (without the tests),
# the second with another build path, environment, user and group, home, locales, time,
# timezone, umask, number of CPUs, host and domain name, kernel personality, ASLR, executable
# path and file order (disorderfs, where FUSE works). The .deb and -dbgsym files of both must be
# byte for byte the same. Runs as root (the user and host name variations need it); takes about
# ten minutes on two cores. What cannot vary here is said in docs/reliability.md.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

if [ "$(id -u)" -ne 0 ]; then
    echo "scripts/reprotest.sh varies the user and the host name, which needs root." >&2
    exit 1
fi
tabderiv_install_missing reprotest disorderfs faketime fakeroot sudo
# The second build runs as this user and group.
builder=tabderiv-build
id "$builder" >/dev/null 2>&1 || useradd --system --user-group --no-create-home "$builder"

# A clean copy of the tree, readable by the build user.
version=$(dpkg-parsechangelog -S Version)
scratch=build-package/reprotest
source=$scratch/tabderiv-$version
rm -rf "$scratch"
tabderiv_copy_tree "$source"
chmod -R a+rX "$scratch"

# reprotest runs "sudo -h localhost ...", which Debian 12's sudo refuses ("a remote host may only
# be specified when listing privileges"): a sudo first on the PATH drops that option.
mkdir -p "$scratch/bin"
cat >"$scratch/bin/sudo" <<'SUDO'
#!/bin/sh
if [ "${1:-}" = -h ] && [ "${2:-}" = localhost ]; then shift 2; fi
exec /usr/bin/sudo "$@"
SUDO
chmod 755 "$scratch/bin/sudo"
export PATH=$PWD/$scratch/bin:$PATH

# The build user cannot open /dev/fuse where only root may (as in a container), so the file
# order is varied in a run of its own, as root; the other run varies the user and group.
runs=("-fileordering,user_group.available+=$builder:$builder" "-user_group")
if [ -z "$(sudo -u "$builder" sh -c 'test -r /dev/fuse && test -w /dev/fuse && echo yes')" ]; then
    echo "$builder cannot use FUSE here: the file order is varied in a second run, as root"
else
    runs=("user_group.available+=$builder:$builder")
fi
if ! disorderfs --help >/dev/null 2>&1 || [ ! -e /dev/fuse ]; then
    echo "no FUSE here: the file order is not varied"
    runs=("-fileordering,user_group.available+=$builder:$builder")
fi
status=0
for run in "${runs[@]}"; do
    echo "reprotest --vary=+all,$run --vary=domain_host.use_sudo=1"
    # Both builds write beside their source folders, in one folder: the first build's
    # build information and changes go, so that the second build's user may write its own.
    DEB_BUILD_OPTIONS=nocheck reprotest --vary=+all,"$run" --vary=domain_host.use_sudo=1 \
        --store-dir="$scratch/store-${run%%,*}" \
        -c "dpkg-buildpackage --no-sign -b && rm -f ../*.buildinfo ../*.changes" \
        "$source" '../*.*deb' -- null >"$scratch/reprotest.log" 2>&1 ||
        status=$?
    grep -E '^(Reproduction|=+$|WARNING|Warning)|reproducible|differ' "$scratch/reprotest.log" | uniq | tail -8
    if [ "$status" -ne 0 ]; then
        tail -30 "$scratch/reprotest.log"
        echo "reprotest failed; its log: $scratch/reprotest.log" >&2
        exit "$status"
    fi
done
