// SPDX-License-Identifier: GPL-3.0-or-later
// The game against bad settings files, places where nothing can be stored and bad photos: it
// never crashes, blocks or eats memory, reports only values it cannot use, and loads, plays and
// closes every time. Run under the sanitizers this also shows that nothing leaks.
#include "tests/core/HataNumarasi.h"
#include "tests/ortak/PencereOrtami.h"
#include "toolkit/ResimYukleyici.h"

#include <QBuffer>
#include <QCheckBox>
#include <QImageReader>
#include <QImageWriter>
#include <QRandomGenerator>
#include <sys/stat.h>

namespace {

QByteArray ResimBaytları(QSize boyut, const char *biçim) {
    return Kodla(DüzFotoğraf(qRgb(200, 120, 40), boyut.width(), boyut.height()), biçim);
}

// The offset of the first marker of `tür` in a JPEG (found by walking the markers).
qsizetype İşaretKonumu(const QByteArray &b, uchar tür) {
    qsizetype k = 2; // past SOI; each marker is FF, its type and a 16-bit length
    while (k + 9 < b.size() && uchar(b[k + 1]) != tür)
        k += 2 + (uchar(b[k + 2]) << 8 | uchar(b[k + 3]));
    return k;
}

// The JPEG `b` with its frame header (SOF0 or, progressive, SOF2) claiming another size.
QByteArray BoyutuDeğiş(QByteArray b, int en, int boy, uchar tür = 0xC0) {
    const qsizetype k = İşaretKonumu(b, tür);
    b[k + 5] = char(boy >> 8), b[k + 6] = char(boy), b[k + 7] = char(en >> 8), b[k + 8] = char(en);
    return b;
}
QByteArray SahteBoyutluJpeg(int en, int boy) {
    return BoyutuDeğiş(ResimBaytları(QSize(64, 48), "JPG"), en, boy);
}

// A progressive JPEG of `en` x `boy` whose last scan comes `kez` times: every scan is a pass
// over the whole picture, whatever its data.
QByteArray TaramaBombası(int en, int boy, int kez) {
    QByteArray b;
    QBuffer tampon(&b);
    QImageWriter yazıcı(&tampon, "jpeg");
    yazıcı.setProgressiveScanWrite(true);
    yazıcı.write(Gürültü(256, 256));
    const qsizetype son = b.lastIndexOf("\xff\xda"), bitiş = b.size() - 2;
    const QByteArray tarama = b.mid(son, bitiş - son);
    return BoyutuDeğiş(b.left(bitiş) + tarama.repeated(kez - 1) + "\xff\xd9", en, boy, 0xC2);
}

// What one step cost: bytes it read from files and how far the memory peak rose above what the
// process held before.
struct Maliyet {
    qint64 okunan = 0, bellek = 0;
};
qint64 SüreçDeğeri(const char *dosya, const QByteArray &ad) {
    QFile f(QString::fromLatin1(dosya));
    f.open(QIODevice::ReadOnly);
    for (const QByteArray &satır : f.readAll().split('\n')) {
        if (satır.startsWith(ad))
            return satır.mid(ad.size()).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}
template <class Adım> Maliyet Ölç(Adım &&adım) {
    DosyaYaz(u"/proc/self/clear_refs"_s, "5"); // the peak starts again from here
    const qint64 okunan = SüreçDeğeri("/proc/self/io", "rchar:");
    const qint64 bellek = SüreçDeğeri("/proc/self/status", "VmRSS:");
    adım();
    return {SüreçDeğeri("/proc/self/io", "rchar:") - okunan,
            (SüreçDeğeri("/proc/self/status", "VmHWM:") - bellek) << 10};
}

// A real 24-bit BMP whose info header claims another size.
QByteArray SahteBoyutluBmp(qint32 en, qint32 boy) {
    QByteArray b = ResimBaytları(QSize(8, 8), "BMP");
    for (int i = 0; i < 4; ++i) {
        b[18 + i] = char(quint32(en) >> (8 * i));
        b[22 + i] = char(quint32(boy) >> (8 * i));
    }
    return b;
}

} // namespace

class RobustTest : public QObject {
    Q_OBJECT

