#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs and packs the game, checks what a desktop and lintian expect, and starts it under Xvfb
# on a fresh account: from its menu entry's command, then over a private session bus.
#   kurulum_testi.sh <cmake> <cpack> <build folder> <source folder> <project version>
# Exit status: 0 passed, 1 failed, 77 skipped (a tool is missing; every check that ran passed).
set -uo pipefail

cmake=$1 cpack=$2 yapi=$3 kaynak=$4 surum=$5
kimlik=example.nuvvorudov.Mozeta
kok=$(cd "$(mktemp -d "${TMPDIR:-/tmp}/mozeta-kurulum.XXXXXX")" && pwd -P)
on=$kok/usr
hatali=0 atlandi=0
trap 'kill $(jobs -p) ${oyun_pid:-} 2>/dev/null; wait; rm -rf "$kok"' EXIT
# Deadlines that only catch a hang: ten times what a start takes on a slow, busy machine.
takilma=60

# denetle "what is checked" command...: passes when the command succeeds.
denetle() {
    local ne=$1
    shift
    if "$@"; then echo "PASS: $ne"; else
        echo "FAIL: $ne"
        hatali=1
    fi
}
# var tool package: whether the tool is installed; a missing one is noted as skipped.
var() {
    command -v "$1" >/dev/null && return
    echo "SKIP: $1 not installed (Debian package $2)"
    atlandi=1
    return 1
}
bitir() {
    ((hatali)) && exit 1
    ((atlandi)) && exit 77
    exit 0
}
# dur log "what failed": shows the log and ends with the failure.
dur() {
    cat "$1"
    denetle "$2" false
    bitir
}

"$cmake" --install "$yapi" --prefix "$on" >"$kok/kurulum.log" 2>&1 ||
    dur "$kok/kurulum.log" "cmake --install"
# games/ links to the real program, whose folder holds the samples.
program=$on/lib/mozeta-tr/Mozeta-Tr

# The menu entry: valid, naming an icon and a command that the installation provides.
masaustu=$on/share/applications/$kimlik.desktop
deger() { sed -n "s/^$1=//p" "$masaustu" | head -n1; }
var desktop-file-validate desktop-file-utils && denetle "desktop-file-validate" desktop-file-validate "$masaustu"
denetle "Icon=$(deger Icon)" grep -q '<svg' "$on/share/icons/hicolor/scalable/apps/$(deger Icon).svg"
# %f stands for a photo to open; started from the menu the game gets none.
komut=$(deger Exec | sed -E 's/ +%[a-zA-Z]//g')
denetle "MimeType=$(deger MimeType)" test "$(deger MimeType)" = "image/jpeg;image/bmp;image/png;image/webp;image/heic;image/heif;image/avif;"
# "Open with" offers the game for every kind, on a desktop with the prefix among its data folders.
masaustunde() { PATH=$on/games:$PATH XDG_DATA_DIRS=$on/share XDG_DATA_HOME=$kok/veri "$@"; }
acar_mi() { grep -qF "$kimlik.desktop" <(masaustunde gio mime "$1"); }
if var gio libglib2.0-bin; then
    for tur in image/jpeg image/bmp image/png image/webp image/heic image/avif; do denetle "gio mime $tur" acar_mi $tur; done
fi
surum_basta() { zcat "$on/share/doc/mozeta-tr/changelog.gz" | head -n1 | grep -qF "mozeta-tr ($surum)"; }
denetle "the change log starts with $surum" surum_basta

# The software-centre entry: valid, for this menu entry and this version.
bilgi=$on/share/metainfo/$kimlik.metainfo.xml
var appstreamcli appstream && denetle "appstreamcli validate --no-net" appstreamcli validate --no-net "$bilgi"
denetle "metadata launches $kimlik.desktop" \
    grep -q "<launchable type=\"desktop-id\">$kimlik.desktop</launchable>" "$bilgi"
denetle "metadata lists release $surum" grep -q "<release version=\"$surum\"" "$bilgi"

# The package: what lintian accepts, naming no folder of this build (a library loaded from there).
"$cpack" --config "$yapi/CPackConfig.cmake" -B "$kok/paket" >"$kok/cpack.log" 2>&1 ||
    dur "$kok/cpack.log" cpack
paket=$(echo "$kok"/paket/mozeta-tr_"$surum"_*.deb)
dpkg-deb -x "$paket" "$kok/deb"
# A sanitizer build writes its source paths into the instrumentation; only a normal build ships.
[ "${MOZETA_SANITIZE:-}" = 1 ] ||
    denetle "the package names no build folder" test -z "$(grep -rlF "$yapi" "$kok/deb")"
var lintian lintian && denetle "lintian: no error, no warning" lintian --fail-on error,warning "$paket"
# The program uses Qt's private platform interface: only the Qt it was built with will do.
qt_abi=$(dpkg-query -W -f='${Provides}' libqt6core6 | grep -o 'qt6-base-abi (= [^)]*)')
denetle "Depends: $qt_abi" grep -qF "$qt_abi" <(dpkg-deb -f "$paket" Depends)

