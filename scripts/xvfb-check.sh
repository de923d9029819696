#!/usr/bin/env bash
# Starts the built program in a real X server (Xvfb), clicks the preview strip's down button with
# xdotool and saves a screenshot of the whole screen as <build>/xvfb-check.png.
# Usage: scripts/xvfb-check.sh [build-folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh xvfb xdotool imagemagick

build_dir=${1:-build}
program="$build_dir/run/koloriton"
if [ ! -x "$program" ]; then
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DKOLORITON_BUILD_TESTS=OFF >/dev/null
    cmake --build "$build_dir" --target koloriton --parallel "$(nproc)"
fi

# The first free display number from :90 on.
display_number=90
while [ -e "/tmp/.X11-unix/X$display_number" ] || [ -e "/tmp/.X$display_number-lock" ]; do
    display_number=$((display_number + 1))
done
export DISPLAY=":$display_number"

app_pid=""
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
stop() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
}
trap stop EXIT

for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done

QT_QPA_PLATFORM=xcb "$program" &
app_pid=$!

window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name 'Колоритон' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
if [ -z "$window" ]; then
    echo "xvfb-check: the main window did not appear" >&2
    exit 1
fi
sleep 1

# The window holds the menu bar above the 997 x 698 client area.
eval "$(xdotool getwindowgeometry --shell "$window")"
menu_height=$((HEIGHT - 698))
# The centre of the down button Image23 (10, 562, 123 x 39) in window coordinates.
xdotool mousemove --window "$window" 71 $((581 + menu_height))
sleep 0.3
xdotool click 1
sleep 1

import -window root "$build_dir/xvfb-check.png"
echo "xvfb-check: window $WIDTH x $HEIGHT at $X,$Y; screenshot in $build_dir/xvfb-check.png"
