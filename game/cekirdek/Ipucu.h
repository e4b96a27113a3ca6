// SPDX-License-Identifier: GPL-3.0-or-later
// Hints: the piece whose move begins the solver's way from the board as it stands.
#pragma once

#include "game/cekirdek/Cozucu.h"

#include <mutex>

struct İpucu {
    enum class Tür {
        Hamle,      // `yer` is the place to click
        Çözülemez,  // no sliding puts this board in order; nothing was searched
        Çözülmüş,   // nothing left to move
        Bulunamadı, // the search was asked to stop
    };
    Tür tür = Tür::Bulunamadı;
    int yer = -1;
    std::uint64_t düğüm = 0; // positions searched for this hint
};

// Keeps the way it found last: a board reached by following its hints gets the next move of the
// same way at once, so that hints followed one after another solve the board without turning
// back. Off the window's thread; one call at a time.
class İpucuBulucu {
public:
    // The shortest way on 3 x 3 and 4 x 4, a good one on 5 x 5 (İyiÇözüm).
    İpucu Bul(const Dizilim &dizilim, std::stop_token dur = {});

private:
    std::mutex kilit_;
    Dizilim başlangıç_;
    std::vector<int> yol_;
};
