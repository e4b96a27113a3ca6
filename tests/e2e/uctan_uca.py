# SPDX-License-Identifier: GPL-3.0-or-later
# End to end: the built game on a private Xvfb display and session bus, with a fresh home.
#   tek_kopya: one copy per session. Of four copies started together one stays; a later start
#     brings a minimised copy back (shown, active) or hands it a photo and ends; a text file
#     named x.jpg is refused from the command line. Without any bus a
#     lock file still refuses a second copy, and one left by a killed copy does not stop the
#     next. Nothing of the game's lands in the temporary folder.
#   saglam: requests from outside never nest nor throw a game away. 10 000 Open calls of a text
#     file named x.jpg leave one window and one box, which names the file; a photo from a later
#     start over a game with a move asks first ("Hayır", the default, keeps the game; "Evet"
#     takes the photo); a restored game asks too. A later start finding the running copy
#     stopped tells the player in a box and ends with a non-zero status; resumed, it answers.
#   erisim: as a screen reader sees the game, over a private accessibility bus: the main
#     window's controls by name and role; an arrow key renaming two places and counting a move;
#     then a 3 x 3 game won and closed with the keyboard alone, its moves found by a
#     breadth-first search over the board that the places' names tell.
# Usage: uctan_uca.py GAME tek_kopya|saglam|erisim (runs itself again under dbus-run-session; exit 77 =
# skipped).
import collections, ctypes, os, re, shutil, signal, socket, struct, subprocess, sys, tempfile
import time

BEKLEME = 60.0  # only catches a hang: ten times and more what a step takes on a busy machine
BAŞLATICI = "/usr/libexec/at-spi-bus-launcher"
OYUN, SENARYO = sys.argv[1:3]


def atla(neden):
    print("SKIP:", neden)
    sys.exit(77)


if not os.environ.get("MOZETA_OZEL_OTOBUS"):
    for araç in ("dbus-run-session", "Xvfb", "xdotool", "xwininfo", "import", BAŞLATICI):
        if not shutil.which(araç):
            atla(araç + " is missing (Debian: dbus xvfb xdotool x11-utils imagemagick "
                 "at-spi2-core)")
    os.environ["MOZETA_OZEL_OTOBUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv)

süreçler, kök = [], tempfile.mkdtemp(prefix="mozeta-e2e-")
ev, geçici = kök + "/ev", kök + "/gecici"
ANA_PENCERE = r"^Nuv Vorudov - Mozeta [0-9.]+$"
olaylar = lambda: None  # delivers the accessibility events listened to, once they are


def başlat(komut, **seçenekler):
    süreçler.append(subprocess.Popen(komut, **seçenekler))
    return süreçler[-1]


def bekle(koşul, ne):
    son = time.monotonic() + BEKLEME
    while time.monotonic() < son:
        if sonuç := koşul():
            return sonuç
        olaylar()
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + ne)


def komut(*argümanlar):
    return subprocess.run(argümanlar, capture_output=True, text=True).stdout


def çıktı(oyun):
    with open(oyun.günlük, errors="replace") as günlük:
        return günlük.read()


def oyunlar(sayı, *argümanlar, **değişenler):
    """`sayı` copies of the game started at the same moment, once each has connected to the
    display (the server logs its process id) or ended. Under Xvfb a start now and then cannot
    connect while other clients come and go (a bare Qt window fails as often): it is made once
    more and counted, not taken for a fault of the game."""
    kopyalar = [None] * sayı
    for tur in (0, 1):
        for i, kopya in enumerate(kopyalar):
            if tur and (kopya.poll() is None or "could not connect to display" not in çıktı(kopya)):
                continue
            if tur:
                print("a start could not connect, made again:", çıktı(kopya))
            günlük = "%s/oyun-%d.log" % (kök, len(süreçler))
            with open(günlük, "w") as dosya:
                kopyalar[i] = başlat([OYUN, *argümanlar], env=dict(oyun_ortamı, **değişenler),
                                     cwd=ev, stdout=dosya, stderr=subprocess.STDOUT)
            kopyalar[i].günlük = günlük
        bekle(lambda: all(k.poll() is not None or " pid=%d )" % k.pid in open(kök + "/xvfb.log")
                          .read() for k in kopyalar), "the games to connect to the display")
    return kopyalar


