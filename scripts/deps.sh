# Installs the Debian packages that tabderiv needs to build and test, when any is missing.
# Sourced by run.sh and test.sh.

tabderiv_packages=(cmake ninja-build g++ qt6-base-dev libgl-dev libfontconfig-dev libgtest-dev
    libgmock-dev libbenchmark-dev libx11-dev)

tabderiv_install_missing() {
    local missing=()
    local package
    for package in "${tabderiv_packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || {
            echo "Missing packages: ${missing[*]}; install them as root." >&2
            return 1
        }
        sudo=(sudo)
    fi
    echo "Installing ${missing[*]}"
    # env, so that the setting reaches apt-get through sudo too.
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
        --no-install-recommends "${missing[@]}"
}

tabderiv_build() {
    cmake --preset dev >/dev/null
    cmake --build --preset dev -j 2
}
