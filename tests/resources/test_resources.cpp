// Tests of the embedded sounds and icon, the sample photos and the exact texts of the string table.
#include "resources/DizgiTablosu.h"
#include "resources/Kaynaklar.h"
#include "tests/core/HataNumarasi.h"

#include <QImageReader>
#include <QPixmap>
#include <QSoundEffect>
#include <QTest>
#include <QtEndian>

using namespace Qt::Literals::StringLiterals;

class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    // Each sound is a complete 16-bit mono PCM WAVE image (the plain 44-byte header our script
    // writes) of the intended length, starting and ending at silence (no click), not clipped,
    // and Qt Multimedia decodes it from the address the game plays it from.
    void sounds() {
        const std::pair<QString, double> sesler[] = {
            {u"DUR"_s, 0.86}, {u"TAMAM"_s, 0.14}, {u"TEBRIK"_s, 1.59}};
        for (const auto &[ad, süre] : sesler) {
            const QByteArray wav = LoadResData(ad);
            const char *b = wav.constData();
            QVERIFY(wav.startsWith("RIFF") && wav.mid(8, 8) == "WAVEfmt " &&
                    wav.mid(36, 4) == "data");
            QCOMPARE(qFromLittleEndian<quint32>(b + 4), quint32(wav.size() - 8));
            QCOMPARE(qFromLittleEndian<quint32>(b + 40), quint32(wav.size() - 44));
            QCOMPARE(wav.mid(20, 4), QByteArray("\x01\x00\x01\x00", 4)); // PCM, one channel
            QCOMPARE(qFromLittleEndian<quint16>(b + 34), quint16(16));
            const quint32 baytHızı = qFromLittleEndian<quint32>(b + 28);
            const double ölçülen = double(wav.size() - 44) / baytHızı;
            QVERIFY2(qAbs(ölçülen - süre) <= süre * 0.1, qPrintable(QString::number(ölçülen)));

            const auto örnek = [&](qsizetype i) {
                return qAbs(int(qFromLittleEndian<qint16>(b + 44 + 2 * i)));
            };
            const qsizetype n = (wav.size() - 44) / 2;
            QVERIFY(örnek(0) < 328 && örnek(n - 1) < 328);
            int tepe = 0;
            for (qsizetype i = 0; i < n; ++i)
                tepe = qMax(tepe, örnek(i));
            QVERIFY2(tepe > 8000 && tepe < 29000, qPrintable(QString::number(tepe)));

            QSoundEffect ses;
            ses.setSource(QUrl(SesKaynağıUrl(ad)));
            // Loading takes a fraction of a second; sixty seconds only catch a load that hangs.
            QTRY_VERIFY_WITH_TIMEOUT(
                ses.status() != QSoundEffect::Loading && ses.status() != QSoundEffect::Null, 60000);
            QCOMPARE(ses.status(), QSoundEffect::Ready);
        }
        QCOMPARE(HataNumarası([] { LoadResData(u"ZIL"_s); }), 326);
    }

    // The three drawn sizes, each showing the empty light-yellow place at the bottom right.
    void icon() {
        const QIcon simge = ProgramSimgesi();
        for (int boyut : {16, 32, 48}) {
            QVERIFY(simge.availableSizes().contains(QSize(boyut, boyut)));
            const QImage resim = simge.pixmap(QSize(boyut, boyut)).toImage();
            QCOMPARE(resim.size(), QSize(boyut, boyut));
            QCOMPARE(resim.pixelColor(boyut * 5 / 6, boyut * 5 / 6).rgb(), qRgb(255, 255, 192));
        }
    }

    // The samples beside the executable load as photos, and a 5 x 5 cut of each can be played:
    // no two pieces look alike.
    void samples() {
        for (const QString &ad : {u"Sample-1.jpg"_s, u"Sample-2.jpg"_s}) {
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
            QVERIFY2(enYakın > 10, qPrintable(ad + u": "_s + QString::number(enYakın)));
        }
    }

    // Texts that carry their own spaces, line feed and quotes, exactly.
    void strings() {
        QCOMPARE(LoadResString(30), u"Programın çalışabilmesi için bilgisayarınızda NT 4.0 ile "
                                    "\"Servis Pack 3\" veya daha yüksek bir sürümün yüklü olması "
                                    "gerekiyor."_s);
        QCOMPARE(LoadResString(40), u"Program, aşağıdaki hata nedeniyle doğru çalışmayabilir! "
                                    "\nYine de devam etmek istiyor musunuz?"_s);
        QCOMPARE(LoadResString(210), u"&3 x 3 'lü Parçalar "_s);
        QCOMPARE(LoadResString(230), u"&5 x 5 'lı Parçalar "_s);
        QCOMPARE(LoadResString(1100), u" saat, "_s);
        QCOMPARE(LoadResString(1250), u" saniye"_s);
        QCOMPARE(LoadResString(2100), u"İptal"_s);
        QCOMPARE(HataNumarası([] { LoadResString(1050); }), 326);
        QCOMPARE(HataNumarası([] { LoadResString(-10); }), 326);
    }
};

QTEST_MAIN(ResourcesTest)
#include "test_resources.moc"
