// SPDX-License-Identifier: GPL-3.0-or-later
// Text colours that stay readable on whatever background the desktop's palette gives.
#include "toolkit/OkunurRenk.h"

#include <algorithm>

namespace {

// The contrast that ordinary text needs to be read comfortably.
constexpr double YeterliKarşıtlık = 4.5;
// Lightness moves by this much per step, fine enough to stop close above the threshold.
constexpr double IşıklıkAdımı = 0.01;

// x to the power 2.4 for x in (0, 1], to within an ulp or two: the fifth root of x^12 by Newton's
// steps from x^2, which lies above it (the worst case needs ten). std::pow would read in two
// 64 KiB blocks of libm's tables at every start, for the few colours computed then.
double ÜssüİkiNoktaDört(double x) {
    const double x2 = x * x, x4 = x2 * x2, y = x4 * x4 * x4;
    double kök = x2;
    for (int adım = 0; adım < 30; ++adım)
        kök = (4 * kök + y / (kök * kök * kök * kök)) / 5;
    return kök;
}

double Doğrusal(double kanal) {
    return kanal <= 0.04045 ? kanal / 12.92 : ÜssüİkiNoktaDört((kanal + 0.055) / 1.055);
}

double Parlaklık(const QColor &renk) {
    const QColor rgb = renk.toRgb();
    return 0.2126 * Doğrusal(rgb.redF()) + 0.7152 * Doğrusal(rgb.greenF()) +
           0.0722 * Doğrusal(rgb.blueF());
}

} // namespace

double Karşıtlık(const QColor &a, const QColor &b) {
    const double pa = Parlaklık(a), pb = Parlaklık(b);
    return (std::max(pa, pb) + 0.05) / (std::min(pa, pb) + 0.05);
}

QColor OkunurRenk(const QColor &renk, const QColor &zemin) {
    if (Karşıtlık(renk, zemin) >= YeterliKarşıtlık)
        return renk;
    // Towards white on a background that white reads better on, towards black otherwise; the
    // far end always gets there or as close as the background allows.
    const bool aç = Karşıtlık(Qt::white, zemin) >= Karşıtlık(Qt::black, zemin);
    const QColor hsl = renk.toHsl();
    const double ton = hsl.hslHueF(), doygunluk = hsl.hslSaturationF();
    QColor aday = renk;
    double ışıklık = hsl.lightnessF();
    while (Karşıtlık(aday, zemin) < YeterliKarşıtlık && ışıklık > 0 && ışıklık < 1) {
        ışıklık = std::clamp(ışıklık + (aç ? IşıklıkAdımı : -IşıklıkAdımı), 0.0, 1.0);
        aday = QColor::fromHslF(ton, doygunluk, ışıklık, renk.alphaF()).toRgb();
    }
    return aday;
}
