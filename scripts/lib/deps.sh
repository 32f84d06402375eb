# Installs the Debian packages given as arguments when any is missing.
# Runs apt-get as root, through sudo otherwise.
install_missing() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; return 1; }
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
}

# What building the program needs.
BUILD_PACKAGES=(build-essential cmake ninja-build ccache qt6-base-dev qt6-qpa-plugins libgl-dev
                libxkbcommon-dev fonts-liberation)
# What the tests need on top.
TEST_PACKAGES=(libgtest-dev poppler-utils xvfb xauth)
