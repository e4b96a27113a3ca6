// Tests of the deal: the number pool, solvability, fairness.
#include "game/Dagitim.h"
#include "game/Tahta.h"

#include <QTest>
#include <algorithm>
#include <cmath>
#include <deque>
#include <limits>
#include <numeric>
#include <unordered_set>

namespace {

// Hands out the given values in turn, then `sonra` for ever; counts the draws.
class SıralıKaynak : public RastgeleKaynak {
public:
    explicit SıralıKaynak(std::vector<double> değerler, double sonra = 0.0)
        : değerler_(std::move(değerler)), sonra_(sonra) {}
    double Rnd() override {
        const std::size_t i = çekiliş++;
        return i < değerler_.size() ? değerler_[i] : sonra_;
    }
    std::size_t çekiliş = 0;

private:
    std::vector<double> değerler_;
    double sonra_;
};

bool ÇiftMi(const std::vector<int> &d, int sayı) {
    int ters = 0;
    for (int i = 0; i < sayı; ++i)
        for (int j = i + 1; j < sayı; ++j)
            ters += d[i] > d[j];
    return ters % 2 == 0;
}

void DüzgünDağıtımDenetle(const std::vector<int> &d, int n) {
    const int son = n * n - 1;
    QCOMPARE(int(d.size()), n * n);
    QCOMPARE(d[son], son);
    std::vector<int> sıralı = d;
    std::sort(sıralı.begin(), sıralı.end());
    std::vector<int> beklenen(n * n);
    std::iota(beklenen.begin(), beklenen.end(), 0);
    QCOMPARE(sıralı, beklenen);
    QVERIFY(ÇiftMi(d, son));
    QVERIFY(d != beklenen);
}

std::uint32_t Kodla(const std::vector<int> &d) {
    std::uint32_t kod = 0;
    for (int değer : d)
        kod = kod * 9 + std::uint32_t(değer);
    return kod;
}

// Every 3 x 3 board that sliding reaches from the solved one with the empty place (8) in its
// corner: the boards a deal may give.
std::unordered_set<std::uint32_t> ÇözülebilirTahtalar() {
    std::unordered_set<std::uint32_t> görülen;
    std::deque<std::vector<int>> sıra{{0, 1, 2, 3, 4, 5, 6, 7, 8}};
    görülen.insert(Kodla(sıra.front()));
    std::unordered_set<std::uint32_t> köşede;
    while (!sıra.empty()) {
        const std::vector<int> tahta = sıra.front();
        sıra.pop_front();
        const int boş = int(std::find(tahta.begin(), tahta.end(), 8) - tahta.begin());
        if (boş == 8)
            köşede.insert(Kodla(tahta));
        for (int yer = 0; yer < 9; ++yer) {
            if (!KomşuMu(yer, boş, 3))
                continue;
            std::vector<int> sonraki = tahta;
            std::swap(sonraki[yer], sonraki[boş]);
            if (görülen.insert(Kodla(sonraki)).second)
                sıra.push_back(std::move(sonraki));
        }
    }
    return köşede;
}

} // namespace

class DealTest : public QObject {
    Q_OBJECT

private slots:
    void poolDrawsAnyEntryButTheLast() {
        // Draws at the top of [0, 1) take the highest entry but the last each time.
        SıralıKaynak kaynak({}, 0.9999999);
        QCOMPARE(Dağıtım(3, kaynak), (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 0, 8}));
        QCOMPARE(kaynak.çekiliş, std::size_t(9)); // one draw per place, no re-seeding draws
    }

    void oddArrangementSwapsTheFirstTwoPlaces() {
        // Places 0-5 take the lowest entry; place 6 draws position 2 of "6", "7", "8": the raw
        // deal has pieces 6 and 7 swapped, an arrangement no sliding can put in order.
        SıralıKaynak kaynak({0, 0, 0, 0, 0, 0, 0.6, 0, 0});
        QCOMPARE(Dağıtım(3, kaynak), (std::vector<int>{1, 0, 2, 3, 4, 5, 7, 6, 8}));
    }

    void solvedDealIsDealtAgain() {
        std::vector<double> değerler(9, 0.0);
        değerler.resize(18, 0.9999999);
        SıralıKaynak kaynak(değerler);
        QCOMPARE(Dağıtım(3, kaynak), (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 0, 8}));
        QCOMPARE(kaynak.çekiliş, std::size_t(18));
    }

    void generatorStuckOnSolvedOrderStillEnds() {
        SıralıKaynak kaynak({}, 0.0);
        DüzgünDağıtımDenetle(Dağıtım(4, kaynak), 4);
    }

    void generatorOutOfRangeStaysInThePool() {
        for (double değer : {1.0, 7.5, -0.5, std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity()}) {
            SıralıKaynak kaynak({}, değer);
            DüzgünDağıtımDenetle(Dağıtım(3, kaynak), 3);
        }
    }

    void everyPieceOnceLastPieceLast_data() {
        QTest::addColumn<int>("n");
        QTest::newRow("3 x 3") << 3;
        QTest::newRow("4 x 4") << 4;
        QTest::newRow("5 x 5") << 5;
    }
    void everyPieceOnceLastPieceLast() {
        QFETCH(int, n);
        MersenneKaynağı kaynak(1234u + unsigned(n));
        for (int i = 0; i < 2000; ++i) {
            DüzgünDağıtımDenetle(Dağıtım(n, kaynak), n);
            if (QTest::currentTestFailed())
                return;
        }
    }

    void fixedSeedRepeatsTheGame() {
        MersenneKaynağı a(42), b(42);
        for (int i = 0; i < 20; ++i)
            QCOMPARE(Dağıtım(5, a), Dağıtım(5, b));
    }

    void manyDealsAreSolvableUnsolvedAndFair() {
        const auto çözülebilir = ÇözülebilirTahtalar();
        QCOMPARE(int(çözülebilir.size()), 20160); // 8! / 2 with the empty place in its corner

        constexpr int DağıtımSayısı = 20000;
        MersenneKaynağı kaynak(2024);
        int sayılar[8][8] = {};
        for (int i = 0; i < DağıtımSayısı; ++i) {
            const std::vector<int> d = Dağıtım(3, kaynak);
            QVERIFY(çözülebilir.count(Kodla(d)));
            QVERIFY(d != (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
            for (int yer = 0; yer < 8; ++yer)
                ++sayılar[yer][d[yer]];
        }
        // Each piece on each place about 2500 times. With 49 degrees of freedom the statistic
        // is about 49 +- 10; 120 is far out of reach of a fair deal and well within that of a
        // biased one (a single place/piece pair off by 10 % already adds 25).
        const double beklenen = DağıtımSayısı / 8.0;
        double kiKare = 0;
        for (auto &satır : sayılar) {
            for (int sayı : satır) {
                QVERIFY2(std::abs(sayı - beklenen) < beklenen * 0.1,
                         qPrintable(QString::number(sayı)));
                kiKare += (sayı - beklenen) * (sayı - beklenen) / beklenen;
            }
        }
        QVERIFY2(kiKare < 120, qPrintable(QString::number(kiKare)));
    }
};

QTEST_APPLESS_MAIN(DealTest)
#include "test_deal.moc"
