// Tests of the cut arithmetic: board geometry in twips and photo cells in pixels.
#include "CekirdekTestleri.h"
#include "game/Bolme.h"

#include <QTest>

namespace {
const QSize TasarımÇerçevesi(5745, 4485);
}

class CutTest : public QObject {
    Q_OBJECT

private slots:
    void nearestHalvesToEven() {
        QCOMPARE(EnYakın(2.5), 2);
        QCOMPARE(EnYakın(3.5), 4);
        QCOMPARE(EnYakın(-2.5), -2);
        QCOMPARE(EnYakın(1309.25), 1309);
        QCOMPARE(EnYakın(2.5000001), 3);
        QCOMPARE(HataNumarası([] { EnYakın(1e12); }), 6);
    }

    void pieceSizeOfTheDesignFrame_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QSize>("boyut");
        QTest::newRow("3 x 3") << 3 << QSize(1753, 1313);
        QTest::newRow("4 x 4") << 4 << QSize(1309, 979);
        QTest::newRow("5 x 5") << 5 << QSize(1043, 779);
    }
    void pieceSizeOfTheDesignFrame() {
        QFETCH(int, n);
        QTEST(ParçaBoyutuTwip(TasarımÇerçevesi, n), "boyut");
    }

    void boardEdgesOfTheDesignFrame_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("sağ");
        QTest::addColumn<int>("alt");
        QTest::newRow("3 x 3") << 3 << 5513 << 4283;
        QTest::newRow("4 x 4") << 4 << 5512 << 4282;
        QTest::newRow("5 x 5") << 5 << 5513 << 4283;
    }
    void boardEdgesOfTheDesignFrame() {
        QFETCH(int, n);
        const QRect son = YerDikdörtgeniTwip(TasarımÇerçevesi, n, n * n - 1);
        QTEST(son.x() + son.width(), "sağ");
        QTEST(son.y() + son.height(), "alt");
    }

    void placesStandInRowsWithGaps() {
        const QSize parça = ParçaBoyutuTwip(TasarımÇerçevesi, 4);
        for (int k = 0; k < 16; ++k) {
            const QRect yer = YerDikdörtgeniTwip(TasarımÇerçevesi, 4, k);
            QCOMPARE(yer.topLeft(), QPoint(210 + (k % 4) * (parça.width() + 22),
                                           300 + (k / 4) * (parça.height() + 22)));
            QCOMPARE(yer.size(), parça);
        }
        QCOMPARE(HataNumarası([] { YerDikdörtgeniTwip(TasarımÇerçevesi, 4, 16); }), 9);
    }

    void cellsOfAPhoto_data() {
        QTest::addColumn<int>("genişlik");
        QTest::addColumn<QList<int>>("başlangıçlar");
        QTest::addColumn<int>("hücre");
        QTest::newRow("10 px") << 10 << QList<int>{0, 2, 5, 8} << 2;
        QTest::newRow("14 px") << 14 << QList<int>{0, 4, 7, 10} << 4;
        QTest::newRow("800 px") << 800 << QList<int>{0, 200, 400, 600} << 200;
    }
    void cellsOfAPhoto() {
        QFETCH(int, genişlik);
        QFETCH(QList<int>, başlangıçlar);
        QFETCH(int, hücre);
        // The same arithmetic runs down the columns, so rows are checked on a square photo.
        for (int k = 0; k < 16; ++k) {
            const QRect r = HücreDikdörtgeni(QSize(genişlik, genişlik), 4, k);
            QCOMPARE(r.x(), başlangıçlar[k % 4]);
            QCOMPARE(r.y(), başlangıçlar[k / 4]);
            QCOMPARE(r.size(), QSize(hücre, hücre));
        }
    }

    void cellsCoverThePhotoWithinAPixel() {
        for (int n = 3; n <= 5; ++n) {
            for (int genişlik = 1; genişlik <= 64; ++genişlik) {
                const QSize foto(genişlik, 2 * genişlik + 1);
                for (int k = 0; k < n * n; ++k) {
                    const QRect r = HücreDikdörtgeni(foto, n, k);
                    QVERIFY(r.x() >= 0 && r.y() >= 0);
                    QVERIFY(r.x() + r.width() <= foto.width() + 1);
                    QVERIFY(r.y() + r.height() <= foto.height() + 1);
                    if (k % n > 0) {
                        const QRect sol = HücreDikdörtgeni(foto, n, k - 1);
                        QVERIFY(std::abs(r.x() - (sol.x() + sol.width())) <= 1);
                    }
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(CutTest)
#include "test_cut.moc"
