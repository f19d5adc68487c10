#!/usr/bin/env bash
# run_on_desktop.sh DESKTOP COMMAND...: runs COMMAND on a real desktop from Debian's packages,
# named in TORVELLE_DESKTOP: openbox, xfwm4, mutter or kwin on an Xvfb of their own, or weston,
# mutter-wayland or kwin-wayland headless; or a bare Xvfb for Wine's own desktop (wine). Each
# run has its own session bus, display and runtime folder, so that desktops started side by side
# never meet.
set -euo pipefail

# Each run in a network namespace of its own. X servers here listen on Linux's abstract
# sockets, which belong to a namespace: no client of this run can reach another run's server,
# not even one still giving up the display number this run's server then takes.
if [ -z "${TORVELLE_DESKTOP_NAMESPACE:-}" ]; then
    export TORVELLE_DESKTOP_NAMESPACE=1
    namespace=(unshare --net)
    [ "$(id -u)" -eq 0 ] || namespace=(unshare --user --map-current-user --net)
    if "${namespace[@]}" true 2>/dev/null; then
        exec "${namespace[@]}" "$0" "$@"
    fi
    echo "run_on_desktop.sh: this machine gives no network namespace; runs side by side may meet" >&2
fi
desktop=$1
shift
scratch=$(mktemp -d)
pids=()
cleanup() {
    local status=$?
    if [ ${#pids[@]} -gt 0 ]; then
        kill "${pids[@]}" 2>/dev/null || true
        # A compositor can hang in its own shutdown on a loaded machine (mutter, once in seventy
        # runs): five seconds to end, then it is killed. Off ctest's pipe, so it holds nothing.
        (sleep 5 && kill -KILL "${pids[@]}") >/dev/null 2>&1 &
        local reaper=$!
        wait "${pids[@]}" 2>/dev/null || true
        kill "$reaper" 2>/dev/null || true
    fi
    if [ $status -ne 0 ] && [ -s "$scratch/desktop.log" ]; then
        echo "== what $desktop said =="
        tail -n 40 "$scratch/desktop.log"
    fi
    rm -rf "$scratch"
    exit $status
}
trap cleanup EXIT

# wait_for WHAT COMMAND...: up to ten seconds for COMMAND; else the run stops, not half-started.
wait_for() {
    local what=$1
    shift
    for _ in $(seq 100); do
        "$@" 2>/dev/null && return 0
        sleep 0.1
    done
    echo "run_on_desktop.sh: $what did not come up on $desktop" >&2
    exit 3
}

export TORVELLE_DESKTOP=$desktop XDG_RUNTIME_DIR=$scratch HOME=$scratch
unset WAYLAND_DISPLAY DISPLAY QT_QPA_PLATFORM
# Under AddressSanitizer, whole stacks: Mesa's EGL leaks through a driver it has unloaded by
# exit, and only a whole stack still names Mesa for the suppressions to match.
[ -z "${ASAN_OPTIONS:-}" ] || export ASAN_OPTIONS=$ASAN_OPTIONS:fast_unwind_on_malloc=0

# Window managers keep settings and shortcuts behind the session bus (xfwm4 exits without one);
# what it starts on demand writes to the desktop's log.
dbus-daemon --session --nofork --nopidfile --address="unix:path=$scratch/bus" \
    >>"$scratch/desktop.log" 2>&1 &
pids+=($!)
export DBUS_SESSION_BUS_ADDRESS="unix:path=$scratch/bus"
wait_for "the session bus" test -S "$scratch/bus"

start_x_server() {
    # Xvfb picks a free display and writes its number once it accepts connections. Only the
    # abstract socket: a socket file could be removed by a server just gone with that number,
    # whose abstract socket, still going away, makes a new one try again. No reset when the
    # last client leaves: a resetting server refuses the next one for a moment.
    local attempt server
    for attempt in 1 2 3; do
        Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -nolisten unix -noreset \
            3>"$scratch/display" >>"$scratch/desktop.log" 2>&1 &
        server=$!
        for _ in $(seq 100); do
            grep -q '[0-9]' "$scratch/display" || { kill -0 $server 2>/dev/null && sleep 0.1; } ||
                break
        done
        export DISPLAY=":$(tr -dc '0-9' <"$scratch/display")"
        if [ "$DISPLAY" != : ] && xdpyinfo >/dev/null 2>&1; then
            pids+=($server)
            break
        fi
        kill $server 2>/dev/null && wait $server 2>/dev/null || true
        [ "$attempt" -lt 3 ] || { echo "run_on_desktop.sh: no X server came up" >&2; exit 3; }
        sleep 0.5
    done
    export QT_QPA_PLATFORM=xcb
    # For what the bus starts on demand (KDE's shortcut daemon).
    dbus-update-activation-environment DISPLAY XDG_RUNTIME_DIR HOME XDG_CURRENT_DESKTOP
}

start_wayland() {
    "$@" >>"$scratch/desktop.log" 2>&1 &
    pids+=($!)
    wait_for "the compositor's socket" test -S "$scratch/torvelle-test"
    export WAYLAND_DISPLAY=torvelle-test QT_QPA_PLATFORM=wayland
}

# The window manager is up once it names itself on the root window (EWMH).
window_manager_named() {
    local check
    check=$(xprop -root _NET_SUPPORTING_WM_CHECK) || return 1
    [[ $check == *"window id"* ]] || return 1
    xprop -id "${check##* }" _NET_WM_NAME | grep -q '='
}

kwin_switcher_registered() {
    gdbus call --session --dest org.kde.kglobalaccel --object-path /component/kwin \
        --method org.kde.kglobalaccel.Component.shortcutNames | grep -q "Walk Through Windows'"
}

# As the desktop's own session names itself.
case $desktop in
mutter*) export XDG_CURRENT_DESKTOP=GNOME ;;
kwin*) export XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 KWIN_COMPOSE=Q ;;
*) unset XDG_CURRENT_DESKTOP ;;
esac

