#!/usr/bin/env bash
# run_on_desktop.sh DESKTOP COMMAND...: runs COMMAND inside a real desktop made from
# Debian's packages, then takes it down. DESKTOP is openbox or xfwm4 (each on its own
# Xvfb), or weston (headless, with Qt's Wayland platform). TORVELLE_DESKTOP tells the
# command which one it is on.
set -euo pipefail
desktop=$1
shift
scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
export TORVELLE_DESKTOP=$desktop
unset WAYLAND_DISPLAY DISPLAY QT_QPA_PLATFORM

case $desktop in
openbox | xfwm4)
    # A display number of our own: the first free one from 50 on.
    number=50
    while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do number=$((number + 1)); done
    Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
    pids+=($!)
    export DISPLAY=":$number"
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    if [ "$desktop" = openbox ]; then
        openbox --sm-disable >"$scratch/wm.log" 2>&1 &
    else
        HOME=$scratch xfwm4 --compositor=off --sm-client-disable >"$scratch/wm.log" 2>&1 &
    fi
    pids+=($!)
    # The window manager is up once it names itself on the root window.
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    export QT_QPA_PLATFORM=xcb
    ;;
weston)
    export XDG_RUNTIME_DIR=$scratch
    weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --debug \
        --socket=torvelle-test --idle-time=0 >"$scratch/weston.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do [ -S "$scratch/torvelle-test" ] && break; sleep 0.1; done
    export WAYLAND_DISPLAY=torvelle-test QT_QPA_PLATFORM=wayland
    ;;
*)
    echo "run_on_desktop.sh: unknown desktop $desktop" >&2
    exit 2
    ;;
esac
"$@"
