// Photos that cannot be loaded: empty, cut short, with a forged huge size, a folder, a file that
// cannot be read, a FIFO. Each load ends quickly, without a crash and without a burst of memory,
// in ÇalışmaHatası (or, for a picture that is merely damaged, in a picture); and the game with
// such a photo as its last one still loads, plays and closes.
#include "tests/robust/CocukSurec.h"
#include "tests/robust/RobustOrtami.h"
#include "toolkit/ResimYukleyici.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QtTest>
#include <optional>
#include <sys/stat.h>

namespace {

QByteArray ResimBaytları(QSize boyut, const char *biçim) {
    QImage resim(boyut, QImage::Format_RGB32);
    resim.fill(qRgb(200, 120, 40));
    for (int y = 0; y < boyut.height(); ++y)
        resim.setPixel(y % boyut.width(), y, qRgb(0, 0, 255));
    QByteArray baytlar;
    QBuffer tampon(&baytlar);
    tampon.open(QIODevice::WriteOnly);
    if (!resim.save(&tampon, biçim))
        qFatal("cannot make a %s", biçim);
    return baytlar;
}

void Büyük16(QByteArray &baytlar, qsizetype konum, int değer) {
    baytlar[konum] = char(değer >> 8);
    baytlar[konum + 1] = char(değer & 0xFF);
}

void Küçük32(QByteArray &baytlar, qsizetype konum, qint32 değer) {
    for (int i = 0; i < 4; ++i)
        baytlar[konum + i] = char((quint32(değer) >> (8 * i)) & 0xFF);
}

// A real JPEG whose frame header (SOF0, found by walking the markers) claims another size: a
// header for a huge photo followed by the data of a small one.
QByteArray SahteBoyutluJpeg(int en, int boy) {
    QByteArray baytlar = ResimBaytları(QSize(64, 48), "JPG");
    qsizetype konum = 2; // past SOI
    while (konum + 4 < baytlar.size() && uchar(baytlar[konum]) == 0xFF) {
        const uchar tür = uchar(baytlar[konum + 1]);
        const int uzunluk = (uchar(baytlar[konum + 2]) << 8) | uchar(baytlar[konum + 3]);
        if (tür == 0xC0) {
            Büyük16(baytlar, konum + 5, boy);
            Büyük16(baytlar, konum + 7, en);
            return baytlar;
        }
        konum += 2 + uzunluk;
    }
    qFatal("no SOF0 marker in the JPEG");
}

// A real 24-bit BMP whose info header claims another size.
QByteArray SahteBoyutluBmp(qint32 en, qint32 boy) {
    QByteArray baytlar = ResimBaytları(QSize(8, 8), "BMP");
    Küçük32(baytlar, 18, en);
    Küçük32(baytlar, 22, boy);
    return baytlar;
}

struct Yükleme {
    int hata = -1;     // the ÇalışmaHatası number, 0 when a picture came
    long büyümeKB = 0; // growth of the peak resident memory
    qint64 süreMs = 0;
    QSize boyut; // the picture's size, when one came
};

// Loads in a child process, as the game does (reduced for the board), with a deadline.
std::optional<Yükleme> ÇocuktaYükle(const QString &yol, bool &takıldı) {
    const auto sonuç = ÇocuktaÇalıştır(
        [&] {
            const long önce = TepeBellekKB();
            QElapsedTimer süre;
            süre.start();
            int hata = 0;
            QSize boyut;
            HataKapanı::Kurtar([&] { boyut = LoadPicture(yol, OyunİçinEnAzBoyut).Resim.size(); },
                               [&](const ÇalışmaHatası &h) { hata = h.Numara(); });
            return QByteArray::number(hata) + ' ' + QByteArray::number(TepeBellekKB() - önce) +
                   ' ' + QByteArray::number(süre.elapsed()) + ' ' +
                   QByteArray::number(boyut.width()) + ' ' + QByteArray::number(boyut.height());
        },
        std::chrono::seconds(5));
    takıldı = sonuç.takıldı;
    const QList<QByteArray> alanlar = sonuç.çıktı.split(' ');
    if (!sonuç.bitti || alanlar.size() != 5)
        return std::nullopt;
    return Yükleme{alanlar[0].toInt(), alanlar[1].toLong(), alanlar[2].toLongLong(),
                   QSize(alanlar[3].toInt(), alanlar[4].toInt())};
}

void DosyaYaz(const QString &yol, const QByteArray &içerik) {
    QFile dosya(yol);
    QVERIFY(dosya.open(QIODevice::WriteOnly));
    QCOMPARE(dosya.write(içerik), içerik.size());
}

// Makes the bad photo of the given kind in `klasör`; returns its path.
QString KötüFotoğraf(const QString &tür, const QTemporaryDir &klasör) {
    const QString yol = klasör.filePath(tür.contains(u"bmp") ? QStringLiteral("kötü.bmp")
                                                             : QStringLiteral("kötü.jpg"));
    const QByteArray ad = QFile::encodeName(yol);
    if (tür == u"empty") {
        DosyaYaz(yol, {});
    } else if (tür == u"truncated") {
        const QByteArray tam = ResimBaytları(QSize(1600, 1200), "JPG");
        DosyaYaz(yol, tam.left(tam.size() * 2 / 5));
    } else if (tür == u"header only") {
        DosyaYaz(yol, ResimBaytları(QSize(1600, 1200), "JPG").left(700));
    } else if (tür == u"text") {
        DosyaYaz(yol, "Bu bir fotoğraf değil.\n");
    } else if (tür == u"jpeg 30000") {
        DosyaYaz(yol, SahteBoyutluJpeg(30000, 30000));
    } else if (tür == u"jpeg 40000") {
        DosyaYaz(yol, SahteBoyutluJpeg(40000, 40000));
    } else if (tür == u"jpeg 65535x1") {
        DosyaYaz(yol, SahteBoyutluJpeg(65535, 1));
    } else if (tür == u"jpeg 0x0") {
        DosyaYaz(yol, SahteBoyutluJpeg(0, 0));
    } else if (tür == u"bmp 2^31-1") {
        DosyaYaz(yol, SahteBoyutluBmp(0x7FFFFFFF, 0x7FFFFFFF));
    } else if (tür == u"bmp 30000") {
        DosyaYaz(yol, SahteBoyutluBmp(30000, 30000));
    } else if (tür == u"bmp 5000") {
        DosyaYaz(yol, SahteBoyutluBmp(5000, 5000));
    } else if (tür == u"bmp negative") {
        DosyaYaz(yol, SahteBoyutluBmp(8, qint32(0x80000000)));
    } else if (tür == u"gif screen") {
        // A GIF whose one-pixel frame stands on a logical screen 63 504 pixels high: the
        // decoded picture takes the screen's size, which the header's frame does not tell.
        QByteArray gif("GIF89a");
        gif += QByteArray("\x18\x00\x10\xf8\x80\x00\x00", 7); // 24 x 63504, 2 colours
        gif += QByteArray("\x00\x00\x00\xff\xff\xff", 6);
        gif += QByteArray(",\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10); // a 1 x 1 frame
        gif += QByteArray("\x02\x02\x44\x01\x00;", 6);
        DosyaYaz(yol, gif);
    } else if (tür == u"folder") {
        QDir().mkpath(yol);
    } else if (tür == u"no permission") {
        DosyaYaz(yol, ResimBaytları(QSize(320, 240), "JPG"));
        chmod(ad.constData(), 0);
    } else if (tür == u"fifo") {
        mkfifo(ad.constData(), 0600);
    } else if (tür == u"link to /dev/zero") {
        symlink("/dev/zero", ad.constData());
    } else if (tür == u"link loop") {
        symlink(ad.constData(), ad.constData());
    }
    return yol;
}

void Türler() {
    QTest::addColumn<QString>("tür");
    QTest::addColumn<bool>("resimOlabilir"); // a damaged picture may still show
    QTest::newRow("zero bytes") << QStringLiteral("empty") << false;
    QTest::newRow("truncated JPEG") << QStringLiteral("truncated") << true;
    QTest::newRow("JPEG header only") << QStringLiteral("header only") << true;
    QTest::newRow("text named .jpg") << QStringLiteral("text") << false;
    QTest::newRow("JPEG header 30000 x 30000") << QStringLiteral("jpeg 30000") << false;
    QTest::newRow("JPEG header 40000 x 40000") << QStringLiteral("jpeg 40000") << false;
    QTest::newRow("JPEG header 65535 x 1") << QStringLiteral("jpeg 65535x1") << false;
    QTest::newRow("JPEG header 0 x 0") << QStringLiteral("jpeg 0x0") << false;
    QTest::newRow("BMP claiming 2^31-1 square") << QStringLiteral("bmp 2^31-1") << false;
    QTest::newRow("BMP claiming 30000 x 30000") << QStringLiteral("bmp 30000") << false;
    // Within Qt's allocation limit: Qt reads what there is and leaves the rest blank, as for a
    // truncated JPEG.
    QTest::newRow("BMP claiming 5000 x 5000") << QStringLiteral("bmp 5000") << true;
    QTest::newRow("BMP with height -2^31") << QStringLiteral("bmp negative") << false;
    QTest::newRow("GIF with a screen 63504 high, named .jpg")
        << QStringLiteral("gif screen") << false;
    QTest::newRow("folder named .jpg") << QStringLiteral("folder") << false;
    // Root reads whatever the permissions say, so this one may load; the FIFO and the device
    // are the unreadable files that count.
    QTest::newRow("no read permission") << QStringLiteral("no permission") << (geteuid() == 0);
    QTest::newRow("FIFO named .jpg") << QStringLiteral("fifo") << false;
    QTest::newRow("link to /dev/zero") << QStringLiteral("link to /dev/zero") << false;
    QTest::newRow("link to itself") << QStringLiteral("link loop") << false;
}

} // namespace

class BadPhotoTest : public QObject {
    Q_OBJECT

private slots:
    void loadPictureRefusesQuickly_data() { Türler(); }
    void loadPictureRefusesQuickly() {
        QFETCH(QString, tür);
        QFETCH(bool, resimOlabilir);
        QTemporaryDir klasör;
        const QString yol = KötüFotoğraf(tür, klasör);

        bool takıldı = false;
        const auto yükleme = ÇocuktaYükle(yol, takıldı);
        QVERIFY2(!takıldı, "LoadPicture blocked");
        QVERIFY2(yükleme, "LoadPicture crashed");
        qInfo("error %d, peak memory +%ld KB, %lld ms, picture %dx%d", yükleme->hata,
              yükleme->büyümeKB, yükleme->süreMs, yükleme->boyut.width(), yükleme->boyut.height());
        if (yükleme->hata == 0) {
            QVERIFY2(resimOlabilir, "a picture came where the file should be refused");
            QVERIFY(!yükleme->boyut.isEmpty());
        } else {
            QVERIFY2(yükleme->hata == 53 || yükleme->hata == 481,
                     qPrintable(QStringLiteral("error %1").arg(yükleme->hata)));
        }
        // A real photo of this size would need a few megabytes at the board's size.
        QVERIFY2(yükleme->büyümeKB < 32 * 1024,
                 qPrintable(QStringLiteral("peak memory grew by %1 KB").arg(yükleme->büyümeKB)));
        QVERIFY2(yükleme->süreMs < 5000,
                 qPrintable(QStringLiteral("took %1 ms").arg(yükleme->süreMs)));
    }

