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
    std::unordered_map<std::uint64_t, int> u;
    std::vector<Dizilim> kuyruk{{0, 1, 2, 3, 4, 5, 6, 7, 8}};
    u[Kod(kuyruk[0])] = 0;
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

// A published board (empty place 0, top left) turned by 180 degrees as the game lays it.
Dizilim Çevrilmiş(const std::vector<int> &yayımlanan) {
    Dizilim d(16);
    for (int p = 0; p < 16; ++p)
        d[std::size_t(15 - p)] = 15 - yayımlanan[std::size_t(p)];
    return d;
}

} // namespace

class SolverTest : public QObject {
    Q_OBJECT

private slots:
    // Every solvable 3 x 3 board is found once (9!/2), the two hardest need 31 moves; the solver
    // matches the search on those and on deals, and its first move is one step closer.
    void threeByThreeMatchesBreadthFirst() {
        const auto uzaklık = ÜçlükUzaklıkları();
        QCOMPARE(uzaklık.size(), std::size_t(181440));
        std::vector<Dizilim> tahtalar;
        for (unsigned tohum = 1; tohum <= 200; ++tohum) {
            MersenneKaynağı kaynak(tohum);
            tahtalar.push_back(Dağıtım(3, kaynak));
        }
        const auto enUzak = std::max_element(uzaklık.begin(), uzaklık.end(),
                                             [](auto a, auto b) { return a.second < b.second; });
        QCOMPARE(enUzak->second, 31);
        Dizilim uzak(9);
        for (auto [yer, kod] = std::pair(8, enUzak->first); yer >= 0; --yer, kod /= 16)
            uzak[std::size_t(yer)] = int(kod % 16);
        tahtalar.push_back(uzak);
        for (const Dizilim &d : tahtalar) {
            const auto çözüm = EnKısaÇözüm(d);
            QVERIFY(çözüm && Çözer(d, çözüm->hamleler));
            QCOMPARE(int(çözüm->hamleler.size()), uzaklık.at(Kod(d)));
            İpucuBulucu bulucu;
            const İpucu ipucu = bulucu.Bul(d);
            Dizilim sonra = d;
            QVERIFY(ipucu.tür == İpucu::Tür::Hamle && HamleyiUygula(sonra, ipucu.yer));
            QCOMPARE(uzaklık.at(Kod(sonra)), uzaklık.at(Kod(d)) - 1);
        }
    }

    // Korf's instances with short solutions, at the published optimal length; the hint's move
    // leaves one move fewer. The Manhattan distance alone finds the same length.
    void fourByFourKorfLengths_data() {
        QTest::addColumn<std::vector<int>>("tahta");
        QTest::addColumn<int>("uzunluk");
        QTest::newRow("12") << std::vector<int>{14, 1, 9, 6, 4,  8,  12, 5,
                                                7,  2, 3, 0, 10, 11, 13, 15}
                            << 45;
        QTest::newRow("42") << std::vector<int>{4, 5, 7, 2,  9, 14, 12, 13,
                                                0, 3, 6, 11, 8, 1,  15, 10}
                            << 42;
        QTest::newRow("79") << std::vector<int>{0,  1,  9, 7, 11, 13, 5,  3,
                                                14, 12, 4, 2, 8,  6,  10, 15}
                            << 42;
    }
    void fourByFourKorfLengths() {
        QFETCH(std::vector<int>, tahta);
        QFETCH(int, uzunluk);
        const Dizilim d = Çevrilmiş(tahta);
        const auto çözüm = EnKısaÇözüm(d);
        QVERIFY(çözüm && Çözer(d, çözüm->hamleler));
        QCOMPARE(int(çözüm->hamleler.size()), uzunluk);
        QVERIFY(AltSınır(d) <= uzunluk);
        İpucuBulucu bulucu;
        Dizilim sonra = d;
        QVERIFY(HamleyiUygula(sonra, bulucu.Bul(d).yer));
        QCOMPARE(int(EnKısaÇözüm(sonra)->hamleler.size()), uzunluk - 1);
        QCOMPARE(int(ManhattanlaÇöz(d)->hamleler.size()), uzunluk);
    }

    // The tables never overestimate: the empty place walked k places up from its corner leaves
    // a board k moves from done.
    void patternDatabasesAdmissible() {
        const auto vt = ÖrüntüVeritabanı::Al();
        Dizilim d{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
        for (int k = 1; k <= 3; ++k) {
            QVERIFY(HamleyiUygula(d, 15 - 4 * k));
            std::uint8_t konum[16];
            for (int yer = 0; yer < 16; ++yer)
                konum[d[std::size_t(yer)]] = std::uint8_t(yer);
            QVERIFY(vt->Değer(0, konum) + vt->Değer(1, konum) + vt->Değer(2, konum) <= k);
        }
    }

    // Hints followed on 5 x 5 deals: each a move, none undoing the one before, each after the
    // first read from the way already found; the board is solved within the longest way the
    // bench saw on its deals (210 moves; these are three of them).
    void fiveByFiveHintsSolve() {
        for (unsigned tohum = 1; tohum <= 3; ++tohum) {
            MersenneKaynağı kaynak(tohum);
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
        QTest::newRow("4 two swapped")
            << Dizilim{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 13, 15} << false;
        QTest::newRow("piece twice") << Dizilim{0, 0, 2, 3, 4, 5, 6, 7, 8} << false;
    }
    void parity() {
        QFETCH(Dizilim, d);
        QFETCH(bool, çözülür);
        QCOMPARE(ÇözülebilirMi(d), çözülür);
        İpucuBulucu bulucu;
        const İpucu ipucu = bulucu.Bul(d);
        if (çözülür)
            return;
        QVERIFY(ipucu.tür == İpucu::Tür::Çözülemez && ipucu.düğüm == 0);
        QVERIFY(!EnKısaÇözüm(d) && !İyiÇözüm(d));
    }
};

QTEST_GUILESS_MAIN(SolverTest)
#include "CozucuTesti.moc"
