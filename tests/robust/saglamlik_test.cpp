// SPDX-License-Identifier: GPL-3.0-or-later
// The game against bad settings files, places where nothing can be stored and bad photos: it
// never crashes, blocks or eats memory, reports only values it cannot use, and loads, plays and
// closes every time. Run under the sanitizers this also shows that nothing leaks.
#include "tests/core/HataNumarasi.h"
#include "tests/ortak/PencereOrtami.h"
#include "toolkit/ResimYukleyici.h"

#include <QCheckBox>
#include <QImageReader>
#include <QLabel>
#include <QRandomGenerator>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

// Loads the window, plays a game of forty random clicks, some through the mouse, with the save
// option ticked and closes with the exit button: the game ran as a game does, the places always
// showed the board, and the process was not ended.
void OynaVeKapat(PencereOrtamı &ortam) {
    auto form = ortam.Yükle();
    QVERIFY(form->isVisible());
    form->YeniOyunDüğmesi_Click();
    QRandomGenerator üreteç(5);
    for (int tık = 0; tık < 40; ++tık) {
        const int yer = int(üreteç.bounded(form->DağınıkParçalar.Count()));
        if (tık % 5 == 0)
            QTest::mouseClick(form->DağınıkParçalar(yer), Qt::LeftButton);
        else
            form->DağınıkParçalar_Click(yer);
    }
    for (int yer = 0; yer < form->Tahta.YerSayısı(); ++yer)
        QCOMPARE(form->DağınıkParçalar(yer)->Tag(), form->Tahta.YerOf(yer).Tag);
    form->OyunuKaydetOnayı->setChecked(true);
    form->ÇıkışDüğmesi_Click();
    QVERIFY(!ortam.süreçBitti && !form->isVisible());
    QCOMPARE(form->SüreHesapla.Interval(), 1000);
    QVERIFY(form->HamleSayısı > 0);
}

QByteArray ResimBaytları(QSize boyut, const char *biçim) {
    return Kodla(DüzFotoğraf(qRgb(200, 120, 40), boyut.width(), boyut.height()), biçim);
}

// A real JPEG whose frame header (SOF0, found by walking the markers) claims another size.
QByteArray SahteBoyutluJpeg(int en, int boy) {
    QByteArray b = ResimBaytları(QSize(64, 48), "JPG");
    qsizetype k = 2; // past SOI; each marker is FF, its type and a 16-bit length
    while (k + 9 < b.size() && uchar(b[k + 1]) != 0xC0)
        k += 2 + (uchar(b[k + 2]) << 8 | uchar(b[k + 3]));
    b[k + 5] = char(boy >> 8), b[k + 6] = char(boy), b[k + 7] = char(en >> 8), b[k + 8] = char(en);
    return b;
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

// LoadPicture in a child process, reduced for the board as the game loads: its error number, or
// nothing when it crashed or blocked. The child lets Qt allocate no picture over 8 MB, which a
// decode at the board's size never needs (1024 x 768 is 3 MB) and a large photo decoded at its
// full size does.
std::optional<int> ÇocuktaYükle(const QString &yol) {
    int boru[2];
    if (pipe2(boru, O_CLOEXEC) != 0)
        return std::nullopt;
    const pid_t çocuk = fork();
    if (çocuk == 0) {
        QImageReader::setAllocationLimit(8);
        int hata = 0;
        HataKapanı::Kurtar([&] { LoadPicture(yol, OyunİçinEnAzBoyut); },
                           [&](const ÇalışmaHatası &h) { hata = h.Numara(); });
        [[maybe_unused]] const auto yazılan = write(boru[1], &hata, sizeof hata);
        _exit(0); // no exit handlers: the parent's objects are not the child's to tear down
    }
    close(boru[1]);
    pollfd sonuçBorusu{boru[0], POLLIN, 0};
    if (poll(&sonuçBorusu, 1, 30000) == 0) // catches a blocked load only: one takes milliseconds
        kill(çocuk, SIGKILL);
    int durum = 0;
    waitpid(çocuk, &durum, 0);
    int hata = 0;
    const bool okundu = read(boru[0], &hata, sizeof hata) == sizeof hata;
    close(boru[0]);
    return okundu && WIFEXITED(durum) ? std::optional(hata) : std::nullopt;
}

} // namespace

