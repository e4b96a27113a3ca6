// Saved boards: the text of each place, and reading the rows back only when they make a board.
#include "game/KayitliOyun.h"

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
    if (kenar < 1)
        return std::nullopt;
    const int yerSayısı = kenar * kenar;
    if (int(satırlar.size()) != yerSayısı)
        return std::nullopt;

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
    // N*N - 1 distinct pieces below N*N - 1 and one empty place: nothing is missing.
    if (düzen.BoşParça < 0)
        return std::nullopt;
    return düzen;
}

QString KayıtDeğeri(int yer, int boşParça, const QString &etiket) {
    return yer == boşParça ? QString::number(boşParça) + u'B' : etiket;
}
