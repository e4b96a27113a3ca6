#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game and its tests with AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan/, -DMOZETA_SANITIZE=ON) and runs the test suite there: any invalid memory access,
# undefined behaviour or leak fails the test it happens in.
# MOZETA_SANITIZE_TESTS: a CTest regular expression to run only some tests.
set -euo pipefail

kok=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
yapi=${MOZETA_ASAN_BUILD_DIR:-$kok/build-asan}
isler=${JOBS:-$(nproc)}

if [ ! -f "$yapi/CMakeCache.txt" ]; then
    # -O1 -g1: a third less compile time than -O2 -g, and still line numbers in every report.
    cmake -S "$kok" -B "$yapi" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOZETA_SANITIZE=ON \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG"
fi
cmake --build "$yapi" --parallel "$isler"

# Leaks of system libraries (D-Bus, fontconfig, PulseAudio) are not the game's: tests/lsan.supp.
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_init_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$kok/tests/lsan.supp:print_suppressions=0"

secim=()
[ -n "${MOZETA_SANITIZE_TESTS:-}" ] && secim=(-R "$MOZETA_SANITIZE_TESTS")
exec ctest --test-dir "$yapi" --output-on-failure -j2 --timeout 600 -LE fuzz "${secim[@]}"
