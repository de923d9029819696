#!/usr/bin/env bash
# Checks that includes run only downward: app -> subsystems -> core -> platform. Subsystems may
# use one another only in the order listed below (a later one may include an earlier one), so the
# include graph has no cycles; only app/ includes the header of all the main window's controls. Prints every include that breaks the order and fails if any does.
set -euo pipefail
cd "$(dirname "$0")/../src"
rank_of() {
    case "$1" in
        platform) echo 0 ;;
        core) echo 1 ;;
        skin | colours) echo 2 ;;
        history) echo 3 ;;
        drawing | catalogue | output) echo 4 ;;
        app) echo 5 ;;
        *) echo 6 ;;
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
exit $status
