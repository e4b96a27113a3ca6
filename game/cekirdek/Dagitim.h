// SPDX-License-Identifier: GPL-3.0-or-later
// Dealing a new game: a random arrangement of pieces 0..N*N-2 that sliding moves can solve.
#pragma once

#include <random>
#include <vector>

// Uniform values in [0, 1). The game seeds one generator once; tests pass their own.
class RastgeleKaynak {
public:
    virtual ~RastgeleKaynak() = default;
    virtual double Rnd() = 0;
};

class MersenneKaynağı : public RastgeleKaynak {
public:
    MersenneKaynağı();                        // seeded once from std::random_device
    explicit MersenneKaynağı(unsigned tohum); // fixed seed
    double Rnd() override;

private:
    std::mt19937 üreteç_;
    std::uniform_real_distribution<double> dağılım_{0.0, 1.0};
};

// The pieces for places 0..N*N-1 of a new N x N game, drawn from an ascending number pool
// (so the highest number always lands on the last place, which is the empty one). The
// arrangement of places 0..N*N-2 is an even permutation (solvable with the empty place at the
// bottom right) and never the solved order itself. Every such arrangement is equally likely.
// Draws from `kaynak` without re-seeding it. A side outside 2..16 is ÇalışmaHatası 5.
std::vector<int> Dağıtım(int kenar, RastgeleKaynak &kaynak);
