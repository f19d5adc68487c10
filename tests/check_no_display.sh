#!/bin/sh
# Started where no display can be reached, the game says so in one line on standard
# error and exits with status 1: no core dump, no advice to reinstall.
game=$1
fail=0
for display in "" ":97"; do
    err=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE DISPLAY="$display" \
        timeout 20 "$game" 2>&1 >/dev/null)
    status=$?
    lines=$(printf '%s\n' "$err" | wc -l)
    if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] ||
        [ "$err" != "torvelle: no display could be opened (neither X11 nor Wayland)" ]; then
        echo "DISPLAY='$display': status $status, standard error:"
        printf '%s\n' "$err"
        fail=1
    fi
done
exit $fail
