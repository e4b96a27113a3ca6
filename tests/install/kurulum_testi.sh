#!/usr/bin/env bash
# Installs the game into a temporary prefix, checks what a desktop expects to find there, and
# starts it from its menu entry's command on a private X display with no settings.
#
#   kurulum_testi.sh <cmake> <build folder> <source folder> <project version>
#
# Exit status: 0 passed, 1 failed, 77 skipped (a tool is missing; every check that could run
# has passed).
set -uo pipefail

cmake=$1
yapi=$2
kaynak=$3
surum=$4

kimlik=example.nuvvorudov.Mozeta
kok=$(mktemp -d "${TMPDIR:-/tmp}/mozeta-kurulum.XXXXXX")
kok=$(cd "$kok" && pwd -P)
on=$kok/usr
hatali=0
atlandi=0
oyun_pid=
xvfb_pid=

gecti() { echo "PASS: $*"; }
kaldi() {
    echo "FAIL: $*"
    hatali=1
}
atla() {
    echo "SKIP: $*"
    atlandi=1
}
# shellcheck disable=SC2317 # reached through the trap
temizle() {
    [ -n "$oyun_pid" ] && kill "$oyun_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$kok"
}
trap temizle EXIT
bitir() {
    if ((hatali)); then exit 1; fi
    if ((atlandi)); then exit 77; fi
    exit 0
}

