#!/usr/bin/env bash
# Sets up and builds what is missing, then runs every test (unit tests offscreen, end-to-end
# tests on private Xvfb displays).
set -euo pipefail

kok=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$kok/scripts/kur.sh"
exec ctest --test-dir "${MOZETA_BUILD_DIR:-$kok/build}" --output-on-failure -j2 --timeout 300
