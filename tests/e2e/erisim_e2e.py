# End to end as a screen reader sees the game: the real game under a private Xvfb, session bus
# and accessibility bus. The main window's controls are found by name and role, an arrow key is
# seen to rename two places and count a move, and a 3 x 3 game is then played to its
# congratulation and closed with the keyboard alone, its moves found by a breadth-first search
# over the board as the places' names tell it.
#
# Usage: erisim_e2e.py GAME. It runs itself again under dbus-run-session; exit 77 means skipped.
import collections
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

ATLA = 77
# Deadlines only catch a hang: each is ten times or more what the step takes on a busy machine.
BEKLEME = 60.0


def atla(neden):
    print("SKIP:", neden)
    sys.exit(ATLA)


if len(sys.argv) != 2:
    sys.exit("usage: erisim_e2e.py GAME")
OYUN = os.path.abspath(sys.argv[1])

if not os.environ.get("MOZETA_OZEL_OTOBUS"):
    for araç in ("dbus-run-session", "Xvfb", "xdotool"):
        if not shutil.which(araç):
            atla(araç + " is not installed (Debian: dbus xvfb xdotool)")
    os.environ["MOZETA_OZEL_OTOBUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv)

try:
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib
    import pyatspi
except (ImportError, ValueError) as hata:
    atla("pyatspi is missing (Debian: python3-pyatspi at-spi2-core): %s" % hata)

BAŞLATICI = "/usr/libexec/at-spi-bus-launcher"
if not os.access(BAŞLATICI, os.X_OK):
    atla("at-spi-bus-launcher is missing (Debian: at-spi2-core)")

süreçler = []
kök = tempfile.mkdtemp(prefix="mozeta-erisim-")


def başlat(komut, **seçenekler):
    süreç = subprocess.Popen(komut, **seçenekler)
    süreçler.append(süreç)
    return süreç


def bitir():
    for süreç in reversed(süreçler):
        if süreç.poll() is None:
            süreç.terminate()
            try:
                süreç.wait(5)
            except subprocess.TimeoutExpired:
                süreç.kill()
                süreç.wait()
    shutil.rmtree(kök, ignore_errors=True)


def bekle(koşul, ne):
    son = time.monotonic() + BEKLEME
    while time.monotonic() < son:
        sonuç = koşul()
        if sonuç:
            return sonuç
        GLib.MainContext.default().iteration(False)
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + ne)


def xvfb():
    okuma, yazma = os.pipe()
    başlat(["Xvfb", "-displayfd", str(yazma), "-screen", "0", "1280x1024x24", "-nolisten",
            "tcp", "-noreset"], pass_fds=(yazma,), stderr=subprocess.DEVNULL)
    os.close(yazma)
    with os.fdopen(okuma) as satır:
        numara = satır.readline().strip()
    if not numara:
        raise AssertionError("Xvfb did not start")
    return ":" + numara


def tuş(pencere, *tuşlar):
    # Without a window manager nobody hands the keyboard back to the main window when a box
    # closes: the test gives it to the window it types into, as a window manager would.
    subprocess.run(["xdotool", "windowfocus", pencere, "mousemove", "--window", pencere, "20",
                    "20", "key"] + list(tuşlar), check=True)


def pencereler(başlık):
    çıktı = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", başlık],
                           capture_output=True, text=True).stdout
    return çıktı.split()


def çocuklar(öğe):
    return [öğe.getChildAtIndex(i) for i in range(öğe.childCount)]


def hepsi(öğe):
    yield öğe
    for çocuk in çocuklar(öğe):
        yield from hepsi(çocuk)


def bul(kök_öğe, rol, ad):
    for öğe in hepsi(kök_öğe):
        if öğe.getRoleName() == rol and öğe.name.strip() == ad:
            return öğe
    return None


def uygulama():
    masaüstü = pyatspi.Registry.getDesktop(0)
    for i in range(masaüstü.childCount):
        app = masaüstü.getChildAtIndex(i)
        if app is not None and app.name == "Mozeta-Tr":
            # Names are read afresh on every question, never from a cache that events keep.
            Atspi.Accessible.set_cache_mask(app, Atspi.Cache.NONE)
            return app
    return None