# PNG width and height from the IHDR chunk, as "WxH".
png_boyutu() {
    local b
    read -r -a b < <(od -An -tu1 -j16 -N8 "$1")
    ((${#b[@]} == 8)) || return 1
    echo "$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]))x$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))"
}

if ! "$cmake" --install "$yapi" --prefix "$on" >"$kok/kurulum.log" 2>&1; then
    cat "$kok/kurulum.log"
    kaldi "cmake --install failed"
    bitir
fi

# The command in bin/ must lead to the real program, whose folder holds the sample photos.
komut_bagi=$on/bin/Mozeta-Tr
program=$on/lib/mozeta-tr/Mozeta-Tr
if [ ! -L "$komut_bagi" ]; then
    kaldi "bin/Mozeta-Tr is not a symbolic link"
elif [[ $(readlink "$komut_bagi") == /* ]]; then
    kaldi "bin/Mozeta-Tr points to an absolute path: $(readlink "$komut_bagi")"
elif [ "$(readlink -f "$komut_bagi")" != "$program" ]; then
    kaldi "bin/Mozeta-Tr resolves to $(readlink -f "$komut_bagi"), not $program"
elif [ -L "$program" ] || [ ! -x "$program" ]; then
    kaldi "$program is not an executable file"
else
    gecti "bin/Mozeta-Tr -> $(readlink "$komut_bagi")"
fi
for ornek in Sample-1.jpg Sample-2.jpg; do
    if cmp -s "$kaynak/resources/samples/$ornek" "$on/lib/mozeta-tr/$ornek"; then
        gecti "$ornek beside the program"
    else
        kaldi "$ornek missing or different beside the program"
    fi
done

simgeler=$on/share/icons/hicolor
for boyut in 16 32 48; do
    simge=$simgeler/${boyut}x${boyut}/apps/mozeta-tr.png
    if [ ! -f "$simge" ]; then
        kaldi "no icon $simge"
    elif [ "$(png_boyutu "$simge")" != "${boyut}x${boyut}" ]; then
        kaldi "$simge is $(png_boyutu "$simge"), not ${boyut}x${boyut}"
    else
        gecti "icon ${boyut}x${boyut}"
    fi
done
if grep -q '<svg' "$simgeler/scalable/apps/mozeta-tr.svg" 2>/dev/null; then
    gecti "scalable icon"
else
    kaldi "no SVG icon in $simgeler/scalable/apps"
fi

# The menu entry: valid, and naming an icon and a command that the installation provides.
masaustu=$on/share/applications/$kimlik.desktop
deger() { sed -n "s/^$1=//p" "$masaustu" | head -n1; }
if [ ! -f "$masaustu" ]; then
    kaldi "no menu entry $masaustu"
    bitir
fi
if command -v desktop-file-validate >/dev/null; then
    if desktop-file-validate "$masaustu"; then
        gecti "desktop-file-validate"
    else
        kaldi "desktop-file-validate rejects $masaustu"
    fi
else
    atla "desktop-file-validate not installed (Debian package desktop-file-utils)"
fi
if [ "$(deger Icon)" = mozeta-tr ]; then gecti "Icon=mozeta-tr"; else kaldi "Icon=$(deger Icon)"; fi
kategoriler=";$(deger Categories)"
if [[ $kategoriler == *";Game;"* && $kategoriler == *";LogicGame;"* ]]; then
    gecti "Categories=$(deger Categories)"
else
    kaldi "Categories=$(deger Categories) lacks Game or LogicGame"
fi
# Field codes (%f, %u ...) stand for files to open; the game takes none.
komut=$(deger Exec | sed -E 's/ +%[a-zA-Z]//g')
if [ "$(PATH=$on/bin command -v "${komut%% *}")" = "$komut_bagi" ]; then
    gecti "Exec=$komut is the installed command"
else
    kaldi "Exec=$komut is not found in the installed bin/"
fi

# The software-centre entry: valid, for this menu entry and this version.
bilgi=$on/share/metainfo/$kimlik.metainfo.xml
if [ ! -f "$bilgi" ]; then
    kaldi "no AppStream metadata $bilgi"
else
    if command -v appstreamcli >/dev/null; then
        if appstreamcli validate --no-net "$bilgi" >"$kok/appstream.log" 2>&1; then
            gecti "appstreamcli validate --no-net"
        else
            cat "$kok/appstream.log"
            kaldi "appstreamcli rejects $bilgi"
        fi
    else
        atla "appstreamcli not installed (Debian package appstream)"
    fi
    if grep -q "<launchable type=\"desktop-id\">$kimlik.desktop</launchable>" "$bilgi"; then
        gecti "metadata launches $kimlik.desktop"
    else
        kaldi "metadata does not launch $kimlik.desktop"
    fi
    if grep -q "<release version=\"$surum\"" "$bilgi"; then
        gecti "metadata lists release $surum"
    else
        kaldi "metadata has no release $surum (the project's version)"
    fi
fi

# Start the menu entry's command as a desktop would, on a fresh account: the game must find its
# sample photo through the link and show it.
for arac in Xvfb xdotool import; do
    if ! command -v "$arac" >/dev/null; then
        atla "$arac not installed: the installed game was not started"
        bitir
    fi
done
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$kok/ekran" 2>"$kok/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    grep -q '^[0-9]\+$' "$kok/ekran" 2>/dev/null && break
    sleep 0.1
done
if ! grep -q '^[0-9]\+$' "$kok/ekran"; then
    cat "$kok/xvfb.log"
    kaldi "Xvfb did not start"
    bitir
fi
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
    [ -n "$pencere" ] && break
    kill -0 "$oyun_pid" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$pencere" ]; then
    cat "$kok/oyun.log"
    kaldi "no game window appeared within 10 s"
    bitir
fi
gecti "window \"$(xdotool getwindowname "$pencere")\""
if [ "$(readlink "/proc/$oyun_pid/exe")" = "$program" ]; then
    gecti "the running program is $program"
else
    kaldi "the running program is $(readlink "/proc/$oyun_pid/exe"), not $program"
fi

# Without its photo the board is a few flat greys; the sample photo brings thousands of colours.
sleep 0.5
import -window "$pencere" "$kok/pencere.png"
renkler=$(convert "$kok/pencere.png" -crop 50%x50%+40+40 +repage -format '%k' info: 2>/dev/null)
if [ "${renkler:-0}" -gt 1000 ]; then
    gecti "the board shows the sample photo ($renkler colours)"
else
    kaldi "the board shows no photo (${renkler:-no} colours in its middle)"
fi

# Without a window manager nobody gives the window the keyboard but the test itself.
xdotool windowfocus "$pencere" 2>/dev/null
xdotool key Escape
for _ in $(seq 50); do
    kill -0 "$oyun_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$oyun_pid" 2>/dev/null; then
    kaldi "the game did not close on Esc within 5 s"
else
    wait "$oyun_pid"
    durum=$?
    oyun_pid=
    # Sanitizer builds may end with a leak report's status; a signal is a crash.
    if ((durum > 128)); then
        cat "$kok/oyun.log"
        kaldi "the game ended by signal $((durum - 128))"
    else
        gecti "closed on Esc"
    fi
    ayarlar="$kok/ayar/Nuv Zovevav/Mozeta-Tr.ini"
    if grep -qxF "Son Fotograf=$on/lib/mozeta-tr/Sample-1.jpg" "$ayarlar" 2>/dev/null; then
        gecti "the photo came from the program's real folder"
    else
        kaldi "stored photo: $(grep '^Son Fotograf=' "$ayarlar" 2>/dev/null || echo none)"
    fi
fi
bitir
