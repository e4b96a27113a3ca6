#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang (build-fuzz/) and runs each a fixed number of times
# from its committed seed corpus: a quick check that the settings reader, the saved-board check,
# the photo loader (every type Qt decodes), the HEIF and AVIF decode and the EXIF small picture
# reader still survive mangled input.
# Long runs: scripts/fuzz-long.sh.
set -euo pipefail

kok=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
yapi=${MOZETA_FUZZ_BUILD_DIR:-$kok/build-fuzz}
kosu=${MOZETA_FUZZ_RUNS:-20000}
isler=${JOBS:-2}

command -v clang++ >/dev/null || {
    echo "ci-fuzz.sh: clang++ is missing (apt-get install clang libclang-rt-14-dev)" >&2
    exit 1
}
cmake -S "$kok" -B "$yapi" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DMOZETA_FUZZ=ON -DMOZETA_FUZZ_RUNS="$kosu" >/dev/null
cmake --build "$yapi" --target mozeta_fuzz --parallel "$isler"
exec ctest --test-dir "$yapi" -L fuzz --output-on-failure -j"$isler"
