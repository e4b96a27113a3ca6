#!/usr/bin/env bash
# Start-up benchmark: time from process start to the main window being mapped under Xvfb, and
# peak resident memory, for the game (fresh settings folder, sample photos beside it) and for
# the fastest peer, the puzzle collection's fifteen-puzzle, side by side in one run.
#
# Usage: bench/startup/run.sh [BUILD_DIR] [-- extra window_startup.sh options, e.g. -n 11]
# Needs ../shared/bench/window_startup.sh next to the checkout; skipped when it is absent.
set -euo pipefail

kok=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
yapi=$kok/build
if [ $# -gt 0 ] && [ "$1" != "--" ]; then yapi=$(cd "$1" && pwd); shift; fi
[ "${1:-}" = "--" ] && shift
secenekler=("$@")

olcer=$kok/../shared/bench/window_startup.sh
if [ ! -f "$olcer" ]; then
    echo "bench/startup: skipped, $olcer not found"
    exit 0
fi
oyun=$yapi/Mozeta-Tr
akran=/usr/games/sgt-fifteen
[ -x "$oyun" ] || { echo "bench/startup: $oyun is not built (scripts/kur.sh)" >&2; exit 1; }
[ -f "$yapi/Sample-1.jpg" ] || echo "bench/startup: warning: no Sample-1.jpg beside the game" >&2

gecici=$(mktemp -d)
trap 'rm -rf "$gecici"' EXIT

# Each program gets an empty home, settings and temporary folder of its own: the game starts
# as on its first run and cannot meet a copy of itself that runs on this machine.
olc() {
    local ad=$1; shift
    local ev=$gecici/$ad
    mkdir -p "$ev/.config" "$ev/tmp"
    HOME=$ev XDG_CONFIG_HOME=$ev/.config TMPDIR=$ev/tmp \
        bash "$olcer" -C "$ev" -l "$ad" "${secenekler[@]}" -- "$@" 2>"$gecici/$ad.log" ||
        { cat "$gecici/$ad.log" >&2; return 1; }
}

satir() { # label, "median_ms=N rss_kb=N"
    local ms=${2#median_ms=}; ms=${ms%% *}
    local kb=${2##*rss_kb=}
    printf '%-14s %8s ms %10s MiB\n' "$1" "$ms" "$(awk -v k="$kb" 'BEGIN{printf "%.1f", k/1024}')"
}

biz=$(olc mozeta "$oyun")
if [ -x "$akran" ]; then
    onlar=$(olc sgt-fifteen "$akran")
else
    onlar=""
    echo "bench/startup: $akran not installed (Debian: sgt-puzzles); peer skipped" >&2
fi

echo "Start-up to mapped window (median) and peak RSS (median VmHWM):"
satir "Mozeta-Tr" "$biz"
[ -n "$onlar" ] && satir "sgt-fifteen" "$onlar"
exit 0
