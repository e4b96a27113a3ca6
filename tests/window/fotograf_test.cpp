// Loading photos as players have them (missing, broken, huge, turned by the camera) and cutting
// them into pieces.
#include "game/ParcaKesici.h"
#include "tests/window/PencereOrtami.h"
#include "toolkit/ResimYukleyici.h"

#include <QBuffer>

namespace {

int HataNumarası(const QString &yol, QSize enAz = {}) {
    try {
        LoadPicture(yol, enAz);
    } catch (const ÇalışmaHatası &hata) {
        return hata.Numara();
    }
    return 0;
}

// A JPEG whose EXIF orientation says "turn 90 degrees clockwise to show it upright".
QByteArray YanYatıkJpeg(const QImage &resim) {
    QByteArray jpeg;
    QBuffer tampon(&jpeg);
    tampon.open(QIODevice::WriteOnly);
    QImageWriter(&tampon, "jpeg").write(resim);
    // APP1 "Exif": a little-endian TIFF header and one IFD entry, Orientation (0x0112) = 6.
    const QByteArray tiff = QByteArray("II*\0\x08\0\0\0", 8) + QByteArray("\x01\x00", 2) +
                            QByteArray("\x12\x01\x03\x00\x01\x00\x00\x00\x06\x00\x00\x00", 12) +
                            QByteArray("\0\0\0\0", 4);
    const QByteArray yük = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray app1("\xFF\xE1", 2);
    app1 += char((yük.size() + 2) >> 8);
    app1 += char((yük.size() + 2) & 0xFF);
    return jpeg.left(2) + app1 + yük + jpeg.mid(2);
}

// Nine cells of clearly different colours.
QImage Dokuzlu(QSize boyut) {
    QImage resim(boyut, QImage::Format_RGB32);
    for (int y = 0; y < boyut.height(); ++y)
        for (int x = 0; x < boyut.width(); ++x) {
            const int hücre = (y * 3 / boyut.height()) * 3 + x * 3 / boyut.width();
            resim.setPixel(x, y, qRgb(hücre * 28, 255 - hücre * 28, (hücre % 3) * 120));
        }
    return resim;
}

} // namespace

class PhotoLoadTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir klasör_;
    QString Yol(const QString &ad) const { return klasör_.filePath(ad); }
    QString Yaz(const QString &ad, const QByteArray &içerik) const {
        QFile dosya(Yol(ad));
        dosya.open(QIODevice::WriteOnly);
        dosya.write(içerik);
        return Yol(ad);
    }

