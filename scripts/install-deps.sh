#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
set -euo pipefail

packages=(cmake g++ make lld pkg-config qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-svg-dev libgl-dev
          libjpeg-dev libzip-dev zlib1g-dev libopencv-core-dev libopencv-imgproc-dev
          qt6-translations-l10n fonts-wine fonts-dejavu-core
          qt6-multimedia-dev pulseaudio pulseaudio-utils
          cups-daemon cups-client poppler-utils
          xvfb openbox xcompmgr libxcb1-dev xdotool x11-utils
          lomiri-wallpapers-16.04)
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Photographs of a person, a cat, a cup and a rocket (public domain and CC0, as the package's data
# module says) from the data folder of python3-skimage: only these files are unpacked, without the
# package and the many it depends on.
sample_dir=/usr/local/share/koloriton-sample-photographs
sample_files=(astronaut.png chelsea.png coffee.png rocket.jpg)
if [ ! -f "$sample_dir/${sample_files[-1]}" ]; then
    download=$(mktemp -d)
    chmod 755 "$download"
    (cd "$download" && apt-get download -qq python3-skimage 2>/dev/null) ||
        { "${as_root[@]}" apt-get update -qq && (cd "$download" && apt-get download -qq python3-skimage); }
    dpkg-deb --fsys-tarfile "$download"/python3-skimage_*.deb |
        tar -x -C "$download" "${sample_files[@]/#/./usr/lib/python3/dist-packages/skimage/data/}"
    "${as_root[@]}" install -D -m 644 -t "$sample_dir" \
        "${sample_files[@]/#/$download/usr/lib/python3/dist-packages/skimage/data/}"
    rm -rf "$download"
fi
