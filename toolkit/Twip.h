// SPDX-License-Identifier: GPL-3.0-or-later
// Layout units: positions and sizes are written in twips, 15 to a device-independent pixel.
#pragma once

#include <QRect>
#include <cmath>

constexpr int TwipBaşınaPiksel = 15;

// Twips to pixels, to the nearest pixel.
inline int Piksel(double twip) { return static_cast<int>(std::lround(twip / TwipBaşınaPiksel)); }

// A rectangle given in twips, with its edges (not its size) brought to whole pixels, so that
// neighbouring controls keep their spacing.
inline QRect TwipDikdörtgeni(double sol, double üst, double genişlik, double yükseklik) {
    const int x = Piksel(sol), y = Piksel(üst);
    return QRect(x, y, Piksel(sol + genişlik) - x, Piksel(üst + yükseklik) - y);
}
