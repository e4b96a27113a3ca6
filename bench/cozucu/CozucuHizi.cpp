// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmark: the solver on Korf's 100 random 15-puzzle instances (every length checked against
// the published one), the Manhattan distance alone beside it on the easiest, then random 3 x 3
// and 5 x 5 deals. Times are wall-clock on one thread; nodes are positions looked at.
//
// Usage: bench_solver [instances] [easiest]   (default all 100, and the 10 easiest by the
// published Manhattan node counts)
#include "game/cekirdek/Cozucu.h"
#include "game/cekirdek/Dagitim.h"
#include "game/cekirdek/OruntuVeritabani.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

using Saat = std::chrono::steady_clock;

double Saniye(Saat::time_point baş) {
    return std::chrono::duration<double>(Saat::now() - baş).count();
}

long TepeBellekKB() {
    rusage kullanım{};
    getrusage(RUSAGE_SELF, &kullanım);
    return kullanım.ru_maxrss;
}

struct Örnek {
    int no = 0;
    Dizilim dizilim;
    int manhattan = 0, uzunluk = 0;
    unsigned long long düğüm = 0; // Korf's, with the Manhattan distance
};

// The published boards have the empty place top left; turned by 180 degrees, piece t on place p
// becomes piece 15 - t on place 15 - p, and every length stays.
std::vector<Örnek> Oku() {
    std::ifstream dosya(KORF_DOSYASI);
    std::vector<Örnek> örnekler;
    std::string satır;
    while (std::getline(dosya, satır)) {
        if (satır.empty() || satır[0] == '#')
            continue;
        std::istringstream okur(satır);
        Örnek ö;
        ö.dizilim.assign(16, 0);
        okur >> ö.no;
        for (int p = 0; p < 16; ++p) {
            int t;
            okur >> t;
            ö.dizilim[std::size_t(15 - p)] = 15 - t;
        }
        okur >> ö.manhattan >> ö.uzunluk >> ö.düğüm;
        örnekler.push_back(ö);
    }
    return örnekler;
}

