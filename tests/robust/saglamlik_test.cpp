// SPDX-License-Identifier: GPL-3.0-or-later
// Bad settings files and photos: the game never crashes, blocks, leaks or eats memory.
#include "resources/DizgiTablosu.h"
#include "startup/UygulamaArayuzu.h"
#include "tests/core/HataNumarasi.h"
#include "tests/ortak/PencereOrtami.h"
#include "toolkit/AyarBelgesi.h"
#include "toolkit/ResimYukleyici.h"

#include <QImageReader>
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// The JPEG `b` with its frame header (SOF0 or, progressive, SOF2) claiming another size.
QByteArray BoyutuDeğiş(QByteArray b, int en, int boy, uchar tür = 0xC0) {
    qsizetype k = 2; // past SOI; each marker is FF, its type and a 16-bit length
    while (k + 9 < b.size() && uchar(b[k + 1]) != tür)
        k += 2 + (uchar(b[k + 2]) << 8 | uchar(b[k + 3]));
    qToBigEndian(quint16(boy), b.data() + k + 5);
    qToBigEndian(quint16(en), b.data() + k + 7);
    return b;
}

QByteArray İçerik(const QString &yol) {
    QFile dosya(yol);
    return dosya.open(QIODevice::ReadOnly) ? dosya.readAll() : QByteArray();
}

qint64 SüreçDeğeri(const char *dosya, const char *ad) {
    const QByteArray metin = İçerik(QString::fromLatin1(dosya));
    return metin.mid(metin.indexOf(ad) + qstrlen(ad)).simplified().split(' ').first().toLongLong();
}

} // namespace

class RobustTest : public QObject {
    Q_OBJECT

private slots:
    // No picture over 8 MB: a decode at the board's size (1024 x 768 is 3 MB) never needs one.
    void initTestCase() { QImageReader::setAllocationLimit(8); }

