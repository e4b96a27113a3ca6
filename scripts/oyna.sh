#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up and builds what is missing, then starts the game.
set -euo pipefail

kok=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$kok/scripts/kur.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "oyna.sh: the game is built (${MOZETA_BUILD_DIR:-$kok/build}/Mozeta-Tr), but there is" \
        "no display to start it on; run this from a desktop session" >&2
    exit 1
fi
exec "${MOZETA_BUILD_DIR:-$kok/build}/Mozeta-Tr"
