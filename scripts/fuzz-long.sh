#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Long fuzzing runs: each target for a while (default 10 minutes), one after the other or all at
# once with -p. New inputs go to build-fuzz/long/<target>/ (not into the committed corpus);
# a crash leaves its input as build-fuzz/long/crash-*. Reproduce one with
#     build-fuzz/tests/fuzz/<target> build-fuzz/long/crash-...
# Usage: scripts/fuzz-long.sh [-p] [seconds] [target...]
set -euo pipefail

kok=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
yapi=${MOZETA_FUZZ_BUILD_DIR:-$kok/build-fuzz}
birlikte=0
if [ "${1:-}" = -p ]; then
    birlikte=1
    shift
fi
sure=${1:-600}
shift || true
hedefler=("$@")
((${#hedefler[@]})) || hedefler=(fuzz_ayar_okuma fuzz_ayar_yazma fuzz_kayitli_oyun fuzz_fotograf fuzz_exif_kucuk_resim)

cmake -S "$kok" -B "$yapi" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DMOZETA_FUZZ=ON >/dev/null
cmake --build "$yapi" --target mozeta_fuzz --parallel "${JOBS:-2}"

uzun="$yapi/long"
calistir() {
    local hedef=$1
    mkdir -p "$uzun/$hedef"
    # Longer inputs than the quick check, to look for texts that take too long to read.
    "$yapi/tests/fuzz/$hedef" -max_total_time="$sure" -max_len=65536 -timeout=20 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$uzun/" \
        "$uzun/$hedef" "$kok/tests/fuzz/corpus/$hedef" >"$uzun/$hedef.log" 2>&1
}

durum=0
if ((birlikte)); then
    pids=()
    for hedef in "${hedefler[@]}"; do
        calistir "$hedef" &
        pids+=($!)
    done
    for pid in "${pids[@]}"; do wait "$pid" || durum=1; done
else
    for hedef in "${hedefler[@]}"; do calistir "$hedef" || durum=1; done
fi

for hedef in "${hedefler[@]}"; do
    echo "== $hedef ($uzun/$hedef.log)"
    grep -E '^Done|stat::number_of_executed_units|ERROR|SUMMARY|^\*\*\*' "$uzun/$hedef.log" || true
done
exit "$durum"
