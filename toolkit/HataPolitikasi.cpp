// SPDX-License-Identifier: GPL-3.0-or-later
// The error trap's reporting half.
#include "toolkit/HataPolitikasi.h"

namespace {
HataKapanı::Bildirici &GeçerliBildirici() {
    static HataKapanı::Bildirici bildirici;
    return bildirici;
}
} // namespace

void HataKapanı::BildiriciKur(Bildirici bildirici) { GeçerliBildirici() = std::move(bildirici); }

void HataKapanı::Yakala(const ÇalışmaHatası &hata) {
    if (tarz_ == HataTarzı::BildirVeDevamEt && GeçerliBildirici())
        GeçerliBildirici()(hata);
}
