// SPDX-License-Identifier: GPL-3.0-or-later
// Placing the main window on the screens.
#include "game/PencereKonumu.h"

#include <algorithm>

namespace {
constexpr int BaşlıkYüksekliği = 20;
constexpr int TutamakGenişliği = 100;
} // namespace

bool BaşlıkEkrandaMı(QPoint solÜst, int genişlik, const QList<QRect> &ekranlar) {
    const QRect başlık(solÜst, QSize(genişlik, BaşlıkYüksekliği));
    const int gerekenGenişlik = std::min(genişlik, TutamakGenişliği);
    return std::any_of(ekranlar.begin(), ekranlar.end(), [&](const QRect &ekran) {
        const QRect görünen = başlık.intersected(ekran);
        return görünen.width() >= gerekenGenişlik && görünen.height() >= BaşlıkYüksekliği / 2;
    });
}

QPoint OrtalıKonum(const QRect &ekran, QSize pencere) {
    return ekran.topLeft() +
           QPoint((ekran.width() - pencere.width()) / 2, (ekran.height() - pencere.height()) / 2);
}
