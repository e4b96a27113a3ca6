// Tests of the embedded sounds and icon, the sample photos and the exact texts of the string table.
#include "resources/DizgiTablosu.h"
#include "resources/Kaynaklar.h"
#include "toolkit/CalismaHatasi.h"

#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QSoundEffect>
#include <QTest>
#include <QUrl>
#include <QtEndian>
#include <functional>

namespace {

// The run-time error number `adım` raises, or 0 when it raises none.
int HataNumarası(const std::function<void()> &adım) {
    try {
        adım();
    } catch (const ÇalışmaHatası &hata) {
        return hata.Numara();
    }
    return 0;
}

// What the game needs to know of a WAVE file image, read from its chunks.
struct WaveBilgisi {
    quint16 biçim = 0, kanal = 0, bit = 0;
    quint32 örnekHızı = 0, baytHızı = 0;
    QByteArray veri;
    bool bütün = false; // RIFF size matches the bytes, every chunk lies within them
};

WaveBilgisi WaveOku(const QByteArray &dosya) {
    WaveBilgisi b;
    const auto u16 = [&](qsizetype i) { return qFromLittleEndian<quint16>(dosya.constData() + i); };
    const auto u32 = [&](qsizetype i) { return qFromLittleEndian<quint32>(dosya.constData() + i); };
    if (dosya.size() < 12 || !dosya.startsWith("RIFF") || dosya.mid(8, 4) != "WAVE")
        return b;
    b.bütün = u32(4) == quint32(dosya.size() - 8);
    for (qsizetype i = 12; i + 8 <= dosya.size();) {
        const QByteArray ad = dosya.mid(i, 4);
        const quint32 boy = u32(i + 4);
        if (i + 8 + qsizetype(boy) > dosya.size()) {
            b.bütün = false;
            break;
        }
        if (ad == "fmt " && boy >= 16) {
            b.biçim = u16(i + 8);
            b.kanal = u16(i + 10);
            b.örnekHızı = u32(i + 12);
            b.baytHızı = u32(i + 16);
            b.bit = u16(i + 22);
        } else if (ad == "data") {
            b.veri = dosya.mid(i + 8, boy);
        }
        i += 8 + boy + (boy & 1);
    }
    return b;
}

// The 16-bit sample `i` of PCM data.
int Örnek(const QByteArray &veri, qsizetype i) {
    return qFromLittleEndian<qint16>(veri.constData() + 2 * i);
}

} // namespace

