// Tests of the board's rules: neighbours, moves by Tag, completion.
#include "CekirdekTestleri.h"
#include "game/Dagitim.h"
#include "game/Tahta.h"

#include <QTest>
#include <cstdlib>

namespace {

// The neighbour rule written out region by region, as the game was first described: the values
// place `i` accepts for the empty place, of which those beyond the last place never match.
bool BölgeTablosundaKomşu(int i, int e, int n) {
    std::vector<int> adaylar;
    const bool sonSütun = (i + 1) % n == 0;
    if (i < n)
        adaylar = sonSütun ? std::vector{i - 1, i + n} : std::vector{std::abs(i - 1), i + 1, i + n};
    else if (sonSütun)
        adaylar = {i - 1, i + n, i - n};
    else if (i % n == 0)
        adaylar = {i + 1, i + n, i - n};
    else
        adaylar = {i - 1, i + 1, i + n, i - n};
    for (int aday : adaylar)
        if (aday == e && aday < n * n)
            return true;
    return false;
}

std::vector<QString> Etiketler(const OyunTahtası &tahta) {
    std::vector<QString> sonuç;
    for (int k = 0; k < tahta.YerSayısı(); ++k)
        sonuç.push_back(tahta.YerOf(k).Tag);
    return sonuç;
}

std::vector<int> Parçalar(const OyunTahtası &tahta) {
    std::vector<int> sonuç;
    for (int k = 0; k < tahta.YerSayısı(); ++k)
        sonuç.push_back(tahta.YerOf(k).Parça);
    return sonuç;
}

} // namespace

class BoardTest : public QObject {
    Q_OBJECT

private slots:
    void sideCountPerOption() {
        QCOMPARE(KenarParçaSayısıOf(0), 3);
        QCOMPARE(KenarParçaSayısıOf(1), 4);
        QCOMPARE(KenarParçaSayısıOf(2), 5);
        QCOMPARE(HataNumarası([] { KenarParçaSayısıOf(3); }), 5);
        QCOMPARE(HataNumarası([] { KenarParçaSayısıOf(-1); }), 5);
    }

    void neighbourRuleAgreesWithRegionTable_data() {
        QTest::addColumn<int>("n");
        QTest::newRow("3 x 3") << 3;
        QTest::newRow("4 x 4") << 4;
        QTest::newRow("5 x 5") << 5;
    }
    void neighbourRuleAgreesWithRegionTable() {
        QFETCH(int, n);
        int komşuÇiftleri = 0;
        for (int i = 0; i < n * n; ++i) {
            for (int e = -1; e <= n * n + n; ++e) {
                const bool beklenen = BölgeTablosundaKomşu(i, e, n);
                if (KomşuMu(i, e, n) != beklenen)
                    QFAIL(qPrintable(QStringLiteral("N=%1 i=%2 e=%3").arg(n).arg(i).arg(e)));
                komşuÇiftleri += beklenen;
            }
        }
        // Each of the 2N(N-1) edges of the grid, seen from both ends.
        QCOMPARE(komşuÇiftleri, 4 * n * (n - 1));
    }

    void neighbourEdgeCases() {
        // Empty place at the end of a row: the first place of the next row is not next to it.
        QVERIFY(!KomşuMu(6, 5, 3));
        QVERIFY(KomşuMu(4, 5, 3) && KomşuMu(2, 5, 3) && KomşuMu(8, 5, 3));
        QVERIFY(!KomşuMu(4, 3, 4));
        QVERIFY(KomşuMu(2, 3, 4) && KomşuMu(7, 3, 4));
        for (int k = 0; k < 9; ++k)
            QVERIFY(!KomşuMu(k, k, 3));
    }

    void sortedAndBlankBoards() {
        OyunTahtası tahta;
        tahta.SıralıGöster(4);
        QCOMPARE(tahta.YerSayısı(), 16);
        QCOMPARE(tahta.BoşParça(), 15);
        for (int k = 0; k < 16; ++k) {
            QCOMPARE(tahta.YerOf(k).Parça, k);
            QVERIFY(tahta.YerOf(k).Tag.isEmpty());
        }
        QVERIFY(!tahta.TamamlandıMı());

        tahta.BoşGöster(5);
        QCOMPARE(tahta.YerSayısı(), 25);
        QCOMPARE(tahta.BoşParça(), 24);
        QCOMPARE(Parçalar(tahta), std::vector<int>(25, OyunTahtası::ParçaYok));
        QCOMPARE(Etiketler(tahta), std::vector<QString>(25));
    }

    void dealLeavesLastPlaceEmptyWithItsOwnIndex_data() {
        QTest::addColumn<int>("n");
        QTest::newRow("3 x 3") << 3;
        QTest::newRow("5 x 5") << 5;
    }
    void dealLeavesLastPlaceEmptyWithItsOwnIndex() {
        QFETCH(int, n);
        MersenneKaynağı kaynak(7);
        OyunTahtası tahta;
        tahta.SıralıGöster(n);
        tahta.Dağıt(Dağıtım(n, kaynak));
        const int son = n * n - 1;
        QCOMPARE(tahta.BoşParça(), son);
        QCOMPARE(tahta.YerOf(son).Tag, QString::number(son));
        QCOMPARE(tahta.YerOf(son).Parça, OyunTahtası::ParçaYok);
        std::vector<int> kaçKez(n * n, 0);
        for (int k = 0; k < n * n; ++k)
            ++kaçKez[tahta.YerOf(k).Tag.toInt()];
        QCOMPARE(kaçKez, std::vector<int>(n * n, 1));
        for (int k = 0; k < son; ++k)
            QCOMPARE(QString::number(tahta.YerOf(k).Parça), tahta.YerOf(k).Tag);
    }