for arac in Xvfb:xvfb xdotool:xdotool import:imagemagick convert:imagemagick \
    dbus-daemon:dbus-daemon gapplication:libglib2.0-bin; do
    var "${arac%:*}" "${arac#*:}" || bitir
done
# A numbered display keeps its lock file (one picked by the server has none, and another server
# unlinks its socket); -displayfd says when it is ready. A number in use ends it: another is tried.
mkfifo "$kok/ekran"
for numara in $(shuf -i 600-999 -n 20); do
    Xvfb ":$numara" -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
        3>"$kok/ekran" 2>>"$kok/xvfb.log" &
    read -r -t $takilma ekran <"$kok/ekran" && [ "$ekran" = "$numara" ] && break
    kill $! 2>/dev/null
    ekran=
done
[ -n "$ekran" ] || dur "$kok/xvfb.log" "Xvfb started"
export DISPLAY=:$ekran
mkdir -p -m 700 "$kok/ev" "$kok/ayar" "$kok/gecici" "$kok/calisma"
# A fresh account; a private TMPDIR keeps this copy apart from any other running copy of the game.
hesap=(env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY PATH="$on/games:$PATH" HOME="$kok/ev"
    XDG_CONFIG_HOME="$kok/ayar" XDG_RUNTIME_DIR="$kok/calisma" TMPDIR="$kok/gecici" LC_ALL=C.UTF-8)
# A session bus that starts only what the install put in its service folder, on the account.
cat >"$kok/bus.conf" <<SON
<busconfig>
  <type>session</type>
  <listen>unix:dir=$kok</listen>
  <servicedir>$on/share/dbus-1/services</servicedir>
  <policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/>
    <allow own="*"/></policy>
</busconfig>
SON
mkfifo "$kok/bus"
(cd "$kok/ev" && exec "${hesap[@]}" dbus-daemon --nofork --config-file="$kok/bus.conf" \
    --print-address=3 3>"$kok/bus") >"$kok/bus.log" 2>&1 &
read -r -t $takilma DBUS_SESSION_BUS_ADDRESS <"$kok/bus" || dur "$kok/bus.log" "dbus-daemon started"
export DBUS_SESSION_BUS_ADDRESS
# pencere log: waits for the game's window to be mapped; fails, showing the log, when none is.
pencere() {
    pencere=$(timeout $takilma xdotool search --sync --onlyvisible \
        --name '^Nuv Vorudov - Mozeta [0-9]' | head -n1)
    [ -n "$pencere" ] || dur <(cat "$kok/xvfb.log" "$1") "a game window is mapped"
}
kapandi() { timeout $takilma tail -s 0.1 --pid="$oyun_pid" -f /dev/null; }
(cd "$kok/ev" && exec "${hesap[@]}" sh -c "exec $komut") >"$kok/oyun.log" 2>&1 &
oyun_pid=$!
pencere "$kok/oyun.log"

# The sample photo brings thousands of colours to the flat greys; mapped is not yet painted.
renkler=0
for ((son = SECONDS + takilma; renkler <= 1000 && SECONDS < son; )); do
    import -window "$pencere" "$kok/pencere.png" &&
        renkler=$(convert "$kok/pencere.png" -crop 50%x50%+40+40 +repage -format '%k' info:)
done
denetle "the board shows the sample photo (${renkler:-no} colours)" test "${renkler:-0}" -gt 1000

# A click on the top-left piece deals; a refused one's sound loads the module beside the program.
# A click during the deal's drawing can be lost: clicked until the module is there, 0.5 s apart.
modul=${program%/*}/mozeta-ses.so
for ((son = SECONDS + takilma; SECONDS < son; )); do
    grep -qF "$modul" "/proc/$oyun_pid/maps" && break
    xdotool mousemove --window "$pencere" 90 80 click 1
    sleep 0.5
done
denetle "the first sound loads $modul" grep -qF "$modul" "/proc/$oyun_pid/maps"

# Without a window manager keys go to the window under the pointer.
xdotool key Escape
kapandi || dur /dev/null "closed on Esc"
wait "$oyun_pid"
durum=$?
# Sanitizer builds may end with a leak report's status; a signal is a crash.
denetle "closed on Esc (status $durum)" test "$durum" -le 128
ayarlar="$kok/ayar/Nuv Zovevav/Mozeta-Tr.ini"
denetle "the photo came from the program's real folder" grep -qxF \
    "Son Fotograf=${program%/*}/Sample-1.jpg" "$ayarlar"

# As GNOME and KDE start the entry (DBusActivatable): the bus starts the program with the photo.
denetle "gapplication list-apps" grep -qxF $kimlik <(masaustunde gapplication list-apps)
cp "$kaynak/resources/samples/Sample-2.jpg" "$kok/foto.jpg"
"${hesap[@]}" gapplication launch $kimlik "$kok/foto.jpg" >>"$kok/bus.log" 2>&1
pencere "$kok/bus.log"
oyun_pid=$(xdotool getwindowpid "$pencere")
xdotool mousemove --window "$pencere" 90 80 key Escape
kapandi
denetle "gapplication launch $kimlik PHOTO" grep -qxF "Son Fotograf=$kok/foto.jpg" "$ayarlar"
bitir
