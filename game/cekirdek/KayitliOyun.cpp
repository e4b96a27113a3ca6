// SPDX-License-Identifier: GPL-3.0-or-later
// Saved boards: the text of each place, and reading the rows back only when they make a board.
#include "game/cekirdek/KayitliOyun.h"

#include <cstdint>

namespace {

// A number exactly as the program writes it: decimal digits, no sign, no spaces, no leading
// zero. A Tag like "07" would never pass the completion test, which compares texts.
std::optional<int> SayıOf(QStringView metin) {
    if (metin.isEmpty() || metin.size() > 4 || (metin.size() > 1 && metin.front() == u'0'))
        return std::nullopt;
    int sayı = 0;
    for (const QChar c : metin) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        sayı = sayı * 10 + (c.unicode() - u'0');
    }
    return sayı;
}

} // namespace

// During a game the pieces on the board are always 0..N*N-2 (the last piece is shown only once
// the photo is complete), each on one place, and one place is empty; rows that say anything
// else were not written by a running game, and putting part of them on the board could leave a
// game that cannot be finished.
std::optional<KayıtlıDüzen> KayıtlıDüzeniÇöz(const AyarListesi &satırlar, int kenar) {
    // The square in 64 bits: a side whose square overflows an int is simply not these rows.
    if (kenar < 1 || std::int64_t{kenar} * kenar != std::int64_t(satırlar.size()))
        return std::nullopt;
    const int yerSayısı = kenar * kenar;

    KayıtlıDüzen düzen;
    düzen.Etiketler.resize(yerSayısı);
    düzen.Parçalar.resize(yerSayısı, -1);
    std::vector<bool> görüldü(yerSayısı - 1, false);
    for (int yer = 0; yer < yerSayısı; ++yer) {
        const QString &değer = satırlar[yer].second;
        if (değer.endsWith(u'B')) {
            const auto boş = SayıOf(QStringView(değer).chopped(1));
            if (!boş || *boş != yer || düzen.BoşParça >= 0)
                return std::nullopt;
            düzen.BoşParça = yer;
            düzen.Etiketler[yer] = QString::number(yer);
            continue;
        }
        const auto parça = SayıOf(değer);
        if (!parça || *parça >= yerSayısı - 1 || görüldü[*parça])
            return std::nullopt;
        görüldü[*parça] = true;
        düzen.Parçalar[yer] = *parça;
        düzen.Etiketler[yer] = değer;
    }
    // N*N places, each the empty one or a piece below N*N - 1 seen once: with no empty place
    // there would be N*N distinct pieces among N*N - 1, so the loop has found exactly one, and
    // nothing is missing.
    // Nor is the finished picture ever saved: the move that completes it ends the game. Put
    // back, it would count the next slide of the piece beside the corner as a win, since the
    // place that piece leaves keeps its Tag, and the finished board would show a hole.
    bool sıralı = düzen.BoşParça == yerSayısı - 1;
    for (int yer = 0; sıralı && yer < yerSayısı - 1; ++yer)
        sıralı = düzen.Parçalar[yer] == yer;
    if (sıralı)
        return std::nullopt;
    return düzen;
}

QString KayıtDeğeri(int yer, int boşParça, const QString &etiket) {
    return yer == boşParça ? QString::number(boşParça) + u'B' : etiket;
}