class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void sounds_data() {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<double>("süre");
        QTest::newRow("DUR") << "DUR" << 0.86;
        QTest::newRow("TAMAM") << "TAMAM" << 0.14;
        QTest::newRow("TEBRIK") << "TEBRIK" << 1.59;
    }

    // Each sound is a complete PCM WAVE image that Qt Multimedia can decode, of the intended
    // length, starting and ending at silence (no click) and not clipped.
    void sounds() {
        QFETCH(QString, ad);
        QFETCH(double, süre);
        const WaveBilgisi b = WaveOku(LoadResData(ad));
        QVERIFY(b.bütün);
        QCOMPARE(b.biçim, quint16(1));
        QCOMPARE(b.kanal, quint16(1));
        QCOMPARE(b.bit, quint16(16));
        QCOMPARE(b.baytHızı, b.örnekHızı * 2);
        const double ölçülen = double(b.veri.size()) / b.baytHızı;
        QVERIFY2(qAbs(ölçülen - süre) <= süre * 0.1, qPrintable(QString::number(ölçülen)));

        const qsizetype n = b.veri.size() / 2;
        QVERIFY(qAbs(Örnek(b.veri, 0)) < 328 && qAbs(Örnek(b.veri, n - 1)) < 328);
        int tepe = 0;
        for (qsizetype i = 0; i < n; ++i)
            tepe = qMax(tepe, qAbs(Örnek(b.veri, i)));
        QVERIFY2(tepe > 8000 && tepe < 29000, qPrintable(QString::number(tepe)));
    }

    // QSoundEffect plays from the URL; it must name the same embedded file.
    void soundUrls() {
        for (const QString ad : {"DUR", "TAMAM", "TEBRIK"}) {
            const QUrl url(SesKaynağıUrl(ad));
            QCOMPARE(url.scheme(), QStringLiteral("qrc"));
            QFile dosya(':' + url.path());
            QVERIFY(dosya.open(QIODevice::ReadOnly));
            QCOMPARE(dosya.readAll(), LoadResData(ad));
        }
    }

    // Qt Multimedia decodes each sound from its qrc: address, even with no audio device.
    void soundsDecode() {
        for (const QString ad : {"DUR", "TAMAM", "TEBRIK"}) {
            QSoundEffect ses;
            ses.setSource(QUrl(SesKaynağıUrl(ad)));
            QTRY_VERIFY2_WITH_TIMEOUT(ses.status() != QSoundEffect::Loading &&
                                          ses.status() != QSoundEffect::Null,
                                      qPrintable(ad), 5000);
            QCOMPARE(ses.status(), QSoundEffect::Ready);
        }
    }

    void missingSound() {
        QCOMPARE(HataNumarası([] { LoadResData("ZIL"); }), 326);
        QCOMPARE(HataNumarası([] { LoadResData(""); }), 326);
    }

    // The icon has its three drawn sizes, each showing the empty light-yellow place in the
    // bottom-right corner of the puzzle.
    void icon() {
        const QIcon simge = ProgramSimgesi();
        const QList<QSize> boyutlar = simge.availableSizes();
        for (int boyut : {16, 32, 48}) {
            QVERIFY2(boyutlar.contains(QSize(boyut, boyut)), qPrintable(QString::number(boyut)));
            const QImage resim = simge.pixmap(QSize(boyut, boyut)).toImage();
            QCOMPARE(resim.size(), QSize(boyut, boyut));
            const QPoint boşYer(boyut * 5 / 6, boyut * 5 / 6);
            QCOMPARE(resim.pixelColor(boşYer).rgb(), QColor(255, 255, 192).rgb());
        }
    }

    // The samples are copied beside the executable, load as photos and can be played in a
    // 5 x 5 cut: no two pieces look alike.
    void samples_data() {
        QTest::addColumn<QString>("ad");
        QTest::newRow("Sample-1") << "Sample-1.jpg";
        QTest::newRow("Sample-2") << "Sample-2.jpg";
    }

    void samples() {
        QFETCH(QString, ad);
        QImageReader okuyucu(QStringLiteral(MOZETA_PROGRAM_KLASORU "/") + ad);
        QCOMPARE(okuyucu.format(), QByteArray("jpeg"));
        const QImage foto = okuyucu.read().convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!foto.isNull(), qPrintable(okuyucu.errorString()));
        QVERIFY(foto.width() >= 640 && foto.height() >= 480);

        const int n = 5, en = foto.width() / n, boy = foto.height() / n;
        std::vector<QImage> parçalar;
        for (int k = 0; k < n * n; ++k)
            parçalar.push_back(
                foto.copy((k % n) * en, (k / n) * boy, en, boy)
                    .scaled(32, 24, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        double enYakın = 255;
        for (int a = 0; a < n * n; ++a)
            for (int b = a + 1; b < n * n; ++b) {
                double fark = 0;
                for (int y = 0; y < 24; ++y)
                    for (int x = 0; x < 32; ++x) {
                        const QRgb p = parçalar[a].pixel(x, y), q = parçalar[b].pixel(x, y);
                        fark += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) +
                                qAbs(qBlue(p) - qBlue(q));
                    }
                enYakın = qMin(enYakın, fark / (32 * 24 * 3));
            }
        QVERIFY2(enYakın > 10, qPrintable(QString::number(enYakın)));
    }

    // Texts that carry their own spaces, line feed and quotes, exactly.
    void strings_data() {
        QTest::addColumn<int>("kimlik");
        QTest::addColumn<QString>("metin");
        QTest::newRow("30") << 30
                            << QStringLiteral(u"Programın çalışabilmesi için bilgisayarınızda NT "
                                              u"4.0 ile \"Servis Pack 3\" veya daha yüksek bir "
                                              u"sürümün yüklü olması gerekiyor.");
        QTest::newRow("40") << 40
                            << QStringLiteral(u"Program, aşağıdaki hata nedeniyle doğru "
                                              u"çalışmayabilir! \nYine de devam etmek istiyor "
                                              u"musunuz?");
        QTest::newRow("210") << 210 << QStringLiteral(u"&3 x 3 'lü Parçalar ");
        QTest::newRow("230") << 230 << QStringLiteral(u"&5 x 5 'lı Parçalar ");
        QTest::newRow("1100") << 1100 << QStringLiteral(u" saat, ");
        QTest::newRow("1200") << 1200 << QStringLiteral(u" dakika, ");
        QTest::newRow("1250") << 1250 << QStringLiteral(u" saniye");
        QTest::newRow("2100") << 2100 << QStringLiteral(u"İptal");
    }

    void strings() {
        QFETCH(int, kimlik);
        QFETCH(QString, metin);
        QVERIFY(DizgiVarMı(kimlik));
        QCOMPARE(LoadResString(kimlik), metin);
    }

    void missingString() {
        QVERIFY(!DizgiVarMı(1050));
        QCOMPARE(HataNumarası([] { LoadResString(1050); }), 326);
        QCOMPARE(HataNumarası([] { LoadResString(-10); }), 326);
    }
};

QTEST_MAIN(ResourcesTest)
#include "test_resources.moc"
