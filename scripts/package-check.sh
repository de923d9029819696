#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get and drives the installed program as a user
# who is not root (nobody, with a home of its own) in a real X server: opens a picture from the
# strip, fills on the canvas, undoes, saves into the user's pictures folder and confirms the exit.
# Checks the saved file and that no error box appeared, then removes the package.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh xvfb xdotool imagemagick
scripts/package.sh
deb=$(ls build-package/koloriton_*.deb)

work=$(mktemp -d)
chmod 755 "$work"
home="$work/home"
mkdir -p "$home"
chown nobody: "$home"
chmod 700 "$home"
xvfb_pid=""
app_pid=""
stop() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq koloriton >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap stop EXIT
fail() {
    echo "package-check: $*" >&2
    import -window root "$work/failure.png" 2>/dev/null && cp "$work/failure.png" build-package/package-check-failure.png
    cat "$work/stderr.txt" >&2 2>/dev/null || true
    exit 1
}

env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
[ -x /usr/bin/koloriton ] || fail "the package installed no /usr/bin/koloriton"
# The translations come with the program and answer a desktop of their language.
for language in en:Show uk:Показати; do
    [ -f "/usr/share/koloriton/translations/koloriton_${language%%:*}.qm" ] || fail "no ${language%%:*} translation"
    env -i HOME="$work" PATH=/usr/bin:/bin LANGUAGE="${language%%:*}" koloriton --help | grep -q "^ *-h, --help *${language#*:}" ||
        fail "koloriton --help does not speak ${language%%:*}"
done

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 300); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n 1 "$work/display")"

# Polls `condition` every tenth of a second for up to `seconds`.
wait_for() {
    local seconds=$1 what=$2
    shift 2
    for _ in $(seq $((seconds * 10))); do
        "$@" && return 0
        sleep 0.1
    done
    fail "timed out waiting for $what"
}
windows_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; }
# The program's error boxes carry its name as their title, like the main window.
no_error_box() {
    local count
    count=$(windows_named '^Колоритон$' | wc -l)
    [ "$count" -le 1 ] || fail "an error box appeared"
}
# A screenshot of a window-relative rectangle (w x h + x + y of the client area).
shot() { import -window root -crop "$1x$2+$((X + $3))+$((Y + menu_height + $4))" +repage "$5"; }
differs() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" != "0" ]; }
same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" = "0" ]; }
canvas_differs_from() { shot 474 593 213 10 "$work/canvas.png"; differs "$work/canvas.png" "$1"; }
canvas_equals() { shot 474 593 213 10 "$work/canvas.png"; same "$work/canvas.png" "$1"; }
click_at() { xdotool mousemove --window "$window" "$1" $(($2 + menu_height)) click 1; }

# No sound server: the program draws as before and says so in one line.
runuser -u nobody -- env -i HOME="$home" PATH=/usr/bin:/bin DISPLAY="$DISPLAY" LANG=C.UTF-8 \
    XDG_RUNTIME_DIR="$home" PULSE_SERVER="unix:$work/no-sound-server" QT_QPA_PLATFORM=xcb koloriton 2>"$work/stderr.txt" &
app_pid=$!
window=""
find_main_window() { window=$(windows_named '^Колоритон$' | head -n 1); [ -n "$window" ]; }
wait_for 60 "the main window" find_main_window
eval "$(xdotool getwindowgeometry --shell "$window")"
# The window holds the menu bar above the 997 x 698 client area.
menu_height=$((HEIGHT - 698))

# The first thumbnail slot, once painted (a picture has many colours, an unpainted window one).
thumbnail_painted() {
    shot 123 123 10 45 "$work/thumbnail.png"
    [ "$(convert "$work/thumbnail.png" -format %k info:)" -gt 16 ]
}
wait_for 60 "the preview strip to be painted" thumbnail_painted
shot 474 593 213 10 "$work/start.png"
click_at 71 106
wait_for 30 "the picture to open" canvas_differs_from "$work/start.png"
# Painted in full when two shots in a row agree.
canvas_settled() {
    shot 474 593 213 10 "$work/opened.png"
    canvas_equals "$work/opened.png"
}
wait_for 30 "the opened picture to settle" canvas_settled
no_error_box

# A press with the fill bucket, the starting tool, near the canvas's top-left corner.
click_at 233 30
wait_for 30 "the fill" canvas_differs_from "$work/opened.png"
no_error_box

click_at 36 653
wait_for 30 "the undo" canvas_equals "$work/opened.png"
no_error_box

# The save dialog is Qt's own; its file name field has the focus with the offered name selected.
click_at 561 665
dialog=""
find_dialog() { dialog=$(windows_named '^Сохранить как$' | head -n 1); [ -n "$dialog" ]; }
wait_for 30 "the save dialog" find_dialog
# Keys go through the X test extension to the window with the input focus.
xdotool windowfocus --sync "$dialog"
xdotool key ctrl+a
xdotool type --delay 50 "drawing"
xdotool key Return
saved="$home/Pictures/Колоритон/drawing.bmp"
saved_exists() { [ -s "$saved" ]; }
wait_for 30 "the saved file $saved" saved_exists
no_error_box
[ "$(head -c 2 "$saved")" = "BM" ] || fail "the saved file is not a bitmap"

# The exit asks "Вы уверены?"; its default button is Yes.
click_at 622 647
question=""
find_question() { question=$(windows_named '^Выход$' | head -n 1); [ -n "$question" ]; }
wait_for 30 "the exit question" find_question
xdotool windowfocus --sync "$question"
xdotool key Return
program_ended() { ! kill -0 "$app_pid" 2>/dev/null; }
wait_for 30 "the program to end" program_ended
wait "$app_pid" || fail "the program ended with an error"
app_pid=""
[ -z "$(ls "$home/.cache/koloriton" 2>/dev/null)" ] || fail "snapshots were left in $home/.cache/koloriton"
[ "$(grep -c 'no sound device' "$work/stderr.txt")" = 1 ] || fail "the silence without a sound server was not told once"

env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq koloriton >/dev/null
[ ! -e /usr/bin/koloriton ] || fail "the package was not removed"
echo "package-check: installed, drawn on, undone, saved as $saved and removed; no error box"