class RobustTest : public QObject {
    Q_OBJECT

    QTemporaryDir klasör_; // the bad photos

private slots:
    // A settings file of values that are no numbers, of ten thousand keys, or far too large to
    // read: the game loads, plays and closes; only the stored values it cannot use are reported,
    // and what the close wrote reads back.
    void badSettingsFile() {
        QByteArray metin = "[Ayarlar]\nSol Bosluk=sol\nUst Bosluk=1e999\nSon Bolme=iki\n"
                           "Ornek Goster=evet\nOyunu Kaydet=0x1\nSesleri Kapat=NaN\n[Oyun]\n";
        for (int yer = 0; yer < 9; ++yer)
            metin += "Foto-" + QByteArray::number(yer) + "=parça\n";
        QByteArray çok = "[Ayarlar]\nSon Bolme=1\n[Oyun]\n";
        for (int i = 0; i < 10000; ++i)
            çok += "Foto-" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\n";
        for (const auto &[içerik, hatalar, kenar] :
             {std::tuple{metin, QList<int>{13, 13, 13, 13, 9, 13, 13}, 3},
              {çok, QList<int>{9}, 4},
              {QByteArray("[Ayarlar]\nSon Bolme=2\n"), QList<int>{}, 3}}) {
            PencereOrtamı ortam;
            ortam.ÖrnekYaz();
            ortam.AyarDosyasıYaz(içerik);
            if (hatalar.isEmpty()) // 65 MB, sparse: it costs no disk
                QVERIFY(QFile::resize(ortam.AyarDosyası(), qint64(65) << 20));
            OynaVeKapat(ortam);
            QCOMPARE(ortam.hatalar, hatalar);
            QCOMPARE(int(ortam.kutular.Kutular.size()), hatalar.size()); // each in the report
            AyarlarıUnut();
            QCOMPARE(GetSetting(UygulamaAdı, u"Ayarlar"_s, u"Son Bolme"_s),
                     QString::number(kenar - 3));
            QCOMPARE(int(GetAllSettings(UygulamaAdı, u"Oyun"_s).size()), kenar * kenar);
        }
    }

    // Nothing can be stored, or the file's place is taken by something that is no file: the
    // game plays as on a first start, closes without a word, and never blocks on, writes
    // through or replaces what stands there; every read is a default, every write error 75.
    void settingsPlaceThatCannotBeUsed() {
        for (const QString tür : {"folder is a file", "fifo", "/dev/null"}) {
            PencereOrtamı ortam;
            ortam.ÖrnekYaz();
            const QString klasör = ortam.ayarlar.filePath(u"Nuv Zovevav"_s);
            if (tür == u"folder is a file")
                DosyaYaz(klasör, "bir dosya");
            else if (tür == u"fifo")
                QVERIFY(QDir().mkpath(klasör) &&
                        mkfifo(QFile::encodeName(ortam.AyarDosyası()).constData(), 0600) == 0);
            else
                AyarKlasörünüKur(tür);
            AyarlarıUnut();
            OynaVeKapat(ortam);
            QCOMPARE(ortam.hatalar, QList<int>{});
            AyarlarıUnut();
            QVERIFY(GetAllSettings(UygulamaAdı, u"Ayarlar"_s).empty());
            QCOMPARE(HataNumarası([] {
                         AyarToplusu topluluk; // the save at close: one write at its end
                         SaveSetting(UygulamaAdı, u"Oyun"_s, u"Foto-0"_s, u"8B"_s);
                         topluluk.Yaz();
                     }),
                     75);
            QFile yer(klasör);
            QVERIFY(tür != u"folder is a file" ||
                    (yer.open(QIODevice::ReadOnly) && yer.readAll() == "bir dosya"));
            QVERIFY(tür != u"fifo" || !QFileInfo(ortam.AyarDosyası()).isFile());
        }
    }