def kendiliğinden_biter(*argümanlar, **değişenler):
    """A later copy ends by itself, at once and quietly (exit code 0)."""
    oyun = oyunlar(1, *argümanlar, **değişenler)[0]
    return oyun.wait(BEKLEME) == 0


def tuş(pencere, *tuşlar):
    # Without a window manager nobody gives the keyboard back to the main window when a box
    # closes: the test gives it to the window it types into, as a window manager would.
    subprocess.run(["xdotool", "windowfocus", pencere, "mousemove", "--window", pencere, "20",
                    "20", "key", *tuşlar], check=True)


def tıkla(pencere, x, y):
    subprocess.run(["xdotool", "mousemove", "--window", pencere, str(x), str(y), "click", "1"],
                   check=True)


def pencereler(başlık):
    return komut("xdotool", "search", "--onlyvisible", "--name", başlık).split()


def görünür(pencere):
    return "Map State: IsViewable" in komut("xwininfo", "-id", pencere)


def renk(pencere):
    """The colour in the middle of the board (from (18, 18) to (401, 317) in the window), inside
    its middle place whatever the grid."""
    piksel = komut("import", "-window", pencere, "-crop", "1x1+209+167", "-depth", "8", "txt:-")
    return tuple(int(x, 16) for x in re.findall(r" #(\w\w)(\w\w)(\w\w)", piksel)[0])


def benzer(a, b):
    return sum(abs(x - y) for x, y in zip(a, b)) < 40


class İstemciMesajı(ctypes.Structure):  # XClientMessageEvent, padded to an XEvent's size
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]


def pencere_yöneticisi(pencere, iş):
    """Does to the window what a window manager does and xdotool cannot, through Xlib."""
    x, c = ctypes.CDLL("libX11.so.6"), ctypes
    x.XOpenDisplay.restype = x.XInternAtom.restype = c.c_void_p
    x.XInternAtom.argtypes = [c.c_void_p, c.c_char_p, c.c_int]
    x.XUnmapWindow.argtypes = x.XSync.argtypes = [c.c_void_p, c.c_ulong]
    x.XChangeProperty.argtypes = [c.c_void_p] + [c.c_ulong] * 3 + [c.c_int] * 2 + [c.c_void_p,
                                                                                   c.c_int]
    x.XSendEvent.argtypes = [c.c_void_p, c.c_ulong, c.c_int, c.c_long, c.c_void_p]
    x.XCloseDisplay.argtypes = [c.c_void_p]
    ekran = x.XOpenDisplay(None)
    atom = lambda ad: x.XInternAtom(ekran, ad, 0)
    if iş == "simge":  # minimised: unmapped, WM_STATE Iconic with no icon window
        x.XUnmapWindow(ekran, int(pencere))
        durum = atom(b"WM_STATE")
        x.XChangeProperty(ekran, int(pencere), durum, durum, 32, 0, (c.c_long * 2)(3, 0), 2)
    else:  # its close box pressed: WM_DELETE_WINDOW
        olay = İstemciMesajı(type=33, window=int(pencere), message_type=atom(b"WM_PROTOCOLS"),
                             format=32)
        olay.data[0] = atom(b"WM_DELETE_WINDOW")
        x.XSendEvent(ekran, int(pencere), 0, 0, c.byref(olay))
    x.XSync(ekran, 0)
    x.XCloseDisplay(ekran)


