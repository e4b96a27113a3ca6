#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up benchmark: time from process start to the main window being mapped under Xvfb, and
# peak resident memory, for the game (fresh settings folder, sample photos beside it), a bare
# Qt Widgets window of the game's size (the floor any Qt game starts from) and the fastest peer,
# the puzzle collection's fifteen-puzzle, side by side in one run on a private session bus. Then
# the game and the bare window on Wayland, under weston's headless compositor (wayland.sh).
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
ciplak=$yapi/mozeta-ciplak-pencere
akran=/usr/games/sgt-fifteen
for program in "$oyun" "$ciplak"; do
    [ -x "$program" ] || { echo "bench/startup: $program is not built (scripts/kur.sh)" >&2; exit 1; }
done
# The game meets its other copies on the session bus: a private one, as on a desktop.
if [ -z "${MOZETA_BENCH_BUS:-}" ] && command -v dbus-run-session >/dev/null; then
    MOZETA_BENCH_BUS=1 exec dbus-run-session -- bash "${BASH_SOURCE[0]}" "$yapi" -- "${secenekler[@]}"
fi
[ -f "$yapi/Sample-1.jpg" ] || echo "bench/startup: warning: no Sample-1.jpg beside the game" >&2

gecici=$(mktemp -d)
trap 'rm -rf "$gecici"' EXIT

# Each program gets an empty home, settings and temporary folder of its own: the game starts
# as on its first run and cannot meet a copy of itself that runs on this machine.
olc() { # label, measurer, program...
    local ad=$1 olcer=$2; shift 2
    local ev=$gecici/$ad
    mkdir -p "$ev/.config" "$ev/tmp" "$ev/run"
    chmod 700 "$ev/run"
    HOME=$ev XDG_CONFIG_HOME=$ev/.config TMPDIR=$ev/tmp XDG_RUNTIME_DIR=$ev/run \
        bash "$olcer" -C "$ev" -l "$ad" "${secenekler[@]}" -- "$@" 2>"$gecici/$ad.log" ||
        { cat "$gecici/$ad.log" >&2; return 1; }
}

satir() { # label, "median_ms=N rss_kb=N"
    local ms=${2#median_ms=}; ms=${ms%% *}
    local kb=${2##*rss_kb=}
    printf '%-14s %8s ms %10s MiB\n' "$1" "$ms" "$(awk -v k="$kb" 'BEGIN{printf "%.1f", k/1024}')"
}

biz=$(olc mozeta "$olcer" "$oyun")
taban=$(olc qt-pencere "$olcer" "$ciplak")
if [ -x "$akran" ]; then
    onlar=$(olc sgt-fifteen "$olcer" "$akran")
else
    onlar=""
    echo "bench/startup: $akran not installed (Debian: sgt-puzzles); peer skipped" >&2
fi

# Wayland: to the first frame handed to the compositor. weston draws no window frames, so on Qt
# 6.4 the game keeps EGL buffers there for its title bar; the shared-memory row shows what a
# compositor that draws frames (KDE, sway) gets, as does a player who sets the variable.
wayland=$kok/bench/startup/wayland.sh
if command -v weston >/dev/null; then
    wbiz=$(olc mozeta-wayland "$wayland" "$oyun") &&
        wpay=$(olc mozeta-shm "$wayland" env QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=shm "$oyun") &&
        wtaban=$(olc qt-pencere-wayland "$wayland" "$ciplak") || wbiz=""
else
    wbiz=""
    echo "bench/startup: weston not installed (Debian: weston); Wayland skipped" >&2
fi

echo "Start-up to mapped window (median) and peak RSS (median VmHWM):"
echo "X11 (Xvfb):"
satir "Mozeta-Tr" "$biz"
satir "Qt window" "$taban"
[ -n "$onlar" ] && satir "sgt-fifteen" "$onlar"
if [ -n "$wbiz" ]; then
    echo "Wayland (weston, headless; to the first frame):"
    satir "Mozeta-Tr" "$wbiz"
    satir "  shm buffers" "$wpay"
    satir "Qt window" "$wtaban"
fi
# The goals: at most 2.5 MiB above the bare window, on X11 and on Wayland alike (computed from
# the kB, not from the rounded rows), no slower than the peer.
fark() { awk -v a="${2##*rss_kb=}" -v b="${3##*rss_kb=}" "BEGIN{printf \"$1\\n\", (a-b)/1024}"; }
fark "Mozeta-Tr peak above the bare Qt window: %.1f MiB" "$biz" "$taban"
[ -z "$wbiz" ] || fark "  on Wayland: %.1f MiB" "$wbiz" "$wtaban"
[ -z "$wbiz" ] || fark "Mozeta-Tr peak on Wayland above X11: %.1f MiB" "$wbiz" "$biz"
[ -z "$wbiz" ] || fark "  with shm buffers: %.1f MiB" "$wpay" "$biz"
exit 0
