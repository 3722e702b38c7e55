#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, if missing.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-svg-dev qt6-translations-l10n
    libsqlcipher-dev sqlcipher
    libgl-dev
    fonts-liberation
    xvfb xdotool imagemagick poppler-utils clang-format
    openbox x11-utils
    libreoffice-calc
    appstream desktop-file-utils file dpkg-dev
    clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "Missing packages and no way to become root: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
