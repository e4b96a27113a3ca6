// SPDX-License-Identifier: GPL-3.0-or-later
// The arithmetic of the cut: board places in twips, photo cells in pixels.
#include "game/cekirdek/Bolme.h"

#include "game/cekirdek/Tahta.h"
#include "toolkit/CalismaHatasi.h"
#include "toolkit/Yuvarlama.h"

namespace {

// The board frame's margins and the gap between places, in twips. The bottom margin is 180: the
// top margin times 1.6 is the whole vertical margin.
constexpr int SolBaşlangıç = 210;
constexpr int ÜstBaşlangıç = 300;
constexpr double DikeyPayÇarpanı = 1.6;
constexpr int Aralık = 22;

} // namespace

QSize ParçaBoyutuTwip(QSize çerçeve, int kenar) {
    GeçerliKenar(kenar);
    const double aralıklar = double(kenar) * Aralık;
    return {EnYakın((çerçeve.width() - 2 * SolBaşlangıç - aralıklar) / kenar),
            EnYakın((çerçeve.height() - ÜstBaşlangıç * DikeyPayÇarpanı - aralıklar) / kenar)};
}

QRect YerDikdörtgeniTwip(QSize çerçeve, int kenar, int yer) {
    const QSize boyut = ParçaBoyutuTwip(çerçeve, kenar);
    if (yer < 0 || yer >= kenar * kenar)
        throw ÇalışmaHatası(ÇalışmaHatası::DizinAralıkDışı);
    return {SolBaşlangıç + (yer % kenar) * (boyut.width() + Aralık),
            ÜstBaşlangıç + (yer / kenar) * (boyut.height() + Aralık), boyut.width(),
            boyut.height()};
}

// The origin of a cell is rounded from the exact multiple of the fractional cell size, not built
// up from the rounded size, so rounding errors do not pile up across the photo.
QRect HücreDikdörtgeni(QSize foto, int kenar, int parça) {
    GeçerliKenar(kenar);
    if (parça < 0 || parça >= kenar * kenar)
        throw ÇalışmaHatası(ÇalışmaHatası::DizinAralıkDışı);
    const double genişlik = double(foto.width()) / kenar;
    const double yükseklik = double(foto.height()) / kenar;
    return {EnYakın(genişlik * (parça % kenar)), EnYakın(yükseklik * (parça / kenar)),
            EnYakın(genişlik), EnYakın(yükseklik)};
}
