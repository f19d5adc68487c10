# common.sh: shared by the scripts: installs what is missing, then builds.
# Sourced, not run.

TORVELLE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TORVELLE_BUILD=${TORVELLE_BUILD:-$TORVELLE_ROOT/build}

# What building and playing the game needs, from Debian 12.
TORVELLE_GAME_PACKAGES=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev libxcb1-dev
    qt6-qpa-plugins qt6-wayland qt6-gtk-platformtheme
    fonts-liberation2 fonts-dejavu-core
)
# What the tests, the benchmarks, the checks and the package add.
TORVELLE_TEST_PACKAGES=(
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth x11-utils xdotool dbus-daemon dbus-bin libglib2.0-bin procps openbox xfwm4 weston
    python3-gi gir1.2-glib-2.0
    orca speech-dispatcher espeak-ng speech-dispatcher-espeak-ng python3-pyatspi iproute2
    desktop-file-utils appstream dpkg-dev file man-db
    debhelper lintian
    clang-format clang-tidy
)
# The GNOME and KDE window managers of the real-window tests, without what they only
# recommend (a whole desktop each).
TORVELLE_DESKTOP_PACKAGES=(mutter kwin-x11 kwin-wayland kwin-style-breeze)

# What the Windows build and its tests under Wine add (scripts/windows), without recommends.
TORVELLE_WINDOWS_PACKAGES=(
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 fonts-wine nsis zip
    xvfb xauth x11-utils xdotool dbus-daemon
)

# What the browser build and its tests add (scripts/web), without recommends: Emscripten and
# the acorn its optimiser needs, and the browsers the tests drive (WebKitGTK's on Xvfb).
TORVELLE_WEB_PACKAGES=(emscripten node-acorn chromium firefox-esr webkit2gtk-driver xvfb zip)

# What checking the package the Debian way adds (scripts/package --check), without recommends.
TORVELLE_DEBIAN_PACKAGES=(mmdebstrap sbuild piuparts autopkgtest uidmap debootstrap gzip)

# A machine installing its own updates holds the package manager's lock: wait for it.
TORVELLE_APT_LOCK_WAIT=${TORVELLE_APT_LOCK_WAIT:-300}
TORVELLE_APT_WAIT=(-o "DPkg::Lock::Timeout=$TORVELLE_APT_LOCK_WAIT")

# torvelle_install [apt-get option...] -- PACKAGE...: installs those not installed yet.
torvelle_install() {
    local options=()
    while [ "$1" != -- ]; do options+=("$1"); shift; done
    shift
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    if ! "${sudo[@]}" apt-get "${TORVELLE_APT_WAIT[@]}" update -qq ||
        ! DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get "${TORVELLE_APT_WAIT[@]}" install \
            -y -qq "${options[@]}" "${missing[@]}"; then
        echo "Could not install ${missing[*]}: see apt-get's words above (a package manager" \
            "that held its lock was waited for ${TORVELLE_APT_LOCK_WAIT} s)" >&2
        return 1
    fi
}

# Only what it takes to build and play.
torvelle_install_for_playing() {
    torvelle_install -- "${TORVELLE_GAME_PACKAGES[@]}"
}

# Everything the tests and checks need, plus any packages named (without their recommends).
torvelle_install_missing() {
    torvelle_install -- "${TORVELLE_GAME_PACKAGES[@]}" "${TORVELLE_TEST_PACKAGES[@]}"
    torvelle_install --no-install-recommends -- "${TORVELLE_DESKTOP_PACKAGES[@]}" "$@"
}

# Builds the game with its tests and benchmarks; later -D options override.
torvelle_build() {
    local werror=OFF
    [ -n "${CI:-}" ] && werror=ON
    cmake -S "$TORVELLE_ROOT" -B "$TORVELLE_BUILD" -DTORVELLE_WERROR=$werror \
        -DTORVELLE_TESTS=ON -DTORVELLE_BENCH=ON "$@"
    cmake --build "$TORVELLE_BUILD" --parallel "$(nproc)"
}
