// Helpers shared by the core tests.
#pragma once

#include "toolkit/HataPolitikasi.h"

// The number of the ÇalışmaHatası that `adım` raises, or 0 when it raises none.
template <class Adım> int HataNumarası(Adım &&adım) {
    int numara = 0;
    HataKapanı::Kurtar(std::forward<Adım>(adım),
                       [&](const ÇalışmaHatası &hata) { numara = hata.Numara(); });
    return numara;
}
