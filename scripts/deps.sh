#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    libsqlite3-dev libgtk-3-dev libwebkit2gtk-4.1-dev nlohmann-json3-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    librsvg2-bin fonts-droid-fallback
    xvfb xauth xdotool x11-utils openbox libxtst-dev sqlite3 bc scrot python3
)
if ! command -v node >/dev/null 2>&1 || ! command -v npm >/dev/null 2>&1; then
    packages+=(nodejs npm)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=""
    if [ "$(id -u)" != 0 ]; then sudo=sudo; fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
