// SPDX-License-Identifier: GPL-3.0-or-later
// Hints, and the way kept from one hint to the next.
#include "game/cekirdek/Ipucu.h"

#include <algorithm>

İpucu İpucuBulucu::Bul(const Dizilim &dizilim, std::stop_token dur) {
    if (!ÇözülebilirMi(dizilim))
        return {İpucu::Tür::Çözülemez};
    if (std::is_sorted(dizilim.begin(), dizilim.end()))
        return {İpucu::Tür::Çözülmüş};
    std::lock_guard<std::mutex> tutulan(kilit_);
    // Any later point of a shortest way is itself on a shortest way from there.
    Dizilim yolda = başlangıç_;
    for (std::size_t i = 0; i < yol_.size(); ++i) {
        if (yolda == dizilim)
            return {İpucu::Tür::Hamle, yol_[i]};
        HamleyiUygula(yolda, yol_[i]);
    }
    const auto çözüm = İyiÇözüm(dizilim, std::move(dur));
    if (!çözüm)
        return {İpucu::Tür::Bulunamadı};
    başlangıç_ = dizilim;
    yol_ = çözüm->hamleler;
    return {İpucu::Tür::Hamle, yol_.front(), çözüm->düğüm};
}
