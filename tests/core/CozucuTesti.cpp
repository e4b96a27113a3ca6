// SPDX-License-Identifier: GPL-3.0-or-later
// The solver against a search of every 3 x 3 board and Korf's lengths; hints; unsolvable boards.
#include "game/cekirdek/Cozucu.h"
#include "game/cekirdek/Dagitim.h"
#include "game/cekirdek/Ipucu.h"
#include "game/cekirdek/OruntuVeritabani.h"

#include <QTest>
#include <algorithm>
#include <unordered_map>

namespace {

std::uint64_t Kod(const Dizilim &d) {
    std::uint64_t kod = 0;
    for (int parça : d)
        kod = kod * 16 + std::uint64_t(parça);
    return kod;
}

// The distance of every solvable 3 x 3 board from the solved one.
std::unordered_map<std::uint64_t, int> ÜçlükUzaklıkları() {
    std::vector<Dizilim> kuyruk{{0, 1, 2, 3, 4, 5, 6, 7, 8}};
    std::unordered_map<std::uint64_t, int> u{{Kod(kuyruk[0]), 0}};
    for (std::size_t i = 0; i < kuyruk.size(); ++i)
        for (int yer = 0; yer < 9; ++yer) {
            Dizilim d = kuyruk[i];
            if (HamleyiUygula(d, yer) && u.emplace(Kod(d), u[Kod(kuyruk[i])] + 1).second)
                kuyruk.push_back(d);
        }
    return u;
}

bool Çözer(Dizilim d, const std::vector<int> &hamleler) {
    for (int yer : hamleler)
        if (!HamleyiUygula(d, yer))
            return false;
    return std::is_sorted(d.begin(), d.end());
}

} // namespace

class SolverTest : public QObject {
    Q_OBJECT

private slots:
    // The solver matches the search on deals and on a hardest board, 31 moves from done.
    void threeByThreeMatchesBreadthFirst() {
        const auto uzaklık = ÜçlükUzaklıkları();
        std::vector<Dizilim> tahtalar{{7, 5, 6, 1, 4, 3, 2, 8, 0}};
        MersenneKaynağı kaynak(1);
        for (int i = 0; i < 200; ++i)
            tahtalar.push_back(Dağıtım(3, kaynak));
        for (const Dizilim &d : tahtalar) {
            const auto çözüm = EnKısaÇözüm(d);
            QVERIFY(çözüm && Çözer(d, çözüm->hamleler));
            QCOMPARE(int(çözüm->hamleler.size()), uzaklık.at(Kod(d)));
        }
    }

    // Korf's instances with short solutions, at the published optimal length; the hint's move
    // leaves one move fewer. The Manhattan distance alone finds the same length. Korf puts the
    // empty place top left: each board here is his turned by 180 degrees, as the game lays it.
    void fourByFourKorfLengths_data() {
        QTest::addColumn<Dizilim>("d");
        QTest::addColumn<int>("uzunluk");
        QTest::newRow("12") << Dizilim{0, 2, 4, 5, 15, 12, 13, 8, 10, 3, 7, 11, 9, 6, 14, 1} << 45;
        QTest::newRow("42") << Dizilim{5, 0, 14, 7, 4, 9, 12, 15, 2, 3, 1, 6, 13, 8, 10, 11} << 42;
        QTest::newRow("79") << Dizilim{0, 5, 9, 7, 13, 11, 3, 1, 12, 10, 2, 4, 8, 6, 14, 15} << 42;
    }
    void fourByFourKorfLengths() {
        QFETCH(Dizilim, d);
        QFETCH(int, uzunluk);
        const auto çözüm = EnKısaÇözüm(d);
        QVERIFY(çözüm && Çözer(d, çözüm->hamleler));
        QCOMPARE(int(çözüm->hamleler.size()), uzunluk);
        QVERIFY(AltSınır(d) <= uzunluk);
        Dizilim sonra = d;
        QVERIFY(HamleyiUygula(sonra, İpucuBulucu().Bul(d).yer));
        QCOMPARE(int(EnKısaÇözüm(sonra)->hamleler.size()), uzunluk - 1);
        QCOMPARE(int(ManhattanlaÇöz(d)->hamleler.size()), uzunluk);
    }

    // The tables never overestimate: piece 11 slid down into the empty corner, each piece's place
    // given (15 the empty one), is worth at most 1.
    void patternDatabasesAdmissible() {
        const std::uint8_t konum[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 12, 13, 14, 11};
        const auto vt = ÖrüntüVeritabanı::Al();
        QVERIFY(vt->Değer(0, konum) + vt->Değer(1, konum) + vt->Değer(2, konum) <= 1);
    }

    // Hints followed on a 5 x 5 deal: each a move, none undoing the one before, each after the
    // first read from the way already found; the board is solved within the longest way the
    // bench saw on its deals (210 moves; this is the first of them).
    void fiveByFiveHintsSolve() {
        MersenneKaynağı kaynak(1);
        Dizilim d = Dağıtım(5, kaynak);
        İpucuBulucu bulucu;
        int hamle = 0, önceki = -1;
        for (İpucu ipucu; (ipucu = bulucu.Bul(d)).tür != İpucu::Tür::Çözülmüş; ++hamle) {
            QVERIFY(ipucu.tür == İpucu::Tür::Hamle && hamle < 210);
            QVERIFY(hamle == 0 || ipucu.düğüm == 0);
            const int boş = int(std::find(d.begin(), d.end(), 24) - d.begin());
            QVERIFY(ipucu.yer != önceki && HamleyiUygula(d, ipucu.yer));
            önceki = boş;
        }
    }

    // Solvable or not by parity alone, the empty place's distance included; a board that is
    // not, or not a board, is never searched.
    void parity_data() {
        QTest::addColumn<Dizilim>("d");
        QTest::addColumn<bool>("çözülür");
        QTest::newRow("3 two swapped") << Dizilim{1, 0, 2, 3, 4, 5, 6, 7, 8} << false;
        QTest::newRow("4 one move")
            << Dizilim{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 12, 13, 14, 11} << true;
        QTest::newRow("4 empty far")
            << Dizilim{15, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0} << false;
        QTest::newRow("piece twice") << Dizilim{0, 0, 2, 3, 4, 5, 6, 7, 8} << false;
    }
    void parity() {
        QFETCH(Dizilim, d);
        QFETCH(bool, çözülür);
        QCOMPARE(ÇözülebilirMi(d), çözülür);
        if (çözülür)
            return;
        const İpucu ipucu = İpucuBulucu().Bul(d);
        QVERIFY(ipucu.tür == İpucu::Tür::Çözülemez && ipucu.düğüm == 0);
        QVERIFY(!EnKısaÇözüm(d) && !İyiÇözüm(d));
    }
};

QTEST_GUILESS_MAIN(SolverTest)
#include "CozucuTesti.moc"