private slots:
    void filesThatAreNoPictureAreRefused() {
        QCOMPARE(HataNumarası(Yol(QStringLiteral("yok.jpg"))), 53);
        QCOMPARE(HataNumarası(QString()), 53);
        QCOMPARE(HataNumarası(klasör_.path()), 53);
        QCOMPARE(HataNumarası(Yaz(QStringLiteral("boş.jpg"), {})), 481);
        QCOMPARE(HataNumarası(Yaz(QStringLiteral("metin.jpg"), "merhaba\n")), 481);
        // A header that promises more than 30 000 pixels a side is refused before decoding.
        QImage uzun(30001, 2, QImage::Format_Mono);
        uzun.fill(0);
        QVERIFY(uzun.save(Yol(QStringLiteral("uzun.png"))));
        QCOMPARE(HataNumarası(Yol(QStringLiteral("uzun.png"))), 481);
    }

    void truncatedJpegIsRefused() {
        QByteArray jpeg;
        QBuffer tampon(&jpeg);
        tampon.open(QIODevice::WriteOnly);
        QImageWriter(&tampon, "jpeg").write(ÖrnekFotoğraf(QSize(400, 300)));
        const QString yol = Yaz(QStringLiteral("yarım.jpg"), jpeg.left(jpeg.size() / 2));
        QCOMPARE(HataNumarası(yol), 481);
    }

    void bmpAndSmallJpegLoadAtTheirOwnSize() {
        const QImage resim = ÖrnekFotoğraf(QSize(320, 200));
        QVERIFY(resim.save(Yol(QStringLiteral("küçük.bmp"))));
        QVERIFY(resim.save(Yol(QStringLiteral("küçük.jpg"))));
        for (const char *ad : {"küçük.bmp", "küçük.jpg"}) {
            const Fotoğraf foto = LoadPicture(Yol(QString::fromUtf8(ad)), OyunİçinEnAzBoyut);
            QCOMPARE(foto.Resim.size(), QSize(320, 200));
            QCOMPARE(foto.DoğalBoyut, QSize(320, 200));
        }
    }

    // The reduction keeps both sides at least the size asked for, and reduces no further.
    void largeJpegIsDecodedReducedButKeepsItsNaturalSize_data() {
        QTest::addColumn<QSize>("boyut");
        QTest::addColumn<QSize>("enAz");
        QTest::addColumn<QSize>("çözülen");
        QTest::newRow("6000x4000 for the game")
            << QSize(6000, 4000) << OyunİçinEnAzBoyut << QSize(1500, 1000);
        QTest::newRow("uneven sides")
            << QSize(6003, 4001) << OyunİçinEnAzBoyut << QSize(1500, 1000);
        QTest::newRow("2100x1600: half")
            << QSize(2100, 1600) << OyunİçinEnAzBoyut << QSize(1050, 800);
        QTest::newRow("2000x1500: whole")
            << QSize(2000, 1500) << OyunİçinEnAzBoyut << QSize(2000, 1500);
        QTest::newRow("natural size asked") << QSize(3000, 2000) << QSize() << QSize(3000, 2000);
        QTest::newRow("at most an eighth") << QSize(4000, 4000) << QSize(10, 10) << QSize(500, 500);
    }
    void largeJpegIsDecodedReducedButKeepsItsNaturalSize() {
        QFETCH(QSize, boyut);
        QFETCH(QSize, enAz);
        QFETCH(QSize, çözülen);
        const QString yol = Yol(QStringLiteral("büyük.jpg"));
        QVERIFY(ÖrnekFotoğraf(boyut).save(yol, nullptr, 90));
        const Fotoğraf foto = LoadPicture(yol, enAz);
        QCOMPARE(foto.DoğalBoyut, boyut);
        QCOMPARE(foto.Resim.size(), çözülen);
        // Still the same picture: the colour at the middle is the photo's middle colour.
        QVERIFY(RenkYakın(OrtaRenk(foto.Resim),
                          ÖrnekRengi(boyut.width() / 2.0, boyut.height() / 2.0, boyut)));
    }

    // A photo stored on its side comes upright; its natural size is the upright size.
    void cameraOrientationIsApplied() {
        QImage yatık(1600, 800, QImage::Format_RGB32);
        yatık.fill(Qt::red);
        for (int y = 0; y < 800; ++y)
            for (int x = 0; x < 400; ++x)
                yatık.setPixel(x, y, qRgb(0, 0, 255)); // the left quarter is blue
        const QString yol = Yaz(QStringLiteral("telefon.jpg"), YanYatıkJpeg(yatık));

        const Fotoğraf tam = LoadPicture(yol);
        QCOMPARE(tam.DoğalBoyut, QSize(800, 1600));
        QCOMPARE(tam.Resim.size(), QSize(800, 1600));
        // Turned clockwise, the stored left edge is the top.
        QVERIFY(RenkYakın(tam.Resim.pixel(400, 100), qRgb(0, 0, 255), 40));
        QVERIFY(RenkYakın(tam.Resim.pixel(400, 1500), qRgb(255, 0, 0), 40));

        const Fotoğraf küçük = LoadPicture(yol, QSize(200, 200));
        QCOMPARE(küçük.DoğalBoyut, QSize(800, 1600));
        QCOMPARE(küçük.Resim.size(), QSize(200, 400));
        QVERIFY(RenkYakın(küçük.Resim.pixel(100, 25), qRgb(0, 0, 255), 40));
    }

    // Cells are taken in the photo's own pixels even when the decode is smaller.
    void piecesAreTheCellsOfThePhoto_data() {
        QTest::addColumn<int>("bölen");
        QTest::newRow("whole") << 1;
        QTest::newRow("a quarter") << 4;
    }
    void piecesAreTheCellsOfThePhoto() {
        QFETCH(int, bölen);
        const QSize doğal(900, 600);
        const QImage foto = Dokuzlu(doğal);
        const QImage çözülen = foto.scaled(doğal / bölen);
        const std::vector<QImage> parçalar = ParçalarıKes(çözülen, doğal, 3, QSize(113, 83));
        QCOMPARE(parçalar.size(), std::size_t(9));
        for (int k = 0; k < 9; ++k) {
            const QImage &parça = parçalar[std::size_t(k)];
            QCOMPARE(parça.size(), QSize(113, 83));
            const QRgb beklenen = foto.pixel(150 + (k % 3) * 300, 100 + (k / 3) * 200);
            for (const QPoint nokta : {QPoint(3, 3), QPoint(56, 41), QPoint(109, 79)})
                QVERIFY2(
                    RenkYakın(parça.pixel(nokta), beklenen, 2),
                    qPrintable(
                        QStringLiteral("piece %1 at %2,%3").arg(k).arg(nokta.x()).arg(nokta.y())));
        }
    }

    // Photos whose sides N does not divide, decoded whole or reduced: every piece is photo
    // all over, with no black filler from past an edge.
    void unevenPhotosLeaveNoFillerInAnyPiece() {
        for (int en = 10; en <= 40; en += 3) {
            for (const int bölen : {1, 2, 3}) {
                const QSize doğal(en, en * 2 / 3 + 1);
                const QImage çözülen = ÖrnekFotoğraf(doğal / bölen); // blue 96 everywhere
                for (int kenar = 3; kenar <= 5; ++kenar) {
                    const auto parçalar = ParçalarıKes(çözülen, doğal, kenar, QSize(20, 16));
                    for (const QImage &parça : parçalar) {
                        QVERIFY(!parça.isNull());
                        for (int y = 0; y < parça.height(); ++y)
                            for (int x = 0; x < parça.width(); ++x)
                                QVERIFY2(qBlue(parça.pixel(x, y)) > 60,
                                         qPrintable(QStringLiteral("%1 wide, 1/%2, %3 x %3")
                                                        .arg(en)
                                                        .arg(bölen)
                                                        .arg(kenar)));
                    }
                }
            }
        }
    }

    void noPhotoGivesNoPieces() {
        const std::vector<QImage> parçalar = ParçalarıKes(QImage(), QSize(), 4, QSize(40, 20));
        QCOMPARE(parçalar.size(), std::size_t(16));
        for (const QImage &parça : parçalar)
            QVERIFY(parça.isNull());
    }
};

QTEST_MAIN(PhotoLoadTest)
#include "fotograf_test.moc"
