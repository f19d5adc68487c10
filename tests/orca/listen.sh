#!/usr/bin/env bash
# listen.sh qt GAME | web SITE [--check] [--keep DIR]: inside a desktop of run_on_desktop.sh,
# plays a game under Orca, the desktop's screen reader, speaking French through
# speech-dispatcher and espeak-ng into a silent audio device, and prints what Orca said. The
# game is the Qt build's GAME, or the page of SITE in Firefox ESR. --check holds Orca's words
# against the board (play_by_ear.py); --keep keeps Orca's whole debug log in DIR.
set -euo pipefail
kind=$1 game=$2
shift 2
check="" keep=""
while [ $# -gt 0 ]; do
    case $1 in
    --check) check=--check ;;
    --keep) keep=$2 && shift ;;
    esac
    shift
done
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# HOME is a scratch folder of this run.
export LANG=fr_FR.UTF-8 LANGUAGE=fr
mkdir -p "$HOME/.config/speech-dispatcher" "$HOME/.local/share/orca"
printf 'default_driver=null\n' >"$HOME/.libao"
cat >"$HOME/.config/speech-dispatcher/speechd.conf" <<'CONF'
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "fr"
CONF
# Orca writes its debug log through a buffer; line by line, it can be read as it speaks. A page
# is not read whole as it loads: a player listens to it before playing, where the presses here
# would race the reading.
cat >"$HOME/.local/share/orca/orca-customizations.py" <<'PY'
import orca.debug
import orca.settings
if orca.debug.debugFile:
    orca.debug.debugFile = open(orca.debug.debugFile.name, "a", buffering=1)
orca.settings.sayAllOnLoad = False
PY
log=$HOME/orca.log
# Each helper leads a process group of its own, ended whole with what it started (the
# accessibility bus launcher its bus, the site's server its feeder). Orca ignores SIGTERM.
groups=()
trap 'for g in "${groups[@]}"; do kill -9 -- "-$g" 2>/dev/null || true; done' EXIT
start() {
    setsid "$@" &
    groups+=($!)
}
start /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1
# Orca will not start beside another of the same user: alone in a process namespace of its own,
# it sees none, as runs side by side need.
start unshare --pid --fork --mount-proc \
    orca --disable braille --disable main-window --debug-file="$log" >/dev/null 2>&1

if [ "$kind" = web ]; then
    # The page from this run's own loopback, in a browser profile of its own that opens on it.
    ip link set lo up 2>/dev/null || true
    start bash -c 'sleep infinity | node "$0" "$1"' "$here/../web/site_server.mjs" "$game" >"$HOME/site.log" 2>&1
    for _ in $(seq 100); do
        url=$(grep -o 'http://[^ ]*' "$HOME/site.log" 2>/dev/null | head -n 1) && break
        sleep 0.1
    done
    mkdir -p "$HOME/profile"
    cat >"$HOME/profile/user.js" <<'JS'
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("browser.startup.page", 0);
user_pref("browser.newtabpage.enabled", false);
user_pref("browser.aboutwelcome.enabled", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
JS
    GNOME_ACCESSIBILITY=1 start firefox-esr --no-remote --new-instance --profile "$HOME/profile" \
        --kiosk "${url:?the site did not start}" >/dev/null 2>&1
else
    QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start "$game"
fi

status=0
/usr/bin/python3 "$here/play_by_ear.py" "$kind" "$log" $check || status=$?
sleep 1
[ -n "$check" ] || grep -a 'SPEECH OUTPUT:' "$log" |
    sed -e "s/^.*SPEECH OUTPUT: '//" -e "s/'\[\?{'established.*\$//"
[ -z "$keep" ] || cp "$log" "$keep/orca.log"
exit $status
