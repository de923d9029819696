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
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
