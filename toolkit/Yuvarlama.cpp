// SPDX-License-Identifier: GPL-3.0-or-later
// Rounding halves to even.
#include "toolkit/Yuvarlama.h"

#include "toolkit/CalismaHatasi.h"

#include <cmath>
#include <limits>

int EnYakın(double değer) {
    // nearbyint rounds halves to even under the default rounding mode.
    const double yuvarlak = std::nearbyint(değer);
    if (!(yuvarlak >= std::numeric_limits<int>::min() &&
          yuvarlak <= std::numeric_limits<int>::max()))
        throw ÇalışmaHatası(ÇalışmaHatası::Taşma);
    return static_cast<int>(yuvarlak);
}
