# common.sh: shared by scripts/run and scripts/test: installs what is missing, then builds.
# Sourced, not run.

TORVELLE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TORVELLE_BUILD=${TORVELLE_BUILD:-$TORVELLE_ROOT/build}

# Everything the game, its tests and its benchmarks need, from Debian 12.
TORVELLE_PACKAGES=(
    cmake g++ make pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev
    qt6-qpa-plugins qt6-wayland qt6-gtk-platformtheme libxcb1-dev
    fonts-liberation2 fonts-dejavu-core
    xvfb xauth x11-utils xdotool openbox xfwm4 weston
    desktop-file-utils appstream dpkg-dev file man-db
    debhelper lintian
    clang-format clang-tidy
)

torvelle_install_missing() {
    local missing=()
    local pkg
    for pkg in "${TORVELLE_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
        "${missing[@]}"
}

torvelle_build() {
    local werror=OFF
    [ -n "${CI:-}" ] && werror=ON
    cmake -S "$TORVELLE_ROOT" -B "$TORVELLE_BUILD" -DTORVELLE_WERROR=$werror "$@"
    cmake --build "$TORVELLE_BUILD" --parallel "$(nproc)"
}