    // Loads the window, plays a game of forty random clicks with the save option ticked and closes
    // with the exit button: the game ran as a game does and the process was not ended.
    static void OynaVeKapat(PencereOrtamı &ortam) {
        auto form = ortam.Yükle();
        form->YeniOyunDüğmesi_Click();
        QRandomGenerator üreteç(5);
        for (int tık = 0; tık < 40; ++tık)
            form->DağınıkParçalar_Click(int(üreteç.bounded(form->DağınıkParçalar.Count())));
        QVERIFY(form->Oturum.HamleSayısı() > 0);
        form->OyunuKaydetOnayı->setChecked(true);
        form->ÇıkışDüğmesi_Click();
        QVERIFY(!ortam.süreçBitti && !form->isVisible());
    }

private slots:
    // Qt may allocate no picture over 8 MB, which a decode at the board's size never needs
    // (1024 x 768 is 3 MB) and a large photo decoded at its full size does.
    void initTestCase() { QImageReader::setAllocationLimit(8); }

    // Values that are no numbers, a file far too large to read, a file's place taken by something
    // that is no file: the game loads, plays and closes, reports only the values it cannot use,
    // never blocks on, writes through or replaces what stands there, and what the close wrote
    // reads back where it can be written.
    void badSettings() {
        for (const QString tür : {"values", "65 MB", "folder is a file", "fifo"}) {
            PencereOrtamı ortam;
            ortam.ÖrnekYaz();
            const QString klasör = ortam.ayarlar.filePath(u"Nuv Zovevav"_s);
            const bool yazılır = tür == u"values" || tür == u"65 MB";
            if (tür == u"folder is a file")
                DosyaYaz(klasör, "bir dosya");
            else if (tür == u"fifo")
                QVERIFY(QDir().mkpath(klasör) &&
                        mkfifo(QFile::encodeName(ortam.AyarDosyası()).constData(), 0600) == 0);
            else
                ortam.AyarDosyasıYaz(tür == u"values"
                                         ? "[Ayarlar]\nUst Bosluk=1e999\nOyunu Kaydet=0x1\n"
                                           "Sesleri Kapat=NaN\n"
                                         : "[Ayarlar]\nSon Bolme=2\n");
            if (tür == u"65 MB") // sparse: it costs no disk
                QVERIFY(QFile::resize(ortam.AyarDosyası(), qint64(65) << 20));
            AyarlarıUnut();
            OynaVeKapat(ortam);
            QCOMPARE(ortam.hatalar, tür == u"values" ? QList<int>({13, 13, 13}) : QList<int>());
            QCOMPARE(int(ortam.kutular.Kutular.size()), ortam.hatalar.size()); // each reported
            AyarlarıUnut();
            QCOMPARE(GetSetting(UygulamaAdı, u"Ayarlar"_s, u"Son Bolme"_s),
                     yazılır ? u"0"_s : QString());
            QCOMPARE(int(GetAllSettings(UygulamaAdı, u"Oyun"_s).size()), yazılır ? 9 : 0);
            QVERIFY(tür != u"fifo" || !QFileInfo(ortam.AyarDosyası()).isFile());
            QVERIFY(tür != u"folder is a file" || QFileInfo(klasör).size() == 9);
        }
    }