def dört_kopya(**değişenler):
    """Four copies started together leave exactly one window; the others end by themselves."""
    kopyalar = oyunlar(4, **değişenler)
    pencere = bekle(lambda: pencereler(ANA_PENCERE), "the main window")
    bekle(lambda: sum(k.poll() is not None for k in kopyalar) == 3, "three copies to end")
    assert pencereler(ANA_PENCERE) == pencere, pencere
    assert all(k.returncode == 0 for k in kopyalar if k.poll() is not None)
    return pencere[0], next(k for k in kopyalar if k.poll() is None)


def kutuyu_kapat():
    """Answers the box standing over the game with its default button, after checking it is
    there."""
    tuş(bekle(lambda: pencereler("^Mozeta$"), "a box over the game")[0], "Return")
    bekle(lambda: not pencereler("^Mozeta$"), "the box to close")


def kapat(pencere, oyun):
    tuş(pencere, "Escape")
    assert oyun.wait(BEKLEME) == 0, çıktı(oyun)


def tek_kopya():
    renkli, metin = kök + "/pembe.jpg", kök + "/x.jpg"
    subprocess.run(["convert", "-size", "300x200", "xc:magenta", renkli], check=True)
    with open(metin, "w") as dosya:
        dosya.write("bir metin\n")

    pencere, ilk = dört_kopya()
    pembe = lambda: benzer(renk(pencere), (255, 0, 255))
    # Minimised, the window comes back viewable and active after a later start.
    pencere_yöneticisi(pencere, "simge")
    bekle(lambda: not görünür(pencere), "the window to be minimised")
    assert kendiliğinden_biter()
    bekle(lambda: görünür(pencere), "the window to be shown again")
    bekle(lambda: komut("xdotool", "getwindowfocus").strip() == pencere, "the window's focus")
    assert pencereler(ANA_PENCERE) == [pencere]

    # A photo from a later start (a path relative to where it starts) shows and is stored.
    assert kendiliğinden_biter(os.path.relpath(renkli, ev))
    bekle(pembe, "the photo on the board")
    # Its close box asks first; "Evet", the default answer, ends it.
    pencere_yöneticisi(pencere, "kapat")
    kutuyu_kapat()
    assert ilk.wait(BEKLEME) == 0, çıktı(ilk)
    with open(oyun_ortamı["XDG_CONFIG_HOME"] + "/Nuv Zovevav/Mozeta-Tr.ini") as ayarlar:
        assert "\nSon Fotograf=%s\n" % renkli in ayarlar.read()

    # x.jpg on the first copy's own command line: refused, the stored photo stays.
    ilk = oyunlar(1, metin)[0]
    pencere = bekle(lambda: pencereler(ANA_PENCERE), "the main window")[0]
    kutuyu_kapat()
    bekle(pembe, "the stored photo on the board")
    kapat(pencere, ilk)

    # With the bus pointing nowhere: a copy killed outright leaves its lock behind, which does
    # not stop the next start; a later copy ends and says why on standard error.
    otobüssüz = {"DBUS_SESSION_BUS_ADDRESS": "unix:path=%s/yok" % kök}
    ilk = oyunlar(1, **otobüssüz)[0]
    bekle(lambda: pencereler(ANA_PENCERE), "the main window")
    ilk.kill()
    ilk.wait(BEKLEME)
    bekle(lambda: not pencereler(ANA_PENCERE), "the killed copy's window to go")
    dört_kopya(**otobüssüz)
    sonraki = oyunlar(1, **otobüssüz)[0]
    assert sonraki.wait(BEKLEME) == 0 and çıktı(sonraki), çıktı(sonraki)
    assert os.listdir(geçici) == [], os.listdir(geçici)
    print("PASS")


