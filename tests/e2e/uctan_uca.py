# SPDX-License-Identifier: GPL-3.0-or-later
# End to end: the built game on a private Xvfb display and session bus, with a fresh home.
#   tek_kopya: one copy per session. Of four copies started together one stays; a later start
#     brings a minimised copy back (shown, active) or hands it a photo and ends; a text file
#     named x.jpg is refused from the command line. Without any bus a lock file still refuses
#     a second copy, and one left by a killed copy does not stop the next. Nothing of the
#     game's lands in the temporary folder.
#   saglam: requests from outside never nest nor throw a game away. 10 000 Open calls of a text
#     file named x.jpg leave one window and one box, which names the file; a photo from a later
#     start over a game with a move asks first ("Hayır", the default, keeps the game; "Evet"
#     takes the photo); a restored game asks too. A later start finding the running copy
#     stopped tells the player in a box and ends with a non-zero status; resumed, it answers.
#   erisim: as Orca, the screen reader, speaks it over a private accessibility bus: a 3 x 3
#     game dealt, played and won with the keyboard alone (its moves found by a breadth-first
#     search over the board the places' names tell) and the about box's links, what Orca says
#     checked after every key.
# Usage: uctan_uca.py GAME tek_kopya|saglam|erisim (runs itself again under dbus-run-session;
# exit 77 = skipped).
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


def başlat(komut, **seçenekler):
    süreçler.append(subprocess.Popen(komut, **seçenekler))
    return süreçler[-1]


def bekle(koşul, ne):
    son = time.monotonic() + BEKLEME
    while time.monotonic() < son:
        if sonuç := koşul():
            return sonuç
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + (ne() if callable(ne) else ne))


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
    # Saved on closing ("Çıkışta oyunu kaydet"): the restored game asks too; "Evet" takes it.
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


def tahta_oku(tahta):
    """The piece on each place (counted from 0), None on the empty one, read from their names."""
    return [int(m.group(1)) - 1 if (m := re.match(r"Parça (\d+): ", yer.name)) else None
            for yer in çocuklar(tahta)]


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


# Orca's own start script refuses to start beside another Orca of the same user on the machine
# (a process named orca): its module is started directly, under another name.
ORCA = "import sys\nfrom orca import orca\norca.getSettingsManager().activate(None, {})\n" \
       "sys.exit(orca.main())"
ORCA_AYARI = ('{"general": {"firstStart": false, "enableKeyEcho": false}, "keybindings": {}, '
              '"pronunciations": {}, "profiles": {"default": {"profile": ["Default", "default"]}}}')


def orca_başlat():
    """Orca speaking Turkish through speech-dispatcher, whose generic output module appends each
    utterance to a file (no sound device). The settings skip the first-run setup and echo no
    key. Returns what has been said so far, as one line."""
    yerel, konuşma, sd = kök + "/yerel", kök + "/konusma.txt", kök + "/sd"
    for klasör in (yerel, sd + "/modules", ev + "/.local/share/orca"):
        os.makedirs(klasör)
    # The Turkish locale is made for the test alone: the machine's locales stay as they are.
    subprocess.run(["localedef", "-i", "tr_TR", "-f", "UTF-8", yerel + "/tr_TR.UTF-8"], check=True)
    for ad, metin in [("/sd/speechd.conf", 'AddModule "dosya" "sd_generic" "dosya.conf"\n'
                       'DefaultModule dosya\nAudioOutputMethod "alsa"\nAudioALSADevice "null"\n'),
                      ("/sd/modules/dosya.conf", 'GenericExecuteSynth "printf \'%%s\\\\n\' '
                       '\\\'$DATA\\\' >> %s"\nAddVoice "tr" "MALE1" "tr"\n'
                       'GenericLanguage "tr" "tr" "utf-8"\n' % konuşma),
                      ("/konusma.txt", ""),
                      ("/ev/.local/share/orca/user-settings.conf", ORCA_AYARI)]:
        with open(kök + ad, "w") as dosya:
            dosya.write(metin)
    türkçe = dict(oyun_ortamı, LOCPATH=yerel, LC_ALL="tr_TR.UTF-8", GSETTINGS_BACKEND="memory")
    başlat(["speech-dispatcher", "-s", "-t", "0", "-C", sd, "-L", kök], env=türkçe,
           stderr=subprocess.DEVNULL)
    with open(kök + "/orca.log", "w") as günlük:
        başlat(["/usr/bin/python3", "-c", ORCA], env=türkçe, stdout=günlük, stderr=günlük)
    duyulan = lambda: " ".join(open(konuşma).read().split())
    bekle(duyulan, "Orca to speak")
    return duyulan


