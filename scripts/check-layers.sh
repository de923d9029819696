#!/usr/bin/env bash
# Checks that includes run only downward: app -> subsystems -> core -> widgets -> formats -> pixels
# -> platform. Subsystems may use one another only in the order listed below (a later one may
# include an earlier one), so the include graph has no cycles; only app/ includes the header of all
# the main window's controls; pixels/ and formats/ use no Qt Widgets header. Prints every include
# that breaks a rule and fails if any does.
set -euo pipefail
cd "$(dirname "$0")/../src"
rank_of() {
    case "$1" in
        platform) echo 0 ;;
        pixels) echo 1 ;;
        formats) echo 2 ;;
        widgets) echo 3 ;;
        core) echo 4 ;;
        skin | colours | places | sound) echo 5 ;;
        history) echo 6 ;;
        drawing | catalogue | output | settings) echo 7 ;;
        app) echo 8 ;;
        *) echo 9 ;;
    esac
}
status=0
while IFS=: read -r file _ include; do
    from=$(dirname "${file#./}")
    to=$(sed -E 's/.*"([a-z_]+)\/.*/\1/' <<<"$include")
    [[ "$from" == "$to" ]] && continue
    if (($(rank_of "$to") >= $(rank_of "$from"))); then
        echo "upward or sideways include: $file includes $to/"
        status=1
    fi
done < <(grep -rn '#include "[a-z_]*/' --include='*.h' --include='*.cpp' .)
# Every control of the main window is the window's own: a subsystem is given only those it serves.
while IFS= read -r file; do
    echo "all-controls header included outside app/: $file"
    status=1
done < <(grep -rl '#include "[a-z_]*/main_window_controls.h"' --include='*.h' --include='*.cpp' . | grep -v '^\./app/')
# Pixels and file formats work without widgets: they serve the art generator and the fuzzers too.
qt_widgets=$(qmake6 -query QT_INSTALL_HEADERS 2>/dev/null || echo /usr/include/x86_64-linux-gnu/qt6)/QtWidgets
while IFS=: read -r file _ include; do
    header=$(sed -E 's/.*<([A-Za-z/]+)>.*/\1/' <<<"$include")
    if [[ -e "$qt_widgets/${header#QtWidgets/}" ]]; then
        echo "widget header in a base layer without widgets: $file includes <$header>"
        status=1
    fi
done < <(grep -rn '#include <Q' --include='*.h' --include='*.cpp' pixels formats)
exit $status
