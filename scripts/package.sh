#!/usr/bin/env bash
# Installs what is missing, builds tabderiv as a distribution would (Release, no tests, no
# benchmarks, warnings not errors), makes the .deb in build-package/ and checks it, its desktop
# entry and its metainfo with Debian's own tools. Exits non-zero on any error or warning.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

tabderiv_install_missing lintian desktop-file-utils appstream
# Debian's hardening flags, as its own packages are built.
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS) -Wl,-z,now" >/dev/null
cmake --build build-package -j 2
rm -f build-package/*.deb
(cd build-package && cpack >/dev/null)
deb=$(ls build-package/tabderiv_*.deb)
echo "$deb"
dpkg-deb --field "$deb" Depends
desktop-file-validate data/org.tabderiv.tabderiv.desktop
appstreamcli validate --no-net --pedantic build-package/packaging/org.tabderiv.tabderiv.metainfo.xml
# lintian says so when it runs as root, as in CI; that line is about lintian, not the package.
status=0
lintian --fail-on error,warning "$deb" 2>&1 | grep -v '^running with root privileges' ||
    status=${PIPESTATUS[0]}
[ "$status" -eq 0 ] || { echo "lintian found errors or warnings" >&2; exit 1; }
echo "lintian: no error or warning"
