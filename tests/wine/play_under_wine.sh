#!/usr/bin/env bash
# play_under_wine.sh SETUP.EXE PROBE.EXE REPLAY: installs the Windows build with its installer in a
# Wine prefix of its own and plays a whole game of the installed game with real X clicks and keys
# on Wine's own desktop (run through run_on_desktop.sh wine). What it shows is checked against
# the Qt build's REPLAY of the same clicks: every message box's title, text and buttons, the board
# and the scores at the end. Then the frames, the About dialog, the help, the farewell files, and
# the uninstaller. One line says what failed.
set -euo pipefail
setup=$1 probe_exe=$2 replay=$3
scratch=$(mktemp -d)
trap 'status=$?; wineserver -k 2>/dev/null || true; rm -rf "$scratch"; exit $status' EXIT
# Wine's own menu entries for what is installed are no file of the installer's.
export WINEPREFIX=$scratch/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
fail() {
    echo "play_under_wine.sh: $*" >&2
    tail -n 20 "$scratch/game.log" >&2 2>/dev/null
    exit 1
}
expect() { [ "$2" = "$3" ] || fail "$1: got '$2', expected '$3'"; }

# What an install may leave behind: every folder and file of the prefix's drive but Windows' own
# and the temporary ones (an uninstaller runs from a copy there, removed when Windows starts
# again), every one naming the game behind a link, the keys of the player's programs and
# apps, and every key and value naming the game.
snapshot() {
    (cd "$WINEPREFIX/drive_c" && { find . -path ./windows -prune -o -path './users/*/Temp' -prune -o -print
        find -L . -ipath '*torvelle*' -not -ipath './users/*/Temp/*' 2>/dev/null || true; }) |
        LC_ALL=C sort
    local hive
    for hive in HKEY_CURRENT_USER HKEY_LOCAL_MACHINE; do
        wine reg export "$hive" "$scratch/hive.reg" /y >/dev/null 2>&1 || fail "cannot read $hive"
        iconv -f UTF-16 -t UTF-8 "$scratch/hive.reg" | tr -d '\r' |
            { grep -i -E 'torvelle|^\[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion' || true; }
    done
}
# uninstall FOLDER WHAT: its uninstaller, silent, leaves the prefix as it was before the install.
uninstall() {
    wine "$1/desinstaller.exe" /S >>"$scratch/setup.log" 2>&1
    for _ in $(seq 10); do
        sleep 1
        snapshot >"$scratch/after.txt"
        cmp -s "$scratch/before.txt" "$scratch/after.txt" && return
    done
    diff "$scratch/before.txt" "$scratch/after.txt" >&2
    fail "the uninstaller of $2 left the above behind"
}

# Making a prefix fails now and then at once ("could not load kernel32.dll", once in a CI run,
# never on its own again): the half-made prefix goes and it is made once more.
make_prefix() { wineboot -i >"$scratch/wineboot.log" 2>&1; }
make_prefix || { wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"; make_prefix; } ||
    fail "no Wine prefix: $(tail -n 3 "$scratch/wineboot.log")"
grep -a -q 'level="asInvoker"' "$setup" || fail "the installer asks for administrator rights"
snapshot >"$scratch/before.txt"
# For the player alone by default: their own programs folder, Start menu and apps.
wine "$setup" /S >"$scratch/setup.log" 2>&1 || fail "the installer failed"
installed=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Local/Programs/Torvelle)
exe="$installed/torvelle.exe"
for file in "$exe" "$installed/LISEZMOI.txt" "$installed/desinstaller.exe" \
    "$(dirname "$installed")/../../Roaming/Microsoft/Windows/Start Menu/Programs/Torvelle.lnk"; do
    [ -e "$file" ] || fail "not installed: ${file#"$WINEPREFIX/"}"
done
wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Torvelle' /v DisplayName \
    >/dev/null 2>&1 || fail "the player's own apps do not list the game"
