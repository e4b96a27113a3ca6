#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets the game up on Debian 12: installs the packages that are missing, then configures and
# builds it into build/. Safe to run again: it only does what is left to do. With --test it also
# installs what the tests and benchmarks need; a player gets only what building and playing need.
set -euo pipefail

kok=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
yapi=${MOZETA_BUILD_DIR:-$kok/build}
isler=${JOBS:-$(nproc)}

paketler=(
    cmake g++ ninja-build                                   # build
    qt6-base-dev qt6-multimedia-dev qt6-translations-l10n   # Qt and its Turkish texts
    qt6-base-private-dev                                    # the platform's activation token
    libgl-dev fonts-liberation
    qt6-wayland pkg-config libwayland-dev                   # a Wayland desktop without X11
    libxcb1-dev                                             # X11's start-up notification
    qt6-image-formats-plugins libheif-dev zlib1g-dev        # WebP, HEIF and AVIF photos
)
test_paketleri=(
    xvfb xauth x11-utils xdotool imagemagick python3        # tests and benchmarks
    dbus dbus-daemon at-spi2-core python3-pyatspi           # private buses, the screen reader
    orca speech-dispatcher locales                          # ... and Orca speaking Turkish
    libglib2.0-bin                                          # the desktop's launcher (gapplication, gio)
    libgtk-3-bin                                            # ... and gtk-launch
    desktop-file-utils appstream dpkg-dev lintian           # install checks and the .deb
    clang libclang-rt-14-dev                                # fuzzing and sanitizers
    sgt-puzzles weston                                      # the benchmark's peer and compositor
)
case ${1:-} in
--test) paketler+=("${test_paketleri[@]}") ;;
"") ;;
*)
    echo "usage: kur.sh [--test]" >&2
    exit 2
    ;;
esac

eksik=()
for paket in "${paketler[@]}"; do
    dpkg-query -W -f='${Status}\n' "$paket" 2>/dev/null | grep -q '^install ok installed$' ||
        eksik+=("$paket")
done
if ((${#eksik[@]})); then
    yetki=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || {
            echo "kur.sh: missing packages (${eksik[*]}); run as root or install sudo" >&2
            exit 1
        }
        yetki=(sudo)
    fi
    echo "kur.sh: installing ${eksik[*]}"
    "${yetki[@]}" apt-get update
    "${yetki[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${eksik[@]}"
fi

# Configure once; a folder whose first configuration failed is configured again.
if [ ! -f "$yapi/build.ninja" ] && [ ! -f "$yapi/Makefile" ]; then
    ureteci=()
    [ -f "$yapi/CMakeCache.txt" ] || ureteci=(-G Ninja)
    cmake -S "$kok" -B "$yapi" "${ureteci[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$yapi" --parallel "$isler"