double Ortanca(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
    std::vector<Örnek> örnekler = Oku();
    if (örnekler.size() != 100) {
        std::fprintf(stderr, "korf100.txt: %zu instances\n", örnekler.size());
        return 2;
    }
    const std::size_t kaç = argc > 1 ? std::size_t(std::atoi(argv[1])) : 100;
    const std::size_t kolay = argc > 2 ? std::size_t(std::atoi(argv[2])) : 10;
    int yanlış = 0;

    std::printf("4 x 4 pattern databases (6-6-3): ");
    std::fflush(stdout);
    auto baş = Saat::now();
    const auto vt = ÖrüntüVeritabanı::Al();
    std::printf("built in %.2f s, %.1f MB; peak memory so far %ld KB\n\n", Saniye(baş),
                double(vt->Bayt()) / 1e6, TepeBellekKB());

    std::printf("%4s %6s %6s %14s %10s\n", "no", "length", "found", "nodes", "seconds");
    std::vector<double> süreler;
    unsigned long long toplamDüğüm = 0;
    double toplamSüre = 0;
    for (std::size_t i = 0; i < std::min(kaç, örnekler.size()); ++i) {
        const Örnek &ö = örnekler[i];
        baş = Saat::now();
        const auto çözüm = EnKısaÇözüm(ö.dizilim);
        const double süre = Saniye(baş);
        Dizilim son = ö.dizilim;
        for (int yer : çözüm->hamleler)
            HamleyiUygula(son, yer);
        const bool doğru =
            int(çözüm->hamleler.size()) == ö.uzunluk && std::is_sorted(son.begin(), son.end());
        yanlış += !doğru;
        std::printf("%4d %6d %6zu %14llu %10.3f%s\n", ö.no, ö.uzunluk, çözüm->hamleler.size(),
                    (unsigned long long)çözüm->düğüm, süre, doğru ? "" : "  WRONG");
        std::fflush(stdout);
        süreler.push_back(süre);
        toplamDüğüm += çözüm->düğüm;
        toplamSüre += süre;
    }
    if (!süreler.empty())
        std::printf("total: %zu instances, %llu nodes, %.2f s; median %.3f s, worst %.3f s; "
                    "%d wrong\n\n",
                    süreler.size(), toplamDüğüm, toplamSüre, Ortanca(süreler),
                    *std::max_element(süreler.begin(), süreler.end()), yanlış);

    std::vector<Örnek> sıralı = örnekler;
    std::sort(sıralı.begin(), sıralı.end(),
              [](const Örnek &a, const Örnek &b) { return a.düğüm < b.düğüm; });
    std::printf("The %zu easiest: pattern databases against the Manhattan distance alone\n", kolay);
    std::printf("%4s %6s %12s %10s %14s %10s %14s\n", "no", "length", "pdb nodes", "pdb s",
                "manh. nodes", "manh. s", "Korf 1985");
    for (std::size_t i = 0; i < std::min(kolay, sıralı.size()); ++i) {
        const Örnek &ö = sıralı[i];
        baş = Saat::now();
        const auto pdb = EnKısaÇözüm(ö.dizilim);
        const double pdbSüre = Saniye(baş);
        baş = Saat::now();
        const auto md = ManhattanlaÇöz(ö.dizilim);
        const double mdSüre = Saniye(baş);
        const bool doğru = int(md->hamleler.size()) == ö.uzunluk;
        yanlış += !doğru;
        std::printf("%4d %6d %12llu %10.3f %14llu %10.3f %14llu%s\n", ö.no, ö.uzunluk,
                    (unsigned long long)pdb->düğüm, pdbSüre, (unsigned long long)md->düğüm, mdSüre,
                    ö.düğüm, doğru ? "" : "  WRONG");
        std::fflush(stdout);
    }

    std::vector<double> üçSüre;
    int üçEnUzun = 0;
    for (unsigned tohum = 1; tohum <= 1000; ++tohum) {
        MersenneKaynağı kaynak(tohum);
        const Dizilim d = Dağıtım(3, kaynak);
        baş = Saat::now();
        const auto çözüm = EnKısaÇözüm(d);
        üçSüre.push_back(Saniye(baş));
        üçEnUzun = std::max(üçEnUzun, int(çözüm->hamleler.size()));
    }
    std::printf("\n3 x 3, 1000 deals: median %.6f s, worst %.6f s, longest %d moves\n",
                Ortanca(üçSüre), *std::max_element(üçSüre.begin(), üçSüre.end()), üçEnUzun);

    std::vector<double> beşSüre, oran;
    int beşEnUzun = 0, geri = 0; // moves straight back, undoing the one before
    for (unsigned tohum = 1; tohum <= 100; ++tohum) {
        MersenneKaynağı kaynak(tohum);
        const Dizilim d = Dağıtım(5, kaynak);
        baş = Saat::now();
        const auto çözüm = İyiÇözüm(d);
        beşSüre.push_back(Saniye(baş));
        Dizilim son = d;
        int önceki = -1;
        for (int yer : çözüm->hamleler) {
            const int boş = int(std::find(son.begin(), son.end(), 24) - son.begin());
            geri += yer == önceki;
            yanlış += !HamleyiUygula(son, yer);
            önceki = boş;
        }
        yanlış += !std::is_sorted(son.begin(), son.end());
        beşEnUzun = std::max(beşEnUzun, int(çözüm->hamleler.size()));
        oran.push_back(double(çözüm->hamleler.size()) / AltSınır(d));
    }
    std::printf("5 x 5, 100 deals: median %.3f s, worst %.3f s; length against the lower bound "
                "(Manhattan + linear conflicts): median %.2f, worst %.2f; longest %d moves; %d "
                "moves straight back\n",
                Ortanca(beşSüre), *std::max_element(beşSüre.begin(), beşSüre.end()), Ortanca(oran),
                *std::max_element(oran.begin(), oran.end()), beşEnUzun, geri);
    std::printf("peak memory %ld KB; %d wrong\n", TepeBellekKB(), yanlış);
    return yanlış == 0 ? 0 : 1;
}
