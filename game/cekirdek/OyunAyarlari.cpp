// SPDX-License-Identifier: GPL-3.0-or-later
// The user's settings store and the one in memory, behind the game's settings interface.
#include "game/cekirdek/OyunAyarlari.h"

#include "startup/OrtakDegiskenlerModulu.h"
#include "toolkit/CalismaHatasi.h"

#include <algorithm>

QString KullanıcıAyarları::Oku(const AyarAnahtarı &anahtar, const QString &varsayılan) {
    return GetSetting(UygulamaAdı, anahtar.Bölüm, anahtar.Ad, varsayılan);
}

void KullanıcıAyarları::Yaz(const AyarAnahtarı &anahtar, const QString &değer) {
    SaveSetting(UygulamaAdı, anahtar.Bölüm, anahtar.Ad, değer);
}

AyarListesi KullanıcıAyarları::Bölüm(const QString &bölüm) {
    return GetAllSettings(UygulamaAdı, bölüm);
}

void KullanıcıAyarları::Sil(const QString &bölüm) { DeleteSetting(UygulamaAdı, bölüm); }

QString BellekAyarları::Oku(const AyarAnahtarı &anahtar, const QString &varsayılan) {
    for (const auto &[ad, değer] : Bölüm(anahtar.Bölüm))
        if (ad == anahtar.Ad)
            return değer;
    return varsayılan;
}

void BellekAyarları::Yaz(const AyarAnahtarı &anahtar, const QString &değer) {
    AyarListesi &satırlar = bölümler_[anahtar.Bölüm];
    const auto satır = std::find_if(satırlar.begin(), satırlar.end(),
                                    [&](const auto &s) { return s.first == anahtar.Ad; });
    if (satır != satırlar.end())
        satır->second = değer;
    else
        satırlar.emplace_back(anahtar.Ad, değer);
}

AyarListesi BellekAyarları::Bölüm(const QString &bölüm) {
    const auto bulunan = bölümler_.find(bölüm);
    return bulunan == bölümler_.end() ? AyarListesi{} : bulunan->second;
}

void BellekAyarları::Sil(const QString &bölüm) {
    const auto altı = [&](const QString &ad) {
        return ad == bölüm || ad.startsWith(bölüm + u'\\');
    };
    if (!std::erase_if(bölümler_, [&](const auto &b) { return altı(b.first); }))
        throw ÇalışmaHatası(ÇalışmaHatası::GeçersizÇağrı);
}