    void dealRejectsWhatIsNotAnArrangement() {
        OyunTahtası tahta;
        tahta.SıralıGöster(3);
        QCOMPARE(HataNumarası([&] { tahta.Dağıt({0, 1, 2}); }), 5);
        QCOMPARE(HataNumarası([&] { tahta.Dağıt({0, 1, 2, 3, 4, 5, 6, 6, 8}); }), 5);
        QCOMPARE(HataNumarası([&] { tahta.Dağıt({8, 1, 2, 3, 4, 5, 6, 7, 0}); }), 5);
        QCOMPARE(HataNumarası([&] { tahta.YeriKur(9, 0, QStringLiteral("0")); }), 9);
        QCOMPARE(HataNumarası([&] { tahta.YeriKur(0, 9, QStringLiteral("9")); }), 9);
        QCOMPARE(HataNumarası([&] { tahta.BoşYeriKur(-1); }), 9);
    }

    void moveHandsOverTheTagAndTheClickedPlaceKeepsItsOwn() {
        OyunTahtası tahta;
        tahta.SıralıGöster(3);
        tahta.Dağıt({3, 0, 1, 4, 2, 5, 6, 7, 8});
        QVERIFY(tahta.Taşı(5));
        QCOMPARE(tahta.BoşParça(), 5);
        QCOMPARE(tahta.YerOf(8).Parça, 5);
        QCOMPARE(tahta.YerOf(8).Tag, QStringLiteral("5"));
        QCOMPARE(tahta.YerOf(5).Parça, OyunTahtası::ParçaYok);
        QCOMPARE(tahta.YerOf(5).Tag, QStringLiteral("5"));

        QVERIFY(tahta.Taşı(4));
        QCOMPARE(tahta.YerOf(5).Parça, 2);
        QCOMPARE(tahta.YerOf(5).Tag, QStringLiteral("2"));
        QCOMPARE(tahta.YerOf(4).Tag, QStringLiteral("2")); // the piece that last left it
    }

    void refusedClickChangesNothing() {
        OyunTahtası tahta;
        tahta.SıralıGöster(3);
        tahta.Dağıt({3, 0, 1, 4, 2, 5, 6, 7, 8});
        const auto etiketler = Etiketler(tahta);
        const auto parçalar = Parçalar(tahta);
        for (int yer : {0, 1, 2, 3, 4, 6, 8, 9, -1}) {
            QVERIFY(!tahta.Taşı(yer));
            QCOMPARE(tahta.BoşParça(), 8);
            QCOMPARE(Etiketler(tahta), etiketler);
            QCOMPARE(Parçalar(tahta), parçalar);
        }
    }

    void completesOnlyOnTheFinishingMove() {
        // Three moves away from the solved board, with the empty place back in its corner.
        OyunTahtası tahta;
        tahta.SıralıGöster(3);
        tahta.Dağıt({0, 1, 2, 3, 7, 4, 6, 5, 8});
        for (int yer : {7, 4, 5}) {
            QVERIFY(tahta.Taşı(yer));
            QVERIFY(!tahta.TamamlandıMı());
        }
        QVERIFY(tahta.Taşı(8));
        QVERIFY(tahta.TamamlandıMı());
        QCOMPARE(tahta.BoşParça(), 8);

        tahta.SonParçayıKoy();
        for (int k = 0; k < 9; ++k)
            QCOMPARE(tahta.YerOf(k).Parça, k);
        QCOMPARE(tahta.BoşParça(), 8);
    }

    void boardDealtInOrderCompletesOnTheFirstMove() {
        OyunTahtası tahta;
        tahta.SıralıGöster(3);
        tahta.Dağıt({0, 1, 2, 3, 4, 5, 6, 7, 8});
        QVERIFY(tahta.Taşı(7));
        QVERIFY(tahta.TamamlandıMı());
        tahta.SonParçayıKoy();
        QCOMPARE(tahta.YerOf(8).Parça, 8);
        QCOMPARE(tahta.YerOf(7).Parça, OyunTahtası::ParçaYok); // the place it came from stays blank
    }

    void completionComparesExactText() {
        OyunTahtası tahta;
        tahta.BoşGöster(3);
        for (int k = 0; k < 8; ++k)
            tahta.YeriKur(k, k, QString::number(k));
        tahta.BoşYeriKur(8);
        QVERIFY(tahta.TamamlandıMı());
        for (const QString &yanlış : {QStringLiteral("07"), QStringLiteral(" 7"),
                                      QStringLiteral("7 "), QStringLiteral("+7")}) {
            tahta.YeriKur(7, 7, yanlış);
            QVERIFY2(!tahta.TamamlandıMı(), qPrintable(yanlış));
        }
        // The last place is not looked at.
        tahta.YeriKur(7, 7, QStringLiteral("7"));
        tahta.YeriKur(8, 0, QStringLiteral("x"));
        QVERIFY(tahta.TamamlandıMı());
    }

    void restoredEmptyPlaceAnywhere() {
        OyunTahtası tahta;
        tahta.BoşGöster(4);
        tahta.BoşYeriKur(6);
        QCOMPARE(tahta.BoşParça(), 6);
        QCOMPARE(tahta.YerOf(6).Tag, QStringLiteral("6"));
        QCOMPARE(tahta.YerOf(6).Parça, OyunTahtası::ParçaYok);
        tahta.YeriKur(2, 11, QStringLiteral("11"));
        QVERIFY(tahta.Taşı(2));
        QCOMPARE(tahta.YerOf(6).Parça, 11);
        QCOMPARE(tahta.BoşParça(), 2);
    }
};

QTEST_APPLESS_MAIN(BoardTest)
#include "test_board.moc"
