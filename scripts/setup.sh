# Shared set-up for scripts/run and scripts/test: install the missing system packages,
# then configure and build one build folder. Sourced, not run.

GAMUTRIX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

gamutrix_install_packages() {
    local wanted missing=() pkg
    wanted=$(grep -v -E '^\s*(#|$)' "$GAMUTRIX_ROOT/scripts/packages.txt")
    for pkg in $wanted; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# gamutrix_configure BUILD_DIR [extra cmake arguments...]
gamutrix_configure() {
    local dir="$1"
    shift
    cmake -S "$GAMUTRIX_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}

# gamutrix_build BUILD_DIR [extra cmake arguments...]: configures and builds everything.
gamutrix_build() {
    gamutrix_configure "$@"
    cmake --build "$1" --parallel "$(nproc)"
}