case $desktop in
openbox | xfwm4 | mutter | kwin)
    start_x_server
    case $desktop in
    openbox) manager=(openbox --sm-disable) ;;
    xfwm4) manager=(xfwm4 --compositor=off --sm-client-disable) ;;
    mutter) manager=(mutter --x11 --replace --sm-disable) ;;
    kwin) manager=(env KWIN_COMPOSE=N kwin_x11 --replace) ;;
    esac
    "${manager[@]}" >>"$scratch/desktop.log" 2>&1 &
    pids+=($!)
    wait_for "the window manager" window_manager_named
    # KWin's Alt+Tab works once its shortcuts are registered with KDE's shortcut daemon.
    [ "$desktop" != kwin ] || wait_for "KWin's shortcuts" kwin_switcher_registered
    ;;
wine)
    # Wine's own desktop, in one window of the X server, is the window manager.
    start_x_server
    ;;
weston)
    start_wayland weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 \
        --debug --socket=torvelle-test --idle-time=0
    ;;
mutter-wayland)
    start_wayland mutter --wayland --headless --virtual-monitor 1024x768 --no-x11 \
        --wayland-display=torvelle-test
    "$(dirname "$0")/virtual_seat.py" >"$scratch/seat.log" 2>&1 &
    pids+=($!)
    wait_for "the virtual keyboard and pointer" grep -q ready "$scratch/seat.log"
    ;;
kwin-wayland)
    # A plain copy, of that name: a container cannot grant the binary's file capability.
    mkdir "$scratch/kwin" && cp /usr/bin/kwin_wayland "$scratch/kwin/"
    start_wayland "$scratch/kwin/kwin_wayland" --virtual --width 1024 --height 768 \
        --socket torvelle-test
    ;;
*)
    echo "run_on_desktop.sh: unknown desktop $desktop" >&2
    exit 2
    ;;
esac
"$@"