mkdir "$scratch/game" && cd "$scratch/game"
printf 'kept' >ordi_jeu # an existing farewell file keeps its contents
# On a Wine desktop of the screen's size, with the frames Windows draws; the probe looks there.
wine explorer /desktop=torvelle,1024x768 "$exe" >"$scratch/game.log" 2>&1 &
coproc PROBE { wine "$probe_exe" 2>/dev/null; }
ask() { echo "$*" >&"${PROBE[1]}"; IFS= read -r -t 30 reply <&"${PROBE[0]}" || fail "the probe did not answer '$*'"; reply=${reply%$'\r'}; }
click() { xdotool mousemove "$1" "$2" click 1; }
field() { cut -f "$1" <<<"$reply"; }
# Answers the box that is open with BUTTON, or with KEY where one is given, and records it as
# the Qt replay prints it.
answer_box() {
    ask box
    [ "$reply" != timeout ] || fail "no message box came"
    local title text buttons places
    IFS=$'\t' read -r title text buttons places <<<"$reply"
    echo "box	$title	$text	$buttons" >>"$scratch/windows.txt"
    local names=(${buttons//,/ }) index=0
    IFS=';' read -r -a at <<<"$places"
    for name in "${names[@]}"; do [ "$name" = "$1" ] && break; index=$((index + 1)); done
    [ "$index" -lt "${#names[@]}" ] || fail "no button '$1' on '$title'"
    [ "$title" != "Torvelle !" ] || record_end
    if [ -n "${2:-}" ]; then xdotool key "$2"; else click ${at[$index]}; fi
    ask nobox
}
# told_matches WHAT CELL RESULT SHOWN-IF-HIT: the words told of a shot agree with the board.
told_matches() {
    local names=$'\t'$board$'\t' seen told shown
    [[ $names == *$'\t'"$2, "* ]] || fail "told of a shot at $2, a cell the board does not have"
    seen=${names#*$'\t'"$2, "}
    seen=${seen%%$'\t'*}
    told=$([[ $3 == *touché* ]] && echo hit || echo miss)
    shown=$([ "$seen" = "$4" ] && echo hit || echo miss)
    expect "told of $1 at $2 ('$seen')" "$told" "$shown"
}
# What a screen reader was told of a shot, once, held against what the board shows. A computer
# that gives up is told of by its box.
check_told() {
    ask heard
    local said=$reply
    local mine="Votre tir en ([A-J][0-9]+) : (touché !|dans l'eau\.)"
    local its="L'ordinateur tire en ([A-J][0-9]+) : (votre bateau est touché\.|dans l'eau\.)"
    ask cells
    board=$reply
    if [[ $said =~ ^$mine$ ]]; then
        told_matches "the shot" "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}" "bateau de l'ordinateur touché"
        ask box
        [ "$reply" != timeout ] || fail "told only '$said', and no box followed"
        reply=box
        return
    fi
    [[ $said =~ ^$mine\ $its\ Score\ :\ vous\ [0-9]+,\ l\'ordinateur\ [0-9]+\.$ ]] ||
        fail "told of a shot: '$said'"
    told_matches "the shot" "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}" "bateau de l'ordinateur touché"
    told_matches "the computer's shot" "${BASH_REMATCH[3]}" "${BASH_REMATCH[4]}" \
        "votre bateau touché par l'ordinateur"
    reply=changed
}
record_end() {
    ask cells; echo "board	$reply" >>"$scratch/windows.txt"
    ask controls; echo "controls	$(cut -f 1-5 <<<"$reply")" >>"$scratch/windows.txt"
}

# The window as the game has always had it: a fixed dialog frame with the close box only, no
# task bar button, centred, its client area at its size, the focus on the grid.
ask form
expect "main window" "$reply" $'Le jeux de Torvelle !\tcaption,close,dialogframe,hiddenowner\t551x372\t0,0'
ask focus form
expect "focus at start" "$(field 1)" TorvelleGrid
ask controls
expect "slider range" "$(field 6)" "20..100"
ask designed
expect "the window as designed" "$reply" ok
# As a screen reader reads the board: a group (role 20) of 100 buttons where they are drawn.
ask board
expect "the board through Active Accessibility" "$reply" $'Grille de jeu\t20\t100\tok'
ask labels
expect "the row and column labels through Active Accessibility" "$reply" "A B C D E F G H I J 1 2 3 4 5 6 7 8 9 10"

# One click on the slider sets the breath; then ten ships and shots until "Rejouer ?".
ask slider && click $reply
ask controls
breath=$(field 7)
for cell in $(seq 0 99); do
    ask cells
    before=$(cut -f $((cell + 1)) <<<"$reply")
    [ "$cell" -lt 11 ] || ask listen
    if [ "$cell" = 12 ]; then # a screen reader's click: the cell's default action
        ask press "$cell"
        expect "default action on cell $cell" "$reply" pressed
    else
        ask cell "$cell" && click $reply
    fi
    ask changed "$cell" "$before"
    [ "$reply" != timeout ] || fail "click on cell $cell changed nothing"
    [ "$cell" -lt 11 ] || [ "$reply" != changed ] || check_told
    while [ "$reply" = box ]; do
        ask box
        if [[ $reply == "Torvelle !"* ]]; then # Escape cannot say "Non"; Enter says "Oui"
            xdotool key Escape
            ask box
            expect "'Rejouer ?' after Escape" "$(field 2)" "Rejouer ?"
            answer_box Oui Return
            break 2
        fi
        answer_box OK
        ask cells
        [ "$(cut -f $((cell + 1)) <<<"$reply")" != "$before" ] && break
        ask changed "$cell" "$before"
    done
done
grep -q "^box	Torvelle !	Rejouer ?" "$scratch/windows.txt" || fail "the game did not reach 'Rejouer ?'"
"$replay" "$breath" "$cell" >"$scratch/qt.txt" || fail "the Qt replay failed"
diff "$scratch/qt.txt" "$scratch/windows.txt" >&2 || fail "the Windows build and the Qt build differ for the same clicks"
ask cells
[ "$(tr '\t' '\n' <<<"$reply" | grep -vc ', mer$')" = 0 ] || fail "'Oui' did not start a new game"

# The input a game by clicks never sends, as the Linux desktops check it: one row a behaviour.
# eventually WHAT WANTED COMMAND...: what COMMAND prints once the input sent has been handled,
# which on a loaded machine may take Wine a while, held against WANTED.
eventually() {
    local what=$1 wanted=$2 got _
    shift 2
    for _ in $(seq 30); do
        got=$("$@")
        [ "$got" != "$wanted" ] || return 0
        sleep 0.1
    done
    expect "$what" "$got" "$wanted"
}
focused() { ask focus form; field 1; }
focus_is() { eventually "$1" "$2" focused; }
# The breath as the progress bar's maximum shows it, against the slider's value.
breath_and_slider() { ask controls; echo "$(field 4) $(($(field 7) * 14))"; }
slider_value() { ask controls; field 7; }
double_click_is_one_click() {
    ask listen
    ask cell 50 && xdotool mousemove $reply click --repeat 2 --delay 120 1
    ask heard
    expect "told after a double-click" "$reply" "F1 : votre bateau. Encore 9 bateaux à placer."
}
focus_after_a_click_is_the_window() { ask cell 51 && click $reply; focus_is "focus after a click" TorvelleForm1; }
tab_reaches_the_grid_and_a_key_gives_the_window_the_focus() {
    xdotool key Tab
    focus_is "focus after Tab" TorvelleGrid
    xdotool key x
    focus_is "focus after a key on the grid" TorvelleForm1
}
slider_steps_by_one_and_five_from_the_keyboard() {
    xdotool key Tab Tab
    focus_is "focus after Tab twice" msctls_trackbar32
    local at
    at=$(slider_value)
    xdotool key Right
    eventually "slider after Right" $((at + 1)) slider_value
    xdotool key Next
    eventually "slider after Page Down" $((at + 6)) slider_value
}
every_button_released_on_the_slider_sets_the_breath() {
    local button
    for button in 3 2 1; do
        xdotool key Right
        ask slider && xdotool mousemove $reply click "$button"
        ask controls
        eventually "breath after button $button (progress maximum in tenths, slider)" \
            "$(($(field 7) * 14)) $(($(field 7) * 14))" breath_and_slider
    done
}
help_box_closes_with_enter_and_with_escape() {
    local key
    for key in Return Escape; do
        xdotool key alt+question Return
        ask box
        expect "help box" "$(field 1)" Torvelle
        xdotool key "$key"
        ask nobox
        expect "help box closed by $key" "$reply" none
    done
}
behaviours=(
    double_click_is_one_click
    focus_after_a_click_is_the_window
    tab_reaches_the_grid_and_a_key_gives_the_window_the_focus
    slider_steps_by_one_and_five_from_the_keyboard
    every_button_released_on_the_slider_sets_the_breath
    help_box_closes_with_enter_and_with_escape
)
for behaviour in "${behaviours[@]}"; do "$behaviour"; done

# About: through the keyboard's menu, its texts, the payment message, closed by its close box.
xdotool key alt+question Down Return
ask about
IFS=$'\t' read -r title flags size offset label1 label2 label3 ok pay <<<"$reply"
expect "About frame" "$title	$flags	$size	$offset" $'A propos de TORVELLE\tcaption,close,dialogframe,hiddenowner\t391x155\t0,0'
expect "About name" "$label1" TORVELLE
expect "About version" "$label2" 'Version 1.03 --  Le Logiciel français\n           de Torvelle'
[[ $label3 == *'\n        torvelle@example.org\n\n'* ]] || fail "About notice: $label3"
expect "About buttons" "${ok%@*} ${pay%@*}" "OK Payement"
ask focus about
expect "focus in About" "$reply" $'Button\tOK'
ask caption form && click $reply # the main window now covers About: the menu brings it back
ask focus form
xdotool key alt+question Down Return
ask focus about
expect "focus in About again" "$reply" $'Button\tOK'
click ${pay#*@}
answer_box OK
xdotool key alt+F4
ask noabout
expect "About closed by its close box" "$reply" gone

# The help, then the close box of the main window: the farewell and its two files.
xdotool key alt+question Return
answer_box OK
ask form
xdotool key alt+F4
answer_box OK
ask gone
expect "main window closed" "$reply" gone
wait_files=0
while [ ! -e jeujou ] && [ $wait_files -lt 100 ]; do sleep 0.1; wait_files=$((wait_files + 1)); done
expect "files left" "$(ls | tr '\n' ' ')" "jeujou ordi_jeu "
expect "ordi_jeu kept" "$(cat ordi_jeu)" kept
expect "jeujou empty" "$(stat -c %s jeujou)" 0

# Started again on a 150 % screen (144 dpi) under a dark high-contrast scheme, both set in the
# prefix's registry where Windows keeps them: the board where it is drawn at that scale, every
# control as designed at it, the blue captions and the frame's at 4.5 : 1 or more, the progress
# bar in the scheme's colours; then the menu's "&Quitter" ends it with its own farewell.
# Windows reads them when a session starts: this one is ended first, its probe with it.
wineserver -k
[ -z "${PROBE_PID:-}" ] || wait "$PROBE_PID" 2>/dev/null || true
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
for colour in "Scrollbar:0 0 0" "ButtonFace:0 0 0" "Window:0 0 0" "WindowText:255 255 255" \
    "ButtonText:255 255 255"; do
    wine reg add 'HKCU\Control Panel\Colors' /v "${colour%%:*}" /d "${colour#*:}" /f >/dev/null 2>&1
done
wine explorer /desktop=torvelle,1024x768 "$exe" >>"$scratch/game.log" 2>&1 &
coproc PROBE { wine "$probe_exe" 2>/dev/null; }
ask form
expect "main window at 150 %" "$(field 3)" 827x558
ask board
expect "the board at 150 %" "$reply" $'Grille de jeu\t20\t100\tok'
ask designed
expect "the window as designed at 150 %" "$reply" ok
for text in 8 9 frame; do
    ask contrast "$text"
    awk "BEGIN { exit !($reply >= 4.5) }" || fail "Label$text on a dark high-contrast scheme: $reply : 1"
done
ask progress
expect "the progress bar on a dark high-contrast scheme" "$reply" scheme
ask focus form # the key goes to the window once it has the keyboard
xdotool key alt+q
ask box
expect "the menu's Quitter" "$(field 1)	$(field 2)" $'Dod irud er URIVE\tA bientot'
answer_box OK
ask gone

# The uninstaller leaves nothing of the game behind; then the same for every user of the machine.
uninstall "$installed" "the player's install"
wine "$setup" /S /AllUsers >>"$scratch/setup.log" 2>&1 || fail "the installer for every user failed"
for file in "$WINEPREFIX/drive_c/Program Files/Torvelle/torvelle.exe" \
    "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Torvelle.lnk"; do
    [ -e "$file" ] || fail "not installed for every user: ${file#"$WINEPREFIX/"}"
done
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Torvelle' /v DisplayName \
    >/dev/null 2>&1 || fail "the machine's programs do not list the game"
uninstall "$WINEPREFIX/drive_c/Program Files/Torvelle" "the install for every user"
echo "play_under_wine.sh: installed for the player, a whole game with its boxes as the Qt build shows them, the About dialog, the farewell, uninstalled; installed for every user and uninstalled"