    // Each load ends without a crash or a hang, in the error the game treats as "no photo": 53
    // not found, 481 not a picture, 7 too large to look at. Files built to cost time or memory
    // are refused having read at most a few MiB and held at most 64 MiB more (a decode of the
    // bombs would hold hundreds). A real photo twice the board's size loads, decoded no larger
    // than the board needs.
    void badPhotoIsRefused() {
        QTemporaryDir klasör;
        const auto yol = [&](const char *ad) { return klasör.filePath(QString::fromLatin1(ad)); };
        QVERIFY(mkfifo(QFile::encodeName(yol("fifo.jpg")), 0600) == 0);
        QVERIFY(QFile::link(u"/dev/zero"_s, yol("zero.jpg")) &&
                QFile::link(yol("self.jpg"), yol("self.jpg")) &&
                QFile::link(u"/proc/self/pagemap"_s, yol("pagemap.jpg")));
        const QByteArray jpeg = ResimBaytları(QSize(1600, 1200), "JPG");
        const std::tuple<const char *, QByteArray, int> dosyalar[] = {
            {"truncated.jpg", jpeg.left(jpeg.size() * 2 / 5), 481},
            {"30000.jpg", SahteBoyutluJpeg(30000, 30000), 481},
            {"0x0.jpg", SahteBoyutluJpeg(0, 0), 481},
            {"2^31-1.bmp", SahteBoyutluBmp(0x7FFFFFFF, 0x7FFFFFFF), 481},
            {"-2^31.bmp", SahteBoyutluBmp(8, qint32(0x80000000)), 481},
            // a 1 x 1 frame on a logical screen 24 x 63 504
            {"gif screen.jpg",
             QByteArray("GIF89a\x18\x00\x10\xf8\x80\x00\x00\x00\x00\x00\xff\xff\xff,"
                        "\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                        35),
             481},
            {"2048x1536.jpg", ResimBaytları(QSize(2048, 1536), "JPG"), 0},
            {"scan bomb.jpg", TaramaBombası(10000, 10000, 2000), 7},
            {"30000 scan bomb.jpg", TaramaBombası(30000, 30000, 2000), 7},
            {"huge header.jpg", BoyutuDeğiş(Kodla(Gürültü(1200, 1200), "JPG"), 12000, 12000), 7},
            {"sparse 16 GiB.jpg", jpeg.left(600), 7},
            {"pagemap.jpg", {}, 481},
            {"fifo.jpg", {}, 481},
            {"zero.jpg", {}, 481},
            {"missing.jpg", {}, 53},
            {"self.jpg", {}, 53}};
        for (const auto &[ad, içerik, hata] : dosyalar) {
            if (!içerik.isEmpty())
                DosyaYaz(yol(ad), içerik);
        }
        QVERIFY(QFile::resize(yol("sparse 16 GiB.jpg"), qint64(16) << 30)); // a hole: no disk
        for (const auto &[ad, içerik, hata] : dosyalar) {
            int numara = -1;
            const Maliyet m = Ölç(
                [&] { numara = HataNumarası([&] { LoadPicture(yol(ad), OyunİçinEnAzBoyut); }); });
            QVERIFY2(numara == hata, qPrintable(u"%1: %2"_s.arg(ad).arg(numara)));
            QVERIFY2(
                hata == 0 || (m.okunan < (4 << 20) && m.bellek < (64 << 20)),
                qPrintable(u"%1: %2 bytes read, %3 bytes more held"_s.arg(ad).arg(m.okunan).arg(
                    m.bellek)));
        }
    }

    // A last photo that is there but cannot be read (a text file named x.jpg, a folder): the
    // error report names it, and after "Evet" the window opens without it and keeps the path.
    void badLastPhotoIsReported() {
        for (bool klasör : {false, true}) {
            PencereOrtamı ortam;
            const QString yol = ortam.program.filePath(u"x.jpg"_s);
            if (klasör)
                QDir().mkpath(yol);
            else
                DosyaYaz(yol, "bir metin\n");
            ortam.Ayar(u"Son Fotograf"_s, yol);
            auto form = ortam.Yükle();
            QCOMPARE(ortam.hatalar, QList<int>{klasör ? 53 : 481});
            QVERIFY(form->isVisible() && !form->OrjinalFotoğrafKutusu->HasPicture());
            form->ÇıkışDüğmesi_Click();
            AyarlarıUnut();
            QCOMPARE(GetSetting(UygulamaAdı, u"Ayarlar"_s, u"Son Fotograf"_s), yol);
        }
    }
};

QTEST_MAIN(RobustTest)
#include "saglamlik_test.moc"
