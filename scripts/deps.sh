# Installs the Debian packages that tabderiv needs, when any is missing. Sourced by the scripts.
# What building and testing the program needs is listed once, as the Build-Depends of
# debian/control; a script names only what it needs besides (benchmarks, fuzzing, checks).

# 0 leaves the program's build dependencies out (for a script that builds the calculation
# alone).
tabderiv_build_deps=1

# Runs a command as root: directly, or through sudo.
tabderiv_as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        env DEBIAN_FRONTEND=noninteractive "$@"
    elif command -v sudo >/dev/null; then
        # env, so that the setting reaches apt-get through sudo too.
        sudo env DEBIAN_FRONTEND=noninteractive "$@"
    else
        echo "Missing packages: run this script as root, or install sudo." >&2
        return 1
    fi
}

# Installs the build dependencies and the packages named as arguments that are missing.
tabderiv_install_missing() {
    local missing=() package
    # dpkg-dev reads the build dependencies.
    for package in dpkg-dev "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    local build_deps_missing=0
    if [ "$tabderiv_build_deps" -eq 1 ] &&
        ! { command -v dpkg-checkbuilddeps >/dev/null && dpkg-checkbuilddeps 2>/dev/null; }; then
        build_deps_missing=1
    fi
    [ ${#missing[@]} -eq 0 ] && [ "$build_deps_missing" -eq 0 ] && return 0

    echo "Installing ${missing[*]}${missing[*]:+ and }the build dependencies of debian/control"
    tabderiv_as_root apt-get update -qq
    if [ ${#missing[@]} -gt 0 ]; then
        tabderiv_as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
    if [ "$tabderiv_build_deps" -eq 1 ]; then
        tabderiv_as_root apt-get build-dep -y -qq --no-install-recommends ./
    fi
}

# Builds the program and its tests (the dev preset), or the given preset.
tabderiv_build() {
    local preset=${1:-dev}
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j 2
}

# Generates the locales named (de_DE, pl_PL, ...; C needs none) that the system lacks, from the
# locales package.
tabderiv_locales() {
    local missing=0 locale
    for locale in "$@"; do
        [ "$locale" = C ] || locale -a | grep -qx "$locale.utf8" && continue
        tabderiv_as_root sed -i "s/^# *\($locale.UTF-8 UTF-8\)/\1/" /etc/locale.gen
        missing=1
    done
    [ "$missing" -eq 0 ] || tabderiv_as_root locale-gen >/dev/null
}

# Copies the working tree, what git tracks or does not ignore (so no build folder), into the
# folder given, which must not exist yet.
tabderiv_copy_tree() {
    mkdir -p "$1"
    git ls-files -co --exclude-standard -z | while IFS= read -r -d '' file; do
        [ -e "$file" ] && printf '%s\0' "$file"
    done | xargs -0 cp --parents -t "$1"
}
