# SPDX-License-Identifier: GPL-3.0-or-later
# End to end as a screen reader sees the game, on a private Xvfb, session bus and accessibility
# bus: the main window's controls by name and role; an arrow key renaming two places and counting
# a move; then a 3 x 3 game won and closed with the keyboard alone, its moves found by a
# breadth-first search over the board that the places' names tell.
# Usage: erisim_e2e.py GAME (runs itself again under dbus-run-session; exit 77 = skipped).
import collections, os, re, shutil, subprocess, sys, tempfile, time

BEKLEME = 60.0  # only catches a hang: ten times and more what a step takes on a busy machine
BAŞLATICI = "/usr/libexec/at-spi-bus-launcher"


def atla(neden):
    print("SKIP:", neden)
    sys.exit(77)


if not os.environ.get("MOZETA_OZEL_OTOBUS"):
    for araç in ("dbus-run-session", "Xvfb", "xdotool", BAŞLATICI):
        if not shutil.which(araç):
            atla(araç + " is missing (Debian: dbus xvfb xdotool at-spi2-core)")
    os.environ["MOZETA_OZEL_OTOBUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv)
try:
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib
    import pyatspi
except (ImportError, ValueError) as hata:
    atla("pyatspi is missing (Debian: python3-pyatspi): %s" % hata)

süreçler, kök = [], tempfile.mkdtemp(prefix="mozeta-erisim-")


def başlat(komut, **seçenekler):
    süreçler.append(subprocess.Popen(komut, **seçenekler))
    return süreçler[-1]


def bekle(koşul, ne):
    son = time.monotonic() + BEKLEME
    while time.monotonic() < son:
        if sonuç := koşul():
            return sonuç
        GLib.MainContext.default().iteration(False)  # delivers the events listened to
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + ne)


def komut(*argümanlar):
    return subprocess.run(argümanlar, capture_output=True, text=True).stdout


def tuş(pencere, *tuşlar):
    # Without a window manager nobody gives the keyboard back to the main window when a box
    # closes: the test gives it to the window it types into, as a window manager would.
    subprocess.run(["xdotool", "windowfocus", pencere, "mousemove", "--window", pencere, "20",
                    "20", "key", *tuşlar], check=True)


def pencereler(başlık):
    return komut("xdotool", "search", "--onlyvisible", "--name", başlık).split()


def çocuklar(öğe):
    return [öğe.getChildAtIndex(i) for i in range(öğe.childCount)]


def hepsi(öğe):
    yield öğe
    for çocuk in çocuklar(öğe):
        yield from hepsi(çocuk)


def bul(kök_öğe, rol, ad):
    return next((ö for ö in hepsi(kök_öğe) if ö.getRoleName() == rol and ö.name.strip() == ad),
                None)


def uygulama():
    masaüstü = pyatspi.Registry.getDesktop(0)
    for app in çocuklar(masaüstü):
        if app is not None and app.name == "Mozeta-Tr":
            # Every name is asked afresh, never read from a cache that events keep.
            Atspi.Accessible.set_cache_mask(app, Atspi.Cache.NONE)
            return app


PARÇA = re.compile(r"^Parça (\d+): yeri (\d+)\. sıra, (\d+)\. sütun$")


