#!/usr/bin/env bash
# check_install.sh: installs the build into a scratch prefix and checks that every file a
# desktop needs is where it looks for it, and that the icons are real PNGs of their size.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.example.Torvelle
expect=(
    games/torvelle
    share/man/man6/torvelle.6
    share/man/fr/man6/torvelle.6
    share/applications/$id.desktop
    share/metainfo/$id.metainfo.xml
    share/icons/hicolor/scalable/apps/$id.svg
)
for size in 16 22 24 32 48 64 128 256; do
    expect+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
status=0
for file in "${expect[@]}"; do
    if [ ! -s "$prefix/$file" ]; then
        echo "missing: $file"
        status=1
    fi
done
[ -x "$prefix/games/torvelle" ] || { echo "not executable: games/torvelle"; status=1; }
# The manual pages format without a warning from groff.
for page in share/man/man6/torvelle.6 share/man/fr/man6/torvelle.6; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$prefix/$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "$page: $warnings"; status=1; }
done
for size in 16 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -s "$png" ] || continue
    # Width and height sit at bytes 16 to 23 of a PNG's header.
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    if [ "$width" != "$size" ] || [ "$height" != "$size" ]; then
        echo "icon ${size}x${size} is ${width}x${height}"
        status=1
    fi
done
grep -q '^Icon=org.example.Torvelle$' "$prefix/share/applications/$id.desktop" || status=1

# Started as a desktop starts its menu entry, the game runs in a state folder of its own,
# where its farewell files go; where that folder cannot be made, in the home folder.
mkdir -p "$prefix/home" && touch "$prefix/file"
for row in "$prefix/state:$prefix/state/torvelle" "relative:$prefix/home/.local/state/torvelle" \
    "$prefix/file:$prefix/home"; do
    env -i PATH="$prefix/games:/usr/bin:/bin" HOME="$prefix/home" XDG_STATE_HOME="${row%%:*}" \
        QT_QPA_PLATFORM=offscreen gio launch "$prefix/share/applications/$id.desktop" 2>/dev/null
    where=""
    for _ in $(seq 100); do
        pid=$(pgrep -x torvelle | while read -r p; do
            [ "$(readlink "/proc/$p/exe")" = "$prefix/games/torvelle" ] && echo "$p"; done)
        [ -n "$pid" ] && where=$(readlink "/proc/$pid/cwd") && kill "$pid" && break
        sleep 0.1
    done
    [ "$where" = "${row#*:}" ] || { echo "menu entry, XDG_STATE_HOME=${row%%:*}: ran in '$where'"; status=1; }
done
[ $status -eq 0 ] && echo "install layout: all ${#expect[@]} files in place"
exit $status
