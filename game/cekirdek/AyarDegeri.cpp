// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers read back from the settings store.
#include "game/cekirdek/AyarDegeri.h"

#include "toolkit/CalismaHatasi.h"
#include "toolkit/Yuvarlama.h"

#include <QLocale>
#include <cmath>

double OndalıkDeğeri(const QString &metin) {
    QString sayı = metin.trimmed();
    sayı.replace(QLatin1Char(','), QLatin1Char('.'));
    bool tamam = false;
    const double değer = QLocale::c().toDouble(sayı, &tamam);
    if (!tamam || !std::isfinite(değer))
        throw ÇalışmaHatası(ÇalışmaHatası::TürUyuşmazlığı);
    return değer;
}

int TamSayıDeğeri(const QString &metin, int enAz, int enÇok) {
    const double değer = OndalıkDeğeri(metin);
    if (değer < enAz - 0.5 || değer > enÇok + 0.5)
        throw ÇalışmaHatası(ÇalışmaHatası::Taşma);
    const int tam = EnYakın(değer);
    if (tam < enAz || tam > enÇok)
        throw ÇalışmaHatası(ÇalışmaHatası::Taşma);
    return tam;
}
