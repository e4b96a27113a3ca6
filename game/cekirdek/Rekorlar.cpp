// SPDX-License-Identifier: GPL-3.0-or-later
// Records per grid: read with safe defaults, written only when beaten.
#include "game/cekirdek/Rekorlar.h"

#include <limits>

namespace {

// The day is stored as yyyy-MM-dd whatever the player's locale, so that a change of locale
// cannot make it unreadable.
std::optional<Rekor> RekoruOku(AyarDeposuArayüzü &ayarlar, const AyarAnahtarı &değerAnahtarı,
                               const AyarAnahtarı &tarihAnahtarı) {
    const QString metin = ayarlar.Oku(değerAnahtarı);
    bool sayı = false;
    const qlonglong değer = metin.size() <= 12 ? metin.toLongLong(&sayı) : 0;
    if (!sayı || değer < 0 || değer > std::numeric_limits<int>::max())
        return std::nullopt;
    const QString tarih = ayarlar.Oku(tarihAnahtarı);
    return Rekor{static_cast<int>(değer),
                 tarih.size() == 10 ? QDate::fromString(tarih, Qt::ISODate) : QDate()};
}

// Writes the value and its day when it beats what is stored; true when written.
bool Yen(AyarDeposuArayüzü &ayarlar, const std::optional<Rekor> &eski, int değer,
         const QDate &bugün, const AyarAnahtarı &değerAnahtarı, const AyarAnahtarı &tarihAnahtarı) {
    if (eski && eski->Değer <= değer)
        return false;
    ayarlar.Yaz(değerAnahtarı, QString::number(değer));
    ayarlar.Yaz(tarihAnahtarı, bugün.toString(Qt::ISODate));
    return true;
}

} // namespace

BölmeRekorları RekorlarıOku(AyarDeposuArayüzü &ayarlar, int bölme) {
    return {RekoruOku(ayarlar, Anahtar::SüreRekoru(bölme), Anahtar::SüreRekoruTarihi(bölme)),
            RekoruOku(ayarlar, Anahtar::HamleRekoru(bölme), Anahtar::HamleRekoruTarihi(bölme))};
}

void RekorlarıDene(AyarDeposuArayüzü &ayarlar, int bölme, std::optional<int> saniye, int hamle,
                   const QDate &bugün, RekorSonucu &sonuç) {
    const BölmeRekorları eski = RekorlarıOku(ayarlar, bölme);
    if (saniye)
        sonuç.Süre = Yen(ayarlar, eski.Süre, *saniye, bugün, Anahtar::SüreRekoru(bölme),
                         Anahtar::SüreRekoruTarihi(bölme));
    sonuç.Hamle = Yen(ayarlar, eski.Hamle, hamle, bugün, Anahtar::HamleRekoru(bölme),
                      Anahtar::HamleRekoruTarihi(bölme));
}
