#!/usr/bin/env bash
# Tries tabderiv as a new user meets it on each Debian release: in a bare root of the release
# (debootstrap --variant=minbase, plus git, sudo and ca-certificates), an ordinary user with
# sudo runs the README's test command, then its run command on a virtual display (the window
# must map, and Ctrl+Q must end it with status 0), and root runs scripts/package.sh. Prints one
# line per release: the versions of Qt, GCC, CMake, lintian and AppStream there, and each
# step's result and time. Exits non-zero when any step fails; the logs stay in the cache.
#
#   scripts/distros.sh [--cache DIR] [--mirror URL] [--fresh] [RELEASE...]
#
# RELEASE: bookworm, trixie, sid (the default: all three). Runs as root (debootstrap, chroot,
# mounts). The bare roots and the downloaded packages are kept under --cache (default
# /var/cache/tabderiv-distros), so that a second run starts from the same bare root without
# downloading again; --fresh makes the bare roots anew. The mirror is the one apt uses on this
# machine, unless --mirror names another. Each run works in a copy of the bare root, so each
# starts as bare as the first. Takes a quarter of an hour a release on two cores (twice that
# on a busy machine).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

cache=/var/cache/tabderiv-distros
mirror=
fresh=0
releases=()
while [ $# -gt 0 ]; do
    case $1 in
    --cache) cache=$2; shift 2 ;;
    --mirror) mirror=$2; shift 2 ;;
    --fresh) fresh=1; shift ;;
    -h | --help) sed -n '2,/^set -euo/{/^set -euo/d;s/^# \{0,1\}//;p}' "$0"; exit 0 ;;
    -*) echo "unknown option $1 (see $0 --help)" >&2; exit 2 ;;
    *) releases+=("$1"); shift ;;
    esac