def ana_pencere(app):
    for çocuk in çocuklar(app):
        if çocuk.name.startswith("Nuv Vorudov - Mozeta"):
            return çocuk
    return None


# ---- The board as its places' names tell it ----

PARÇA = re.compile(r"^Parça (\d+): yeri (\d+)\. sıra, (\d+)\. sütun$")


def tahta_oku(tahta):
    """The piece on each place (None for the empty one), checking that every name says where
    its piece belongs."""
    dizilim = []
    for yer in çocuklar(tahta):
        if yer.name == "Boş yer":
            dizilim.append(None)
            continue
        eşleşme = PARÇA.match(yer.name)
        assert eşleşme, "place named %r" % yer.name
        parça, sıra, sütun = (int(x) for x in eşleşme.groups())
        assert (sıra, sütun) == ((parça - 1) // 3 + 1, (parça - 1) % 3 + 1), yer.name
        dizilim.append(parça - 1)
    return dizilim


# An arrow moves the piece on its side of the empty place into it.
OKLAR = {"Up": 3, "Down": -3, "Left": 1, "Right": -1}


def oklu_komşu(boş, ok):
    yer = boş + OKLAR[ok]
    if not 0 <= yer < 9 or (ok in ("Left", "Right") and yer // 3 != boş // 3):
        return None
    return yer


def çözüm(dizilim):
    """The shortest run of arrow keys after which the game counts the photo complete. The game
    compares the places' tags, and an empty place keeps the tag of the piece that left it, so
    the test is made on the tags after each move, as the game makes it."""
    başla = tuple(dizilim)
    önceki = {başla: None}
    kuyruk = collections.deque([başla])
    while kuyruk:
        durum = kuyruk.popleft()
        boş = durum.index(None)
        for ok in OKLAR:
            yer = oklu_komşu(boş, ok)
            if yer is None:
                continue
            yeni = list(durum)
            yeni[boş], yeni[yer] = yeni[yer], None
            yeni = tuple(yeni)
            etiketler = [durum[yer] if p is None else p for p in yeni]
            if yeni not in önceki:
                önceki[yeni] = (durum, ok)
                if etiketler[:8] == list(range(8)):
                    yol = []
                    while önceki[yeni]:
                        yeni, ok = önceki[yeni]
                        yol.append(ok)
                    return yol[::-1]
                kuyruk.append(yeni)
    raise AssertionError("no solution for %r" % (dizilim,))


def main():
    ekran = xvfb()
    ortam = dict(os.environ, DISPLAY=ekran, HOME=kök, XDG_CONFIG_HOME=os.path.join(kök, "ayar"),
                 XDG_RUNTIME_DIR=kök, TMPDIR=kök, QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8",
                 QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    os.environ.update(DISPLAY=ekran)
    başlatıcı = başlat([BAŞLATICI, "--launch-immediately"], env=ortam)
    # The accessibility bus is up once the launcher owns its name on the session bus (asked
    # without activating it, so that the bus in use is this launcher's).
    bekle(lambda: "true" in subprocess.run(
        ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
         "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"],
        capture_output=True, text=True).stdout, "the accessibility bus")
    assert başlatıcı.poll() is None

    oyun = başlat([OYUN], env=ortam, cwd=kök)
    app = bekle(uygulama, "the game on the accessibility bus")
    pencere = bekle(lambda: ana_pencere(app), "the main window")
    xpencere = bekle(lambda: pencereler(r"^Nuv Vorudov - Mozeta"), "the X window")[0]

    # Every control by its name and role.
    beklenen = [
        ("push button", "Yeni Oyun"), ("push button", "Yeni Fotoğraf..."),
        ("push button", "Hakkında"), ("push button", "Çıkış (Esc)"),
        ("check box", "Fotoğrafın örneğini göster"), ("check box", "Çıkışta oyunu kaydet"),
        ("check box", "Sesleri kapat"), ("radio button", "3 x 3 'lü Parçalar"),
        ("radio button", "4 x 4 'lü Parçalar"), ("radio button", "5 x 5 'lı Parçalar"),
        ("list", "Oyun tahtası"), ("image", "Fotoğraf örneği"), ("label", "Geçen süre"),
        ("label", "Hamle sayısı"), ("label", "Geçen Süre :"), ("label", "Hamle Sayısı :"),
    ]
    for rol, ad in beklenen:
        assert bul(pencere, rol, ad), "no %s named %r" % (rol, ad)
    tahta = bul(pencere, "list", "Oyun tahtası")
    hamle = bul(pencere, "label", "Hamle sayısı")

    # With no game the places show the photo in order, every one named for its piece.
    assert tahta_oku(tahta) == list(range(9)), [y.name for y in çocuklar(tahta)]

    # Alt+Y deals; the board has the keyboard, and the empty place is the last.
    tuş(xpencere, "alt+y")
    bekle(lambda: tahta_oku(tahta)[8] is None, "the deal")
    bekle(lambda: tahta.getState().contains(pyatspi.STATE_FOCUSED), "the board's focus")
    dizilim = tahta_oku(tahta)
    assert sorted(dizilim[:8]) == list(range(8)) and dizilim.count(None) == 1

    # Down moves the piece above the empty corner down: the two places announce their new names
    # and the counter its value.
    duyulan = []
    dinleyici = lambda olay: duyulan.append((olay.type, olay.source))
    for tür in ("object:property-change:accessible-name",
                "object:property-change:accessible-value"):
        pyatspi.Registry.registerEventListener(dinleyici, tür)
    adlar = [y.name for y in çocuklar(tahta)]
    tuş(xpencere, "Down")
    bekle(lambda: hamle.queryValue().currentValue == 1, "the move count")
    yeni = [y.name for y in çocuklar(tahta)]
    değişen = [i for i in range(9) if adlar[i] != yeni[i]]
    assert değişen == [5, 8] and yeni[5] == "Boş yer" and yeni[8] == adlar[5], (adlar, yeni)
    bekle(lambda: {y.name for t, y in duyulan if t.endswith("accessible-name")} >= {
        "Boş yer", adlar[5]}, "the places' name events")
    bekle(lambda: any(t.endswith("accessible-value") and y.name == "Hamle sayısı"
                      for t, y in duyulan), "the move count's value event")
    pyatspi.Registry.deregisterEventListener(dinleyici)

    # Left has no piece on its side of the empty place in the last column and counts nothing;
    # Up does. Then the game is played out.
    tuş(xpencere, "Left", "Up")
    bekle(lambda: hamle.queryValue().currentValue == 2, "the second move")
    yol = çözüm(tahta_oku(tahta))
    if len(yol) > 1:
        tuş(xpencere, *yol[:-1])
    bekle(lambda: hamle.queryValue().currentValue == 2 + len(yol) - 1, "the moves")
    assert not pencereler(r"^Mozeta$"), "completed early"
    tuş(xpencere, yol[-1])

    # The congratulation, answered with Enter; the whole photo shows and Esc ends the game.
    kutu = bekle(lambda: pencereler(r"^Mozeta$"), "the congratulation")[0]
    tebrik = bekle(lambda: next((ö for ö in hepsi(app) if ö.getRoleName() == "label" and
                                 ö.name.startswith("Tebrikler!")), None), "its text")
    assert ("Hamle Sayınız : %d" % (2 + len(yol))) in tebrik.name, tebrik.name
    tuş(kutu, "Return")
    bekle(lambda: not pencereler(r"^Mozeta$"), "the box to close")
    assert tahta_oku(tahta) == list(range(9))
    assert hamle.queryValue().currentValue == 0
    tuş(xpencere, "Escape")
    oyun.wait(BEKLEME)
    assert oyun.returncode == 0, oyun.returncode
    print("PASS: %d moves" % (2 + len(yol)))


try:
    main()
finally:
    bitir()