    // The same files as the photo of the last game: the window loads without a photo (or with
    // the damaged one), says so when a game is asked for, and closes.
    void windowWithBadLastPhoto_data() { Türler(); }
    void windowWithBadLastPhoto() {
        QFETCH(QString, tür);
        QFETCH(bool, resimOlabilir);
        RobustOrtamı ortam;
        const QString yol = KötüFotoğraf(tür, ortam.program);
        // The window loads in this process: a file that would block the load is not tried here
        // (the test above fails for it instead).
        if (tür == u"fifo" && !QFileInfo(yol).isFile()) {
            bool takıldı = false;
            if (!ÇocuktaYükle(yol, takıldı) || takıldı)
                QSKIP("LoadPicture blocks on this file");
        }
        SaveSetting(UygulamaAdı, QStringLiteral("Ayarlar"), QStringLiteral("Son Fotograf"), yol);

        auto form = ortam.Pencere();
        form->Form_Load();
        QVERIFY(form->isVisible());
        QCOMPARE(ortam.hatalar, QList<int>{});
        QCOMPARE(FotoğrafYolu, yol);
        const bool fotoğrafVar = form->OrjinalFotoğrafKutusu->HasPicture();
        QVERIFY(resimOlabilir || !fotoğrafVar);
        form->YeniOyunDüğmesi_Click();
        QCOMPARE(form->SüreHesapla.Interval(), fotoğrafVar ? 1000 : 0);
        if (!fotoğrafVar)
            QCOMPARE(ortam.cevaplayıcı.Metinler.size(), 1); // "choose a photo first"
        for (int yer = 0; yer < 9; ++yer)
            form->DağınıkParçalar_Click(yer);
        form->ÇıkışDüğmesi_Click();
        QVERIFY(!form->isVisible());
        QVERIFY(!ortam.süreçBitti);
        AyarlarıUnut();
        QCOMPARE(GetSetting(UygulamaAdı, QStringLiteral("Ayarlar"), QStringLiteral("Son Fotograf")),
                 yol);
    }
};

QTEST_MAIN(BadPhotoTest)
#include "test_kotu_fotograflar.moc"
