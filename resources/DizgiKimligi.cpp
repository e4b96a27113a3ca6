// SPDX-License-Identifier: GPL-3.0-or-later
// Design captions that stand for string-table entries.
#include "resources/DizgiKimligi.h"

#include "resources/DizgiTablosu.h"
#include "toolkit/CalismaHatasi.h"
#include "toolkit/Yuvarlama.h"

#include <QLocale>
#include <cmath>
#include <limits>

int DizgiKimliği(const QString &başlık) {
    bool sayı = false;
    const double değer = QLocale::c().toDouble(başlık.trimmed(), &sayı);
    if (!sayı || !std::isfinite(değer))
        throw ÇalışmaHatası(ÇalışmaHatası::TürUyuşmazlığı);
    const int kimlik = EnYakın(değer);
    if (kimlik < std::numeric_limits<qint16>::min() || kimlik > std::numeric_limits<qint16>::max())
        throw ÇalışmaHatası(ÇalışmaHatası::Taşma);
    return kimlik;
}

QString KimliğinMetni(const QString &başlık) { return LoadResString(DizgiKimliği(başlık)); }
