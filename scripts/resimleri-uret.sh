#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the picture drawer in scripts/resimler and redraws the icon and the sample photos
# into resources/. The output is deterministic for a given Qt version.
set -eu
kok=$(cd "$(dirname "$0")/.." && pwd)
yapi=${TMPDIR:-/tmp}/mozeta-resim-uretici
cmake -S "$kok/scripts/resimler" -B "$yapi" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$yapi" -j 2
QT_QPA_PLATFORM=offscreen "$yapi/resim-uretici" "$kok/resources"