done
[ ${#releases[@]} -gt 0 ] || releases=(bookworm trixie sid)
if [ "$(id -u)" -ne 0 ]; then
    echo "scripts/distros.sh makes and enters root file systems, which needs root." >&2
    exit 1
fi

# The Debian mirror of this machine's apt sources (one-line or deb822), not its security one.
if [ -z "$mirror" ]; then
    mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
        /etc/apt/sources.list.d/*.sources 2>/dev/null |
        sed -nE 's/^(URIs:[[:space:]]*|deb[[:space:]]+(\[[^]]*\][[:space:]]+)?)([^[:space:]]+\/debian\/?)([[:space:]].*)?$/\3/p' |
        head -1) || true
    mirror=${mirror:-http://deb.debian.org/debian}
fi
tabderiv_install_missing debootstrap
mkdir -p "$cache/logs"
cache=$(realpath "$cache")

user=tabderiv-user
root=
mounts=()

# Ends what the steps left running in the current root, then unmounts what was mounted in it,
# innermost first.
unmount_all() {
    local i process
    for process in /proc/[0-9]*; do
        [ "$(readlink "$process/root" 2>/dev/null)" = "$root" ] && kill "${process#/proc/}" 2>/dev/null
    done
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount -R "${mounts[i]}" 2>/dev/null || umount -R -l "${mounts[i]}" || true
    done
    mounts=()
}
trap unmount_all EXIT
trap 'exit 130' INT TERM

mount_into() { # mount_into TARGET MOUNT-ARGUMENTS...
    local target=$root$1
    shift
    mkdir -p "$target"
    mount "$@" "$target"
    mounts+=("$target")
}

# Removes a copied root, never what a mount in it reaches.
remove_root() {
    if grep -q " $1[/ ]" /proc/mounts; then
        echo "$1 still has mounts; not removed" >&2
        return 1
    fi
    rm -rf --one-file-system "$1"
}

# The bare root of a release, made once: minbase and what a new user has besides.
bare_root() {
    local release=$1 base=$cache/$1
    [ "$fresh" -eq 1 ] && remove_root "$base"
    [ -d "$base" ] && return 0
    remove_root "$base.new"
    debootstrap --variant=minbase --include=git,sudo,ca-certificates "$release" "$base.new" \
        "$mirror" >"$cache/logs/$release-debootstrap.log" 2>&1 || {
        tail -20 "$cache/logs/$release-debootstrap.log" >&2
        return 1
    }
    mv "$base.new" "$base"
}

# Runs a command in the root, as root.
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root TERM=dumb "$@"; }
# Runs a shell command in the root as the ordinary user, from their copy of the tree.
as_user() { in_root su -l "$user" -c "cd ~/tabderiv && $1"; }

# Copies this tree into the root at $1 as a git clone would hold it, owned by $2. (No git
# maintenance in the background: unstable's git would start it, and change files under chown.)
copy_tree() {
    tabderiv_copy_tree "$root$1"
    in_root sh -c "cd $1 && git init -q && git add -A &&
        git -c user.name=tabderiv -c user.email=tabderiv@localhost -c maintenance.auto=false \
            -c gc.auto=0 commit -qm tree &&
        chown -R $2: $1"
}

# Times a step: step NAME COMMAND...; records "NAME pass|fail SECONDS" and its log.
step() {
    local name=$1 start=$SECONDS status=pass
    shift
    "$@" >"$log-$name.log" 2>&1 </dev/null || status=fail
    results+=("$name $status $((SECONDS - start)) s")
    [ "$status" = pass ] || failed=1
}

# The window of the run command maps, and Ctrl+Q ends it with status 0.
run_window() {
    in_root apt-get install -y -qq --no-install-recommends xvfb xauth xdotool x11-utils &&
        as_user 'xvfb-run -a -s "-screen 0 1280x1024x24" sh -c "
        scripts/run.sh & program=\$!
        window=\$(timeout 600 xdotool search --sync --onlyvisible --name \"^Form1\$\" | head -1)
        [ -n \"\$window\" ] || { echo no window named Form1 was mapped; kill \$program; exit 1; }
        echo window Form1 mapped: \$(xdotool getwindowgeometry \$window | tr -s \"\\n \" \" \")
        xdotool windowfocus --sync \$window; sleep 0.5; xdotool key ctrl+q
        wait \$program && echo Ctrl+Q ended it"'
}

versions() {
    in_root sh -c '
        v() { "$@" 2>/dev/null | grep -oE "[0-9]+(\.[0-9]+)+" | head -1 || true; }
        qt=$(dpkg-query -W -f="\${Version}" qt6-base-dev 2>/dev/null | sed "s/[+~-].*//")
        printf "Qt %s  GCC %s  CMake %s  lintian %s  AppStream %s" "${qt:--}" \
            "$(v g++ -dumpfullversion)" "$(v cmake --version)" "$(v lintian --version)" \
            "$(v appstreamcli --version)"'
}

status=0
lines=()
for release in "${releases[@]}"; do
    start=$SECONDS
    results=()
    failed=0
    log=$cache/logs/$release
    root=$cache/run/$release
    mkdir -p "$cache/run" "$cache/debs/$release/partial"
    remove_root "$root"
    if bare_root "$release" && cp -a "$cache/$release" "$root"; then
        mount_into /proc -t proc proc
        mount_into /sys --rbind /sys
        mount --make-rslave "$root/sys"
        mount_into /dev --rbind /dev
        mount --make-rslave "$root/dev"
        mount_into /var/cache/apt/archives --bind "$cache/debs/$release"
        cp /etc/resolv.conf "$root/etc/resolv.conf"
        echo "127.0.1.1 $(hostname)" >>"$root/etc/hosts"
        # Packages installed in the root start no services there.
        printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
        chmod 755 "$root/usr/sbin/policy-rc.d"
        # A UTF-8 locale, as an installed system has one (minbase has none).
        echo LANG=C.UTF-8 >"$root/etc/default/locale"
        # The root reads the mirror as this machine's apt does: where apt here takes a Release
        # file past its date (a mirror that is a snapshot of the archive), so does the root.
        apt-config dump | grep -E '^Acquire::Check-(Valid-Until|Date) ' \
            >"$root/etc/apt/apt.conf.d/99tabderiv-distros" || true
        in_root useradd --create-home --shell /bin/bash "$user"
        echo "$user ALL=(ALL:ALL) NOPASSWD: ALL" >"$root/etc/sudoers.d/$user"
        copy_tree "/home/$user/tabderiv" "$user"
        copy_tree /root/tabderiv root
        step test as_user scripts/test.sh
        step run run_window
        step package in_root sh -c 'cd /root/tabderiv && scripts/package.sh'
        line="$(printf '%-9s' "$release") $(versions) | $(IFS=,; echo "${results[*]}" |
            sed 's/,/, /g') | $((SECONDS - start)) s"
        unmount_all
    else
        line="$(printf '%-9s' "$release") no bare root (see $cache/logs/$release-debootstrap.log)"
        failed=1
    fi
    [ "$failed" -eq 0 ] || status=1
    lines+=("$line")
    echo "$line"
done
echo "logs: $cache/logs/"
exit "$status"
