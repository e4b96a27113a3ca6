#!/usr/bin/env bash
# Installs the game into a temporary prefix, checks what a desktop expects to find there, and
# starts it from its menu entry's command on a private X display with no settings.
#
#   kurulum_testi.sh <cmake> <build folder> <source folder> <project version>
#
# Exit status: 0 passed, 1 failed, 77 skipped (a tool is missing; every check that ran passed).
set -uo pipefail

cmake=$1 yapi=$2 kaynak=$3 surum=$4
kimlik=example.nuvvorudov.Mozeta
kok=$(cd "$(mktemp -d "${TMPDIR:-/tmp}/mozeta-kurulum.XXXXXX")" && pwd -P)
on=$kok/usr
hatali=0 atlandi=0
trap 'kill $(jobs -p) 2>/dev/null; wait; rm -rf "$kok"' EXIT

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

"$cmake" --install "$yapi" --prefix "$on" >"$kok/kurulum.log" 2>&1 || {
    cat "$kok/kurulum.log"
    denetle "cmake --install" false
    bitir
}

# The command in bin/ is a relative link to the real program, whose folder holds the samples.
bag=$on/bin/Mozeta-Tr
program=$on/lib/mozeta-tr/Mozeta-Tr
denetle "bin/Mozeta-Tr -> $(readlink "$bag")" test -L "$bag" -a ! -L "$program" -a -x "$program" \
    -a "$(readlink "$bag" | cut -c1)" != / -a "$(readlink -f "$bag")" = "$program"
for ornek in Sample-1.jpg Sample-2.jpg; do
    denetle "$ornek beside the program" cmp -s "$kaynak/resources/samples/$ornek" "${program%/*}/$ornek"
done
# The sound module, loaded at the first sound from the program's folder.
ses_modulu() { nm -D --defined-only "$1" 2>/dev/null | grep -q mozeta_ses_calici_yap; }
denetle "sound module beside the program" ses_modulu "${program%/*}/mozeta-ses.so"
simgeler=$on/share/icons/hicolor
for boyut in 16 32 48; do
    # A PNG's width and height stand in its IHDR chunk, from byte 16.
    olcu=$(od -An -tu4 --endian=big -j16 -N8 "$simgeler/${boyut}x$boyut/apps/mozeta-tr.png" |
        awk '{print $1 "x" $2}')
    denetle "icon ${boyut}x$boyut ($olcu)" test "$olcu" = "${boyut}x$boyut"
done
denetle "scalable icon" grep -q '<svg' "$simgeler/scalable/apps/mozeta-tr.svg"

# The menu entry: valid, naming an icon and a command that the installation provides.
masaustu=$on/share/applications/$kimlik.desktop
deger() { sed -n "s/^$1=//p" "$masaustu" | head -n1; }
denetle "menu entry $kimlik.desktop" test -f "$masaustu"
var desktop-file-validate desktop-file-utils && denetle "desktop-file-validate" desktop-file-validate "$masaustu"
denetle "Icon=$(deger Icon)" test "$(deger Icon)" = mozeta-tr
kategoriler=";$(deger Categories)"
denetle "Categories=$(deger Categories)" test "${kategoriler/;Game;/}" != "$kategoriler" -a \
    "${kategoriler/;LogicGame;/}" != "$kategoriler"
# Field codes (%f, %u ...) stand for files to open; the game takes none.
komut=$(deger Exec | sed -E 's/ +%[a-zA-Z]//g')
denetle "Exec=$komut is the installed command" test "$(PATH=$on/bin command -v "${komut%% *}")" = "$bag"

# The software-centre entry: valid, for this menu entry and this version.
bilgi=$on/share/metainfo/$kimlik.metainfo.xml
var appstreamcli appstream && denetle "appstreamcli validate --no-net" appstreamcli validate --no-net "$bilgi"
denetle "metadata launches $kimlik.desktop" \
    grep -q "<launchable type=\"desktop-id\">$kimlik.desktop</launchable>" "$bilgi"
denetle "metadata lists release $surum" grep -q "<release version=\"$surum\"" "$bilgi"

# Start the menu entry's command as a desktop would, on a fresh account: the game must find its
# sample photo through the link and show it.
for arac in Xvfb:xvfb xdotool:xdotool import:imagemagick convert:imagemagick; do
    var "${arac%:*}" "${arac#*:}" || bitir
done
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$kok/ekran" 2>"$kok/xvfb.log" &
for _ in $(seq 100); do
    grep -q '^[0-9]\+$' "$kok/ekran" && break
    sleep 0.1
done
DISPLAY=:$(head -n1 "$kok/ekran")
export DISPLAY
mkdir -p "$kok/ev" "$kok/ayar" "$kok/gecici" "$kok/calisma"
chmod 700 "$kok/calisma"
# A private TMPDIR keeps this copy apart from any other running copy of the game.
(cd "$kok/ev" && exec env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY PATH="$on/bin:$PATH" \
    HOME="$kok/ev" XDG_CONFIG_HOME="$kok/ayar" XDG_RUNTIME_DIR="$kok/calisma" \
    TMPDIR="$kok/gecici" LC_ALL=C.UTF-8 sh -c "exec $komut") >"$kok/oyun.log" 2>&1 &
oyun_pid=$!
pencere=
for _ in $(seq 100); do
    pencere=$(xdotool search --name '^Nuv Vorudov - Mozeta [0-9]' 2>/dev/null | head -n1)
    [ -n "$pencere" ] || ! kill -0 "$oyun_pid" 2>/dev/null && break
    sleep 0.1
done
[ -n "$pencere" ] || {
    cat "$kok/xvfb.log" "$kok/oyun.log"
    denetle "a game window within 10 s" false
    bitir
}
denetle "the running program is $program" test "$(readlink "/proc/$oyun_pid/exe")" = "$program"

# Without its photo the board is a few flat greys; the sample photo brings thousands of colours.
sleep 0.5
import -window "$pencere" "$kok/pencere.png"
renkler=$(convert "$kok/pencere.png" -crop 50%x50%+40+40 +repage -format '%k' info:)
denetle "the board shows the sample photo (${renkler:-no} colours)" test "${renkler:-0}" -gt 1000

# Without a window manager nobody gives the window the keyboard but the test itself.
xdotool windowfocus "$pencere" 2>/dev/null
xdotool key Escape
for _ in $(seq 50); do
    kill -0 "$oyun_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$oyun_pid" 2>/dev/null && denetle "closed on Esc within 5 s" false && bitir
wait "$oyun_pid"
durum=$?
# Sanitizer builds may end with a leak report's status; a signal is a crash.
denetle "closed on Esc (status $durum)" test "$durum" -le 128
denetle "the photo came from the program's real folder" grep -qxF \
    "Son Fotograf=${program%/*}/Sample-1.jpg" "$kok/ayar/Nuv Zovevav/Mozeta-Tr.ini"
bitir