class Otobüs:
    """A bare session-bus client: it sends thousands of calls without waiting for their answers,
    which no command-line client can (gdbus and dbus-send make one process a call)."""

    def __init__(self):
        yol = re.search(r"unix:(path|abstract)=([^,;]+)", os.environ["DBUS_SESSION_BUS_ADDRESS"])
        self.soket, self.seri = socket.socket(socket.AF_UNIX), 0
        self.soket.connect(("\0" if yol[1] == "abstract" else "") + yol[2])
        self.soket.sendall(b"\0AUTH EXTERNAL %s\r\n" % str(os.getuid()).encode().hex().encode())
        assert self.soket.recv(4096).startswith(b"OK")
        self.soket.sendall(b"BEGIN\r\n")
        self.çağır("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                   "Hello", "", b"", yanıt=True)

    def çağır(self, hedef, yol, arayüz, yöntem, imza, gövde, yanıt=False):
        """Marshalled as the D-Bus specification says: little-endian, fields aligned to 8."""
        hizala = lambda b, n: b + b"\0" * (-len(b) % n)
        alanlar, self.seri = b"", self.seri + 1
        for kod, tür, değer in ((1, "o", yol), (2, "s", arayüz), (3, "s", yöntem),
                                (6, "s", hedef), (8, "g", imza)):
            v = değer.encode()
            alanlar = hizala(alanlar, 8) + bytes([kod, 1]) + tür.encode() + b"\0"
            alanlar += (bytes([len(v)]) if tür == "g" else struct.pack("<I", len(v))) + v + b"\0"
        self.soket.sendall(hizala(struct.pack("<cBBBIII", b"l", 1, 0 if yanıt else 1, 1,
                                              len(gövde), self.seri, len(alanlar)) + alanlar, 8)
                           + gövde)
        tampon = b""
        while yanıt:  # in order: the answer to this call comes after all the calls before it
            while len(tampon) < 16:
                tampon += self.soket.recv(65536)
            tür, uzunluk, alan = struct.unpack_from("<xBxxI4xI", tampon)
            boy = 16 + alan + (-alan % 8) + uzunluk
            while len(tampon) < boy:
                tampon += self.soket.recv(65536)
            mesaj, tampon = tampon[:boy], tampon[boy:]
            if tür in (2, 3) and struct.pack("<BBBBI", 5, 1, ord("u"), 0, self.seri) in mesaj:
                return tür == 2

    def aç(self, uri, yanıt=False):
        """org.freedesktop.Application.Open([uri], {})"""
        v = uri.encode()
        gövde = struct.pack("<II", len(v) + 5, len(v)) + v + b"\0"
        gövde += b"\0" * (-len(gövde) % 4) + struct.pack("<I", 0)
        return self.çağır("example.nuvvorudov.Mozeta", "/example/nuvvorudov/Mozeta",
                          "org.freedesktop.Application", "Open", "asa{sv}",
                          gövde + b"\0" * (-len(gövde) % 8), yanıt)


def saglam():
    renkli, yeşil, metin = kök + "/pembe.jpg", kök + "/yeşil.jpg", kök + "/x.jpg"
    for yol, renk_adı in ((renkli, "magenta"), (yeşil, "lime")):
        subprocess.run(["convert", "-size", "300x200", "xc:" + renk_adı, yol], check=True)
    with open(metin, "w") as dosya:
        dosya.write("bir metin\n")
    ilk = oyunlar(1, renkli)[0]
    pencere = bekle(lambda: pencereler(ANA_PENCERE), "the main window")[0]
    pembe = lambda: benzer(renk(pencere), (255, 0, 255))
    bekle(pembe, "the photo on the board")

    # The flood: every call is answered at once (the last one's answer comes after all the
    # others were handled), and one box names the file.
    otobüs = Otobüs()
    for _ in range(9999):
        otobüs.aç("file://" + metin)
    assert otobüs.aç("file://" + metin, yanıt=True)
    kutu = bekle(lambda: pencereler("^Mozeta$"), "the refusal")
    assert len(kutu) == 1 and ilk.poll() is None and len(pencereler(ANA_PENCERE)) == 1, kutu
    kutuyu_kapat()
    # A real photo next shows: the flood left nothing behind.
    assert otobüs.aç("file://localhost" + yeşil, yanıt=True)
    bekle(lambda: benzer(renk(pencere), (0, 255, 0)), "the green photo")
    assert not pencereler("^Mozeta$")

    # A move made, then a photo from a later start: asked first; the default keeps the game.
    # A click on the board deals; one on the place above the empty corner moves.
    tıkla(pencere, 209, 167)
    tıkla(pencere, 338, 167)
    assert kendiliğinden_biter(renkli)
    tuş(bekle(lambda: pencereler("^Mozeta$"), "the question")[0], "Return")
    bekle(lambda: not pencereler("^Mozeta$"), "the question to close")
    assert benzer(renk(pencere), (0, 255, 0))
    # Kept with "Çıkışta oyunu kaydet" and closed: the restored game asks again; "Evet" takes it.
    tıkla(pencere, 438, 209)
    kapat(pencere, ilk)
    ilk = oyunlar(1, "--", renkli)[0]
    pencere = bekle(lambda: pencereler(ANA_PENCERE), "the main window")[0]
    tuş(bekle(lambda: pencereler("^Mozeta$"), "the question")[0], "alt+e")
    bekle(pembe, "the photo taken")

    # Stopped, the running copy cannot answer: a later start says so and fails.
    os.kill(ilk.pid, signal.SIGSTOP)
    sonraki = oyunlar(1)[0]
    kutuyu_kapat()
    assert sonraki.wait(BEKLEME) != 0, çıktı(sonraki)
    # Resumed, it answers the next start again.
    os.kill(ilk.pid, signal.SIGCONT)
    assert kendiliğinden_biter()
    print("PASS")


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


def erisim():
    global Atspi, pyatspi, olaylar
    try:
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi, GLib
        import pyatspi
    except (ImportError, ValueError) as hata:
        atla("pyatspi is missing (Debian: python3-pyatspi): %s" % hata)
    olaylar = lambda: GLib.MainContext.default().iteration(False)
    oyun_ortamı["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    başlatıcı = başlat([BAŞLATICI, "--launch-immediately"])
    # Asked without activating it, so that the bus in use is this launcher's.
    bekle(lambda: "true" in komut("dbus-send", "--session", "--print-reply",
                                  "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                                  "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"),
          "the accessibility bus")
    assert başlatıcı.poll() is None
    oyun = oyunlar(1)[0]
    app = bekle(uygulama, "the game on the accessibility bus")
    pencere = bekle(lambda: next((ö for ö in çocuklar(app) if ö.name.startswith(
        "Nuv Vorudov - Mozeta")), None), "the main window")
    xpencere = bekle(lambda: pencereler(ANA_PENCERE), "the X window")[0]

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
    okuma, yazma = os.pipe()
    with open(kök + "/xvfb.log", "w") as günlük:  # -audit 4 logs each client's process id
        başlat(["Xvfb", "-displayfd", str(yazma), "-screen", "0", "1280x1024x24", "-nolisten",
                "tcp", "-noreset", "-audit", "4"], pass_fds=(yazma,), stderr=günlük)
    os.close(yazma)
    os.environ["DISPLAY"] = ":" + os.fdopen(okuma).readline().strip()
    for klasör in (ev, geçici, kök + "/calisma"):
        os.mkdir(klasör, 0o700)
    oyun_ortamı = dict(os.environ, HOME=ev, XDG_CONFIG_HOME=ev + "/.config", TMPDIR=geçici,
                       XDG_RUNTIME_DIR=kök + "/calisma", QT_QPA_PLATFORM="xcb")
    {"tek_kopya": tek_kopya, "saglam": saglam, "erisim": erisim}[SENARYO]()
except Exception:
    for günlük in sorted(f for f in os.listdir(kök) if f.startswith("oyun-")):
        print("--- %s:\n%s" % (günlük, open(os.path.join(kök, günlük), errors="replace").read()))
    raise
finally:
    for süreç in reversed(süreçler):
        süreç.terminate()
        try:
            süreç.wait(5)
        except subprocess.TimeoutExpired:
            süreç.kill()
    shutil.rmtree(kök, ignore_errors=True)
