#!/usr/bin/env bash
# Installs what the build, the tests and the demo need on Debian 12, then
# configures and builds into build/. Safe to run again: it installs only
# what is missing and rebuilds only what changed.
set -euo pipefail
cd "$(dirname "$0")/.."

# qt6-qpa-plugins: the desk's display plugins for the demo (the offscreen
# platform of the GUI tests comes with qt6-base-dev); fonts-wqy-microhei:
# Chinese text in offscreen tests and screenshots; locales: a decimal-comma
# locale for the tests of number text; qt6-translations-l10n: Qt's own
# dialogs and errors in Chinese; libqt6svg6: the toolbar's drawn icons and
# the application icon drawn at build time; poppler-utils, desktop-file-utils,
# appstream, lintian: the tests of the manual, the desktop entry and the
# package; qt6-charts-dev and libqt6opengl6-dev (which its CMake files
# need): the report charts; python3-openpyxl reads the spreadsheet exports
# back in the tests;
# qtkeychain-qt6-dev: remembered passwords in the desktop's keyring,
# gnome-keyring and dbus: a real Secret Service for its test.
packages=(build-essential cmake pkg-config zlib1g-dev qt6-base-dev qt6-qpa-plugins libgl-dev
          libasio-dev libcli11-dev libgtest-dev fonts-wqy-microhei locales
          qt6-translations-l10n libqt6svg6 poppler-utils desktop-file-utils appstream lintian
          qt6-charts-dev libqt6opengl6-dev python3-openpyxl qtkeychain-qt6-dev gnome-keyring dbus)
missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The number-text tests run under de_DE.UTF-8, which writes decimal commas.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf-\?8'; then
    echo "generating the de_DE.UTF-8 locale"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo localedef -i de_DE -c -f UTF-8 de_DE.UTF-8 || echo "de_DE.UTF-8 not generated"
fi

# The sanitizer run of ./run-tests builds into its own folder.
[ "${KORVANT_SETUP_NO_BUILD:-0}" = 1 ] && exit 0

jobs=$(nproc 2>/dev/null || echo 2)
launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build build -j"$jobs"
