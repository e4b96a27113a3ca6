// Long play on the pure board: a hundred 5 x 5 deals and a thousand random clicks keep the board
// sound and solvable; run under the sanitizers it also shows that nothing leaks.
#include "game/Dagitim.h"
#include "game/KayitliOyun.h"
#include "game/Tahta.h"

#include <QtTest>
#include <vector>

namespace {

// Solvability of a board whose empty place may stand anywhere: the parity of the pieces'
// arrangement (the empty place counting as the last piece) equals the parity of the empty
// place's distance from the bottom-right corner. Every move keeps this; a deal starts with it.
bool Çözülebilir(const OyunTahtası &tahta) {
    const int kenar = tahta.KenarParçaSayısı();
    const int son = tahta.YerSayısı() - 1;
    std::vector<int> dizi;
    for (int yer = 0; yer <= son; ++yer) {
        const int parça = tahta.YerOf(yer).Parça;
        dizi.push_back(parça == OyunTahtası::ParçaYok ? son : parça);
    }
    int ters = 0;
    for (int i = 0; i <= son; ++i)
        for (int j = i + 1; j <= son; ++j)
            ters += dizi[i] > dizi[j];
    const int boş = tahta.BoşParça();
    const int uzaklık = (kenar - 1 - boş / kenar) + (kenar - 1 - boş % kenar);
    return ters % 2 == uzaklık % 2;
}

void Sağlam(const OyunTahtası &tahta) {
    const int son = tahta.YerSayısı() - 1;
    std::vector<bool> görüldü(son, false);
    for (int yer = 0; yer <= son; ++yer) {
        const auto &bu = tahta.YerOf(yer);
        if (yer == tahta.BoşParça()) {
            QCOMPARE(bu.Parça, int(OyunTahtası::ParçaYok));
            continue;
        }
        QVERIFY(bu.Parça >= 0 && bu.Parça < son && !görüldü[bu.Parça]);
        görüldü[bu.Parça] = true;
        QCOMPARE(bu.Tag, QString::number(bu.Parça));
    }
    QVERIFY(Çözülebilir(tahta));
}

} // namespace

class LongPlayTest : public QObject {
    Q_OBJECT

private slots:
    void hundredDealsThousandClicksOnFiveByFive() {
        MersenneKaynağı kaynak(20240612);
        std::mt19937 tıklar(99);
        OyunTahtası tahta;
        tahta.SıralıGöster(5);
        int hamle = 0, ret = 0;
        for (int oyun = 0; oyun < 100; ++oyun) {
            tahta.Dağıt(Dağıtım(5, kaynak));
            QCOMPARE(tahta.BoşParça(), 24);
            QVERIFY(!tahta.TamamlandıMı());
            Sağlam(tahta);
            for (int tık = 0; tık < 10; ++tık) {
                // Half the clicks anywhere (mostly refused), half beside the empty place.
                const int boş = tahta.BoşParça();
                int yer = int(tıklar() % 25);
                while (tık % 2 == 1 && !KomşuMu(yer, boş, 5))
                    yer = int(tıklar() % 25);
                const bool taşındı = tahta.Taşı(yer);
                QCOMPARE(taşındı, KomşuMu(yer, boş, 5));
                (taşındı ? hamle : ret)++;
                Sağlam(tahta);
            }
            // What a save at close would write reads back as the same board.
            AyarListesi satırlar;
            for (int yer = 0; yer < 25; ++yer)
                satırlar.emplace_back(QStringLiteral("Foto-%1").arg(yer),
                                      KayıtDeğeri(yer, tahta.BoşParça(), tahta.YerOf(yer).Tag));
            const auto düzen = KayıtlıDüzeniÇöz(satırlar, 5);
            QVERIFY(düzen);
            QCOMPARE(düzen->BoşParça, tahta.BoşParça());
            for (int yer = 0; yer < 25; ++yer)
                QCOMPARE(düzen->Parçalar[yer], tahta.YerOf(yer).Parça);
        }
        QCOMPARE(hamle + ret, 1000);
        QVERIFY(hamle > 100 && ret > 100);
    }

    // A thousand moves that are all accepted: a random walk of the empty place.
    void thousandMovesInOneGame() {
        MersenneKaynağı kaynak(3);
        std::mt19937 yön(4);
        OyunTahtası tahta;
        tahta.SıralıGöster(5);
        tahta.Dağıt(Dağıtım(5, kaynak));
        for (int hamle = 0; hamle < 1000; ++hamle) {
            const int boş = tahta.BoşParça();
            std::vector<int> komşular;
            for (int yer = 0; yer < 25; ++yer)
                if (KomşuMu(yer, boş, 5))
                    komşular.push_back(yer);
            QVERIFY(komşular.size() >= 2 && komşular.size() <= 4);
            QVERIFY(tahta.Taşı(komşular[yön() % komşular.size()]));
            Sağlam(tahta);
        }
    }
};

QTEST_GUILESS_MAIN(LongPlayTest)
#include "test_uzun_oyun.moc"
