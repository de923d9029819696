#!/usr/bin/env bash
# Starts the built program in a real X server (Xvfb), clicks the preview strip's down button with
# xdotool and saves a screenshot of the whole screen as <build>/xvfb-check.png. With a scale (Qt's
# QT_SCALE_FACTOR, 2 for a high density screen) the screen grows by it and the program draws at it.
# Usage: scripts/xvfb-check.sh [build-folder] [scale]   (defaults: build, 1)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh xvfb xdotool imagemagick

build_dir=${1:-build}
scale=${2:-1}
# Window coordinates below are the layout's; the screen and xdotool count device pixels.
device() { awk -v value="$1" -v scale="$scale" 'BEGIN { printf "%d", value * scale + 0.5 }'; }
program="$build_dir/run/koloriton"
if [ ! -x "$program" ]; then
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DKOLORITON_BUILD_TESTS=OFF >/dev/null
    cmake --build "$build_dir" --target koloriton --parallel "$(nproc)"
fi

# Xvfb picks a free display number itself and writes it to the file once it accepts clients.
display_file=$(mktemp)
app_pid=""
Xvfb -displayfd 3 -screen 0 "$(device 1280)x$(device 1024)x24" -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
stop() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    rm -f "$display_file" "$build_dir"/xvfb-check-*.png "$build_dir/xvfb-check-stderr.txt"
}
trap stop EXIT

for _ in $(seq 300); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
if [ ! -s "$display_file" ]; then
    echo "xvfb-check: Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=":$(head -n 1 "$display_file")"

# Under a heavily loaded machine the first connection to a fresh server now and then fails:
# start the program again when it ends before its window appears.
window=""
for _attempt in 1 2 3; do
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" "$program" 2>"$build_dir/xvfb-check-stderr.txt" &
    app_pid=$!
    for _ in $(seq 300); do
        window=$(xdotool search --onlyvisible --name 'Колоритон' 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    [ -n "$window" ] && break
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
done
if [ -z "$window" ]; then
    echo "xvfb-check: the main window did not appear" >&2
    cat "$build_dir/xvfb-check-stderr.txt" >&2
    exit 1
fi
sleep 1

# The window holds the menu bar above the 997 x 698 client area.
eval "$(xdotool getwindowgeometry --shell "$window")"
menu_height=$((HEIGHT - $(device 698)))
# The four thumbnail slots on the screen, to see that the click moved the strip.
strip="$(device 123)x$(device 513)+$((X + $(device 10)))+$((Y + menu_height + $(device 45)))"
before="$build_dir/xvfb-check-before.png"
after="$build_dir/xvfb-check.png"
import -window root "$before"

# The centre of the down button strip_down_button (10, 562, 123 x 39) in window coordinates.
xdotool mousemove --window "$window" "$(device 71)" $(($(device 581) + menu_height))
sleep 0.3
xdotool click 1
sleep 1

import -window root "$after"
convert "$before" -crop "$strip" +repage "$build_dir/xvfb-check-strip-before.png"
convert "$after" -crop "$strip" +repage "$build_dir/xvfb-check-strip-after.png"
changed=$(compare -metric AE "$build_dir/xvfb-check-strip-before.png" "$build_dir/xvfb-check-strip-after.png" \
          null: 2>&1 || true)
echo "xvfb-check: window $WIDTH x $HEIGHT at $X,$Y; screenshot in $after"
if [ "${changed%% *}" = "0" ]; then
    echo "xvfb-check: the preview strip did not move after the click" >&2
    exit 1
fi
echo "xvfb-check: the click on the down button changed $changed pixels of the preview strip"
