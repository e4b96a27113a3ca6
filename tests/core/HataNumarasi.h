// SPDX-License-Identifier: GPL-3.0-or-later
// The number of the ÇalışmaHatası a step raises, or 0 when it raises none.
#pragma once

#include "toolkit/HataPolitikasi.h"

template <class Adım> int HataNumarası(Adım &&adım) {
    int numara = 0;
    HataKapanı::Kurtar(std::forward<Adım>(adım),
                       [&](const ÇalışmaHatası &hata) { numara = hata.Numara(); });
    return numara;
}
