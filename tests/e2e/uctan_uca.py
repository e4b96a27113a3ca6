# SPDX-License-Identifier: GPL-3.0-or-later
# End to end: the built game on a private Xvfb display and session bus, with a fresh home.
# Usage: uctan_uca.py GAME tek_kopya|saglam|erisim (exit 77 = skipped); each scenario says
# what it proves in the comments of its function below.
import collections, ctypes, os, re, shutil, signal, subprocess, sys, tempfile, time

BEKLEME = 60.0  # only catches a hang: ten times and more what a step takes on a busy machine
BAŞLATICI = "/usr/libexec/at-spi-bus-launcher"
OYUN, SENARYO = sys.argv[1:3]


def atla(neden):
    print("SKIP:", neden)
    sys.exit(77)


if not os.environ.get("MOZETA_OZEL_OTOBUS"):
    for araç in ("dbus-run-session", "Xvfb", "xdotool", "xwininfo", "import", "gtk-launch",
                 BAŞLATICI) + (
            ("speech-dispatcher", "orca", "/usr/share/i18n/locales/tr_TR") * (SENARYO == "erisim")):
        if not (shutil.which(araç) or os.path.exists(araç)):
            atla(araç + " is missing (Debian: dbus xvfb xdotool x11-utils imagemagick "
                 "at-spi2-core orca speech-dispatcher locales python3-pyatspi libgtk-3-bin)")
    os.environ["MOZETA_OZEL_OTOBUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv)

try:  # the bus and accessibility clients
    from gi.repository import Gio, GLib
    pyatspi = __import__("pyatspi") if SENARYO == "erisim" else None
except ImportError as hata:
    atla("%s (Debian: python3-gi python3-pyatspi)" % hata)
# The folder's name ends in a letter: Orca speaks no stop after a name that ends in "_".
süreçler, kök = [], tempfile.mkdtemp(prefix="mozeta-e2e-", suffix="-k")
ev, geçici = kök + "/ev", kök + "/gecici"
renkli, yeşil, metin = kök + "/pembe.jpg", kök + "/yeşil.jpg", kök + "/x.jpg"  # x.jpg: a text
mavi, sarı = kök + "/mavi.heic", kök + "/sarı.png"  # sarı.png: a WebP
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
    return open(oyun.günlük, errors="replace").read()


def oyunlar(sayı, *argümanlar, **değişenler):
    """`sayı` copies started together, once each has connected to the display or ended. Under
    Xvfb a start now and then cannot connect (a bare Qt window as often): it is made once more."""
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


def kendiliğinden_biter(*argümanlar):  # a later copy ends by itself with exit code 0
    return oyunlar(1, *argümanlar)[0].wait(BEKLEME) == 0


def tuş(pencere, *tuşlar, denetle=True):
    # Without a window manager nobody gives the keyboard back to the main window when a box
    # closes: the test gives it to the window it types into, as a window manager would.
    return subprocess.run(["xdotool", "windowfocus", pencere, "mousemove", "--window", pencere,
                           "20", "20", "key", *tuşlar], check=denetle)


def pencereler(başlık, *koşul):
    return komut("xdotool", "search", "--all", "--onlyvisible", *koşul, "--name", başlık).split()


def renkte(pencere, renk=(255, 0, 255)):  # the board's middle, (18, 18) to (401, 317): pink?
    piksel = komut("import", "-window", pencere, "-crop", "1x1+209+167", "-depth", "8", "txt:-")
    görülen = [int(x, 16) for x in re.findall(r" #(\w\w)(\w\w)(\w\w)", piksel)[0]]
    return sum(abs(x - y) for x, y in zip(görülen, renk)) < 40


def pencere_yöneticisi(pencere, iş):  # what a window manager does and xdotool cannot, by Xlib
    x, c = ctypes.CDLL("libX11.so.6"), ctypes
    x.XOpenDisplay.restype = x.XInternAtom.restype = c.c_void_p
    ekran, w = c.c_void_p(x.XOpenDisplay(None)), c.c_ulong(int(pencere))
    atom = lambda ad: x.XInternAtom(ekran, ad, 0)
    if iş == "simge":  # minimised: unmapped, WM_STATE Iconic with no icon window
        x.XUnmapWindow(ekran, w)
        durum = c.c_ulong(atom(b"WM_STATE"))
        x.XChangeProperty(ekran, w, durum, durum, 32, 0, (c.c_long * 2)(3, 0), 2)
    else:  # its close box pressed: WM_DELETE_WINDOW, in an XClientMessageEvent as longs
        olay = (c.c_long * 24)(33, 0, 0, 0, w.value, atom(b"WM_PROTOCOLS"), 32,
                               atom(b"WM_DELETE_WINDOW"))
        x.XSendEvent(ekran, w, 0, c.c_long(0), olay)
    x.XCloseDisplay(ekran)  # after a last XSync


class BaşlangıçDinleyicisi:  # the start-up messages on the root window, as a desktop hears them
    def __init__(self):
        x, c = self.x, self.c = ctypes.CDLL("libX11.so.6"), ctypes
        x.XOpenDisplay.restype = x.XInternAtom.restype = c.c_void_p
        x.XDefaultRootWindow.argtypes, x.XDefaultRootWindow.restype = [c.c_void_p], c.c_ulong
        self.ekran = c.c_void_p(x.XOpenDisplay(None))
        x.XSelectInput(self.ekran, c.c_ulong(x.XDefaultRootWindow(self.ekran)), c.c_long(1 << 22))
        x.XSync(self.ekran, 0)  # listening before anything is launched
        self.atomlar = [x.XInternAtom(self.ekran, b"_NET_STARTUP_INFO" + ek, 0)
                        for ek in (b"_BEGIN", b"")]
        self.metin, self.mesajlar = b"", []  # each message with the window that sent it

    def oku(self):
        olay = (self.c.c_long * 24)()
        while self.x.XPending(self.ekran):
            self.x.XNextEvent(self.ekran, olay)
            # A ClientMessage (type in the low half: the rest is padding), its text at byte 56.
            if olay[0] & 0xFFFFFFFF == 33 and olay[5] in self.atomlar:
                baş = b"" if olay[5] == self.atomlar[0] else self.metin
                self.metin = baş + bytes(olay)[56:76]
                if b"\0" in self.metin:
                    self.mesajlar.append((self.metin.split(b"\0")[0].decode(), str(olay[4])))
        return self.mesajlar

    def kimlikler(self, tür):  # the ids of the messages "new:" or "remove:", and their windows
        değer = r' ID=("(?:\\.|[^"])*"|(?:\\.|\S)+)'
        return [(re.sub(r"\\(.)", r"\1", m.group(1).strip('"')), pencere) for metin, pencere in
                self.oku() if metin.startswith(tür + ": ") and (m := re.search(değer, metin))]


def dört_kopya(**değişenler):  # four copies started together leave one window; three end
    kopyalar = oyunlar(4, **değişenler)
    pencere = bekle(lambda: pencereler(ANA_PENCERE), "the main window")
    ilk = next(k for k in kopyalar if k.pid == int(komut("xdotool", "getwindowpid", pencere[0])))
    for k in (k for k in kopyalar if k is not ilk):
        if değişenler:  # without a bus: each says in a box that it cannot reach the first, fails
            kutu = bekle(lambda: pencereler("^Mozeta$", "--pid", str(k.pid)), "its box")[0]
            # A key typed while the box is still taking the focus can be lost on a busy machine:
            # typed again while the box stands.
            bekle(lambda: k.poll() is not None or kutu not in pencereler("^Mozeta$") or
                  (tuş(kutu, "Return", denetle=False) and time.sleep(1)), "its box answered")
        assert k.wait(BEKLEME) == (1 if değişenler else 0), çıktı(k)
    assert pencereler(ANA_PENCERE) == pencere, pencere
    return pencere[0], ilk


def kutuyu_kapat(tuşu="Return"):  # a box stands over the game: answered
    tuş(bekle(lambda: pencereler("^Mozeta$"), "a box over the game")[0], tuşu)
    bekle(lambda: not pencereler("^Mozeta$"), "the box to close")


def tek_kopya():
    pencere, ilk = dört_kopya()
    # Only the image reader its photo needs is loaded: Qt, left to guess, loads every one.
    okuyucular = set(re.findall(r"imageformats/(\S+)", open("/proc/%d/maps" % ilk.pid).read()))
    assert okuyucular <= {"libqjpeg.so"}, okuyucular
    # Minimised, the window comes back viewable and active after a later start.
    pencere_yöneticisi(pencere, "simge")
    görünür = lambda: "Map State: IsViewable" in komut("xwininfo", "-id", pencere)
    bekle(lambda: not görünür(), "the window to be minimised")
    assert kendiliğinden_biter()
    bekle(görünür, "the window to be shown again")
    bekle(lambda: komut("xdotool", "getwindowfocus").strip() == pencere, "the window's focus")

    # A launcher's start that the running copy answers is completed by its window: gtk-launch
    # announces it ("new:") and hands its id over the bus with the photo, which is taken. (GLib
    # lists the menu entry only when its program is found.)
    dinleyici, giriş = BaşlangıçDinleyicisi(), ev + "/.local/share/applications"
    os.makedirs(giriş)
    with open(os.path.join(os.path.dirname(__file__), "../../resources/masaustu/"
                           "example.nuvvorudov.Mozeta.desktop")) as kaynak:
        open(giriş + "/example.nuvvorudov.Mozeta.desktop", "w").write(
            re.sub(r"(?m)^(Try)?Exec=Mozeta-Tr", r"\1Exec=" + OYUN, kaynak.read()))
    subprocess.run(["gtk-launch", "example.nuvvorudov.Mozeta", yeşil], env=oyun_ortamı,
                   check=True)
    kimlik = bekle(lambda: dinleyici.kimlikler("new"), "new:")[0][0]
    bekle(lambda: (kimlik, pencere) in dinleyici.kimlikler("remove"),
          lambda: "the window to complete %s: %r" % (kimlik, dinleyici.mesajlar))
    bekle(lambda: renkte(pencere, (0, 255, 0)), "the green photo")

    # A photo from a later start (a path relative to where it starts) shows and is stored.
    assert kendiliğinden_biter(os.path.relpath(renkli, ev))
    bekle(lambda: renkte(pencere), "the photo on the board")
    # Its close box asks first; "Evet", the default answer, ends it.
    pencere_yöneticisi(pencere, "kapat")
    kutuyu_kapat()
    assert ilk.wait(BEKLEME) == 0, çıktı(ilk)

    # With the bus pointing nowhere, x.jpg on the command line: refused, the stored photo
    # stays. Killed outright, the copy leaves its lock behind, which does not stop the next
    # start; later copies say in a box that they cannot reach it, and fail.
    otobüssüz = {"DBUS_SESSION_BUS_ADDRESS": "unix:path=%s/yok" % kök}
    ilk = oyunlar(1, metin, **otobüssüz)[0]
    pencere = bekle(lambda: pencereler(ANA_PENCERE), "the main window")[0]
    kutuyu_kapat()
    bekle(lambda: renkte(pencere), "the stored photo on the board")
    ilk.kill()
    ilk.wait(BEKLEME)
    bekle(lambda: not pencereler(ANA_PENCERE), "the killed copy's window to go")
    pencere, ilk = dört_kopya(**otobüssüz)
    tuş(pencere, "Escape")
    assert ilk.wait(BEKLEME) == 0 and os.listdir(geçici) == [], çıktı(ilk)
    # No private folder for the lock: the game runs alone, says so once, leaves no lock anywhere.
    os.chmod(kök + "/calisma", 0o755)
    ilk = oyunlar(1, XDG_CACHE_HOME=metin, **otobüssüz)[0]
    kutuyu_kapat()
    assert not [f for _, _, d in os.walk(kök) for f in d if f.endswith(".lock")]
    tuş(pencereler(ANA_PENCERE)[0], "Escape")
    assert ilk.wait(BEKLEME) == 0 and not pencereler("^Mozeta$"), çıktı(ilk)


def saglam():
    otobüs = Gio.bus_get_sync(Gio.BusType.SESSION)
    aç = lambda uri: ("example.nuvvorudov.Mozeta", "/example/nuvvorudov/Mozeta",
                      "org.freedesktop.Application", "Open", GLib.Variant("(asa{sv})", ([uri], {})),
                      None, Gio.DBusCallFlags.NONE, int(BEKLEME * 1000), None)
    ilk = oyunlar(1, renkli)[0]
    pencere = bekle(lambda: pencereler(ANA_PENCERE), "the main window")[0]
    bekle(lambda: renkte(pencere), "the photo on the board")

    # The flood: sent without waiting (no reply asked), then one call whose answer comes after
    # all of them were handled; an error answer raises.
    for _ in range(9999):
        otobüs.call(*aç("file://" + metin), None)
    otobüs.call_sync(*aç("file://" + metin))
    kutu = bekle(lambda: pencereler("^Mozeta$"), "the refusal")
    assert len(kutu) == 1 and ilk.poll() is None and len(pencereler(ANA_PENCERE)) == 1, kutu
    kutuyu_kapat()
    # A HEIC as `gio open` hands it over, a WebP named .png from a later start: each shows.
    otobüs.call_sync(*aç("file://" + mavi))
    bekle(lambda: renkte(pencere, (0, 0, 255)), "the HEIC photo")
    assert kendiliğinden_biter(sarı)
    bekle(lambda: renkte(pencere, (255, 255, 0)), "the WebP photo")
    # A real photo next shows: the flood left nothing behind.
    otobüs.call_sync(*aç("file://localhost" + yeşil))
    bekle(lambda: renkte(pencere, (0, 255, 0)), "the green photo")
    assert not pencereler("^Mozeta$")
    # A relative path (from the real client) is refused: from the game's folder it is the pink.
    subprocess.run(["gdbus", "call", "-e", "-d", "example.nuvvorudov.Mozeta", "-o",
                    "/example/nuvvorudov/Mozeta", "-m", "org.freedesktop.Application.Open",
                    "['../pembe.jpg']", "{}"], check=True)
    kutuyu_kapat()
    assert renkte(pencere, (0, 255, 0)) and ilk.poll() is None

    # A move made, then a photo from a later start: asked first; the default keeps the game.
    # Clicks: on the board deals, on the place above the empty corner moves, then "Çıkışta oyunu
    # kaydet" (save on closing).
    for x, y in (("209", "167"), ("338", "167"), ("438", "209")):
        subprocess.run(["xdotool", "mousemove", "--window", pencere, x, y, "click", "1"],
                       check=True)
    assert kendiliğinden_biter(renkli)
    kutuyu_kapat()
    assert renkte(pencere, (0, 255, 0))
    # The game restored on the next start asks too; "Evet" takes the photo.
    tuş(pencere, "Escape")
    assert ilk.wait(BEKLEME) == 0, çıktı(ilk)
    ilk = oyunlar(1, "--", renkli)[0]
    pencere = bekle(lambda: pencereler(ANA_PENCERE), "the main window")[0]
    kutuyu_kapat("alt+e")
    bekle(lambda: renkte(pencere), "the photo taken")

    # Stopped, the running copy cannot answer: a later start says so and fails.
    os.kill(ilk.pid, signal.SIGSTOP)
    sonraki = oyunlar(1)[0]
    kutuyu_kapat()
    assert sonraki.wait(BEKLEME) != 0, çıktı(sonraki)
    # Resumed, it answers the next start again.
    os.kill(ilk.pid, signal.SIGCONT)
    assert kendiliğinden_biter()


def tahta_oku(tahta):  # the piece on each place (from 0), None on the empty one, by their names
    return [int(m.group(1)) - 1 if (m := re.match(r"Parça (\d+): ", yer.name)) else None
            for yer in tahta]


# The place whose piece an arrow moves into the empty place: Up the one below it, and so on.
OKLAR = {"Up": (1, 0), "Down": (-1, 0), "Left": (0, 1), "Right": (0, -1)}


def çözüm(dizilim):
    """The shortest run of arrows after which the game counts the photo complete. It compares
    tags, and an empty place keeps the tag of the piece that left it: so does this search."""
    yollar = {tuple(dizilim): []}
    kuyruk = collections.deque(yollar)
    while kuyruk:
        durum = kuyruk.popleft()
        boş = durum.index(None)
        for ok, (dsıra, dsütun) in OKLAR.items():
            sıra, sütun = boş // 3 + dsıra, boş % 3 + dsütun
            if not (0 <= sıra < 3 and 0 <= sütun < 3):
                continue
            yer, yeni = sıra * 3 + sütun, list(durum)
            yeni[boş], yeni[yer] = yeni[yer], None
            if [durum[yer] if p is None else p for p in yeni][:8] == list(range(8)):
                return yollar[durum] + [ok]
            if tuple(yeni) not in yollar:
                yollar[tuple(yeni)] = yollar[durum] + [ok]
                kuyruk.append(tuple(yeni))
    raise AssertionError("no solution for %r" % (dizilim,))


# Orca's own start script refuses to start beside another Orca of the same user on the machine
# (a process named orca): its module is started directly, under another name.
ORCA = "import sys\nfrom orca import orca\norca.getSettingsManager().activate(None, {})\n" \
       "sys.exit(orca.main())"
ORCA_AYARI = ('{"general": {"firstStart": false, "enableKeyEcho": false}, "keybindings": {}, '
              '"pronunciations": {}, "profiles": {"default": {"profile": ["Default", "default"]}}}')


def erisim():
    başlatıcı = başlat([BAŞLATICI, "--launch-immediately"])
    # Asked without activating it, so that the bus in use is this launcher's.
    bekle(lambda: "true" in komut("dbus-send", "--session", "--print-reply", "--dest=org."
                                  "freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop."
                                  "DBus.NameHasOwner", "string:org.a11y.Bus"), "the a11y bus")
    assert başlatıcı.poll() is None
    # Orca speaks Turkish through speech-dispatcher, whose generic output module appends each
    # utterance to a file (no sound device); its settings skip the first-run setup and echo no key.
    yerel, konuşma, sd = kök + "/yerel", kök + "/konusma.txt", kök + "/sd"
    for klasör in (yerel, sd + "/modules", ev + "/.local/share/orca"):
        os.makedirs(klasör)
    # The Turkish locale is made for the test alone: the machine's locales stay as they are.
    subprocess.run(["localedef", "-i", "tr_TR", "-f", "UTF-8", yerel + "/tr_TR.UTF-8"], check=True)
    for ad, içerik in [("/sd/speechd.conf", 'AddModule "dosya" "sd_generic" "dosya.conf"\n'
                        'DefaultModule dosya\nAudioOutputMethod "alsa"\nAudioALSADevice "null"\n'),
                       ("/sd/modules/dosya.conf", 'GenericExecuteSynth "printf \'%%s\\\\n\' '
                        '\\\'$DATA\\\' >> %s"\nAddVoice "tr" "MALE1" "tr"\n'
                        'GenericLanguage "tr" "tr" "utf-8"\n' % konuşma),
                       ("/konusma.txt", ""),
                       ("/ev/.local/share/orca/user-settings.conf", ORCA_AYARI),
                       ("/tarayici", '#!/bin/sh\necho "$1" >> %s/acilan.txt\n' % kök)]:
        with open(kök + ad, "w") as dosya:
            dosya.write(içerik)
    os.chmod(kök + "/tarayici", 0o755)  # the links open in a "browser" that notes the address
    türkçe = dict(oyun_ortamı, LOCPATH=yerel, LC_ALL="tr_TR.UTF-8", GSETTINGS_BACKEND="memory")
    başlat(["speech-dispatcher", "-s", "-t", "0", "-C", sd, "-L", kök], env=türkçe,
           stderr=subprocess.DEVNULL)
    with open(kök + "/orca.log", "w") as günlük:
        başlat(["/usr/bin/python3", "-c", ORCA], env=türkçe, stdout=günlük, stderr=günlük)
    duyulan = lambda: " ".join(open(konuşma).read().split())
    bekle(duyulan, "Orca to speak")
    if "ASAN_OPTIONS" in oyun_ortamı:  # a full stack, for the suppression of the bridge's leak
        oyun_ortamı["ASAN_OPTIONS"] += ":fast_unwind_on_malloc=0"

    os.makedirs(ev + "/.config/Nuv Zovevav")  # the chooser opens on the test's folder
    with open(ev + "/.config/Nuv Zovevav/Mozeta-Tr.ini", "w") as ayar:
        ayar.write("[Ayarlar]\nSon Klasor=%s\n" % kök)
    oyun = oyunlar(1, BROWSER=kök + "/tarayici")[0]
    bul = lambda kök_, koşul: bekle(lambda: pyatspi.findDescendant(kök_, koşul, True), "it")
    app = bul(pyatspi.Registry.getDesktop(0), lambda a: a.name == "Mozeta-Tr")
    tahta = bul(app, lambda ö: ö.getRoleName() == "list")
    saat = lambda: bul(app, lambda ö: ö.name.startswith("Geçen süre: ")).queryValue().currentValue
    xpencere = bekle(lambda: pencereler(ANA_PENCERE), "the X window")[0]
    bekle(lambda: re.search(r"Mozeta [\d.]+\. 3 x 3 'lü Parçalar seçili radyo", duyulan()),
          "the window and its focus spoken")

    def duy(tuşlar, *beklenen, pencere=xpencere, baştan=True):  # Orca says them in that order
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
    duy("KP_Enter", "Oyun tahtası. 9 ögeli liste.", "Boş yer 3. sıra, 3. sütunda.")  # where-am-I
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
    hamleler = 2 + len(yol)
    duy(yol[-1], "Mozeta. Tebrikler! Fotoğrafı tamamladınız!", "Hamle Sayınız : %d" % hamleler,
        "Bu bölmede yeni süre rekoru kırdınız!", "En az hamle : %d" % hamleler, "Tamam düğme.",
        baştan=False)
    kutuyu_kapat()
    # Back on the window first: Orca tells a box that follows another at once as the same window.
    duy("Tab", "Geçen süre", baştan=False)
    # The records at any time, by a key.
    duy("ctrl+r", "Mozeta. 3 x 3 rekorları", "En az hamle : %d" % hamleler, "5 x 5 rekorları",
        baştan=False)
    kutuyu_kapat()

    # The chooser by ear, over a running game: the lists by their captions with the row each
    # stands on, the drive, a folder opened (never the dialog's title again), every photo from
    # the first, the preview; Enter on OK takes the photo, told with its new game once the
    # window is back.
    duy("alt+y", "bildirim Yeni oyun: 3 x 3.", baştan=False)
    duy("alt+f", "Fotoğraf Seç nokta nokta nokta iletişim kutusu. Sürücü(ler) çoklu kutu. /",
        baştan=False)
    seç, klasör = pencereler("^Fotoğraf Seç")[0], os.path.basename(kök)
    duy("Tab", "Klasörler.", "ögeli liste. %s." % klasör, pencere=seç)
    for tuşlar, duyulacak in (("Down", "calisma."), ("Return", "calisma."), ("Up", klasör + "."),
                              ("Return", klasör + "."),
                              ("Tab", "Fotoğraflar (*.bmp, *.jpg) 5 ögeli liste. mavi.heic."),
                              ("Down", "pembe.jpg."), ("Down", "sarı.png."), ("Down", "x.jpg."),
                              ("Down", "yeşil.jpg.")):
        duy(tuşlar, duyulacak, pencere=seç)
    duy("Tab", "Önizleme resim. yeşil.jpg, 300 x 200 piksel.", pencere=seç)
    tuş(seç, "Tab", "Return")
    bekle(lambda: not pencereler("^Fotoğraf Seç"), "the chooser to close")
    duy("shift", "bildirim Yeni fotoğraf: yeşil.jpg. Yeni oyun: 3 x 3.", baştan=False)
    assert renkte(xpencere, (0, 255, 0))

    # The about box's link: reached with Tab, heard as a link, opened with Enter.
    duy("alt+h", "Program Hakkında iletişim kutusu", baştan=False)
    kutu = pencereler("^Program Hakkında$")[0]
    duy("Tab", "https://nuvvorudov.example bağ.", pencere=kutu, baştan=False)
    tuş(kutu, "Return")
    bekle(lambda: komut("cat", kök + "/acilan.txt") == "https://nuvvorudov.example\n", "the link")
    tuş(kutu, "Escape")
    # Until the box has taken its Escape, the window under it refuses keys: on a busy machine
    # the screen reader holds each key back a while.
    bekle(lambda: not pencereler("^Program Hakkında$"), "the about box to close")
    tuş(xpencere, "Escape")
    assert oyun.wait(BEKLEME) == 0, çıktı(oyun)


try:
    okuma, yazma = os.pipe()
    with open(kök + "/xvfb.log", "w") as günlük:  # -audit 4 logs each client's process id
        başlat(["Xvfb", "-displayfd", str(yazma), "-screen", "0", "1280x1024x24", "-nolisten",
                "tcp", "-noreset", "-audit", "4"], pass_fds=(yazma,), stderr=günlük)
    os.close(yazma)
    os.environ["DISPLAY"] = ":" + os.fdopen(okuma).readline().strip()
    for klasör in (ev, geçici, kök + "/calisma"):
        os.mkdir(klasör, 0o700)
    for yol, renk_adı in ((renkli, "magenta"), (yeşil, "lime"), (mavi, "blue"),
                          ("webp:" + sarı, "yellow")):
        subprocess.run(["convert", "-size", "300x200", "xc:" + renk_adı, yol], check=True)
    open(metin, "w").write("bir metin\n")
    oyun_ortamı = dict(os.environ, HOME=ev, XDG_CONFIG_HOME=ev + "/.config", TMPDIR=geçici,
                       XDG_RUNTIME_DIR=kök + "/calisma", QT_QPA_PLATFORM="xcb")
    {"tek_kopya": tek_kopya, "saglam": saglam, "erisim": erisim}[SENARYO]()
    print("PASS")
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