def erisim():
    try:
        import pyatspi
    except ImportError as hata:
        atla("pyatspi is missing (Debian: python3-pyatspi): %s" % hata)
    if not (shutil.which("speech-dispatcher") and shutil.which("orca") and
            os.path.exists("/usr/share/i18n/locales/tr_TR")):
        atla("Orca is missing (Debian: orca speech-dispatcher locales)")
    başlatıcı = başlat([BAŞLATICI, "--launch-immediately"])
    # Asked without activating it, so that the bus in use is this launcher's.
    bekle(lambda: "true" in komut("dbus-send", "--session", "--print-reply",
                                  "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                                  "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"),
          "the accessibility bus")
    assert başlatıcı.poll() is None
    duyulan = orca_başlat()
    if "ASAN_OPTIONS" in oyun_ortamı:  # a full stack, for the suppression of the bridge's leak
        oyun_ortamı["ASAN_OPTIONS"] += ":fast_unwind_on_malloc=0"
    # The links open in a "browser" that notes the address.
    with open(kök + "/tarayici", "w") as betik:
        betik.write('#!/bin/sh\necho "$1" >> %s/acilan.txt\n' % kök)
    os.chmod(kök + "/tarayici", 0o755)

    oyun = oyunlar(1, BROWSER=kök + "/tarayici")[0]
    app = bekle(lambda: next((a for a in çocuklar(pyatspi.Registry.getDesktop(0))
                              if a and a.name == "Mozeta-Tr"), None), "the game's accessibility")
    tahta = bekle(lambda: next((ö for ö in hepsi(app) if ö.getRoleName() == "list"), None),
                  "the board")
    saat = lambda: next(ö for ö in hepsi(app) if ö.name.startswith("Geçen süre: ")).queryValue(
    ).currentValue
    xpencere = bekle(lambda: pencereler(ANA_PENCERE), "the X window")[0]
    bekle(lambda: re.search(r"Mozeta [\d.]+\. 3 x 3 'lü Parçalar seçili radyo", duyulan()),
          "the window and its focus spoken")

    def duy(tuşlar, *beklenen, pencere=xpencere, baştan=True):
        """Presses the keys; Orca says the texts in that order, first of all if `baştan`."""
        başı = len(duyulan())
        tuş(pencere, *tuşlar.split())
        desen = re.compile(("^ " if baştan else "") + ".*?".join(map(re.escape, beklenen)))
        bekle(lambda: desen.search(duyulan()[başı:]), lambda: "Orca to say %r after %s; it "
              "said %r" % (beklenen, tuşlar, duyulan()[başı:]))
        return duyulan()[başı:]

    def hamle(ok):  # Orca names the piece moved, where it stands now and the empty place
        önce, konum = tahta_oku(tahta), lambda y: "%d. sıra, %d. sütun" % (y // 3 + 1, y % 3 + 1)
        boş = önce.index(None)
        yer = boş + OKLAR[ok][0] * 3 + OKLAR[ok][1]
        duy(ok, "Parça %d: yeri %s. %sda; boş yer %sda." % (önce[yer] + 1, konum(önce[yer]),
                                                             konum(boş), konum(yer)))

    duy("Tab", "Fotoğrafı Tamamla panel. Oyun tahtası. 9 ögeli liste.")
    duy("alt+y", "bildirim Yeni oyun: 3 x 3.")
    hamle("Down")
    duy("Left", "bildirim Bu yönde parça yok.")  # nothing on the right of the empty corner
    duy("Left", "bildirim Bu yönde parça yok.")
    hamle("Up")
    duy("KP_Enter", "liste öğesi. Parça", "6 / 9. 2. sıra, 3. sütunda; boş yer 3. sıra, 3. "
        "sütunda.")  # where-am-I
    # The clock and the count are read on focus; the clock ticks on in silence.
    bekle(lambda: saat() >= 1, "a second on the clock")
    assert "00:00:00" not in duy("Tab", "Geçen süre: 00:", " etiket.")
    saniye, sessiz = saat(), len(duyulan())
    bekle(lambda: saat() > saniye, "the clock to tick")
    duy("Tab", "Hamle sayısı: 2 etiket.")
    assert duyulan()[sessiz:].startswith(" Hamle sayısı"), duyulan()[sessiz:]
    duy("shift+Tab shift+Tab", "Oyun tahtası. 9 ögeli liste. Parça", "sütunda.", baştan=False)
    yol = çözüm(tahta_oku(tahta))
    for ok in yol[:-1]:
        hamle(ok)
    duy(yol[-1], "Mozeta. Tebrikler! Fotoğrafı tamamladınız!",
        "Hamle Sayınız : %d." % (2 + len(yol)), baştan=False)
    tuş(bekle(lambda: pencereler(r"^Mozeta$"), "the congratulation")[0], "Return")
    bekle(lambda: not pencereler(r"^Mozeta$"), "the box to close")

    # The about box's links: reached with Tab, heard as links, opened with Enter or Space.
    duy("alt+h", "Program Hakkında iletişim kutusu", baştan=False)
    kutu = pencereler("^Program Hakkında$")[0]
    duy("Tab", "https://nuvvorudov.example bağ.", pencere=kutu, baştan=False)
    duy("Return Tab", "Mesaj Gönder bağ.", pencere=kutu, baştan=False)
    duy("space Tab", "E-Posta Gönder bağ.", pencere=kutu, baştan=False)
    bekle(lambda: os.path.exists(kök + "/acilan.txt") and open(kök + "/acilan.txt").read().split()
          == ["https://nuvvorudov.example", "https://nuvvorudov.example/asp/mesaj/mesaj.asp"
              "?ProgramAdi=Mozeta"], "the links to open")
    tuş(kutu, "Escape")
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
