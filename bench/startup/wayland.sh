#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up on Wayland: time from process start to the first frame the program hands to weston's
# headless compositor, and its peak resident memory. Prints "median_ms=N rss_kb=N", as
# window_startup.sh does for a window mapped on X11.
#
# Usage: bench/startup/wayland.sh [-n RUNS] [-w WARMUP] [-k SECONDS] [-t SECONDS] [-C DIR] [-l LABEL]
#            -- PROGRAM [ARGS...]
# The options mean what they mean to window_startup.sh; the label is not used.
# Needs weston (Debian: weston) and Qt's Wayland plugin (Debian: qt6-wayland).
set -euo pipefail

kosu=7 isinma=1 bekle=2 takilma=30 klasor=.
while getopts "n:w:k:t:C:l:" secenek; do
    case $secenek in
    n) kosu=$OPTARG ;; w) isinma=$OPTARG ;; k) bekle=$OPTARG ;; t) takilma=$OPTARG ;;
    C) klasor=$OPTARG ;; l) ;; *) exit 2 ;;
    esac
done
shift $((OPTIND - 1))
[ "${1:-}" = "--" ] && shift
command -v weston >/dev/null || { echo "wayland.sh: weston is not installed" >&2; exit 3; }

is=$(mktemp -d)
chmod 700 "$is"
weston_pid="" pid=""
trap '[ -z "$pid" ] || kill -KILL "$pid" 2>/dev/null; [ -z "$weston_pid" ] || kill "$weston_pid"
    wait 2>/dev/null; rm -rf "$is"' EXIT
XDG_RUNTIME_DIR=$is weston --backend=headless-backend.so --use-pixman --no-config --idle-time=0 \
    --socket=olcum --width=1280 --height=1024 >"$is/weston.log" 2>&1 &
weston_pid=$!
son=$((SECONDS + takilma))
until [ -S "$is/olcum" ]; do
    ((SECONDS < son)) && kill -0 "$weston_pid" || { cat "$is/weston.log" >&2; exit 1; }
    sleep 0.1
done

# One run: the program's protocol log (WAYLAND_DEBUG) says when it attaches its first buffer,
# that is, shows its first frame; grep reads it in blocks, so the stamp does not lag behind.
mkfifo "$is/gunluk"
olc() {
    local bas=$EPOCHREALTIME
    (cd "$klasor" && exec env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$is/olcum" \
        WAYLAND_DEBUG=client "$@") >/dev/null 2>"$is/gunluk" &
    pid=$!
    exec 4<"$is/gunluk"
    timeout "$takilma" grep -qm1 'wl_surface@[0-9]*\.attach(wl_buffer@' <&4 ||
        { echo "wayland.sh: no frame from $1" >&2; exit 1; }
    local an=$EPOCHREALTIME
    cat <&4 >/dev/null &
    exec 4<&-
    sleep "$bekle"
    local kb
    kb=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=""
    local ms
    ms=$(awk -v a="$bas" -v b="$an" 'BEGIN { printf "%d", (b - a) * 1000 }')
    echo "wayland.sh: $1: $ms ms, $kb kB" >&2
    echo "$ms $kb"
}
for ((i = 0; i < isinma; i++)); do olc "$@" >/dev/null; done
for ((i = 0; i < kosu; i++)); do olc "$@"; done >"$is/sonuclar"
orta() { sort -n | awk '{ d[NR] = $1 } END { print d[int((NR + 1) / 2)] }'; }
echo "median_ms=$(cut -d' ' -f1 "$is/sonuclar" | orta) rss_kb=$(cut -d' ' -f2 "$is/sonuclar" | orta)"
