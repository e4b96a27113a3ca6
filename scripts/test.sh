#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up and builds what is missing, then runs every test (unit tests offscreen, end-to-end
# tests on private Xvfb displays), again under the sanitizers, and the short fuzz runs.
set -euo pipefail

kok=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$kok/scripts/kur.sh" --test

durum=0
ctest --test-dir "${MOZETA_BUILD_DIR:-$kok/build}" --output-on-failure -j2 --timeout 300 || durum=$?
# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer, then short fuzz runs
# of the settings reader, the saved-board check and the photo loader from their seed corpora.
"$kok/scripts/ci-sanitize.sh" || durum=$?
"$kok/scripts/ci-fuzz.sh" || durum=$?
exit "$durum"