    // The game plays and closes, reports only bad values, keeps aside a file it did not read
    // (saying so once), tells why a save failed (a game in progress may play on), never blocks.
    void badSettings() {
        const QByteArray eski = "[Ayarlar]\nSon Bolme=2\n",
                         değerler =
                             "[Ayarlar]\nUst Bosluk=1e999\nOyunu Kaydet=0x1\nSesleri Kapat=NaN\n";
        QByteArray bölümler = eski, anahtarlar = eski;
        for (int i = 0; i <= AyarBelgesi::EnÇokBölüm; ++i)
            bölümler += "[" + QByteArray::number(i) + "]\n";
        for (int i = 0; i <= AyarBelgesi::EnÇokAnahtar; ++i)
            anahtarlar += QByteArray::number(i) + "=1\n";
        // the file, kept aside (box at start), the save's reason (its box at close), its answer
        const std::tuple<const char *, QByteArray, bool, int, QString> satırlar[] = {
            {"values", değerler, false, 0, {}},
            {"2 MB", eski, true, 0, {}}, // sparse: it costs no disk
            {"sections", bölümler, true, 0, {}},
            {"keys", anahtarlar, true, 0, {}},
            {"not UTF-8", eski + "\xff", true, 0, {}},
            {"folder is a file", {}, false, 3312, u"Tamam"_s}, // no game to save: it only tells
            {"fifo", {}, false, 3312, u"Evet"_s},
            {"full disk, play on", eski, false, 3310, u"Hayır"_s},
            {"read-only folder", eski, false, 3311, u"Evet"_s}}; // last: it may be skipped
        for (const auto &[tür, metin, kenara, neden, yanıt] : satırlar) {
            PencereOrtamı ortam;
            ortam.ÖrnekYaz();
            const QString klasör = ortam.ayarlar.filePath(u"Nuv Zovevav"_s),
                          tr = QString::fromUtf8(tür);
            const QByteArray yer = QFile::encodeName(klasör);
            if (tr == u"folder is a file")
                DosyaYaz(klasör, "bir dosya");
            else if (tr == u"fifo")
                QVERIFY(QDir().mkpath(klasör) &&
                        mkfifo(QFile::encodeName(ortam.AyarDosyası()).constData(), 0600) == 0);
            else
                ortam.AyarDosyasıYaz(metin);
            if (tr == u"2 MB")
                QVERIFY(QFile::resize(ortam.AyarDosyası(), qint64(2) << 20));
            if (tr.startsWith(u"read-only") &&
                (mount(yer, yer, nullptr, MS_BIND, nullptr) != 0 ||
                 mount(nullptr, yer, nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0))
                QSKIP("a read-only mount needs root");
            const QByteArray önce = metin.isEmpty() ? QByteArray() : İçerik(ortam.AyarDosyası());
            AyarlarıUnut();
            auto form = ortam.Yükle();
            const Oyuncu oyuncu(*form);
            oyuncu.YeniOyun();
            const int boş = oyuncu.BoşYer(), kenar = int(std::sqrt(oyuncu.YerSayısı()));
            oyuncu.YereTıkla(boş < kenar ? boş + kenar : boş - kenar);
            QVERIFY(oyuncu.Hamle() == u"1"_s);
            if (tr != u"folder is a file")
                oyuncu.Tıkla(u"Çıkışta oyunu kaydet"_s);
            ortam.kutular.Yanıtlar = {yanıt};
            rlimit önceki{};
            getrlimit(RLIMIT_FSIZE, &önceki);
            const rlimit sınır{tr.startsWith(u"full") ? 64 : önceki.rlim_cur, önceki.rlim_max};
            const auto işleyici = std::signal(SIGXFSZ, SIG_IGN);
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &sınır), 0);
            oyuncu.Çıkış();
            setrlimit(RLIMIT_FSIZE, &önceki);
            std::signal(SIGXFSZ, işleyici);
            const bool sürüyor = form->isVisible() && ortam.saat->çalışıyor;
            QCOMPARE(sürüyor, yanıt == u"Hayır"); // "Hayır" plays on; the next close saves
            if (sürüyor)
                oyuncu.Çıkış();
            if (tr.startsWith(u"read-only"))
                QCOMPARE(umount2(yer, MNT_DETACH), 0);
            QVERIFY(!ortam.süreçBitti && !form->isVisible());
            QCOMPARE(ortam.hatalar, tr == u"values" ? QList<int>({13, 13, 13}) : QList<int>());
            if (kenara) // a later change of the same run leaves the copy aside alone
                ortam.Ayar(u"Son Klasor"_s, u"/"_s);
            const auto &kutular = ortam.kutular.Kutular; // the errors' reports, and these:
            QCOMPARE(int(kutular.size()), ortam.hatalar.size() + kenara + (neden != 0));
            QVERIFY(!kenara || kutular.front().metin ==
                                   LoadResString(3330) + u'\n' + ortam.AyarDosyası() + u".bozuk"_s);
            QVERIFY(!neden || kutular.back().metin.startsWith(
                                  LoadResString(tr == u"folder is a file" ? 3300 : 3301) +
                                  LoadResString(neden)));
            QVERIFY(!neden ||
                    kutular.back().düğmeler.size() == (tr == u"folder is a file" ? 1 : 2));
            AyarlarıUnut();
            // What the game read of the file: the defaults, or "Son Bolme=2", 5 x 5.
            const bool yazılır = neden == 0 || sürüyor, kaldı = !önce.isEmpty() && !yazılır,
                       okundu = !kenara && metin.contains("Son Bolme");
            QCOMPARE(GetSetting(UygulamaAdı, u"Ayarlar"_s, u"Son Bolme"_s), okundu    ? u"2"_s
                                                                            : yazılır ? u"0"_s
                                                                                      : QString());
            QCOMPARE(int(GetAllSettings(UygulamaAdı, u"Oyun"_s).size()),
                     yazılır ? (okundu ? 25 : 9) : 0);
            QVERIFY(!kaldı || İçerik(ortam.AyarDosyası()) == önce); // byte for byte
            QVERIFY(!kenara || (İçerik(ortam.AyarDosyası() + u".bozuk"_s) == önce &&
                                QFileInfo(ortam.AyarDosyası()).size() < 1000));
        }
    }

    // Each load ends in the error the game treats as "no photo" (53, 481, 7 too large), having read
    // at most a few MiB and held at most 64 MiB more (a bomb's decode would hold hundreds).
    void badPhotoIsRefused() {
        QTemporaryDir klasör;
        const auto yol = [&](const char *ad) { return klasör.filePath(QString::fromLatin1(ad)); };
        QVERIFY(mkfifo(QFile::encodeName(yol("fifo.jpg")), 0600) == 0 &&
                QDir().mkpath(yol("folder.jpg")) &&
                QFile::link(u"/proc/self/pagemap"_s, yol("pagemap.jpg")));
        const QByteArray jpeg = Kodla(DüzFotoğraf(qRgb(200, 120, 40), 1600, 1200), "JPG");
        const QByteArray küçük = Kodla(DüzFotoğraf(Qt::gray, 64, 48), "JPG");
        const QByteArray kamera = ExifliJpeg(Gürültü(300, 200), Gürültü(40, 30));
        const QByteArray bmp = Kodla(DüzFotoğraf(Qt::gray, 63, 48), "BMP"); // padded rows
        const QByteArray bomba = TaramaBombası(Gürültü(256, 256), 2000);
        // 64 KiB segments before scan `tarama`: the decoder keeps comments, APP1, APP2 in memory.
        const auto dolgulu = [](const QByteArray &jpeg, char tür, const char *önek, int kez,
                                int tarama = 0) {
            qsizetype yer = jpeg.indexOf("\xff\xda");
            while (tarama-- > 0)
                yer = jpeg.indexOf("\xff\xda", yer + 2);
            const QByteArray dolgu =
                (QByteArray("\xff") + tür + "\xff\xff" + önek).leftJustified(65537);
            return jpeg.left(yer) + dolgu.repeated(kez) + jpeg.mid(yer);
        };
        const char *xmp = "http://ns.adobe.com/xmp/extension/";
        // Boxes and chunks as HEIF, PNG and WebP lay them out (PNG CRCs left zero: never read).
        const auto be = [](quint32 n, int boy = 4) {
            return QByteArray::fromHex(QByteArray::number(n, 16).rightJustified(2 * boy, '0'));
        };
        const auto kutu = [&](const char *tür, const QByteArray &içi) {
            return be(8 + içi.size()) + tür + içi;
        };
        const QImage gri = DüzFotoğraf(Qt::gray, 64, 48);
        const QByteArray png = Kodla(gri, "PNG"), webp = Kodla(gri, "WEBP"),
                         png16 = Kodla(gri.convertToFormat(QImage::Format_RGBX64), "PNG");
        const QByteArray ztxt =
            QByteArray("zTXtYorum\0\0", 11) + qCompress(QByteArray(5 << 20, 'a')).mid(4);
        const auto heif = [&](const char *marka, const QByteArray &meta) {
            return kutu("ftyp", QByteArray(marka) + QByteArray(4, 0) + "mif1") +
                   kutu("meta", QByteArray(4, 0) + meta);
        };
        const QByteArray exif5 = QByteArray("EXIF\0\0\x50\0", 8) + QByteArray(5 << 20, 0);
        QByteArray riff(4, 0);
        qToLittleEndian<quint32>(webp.size() - 8 + exif5.size(), riff.data());
        const std::tuple<const char *, QByteArray, int> dosyalar[] = {
            {"truncated.jpg", jpeg.left(jpeg.size() * 2 / 5), 481},
            {"cut after its small picture.jpg", kamera.chopped(2), 481},
            {"300x200 with a motion photo behind.jpg", kamera + QByteArray(5000, 'B'), 0},
            {"63x48.bmp", bmp, 0},
            {"truncated.bmp", bmp.chopped(1), 481},
            {"30000.jpg", BoyutuDeğiş(küçük, 30000, 30000), 481},
            {"2048x1536.jpg", Kodla(DüzFotoğraf(Qt::gray, 2048, 1536), "JPG"), 0},
            {"scan bomb.jpg", BoyutuDeğiş(bomba, 10000, 10000, 0xC2), 7},
            {"huge header.jpg", BoyutuDeğiş(Kodla(Gürültü(1200, 1200), "JPG"), 12000, 12000), 7},
            {"sparse 16 GiB.jpg", {}, 7},
            {"1x30001.jpg", Kodla(DüzFotoğraf(Qt::gray, 1, 30001), "JPG"), 7},
            {"comments 5 MiB.jpg", dolgulu(küçük, '\xfe', "", 80), 7},
            {"EXIF 5 MiB between scans.jpg",
             dolgulu(TaramaBombası(DüzFotoğraf(Qt::gray, 64, 48), 1), '\xe1', "Exif", 80, 1), 7},
            {"XMP 17 MiB.jpg", dolgulu(küçük, '\xe1', xmp, 272), 7},
            {"1600x1200 XMP 12 MiB.jpg", dolgulu(jpeg, '\xe1', xmp, 192), 0},
            // One flat colour, arithmetic-coded: three bytes of picture data.
            {"2048x1536 arithmetic.jpg",
             QByteArray("\xff\xd8\xff\xdb\0\x43\0", 7) + QByteArray(64, 1) +
                 QByteArray("\xff\xc9\0\x0b\x08\x06\0\x08\0\x01\x01\x11\0\xff\xcc\0\x06\0\x10"
                            "\x10\x05\xff\xda\0\x08\x01\x01\0\0\x3f\0\x1e\xb7\x80\xff\xd9",
                            37),
             0},
            {"20000x20000.png", QByteArray(png).replace(16, 8, be(20000) + be(20000)), 7},
            {"5000x4000 16-bit.png", QByteArray(png16).replace(16, 8, be(5000) + be(4000)), 7},
            {"zTXt 5 MiB.png", png.left(33) + be(ztxt.size() - 4) + ztxt + be(0) + png.mid(33), 7},
            {"8000x6000.webp", QByteArray(webp).replace(26, 4, QByteArray::fromHex("401f7017")), 7},
            {"tiff.jpg", Kodla(gri, "TIFF"), 481},
            {"EXIF 5 MiB.webp", QByteArray(webp).replace(4, 4, riff) + exif5, 7},
            {"5000 items.heic", heif("heic", kutu("iinf", QByteArray(4, 0) + be(5000, 2))), 7},
            {"20000x20000.avif",
             heif("avif", kutu("iprp", kutu("ipco", kutu("ispe", be(0) + be(20000) + be(20000))))),
             7},
            {"grid 20000x20000.heic",
             heif("heic", kutu("iinf", QByteArray(4, 0) + be(1, 2) +
                                           kutu("infe", QByteArray("\2\0\0\0\0\1\0\0grid", 12))) +
                              kutu("iloc", QByteArray::fromHex("0100000044000001000100010000"
                                                               "00010000000000000008")) +
                              kutu("idat", QByteArray(4, 0) + be(20000, 2) + be(20000, 2))),
             7},
            {"metadata 5 MiB.heic", heif("heic", kutu("free", QByteArray(5 << 20, 0))), 7},
            {"pagemap.jpg", {}, 481},
            {"fifo.jpg", {}, 481},
            {"folder.jpg", {}, 53}};
        DosyaYaz(yol("sparse 16 GiB.jpg"), jpeg.left(600));
        QVERIFY(QFile::resize(yol("sparse 16 GiB.jpg"), qint64(16) << 30)); // a hole: no disk
        for (const auto &[ad, içerik, hata] : dosyalar) {
            if (!içerik.isEmpty())
                DosyaYaz(yol(ad), içerik);
            DosyaYaz(u"/proc/self/clear_refs"_s, "5"); // the peak starts again from here
            const qint64 okunan = SüreçDeğeri("/proc/self/io", "rchar:");
            const qint64 bellek = SüreçDeğeri("/proc/self/status", "VmRSS:");
            QSize boyut;
            const int numara =
                HataNumarası([&] { boyut = LoadPicture(yol(ad), OyunİçinEnAzBoyut).DoğalBoyut; });
            const qint64 okundu = SüreçDeğeri("/proc/self/io", "rchar:") - okunan;
            const qint64 tutuldu = (SüreçDeğeri("/proc/self/status", "VmHWM:") - bellek) << 10;
            QVERIFY2(numara == hata && (hata == 0 || (okundu < (4 << 20) && tutuldu < (64 << 20))),
                     qPrintable(QString::asprintf("%s: error %d, %lld bytes read, %lld more held",
                                                  ad, numara, okundu, tutuldu)));
            // A photo that loads has the size its name begins with.
            QVERIFY(hata ||
                    QString::number(boyut.width()) + 'x' + QString::number(boyut.height()) ==
                        QString(ad).section(QRegularExpression("[ .]"), 0, 0));
        }
    }

    // A relative path over the bus is refused with a box naming it, though it names a photo here.
    void relativePathOverTheBus() {
        PencereOrtamı ortam;
        auto form = ortam.Yükle();
        QVERIFY(DüzFotoğraf(Qt::red).save(ortam.program.filePath(u"good.jpg"_s)) &&
                QDir::setCurrent(ortam.program.path()));
        ApplicationInterface arayüz;
        arayüz.Karşıla(
            {[](const QString &) {}, [&](const QString &yol) { form->FotoğrafıAç(yol); }});
        for (const QString ad : {"good.jpg", "file:good.jpg"}) {
            arayüz.Open({ad}, {});
            QTRY_COMPARE(ortam.kutular.Kutular.empty() ? QString()
                                                       : ortam.kutular.Kutular.back().metin,
                         LoadResString(3100) + ad + u'\n' + LoadResString(3420));
        }
    }
};

QTEST_MAIN(RobustTest)
#include "saglamlik_test.moc"
