// SPDX-License-Identifier: GPL-3.0-or-later
// The board's rules: neighbours, moves by Tag, and the completion test.
#include "game/cekirdek/Tahta.h"

#include "toolkit/CalismaHatasi.h"

#include <cstdlib>

int GeçerliKenar(int kenar) {
    if (kenar < 2 || kenar > 16)
        throw ÇalışmaHatası(ÇalışmaHatası::GeçersizÇağrı);
    return kenar;
}

int KenarParçaSayısıOf(int bölmeSeçimi) {
    switch (bölmeSeçimi) {
    case 0:
        return 3;
    case 1:
        return 4;
    case 2:
        return 5;
    default:
        throw ÇalışmaHatası(ÇalışmaHatası::GeçersizÇağrı);
    }
}

bool KomşuMu(int tıklanan, int boş, int kenar) {
    const int yerSayısı = kenar * kenar;
    if (kenar < 1 || tıklanan < 0 || boş < 0 || tıklanan >= yerSayısı || boş >= yerSayısı)
        return false;
    const int satırFarkı = std::abs(tıklanan / kenar - boş / kenar);
    const int sütunFarkı = std::abs(tıklanan % kenar - boş % kenar);
    return satırFarkı + sütunFarkı == 1;
}

int OklaTaşınanYer(int boş, int kenar, Ok ok) {
    if (kenar < 1 || boş < 0 || boş >= kenar * kenar)
        return OyunTahtası::ParçaYok;
    const int satır = boş / kenar, sütun = boş % kenar;
    switch (ok) {
    case Ok::Yukarı:
        return satır + 1 < kenar ? boş + kenar : OyunTahtası::ParçaYok;
    case Ok::Aşağı:
        return satır > 0 ? boş - kenar : OyunTahtası::ParçaYok;
    case Ok::Sol:
        return sütun + 1 < kenar ? boş + 1 : OyunTahtası::ParçaYok;
    case Ok::Sağ:
        return sütun > 0 ? boş - 1 : OyunTahtası::ParçaYok;
    }
    return OyunTahtası::ParçaYok;
}

OyunTahtası::OyunTahtası(int kenar) { BoşGöster(kenar); }

void OyunTahtası::SıralıGöster(int kenar) {
    BoşGöster(kenar);
    for (int k = 0; k < YerSayısı(); ++k)
        yerler_[k].Parça = k;
}

void OyunTahtası::BoşGöster(int kenar) {
    kenar_ = GeçerliKenar(kenar);
    boş_ = kenar * kenar - 1;
    yerler_.assign(kenar * kenar, Yer{});
}

void OyunTahtası::Dağıt(const std::vector<int> &dağıtım) {
    const int son = YerSayısı() - 1;
    // The deal names every place's piece; the last one (always the highest piece) is left off
    // the board, so a list without it is just as good.
    if (int(dağıtım.size()) != son && int(dağıtım.size()) != son + 1)
        throw ÇalışmaHatası(ÇalışmaHatası::GeçersizÇağrı);
    std::vector<bool> görüldü(son, false);
    for (int k = 0; k < son; ++k) {
        const int parça = dağıtım[k];
        if (parça < 0 || parça >= son || görüldü[parça])
            throw ÇalışmaHatası(ÇalışmaHatası::GeçersizÇağrı);
        görüldü[parça] = true;
    }
    for (int k = 0; k < son; ++k)
        yerler_[k] = Yer{QString::number(dağıtım[k]), dağıtım[k]};
    BoşYeriKur(son);
}

void OyunTahtası::YeriKur(int yer, int parça, const QString &etiket) {
    if (yer < 0 || yer >= YerSayısı() || parça < 0 || parça >= YerSayısı())
        throw ÇalışmaHatası(ÇalışmaHatası::DizinAralıkDışı);
    yerler_[yer] = Yer{etiket, parça};
}

void OyunTahtası::BoşYeriKur(int yer) {
    if (yer < 0 || yer >= YerSayısı())
        throw ÇalışmaHatası(ÇalışmaHatası::DizinAralıkDışı);
    yerler_[yer] = Yer{QString::number(yer), ParçaYok};
    boş_ = yer;
}

bool OyunTahtası::Taşı(int yer) {
    if (!KomşuMu(yer, boş_, kenar_))
        return false;
    Yer &boş = yerler_[boş_];
    Yer &tıklanan = yerler_[yer];
    boş.Parça = tıklanan.Parça;
    boş.Tag = tıklanan.Tag;
    // The clicked place keeps its Tag: the completion test relies on it for a board that was
    // already in order when it was dealt or restored.
    tıklanan.Parça = ParçaYok;
    boş_ = yer;
    return true;
}

bool OyunTahtası::TamamlandıMı() const {
    const int son = YerSayısı() - 1;
    for (int k = 0; k < son; ++k)
        if (yerler_[k].Tag != QString::number(k))
            return false;
    return true;
}

void OyunTahtası::SonParçayıKoy() { yerler_.back().Parça = YerSayısı() - 1; }