    // ---- Photos ----

    // Each load ends (a blocked one is killed) without a crash, in the error the game treats as
    // "no photo": 53 not found, 481 not a picture. A real photo twice the board's size loads,
    // decoded no larger than the board needs.
    void badPhotoIsRefusedQuickly_data() {
        QTest::addColumn<QString>("yol");
        QTest::addColumn<int>("hata");
        const auto yol = [&](const char *tür) {
            return klasör_.filePath(QString::fromLatin1(tür));
        };
        const QByteArray jpeg = ResimBaytları(QSize(1600, 1200), "JPG");
        const std::pair<const char *, QByteArray> dosyalar[] = {
            {"empty.jpg", {}},
            {"truncated.jpg", jpeg.left(jpeg.size() * 2 / 5)},
            {"text.jpg", "Bu bir fotoğraf değil.\n"},
            {"30000.jpg", SahteBoyutluJpeg(30000, 30000)},
            {"65535x1.jpg", SahteBoyutluJpeg(65535, 1)},
            {"0x0.jpg", SahteBoyutluJpeg(0, 0)},
            {"2^31-1.bmp", SahteBoyutluBmp(0x7FFFFFFF, 0x7FFFFFFF)},
            {"30000.bmp", SahteBoyutluBmp(30000, 30000)},
            {"-2^31.bmp", SahteBoyutluBmp(8, qint32(0x80000000))},
            // a 1 x 1 frame on a logical screen 24 x 63 504
            {"gif screen.jpg",
             QByteArray("GIF89a\x18\x00\x10\xf8\x80\x00\x00\x00\x00\x00\xff\xff\xff,"
                        "\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                        35)}};
        for (const auto &[ad, içerik] : dosyalar) {
            DosyaYaz(yol(ad), içerik);
            QTest::newRow(ad) << yol(ad) << 481;
        }
        QImage uzun(30001, 2, QImage::Format_Mono);
        uzun.fill(0);
        QVERIFY(uzun.save(yol("png 30001x2.jpg"), "PNG"));
        QVERIFY(mkfifo(QFile::encodeName(yol("fifo.jpg")), 0600) == 0);
        QVERIFY(QFile::link(u"/dev/zero"_s, yol("zero.jpg")) &&
                QFile::link(yol("self.jpg"), yol("self.jpg")));
        QVERIFY(QDir().mkpath(yol("folder.jpg")));
        DosyaYaz(yol("locked.jpg"), ResimBaytları(QSize(320, 240), "JPG"));
        QVERIFY(QFile::setPermissions(yol("locked.jpg"), {}));
        for (const char *ad : {"png 30001x2.jpg", "fifo.jpg", "zero.jpg"})
            QTest::newRow(ad) << yol(ad) << 481;
        for (const char *ad : {"missing.jpg", "folder.jpg", "self.jpg"})
            QTest::newRow(ad) << yol(ad) << 53;
        DosyaYaz(yol("2048x1536.jpg"), ResimBaytları(QSize(2048, 1536), "JPG"));
        QTest::newRow("2048x1536.jpg") << yol("2048x1536.jpg") << 0;
        // Root reads whatever the permissions say.
        QTest::newRow("locked.jpg") << yol("locked.jpg") << (geteuid() == 0 ? 0 : 481);
    }
    void badPhotoIsRefusedQuickly() {
        QFETCH(QString, yol);
        QFETCH(int, hata);
        const auto sonuç = ÇocuktaYükle(yol);
        QVERIFY2(sonuç, "LoadPicture crashed or blocked");
        QCOMPARE(*sonuç, hata);
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
