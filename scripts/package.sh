#!/usr/bin/env bash
# Builds the Debian package of the program into build-package/ with debhelper (the dependencies
# computed from the binaries by dpkg-shlibdeps) and checks it with lintian and appstreamcli.
# Prints the path of the package last.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build-essential debhelper dpkg-dev lintian appstream
dpkg-checkbuilddeps

export DEB_BUILD_OPTIONS="noddebs nocheck parallel=$(nproc)"
if command -v ccache >/dev/null; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi
mkdir -p build-package
rm -f build-package/koloriton_*.deb
# Every step again (the stamps of an earlier run would skip configuring and building); the CMake
# build folder in build-package/cmake stays, so a rebuild is incremental.
dh_clean
debian/rules binary >build-package/debhelper.log 2>&1 || {
    tail -n 60 build-package/debhelper.log >&2
    exit 1
}
deb=$(ls build-package/koloriton_*.deb)

echo "== lintian"
lintian --fail-on error --display-info "$deb"
echo "== appstreamcli"
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml
echo "== $(dpkg-deb -f "$deb" Package) $(dpkg-deb -f "$deb" Version)"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
echo "$deb"
