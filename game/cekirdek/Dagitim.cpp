// SPDX-License-Identifier: GPL-3.0-or-later
// The deal: pieces drawn from an ascending number pool, then made solvable and never solved.
#include "game/cekirdek/Dagitim.h"

#include "game/cekirdek/Tahta.h"
#include "toolkit/CalismaHatasi.h"

#include <algorithm>
#include <cmath>
#include <utility>

MersenneKaynağı::MersenneKaynağı() : üreteç_(std::random_device{}()) {}
MersenneKaynağı::MersenneKaynağı(unsigned tohum) : üreteç_(tohum) {}
double MersenneKaynağı::Rnd() { return dağılım_(üreteç_); }

namespace {

// A generator that keeps yielding the solved order would hold the deal forever; after this many
// tries the last one is stirred by hand instead.
constexpr int EnÇokDeneme = 64;

// Places 0..N*N-1 from the pool "0", "1", ..., N*N-1. Each draw takes 1-based position
// Int((L - 1) * Rnd + 1) of the L entries left, that is any entry but the last one; the pool
// stays ascending, so the highest piece is left for the last place. Every order of the other
// pieces is equally likely.
std::vector<int> HavuzdanÇek(int yerSayısı, RastgeleKaynak &kaynak) {
    std::vector<int> havuz(yerSayısı);
    for (int k = 0; k < yerSayısı; ++k)
        havuz[k] = k;
    std::vector<int> dağıtım;
    dağıtım.reserve(yerSayısı);
    while (!havuz.empty()) {
        const int kalan = int(havuz.size());
        // A generator straying out of [0, 1) must still not reach the last entry (or beyond).
        double rnd = kaynak.Rnd();
        if (!(rnd >= 0.0))
            rnd = 0.0;
        else if (rnd >= 1.0)
            rnd = std::nextafter(1.0, 0.0);
        const int sıra = int(std::floor((kalan - 1) * rnd + 1));
        const int konum = std::clamp(sıra - 1, 0, std::max(kalan - 2, 0));
        dağıtım.push_back(havuz[konum]);
        havuz.erase(havuz.begin() + konum);
    }
    return dağıtım;
}

// Parity of the arrangement of places 0..count-1, by counting the cycles of the permutation.
bool TekMi(const std::vector<int> &dağıtım, int sayı) {
    std::vector<bool> görüldü(sayı, false);
    int döngüler = 0;
    for (int k = 0; k < sayı; ++k) {
        if (görüldü[k])
            continue;
        ++döngüler;
        for (int j = k; !görüldü[j]; j = dağıtım[j])
            görüldü[j] = true;
    }
    return (sayı - döngüler) % 2 == 1;
}

bool SıralıMı(const std::vector<int> &dağıtım) {
    for (int k = 0; k < int(dağıtım.size()); ++k)
        if (dağıtım[k] != k)
            return false;
    return true;
}

} // namespace

// With the empty place in the bottom-right corner, a board can be put in order by sliding
// exactly when the arrangement of the other pieces is an even permutation: every slide moves
// the empty place one step and swaps it with a piece, and getting the empty place back to the
// corner takes an even number of steps. Half of all pool orders are odd; swapping the pieces on
// places 0 and 1 maps them one to one onto the even ones, so every solvable order stays equally
// likely. A deal that comes out already solved is dealt again.
std::vector<int> Dağıtım(int kenar, RastgeleKaynak &kaynak) {
    GeçerliKenar(kenar);
    const int yerSayısı = kenar * kenar;
    const int parçaSayısı = yerSayısı - 1;
    std::vector<int> dağıtım;
    for (int deneme = 0; deneme < EnÇokDeneme; ++deneme) {
        dağıtım = HavuzdanÇek(yerSayısı, kaynak);
        if (TekMi(dağıtım, parçaSayısı))
            std::swap(dağıtım[0], dağıtım[1]);
        if (!SıralıMı(dağıtım))
            return dağıtım;
    }
    // A three-cycle is even, so the board stays solvable.
    std::rotate(dağıtım.begin(), dağıtım.begin() + 1, dağıtım.begin() + 3);
    return dağıtım;
}
