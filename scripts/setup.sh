#!/usr/bin/env bash
# Installs the Debian 12 packages that Kazemaru needs to build, run and test.
# Safe to run again: packages already present are left alone.
set -euo pipefail
packages=(build-essential cmake ninja-build qt6-base-dev libfontconfig-dev libqt6sql6-sqlite qt6-multimedia-dev
          qt6-svg-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n fonts-motoya-l-maruberi fonts-comfortaa xvfb xauth
          twm xfonts-base dpkg-dev file desktop-file-utils appstream clang-format
          postgresql libqt6sql6-psql openssl)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