def tahta_oku(tahta):
    """The piece on each place, None on the empty one; each name says where its piece belongs."""
    dizilim = []
    for ad in (yer.name for yer in çocuklar(tahta)):
        eşleşme = PARÇA.match(ad)
        assert ad == "Boş yer" or eşleşme, "place named %r" % ad
        parça, sıra, sütun = (int(x) for x in eşleşme.groups()) if eşleşme else (0, 0, 0)
        assert not eşleşme or (sıra, sütun) == ((parça - 1) // 3 + 1, (parça - 1) % 3 + 1), ad
        dizilim.append(parça - 1 if eşleşme else None)
    return dizilim


# The place whose piece an arrow moves into the empty place: Up the one below it, and so on.
OKLAR = {"Up": (1, 0), "Down": (-1, 0), "Left": (0, 1), "Right": (0, -1)}


def çözüm(dizilim):
    """The shortest run of arrows after which the game counts the photo complete. It compares
    tags, and an empty place keeps the tag of the piece that left it: the test after each move
    is made on the tags, as the game makes it."""
    önceki = {tuple(dizilim): None}
    kuyruk = collections.deque(önceki)
    while kuyruk:
        durum = kuyruk.popleft()
        boş = durum.index(None)
        for ok, (dsıra, dsütun) in OKLAR.items():
            sıra, sütun = boş // 3 + dsıra, boş % 3 + dsütun
            if not (0 <= sıra < 3 and 0 <= sütun < 3):
                continue
            yer, yeni = sıra * 3 + sütun, list(durum)
            yeni[boş], yeni[yer] = yeni[yer], None
            yeni = tuple(yeni)
            if yeni in önceki:
                continue
            önceki[yeni] = (durum, ok)
            if [durum[yer] if p is None else p for p in yeni][:8] == list(range(8)):
                yol = []
                while önceki[yeni]:
                    yeni, ok = önceki[yeni]
                    yol.insert(0, ok)
                return yol
            kuyruk.append(yeni)
    raise AssertionError("no solution for %r" % (dizilim,))


def main():
    okuma, yazma = os.pipe()
    başlat(["Xvfb", "-displayfd", str(yazma), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
            "-noreset"], pass_fds=(yazma,), stderr=subprocess.DEVNULL)
    os.close(yazma)
    os.environ["DISPLAY"] = ":" + os.fdopen(okuma).readline().strip()
    ortam = dict(os.environ, HOME=kök, XDG_CONFIG_HOME=kök + "/ayar", XDG_RUNTIME_DIR=kök,
                 TMPDIR=kök, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    başlatıcı = başlat([BAŞLATICI, "--launch-immediately"])
    # Asked without activating it, so that the bus in use is this launcher's.
    bekle(lambda: "true" in komut("dbus-send", "--session", "--print-reply",
                                  "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                                  "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"),
          "the accessibility bus")
    assert başlatıcı.poll() is None
    oyun = başlat([sys.argv[1]], env=ortam, cwd=kök)
    app = bekle(uygulama, "the game on the accessibility bus")
    pencere = bekle(lambda: next((ö for ö in çocuklar(app) if ö.name.startswith(
        "Nuv Vorudov - Mozeta")), None), "the main window")
    xpencere = bekle(lambda: pencereler(r"^Nuv Vorudov - Mozeta"), "the X window")[0]

    for rol, ad in [("push button", "Yeni Oyun"), ("push button", "Yeni Fotoğraf..."),
                    ("push button", "Hakkında"), ("push button", "Çıkış (Esc)"),
                    ("check box", "Fotoğrafın örneğini göster"),
                    ("check box", "Çıkışta oyunu kaydet"), ("check box", "Sesleri kapat"),
                    ("radio button", "3 x 3 'lü Parçalar"), ("radio button", "4 x 4 'lü Parçalar"),
                    ("radio button", "5 x 5 'lı Parçalar"), ("list", "Oyun tahtası"),
                    ("image", "Fotoğraf örneği"), ("label", "Geçen süre"),
                    ("label", "Hamle sayısı"), ("label", "Geçen Süre :")]:
        assert bul(pencere, rol, ad), "no %s named %r" % (rol, ad)
    tahta, hamle = bul(pencere, "list", "Oyun tahtası"), bul(pencere, "label", "Hamle sayısı")
    hamleler = lambda: hamle.queryValue().currentValue
    assert tahta_oku(tahta) == list(range(9))  # no game: the photo in order

    # Alt+Y deals and gives the board the keyboard; the empty place is the last.
    tuş(xpencere, "alt+y")
    bekle(lambda: tahta_oku(tahta)[8] is None, "the deal")
    bekle(lambda: tahta.getState().contains(pyatspi.STATE_FOCUSED), "the board's focus")
    assert sorted(tahta_oku(tahta)[:8]) == list(range(8))

    # Down slides the piece above the empty corner down: both places and the count announce it.
    duyulan = []
    dinleyici = lambda olay: duyulan.append((olay.type, olay.source.name))
    türler = ["object:property-change:accessible-" + t for t in ("name", "value")]
    pyatspi.Registry.registerEventListener(dinleyici, *türler)
    önce = [y.name for y in çocuklar(tahta)]
    tuş(xpencere, "Down")
    bekle(lambda: hamleler() == 1, "the move count")
    sonra = [y.name for y in çocuklar(tahta)]
    assert [i for i in range(9) if önce[i] != sonra[i]] == [5, 8], (önce, sonra)
    assert sonra[5] == "Boş yer" and sonra[8] == önce[5], (önce, sonra)
    bekle(lambda: {(türler[0], "Boş yer"), (türler[0], önce[5]),
                   (türler[1], "Hamle sayısı")} <= set(duyulan), "the announcements")
    pyatspi.Registry.deregisterEventListener(dinleyici, *türler)

    # Left has nothing on its side in the last column and counts nothing; Up does. Then the
    # game is played out, the last move alone completing it.
    tuş(xpencere, "Left", "Up")
    bekle(lambda: hamleler() == 2, "the second move")
    yol = çözüm(tahta_oku(tahta))
    if len(yol) > 1:
        tuş(xpencere, *yol[:-1])
    bekle(lambda: hamleler() == 1 + len(yol), "the moves")
    assert not pencereler(r"^Mozeta$"), "completed early"
    tuş(xpencere, yol[-1])

    # The congratulation is answered with Enter; the whole photo shows, and Esc ends the game.
    kutu = bekle(lambda: pencereler(r"^Mozeta$"), "the congratulation")[0]
    tebrik = bekle(lambda: next((ö for ö in hepsi(app) if ö.getRoleName() == "label" and
                                 ö.name.startswith("Tebrikler!")), None), "its text")
    assert tebrik.name.endswith("Hamle Sayınız : %d" % (2 + len(yol))), tebrik.name
    tuş(kutu, "Return")
    bekle(lambda: not pencereler(r"^Mozeta$"), "the box to close")
    assert tahta_oku(tahta) == list(range(9)) and hamleler() == 0
    tuş(xpencere, "Escape")
    assert oyun.wait(BEKLEME) == 0, oyun.returncode
    print("PASS: won in %d moves" % (2 + len(yol)))


try:
    main()
finally:
    for süreç in reversed(süreçler):
        süreç.terminate()
        try:
            süreç.wait(5)
        except subprocess.TimeoutExpired:
            süreç.kill()
    shutil.rmtree(kök, ignore_errors=True)
