// SPDX-License-Identifier: GPL-3.0-or-later
// The property bag: text values of one control, read back in the type asked for.
#include "about/OzellikCantasi.h"

#include "toolkit/CalismaHatasi.h"
#include "toolkit/YaziTipi.h"

namespace {

// Colours are "red,green,blue" in decimal.
QColor MetindenRenk(const QString &metin) {
    const QStringList alanlar = metin.split(u',');
    if (alanlar.size() != 3)
        throw ÇalışmaHatası(ÇalışmaHatası::TürUyuşmazlığı);
    int bileşen[3];
    for (int i = 0; i < 3; ++i) {
        bool geçerli = false;
        bileşen[i] = alanlar[i].trimmed().toInt(&geçerli);
        if (!geçerli || bileşen[i] < 0 || bileşen[i] > 255)
            throw ÇalışmaHatası(ÇalışmaHatası::TürUyuşmazlığı);
    }
    return QColor(bileşen[0], bileşen[1], bileşen[2]);
}

bool MetindenBool(const QString &metin) {
    const QString kırpılmış = metin.trimmed();
    if (kırpılmış == u'1' || kırpılmış.compare(u"true", Qt::CaseInsensitive) == 0)
        return true;
    if (kırpılmış == u'0' || kırpılmış.compare(u"false", Qt::CaseInsensitive) == 0)
        return false;
    throw ÇalışmaHatası(ÇalışmaHatası::TürUyuşmazlığı);
}

} // namespace

int ÖzellikÇantası::Bul(const QString &ad) const {
    for (int i = 0; i < değerler_.size(); ++i) {
        if (değerler_[i].first == ad)
            return i;
    }
    return -1;
}

void ÖzellikÇantası::Sakla(const QString &ad, const QString &metin) {
    const int yer = Bul(ad);
    if (yer >= 0)
        değerler_[yer].second = metin;
    else
        değerler_.append({ad, metin});
}

QString ÖzellikÇantası::Metin(const QString &ad) const {
    const int yer = Bul(ad);
    return yer >= 0 ? değerler_[yer].second : QString();
}

QString ÖzellikÇantası::ReadProperty(const QString &ad, const QString &varsayılan) const {
    return Saklıyor(ad) ? Metin(ad) : varsayılan;
}

bool ÖzellikÇantası::ReadProperty(const QString &ad, bool varsayılan) const {
    return Saklıyor(ad) ? MetindenBool(Metin(ad)) : varsayılan;
}

QColor ÖzellikÇantası::ReadProperty(const QString &ad, const QColor &varsayılan) const {
    return Saklıyor(ad) ? MetindenRenk(Metin(ad)) : varsayılan;
}

QFont ÖzellikÇantası::ReadProperty(const QString &ad, const QFont &varsayılan) const {
    return Saklıyor(ad) ? MetindenYazıTipi(Metin(ad)) : varsayılan;
}

ÖzellikÇantası ÖzellikÇantası::JsonNesnesinden(const QJsonObject &nesne) {
    ÖzellikÇantası çanta;
    for (auto it = nesne.begin(); it != nesne.end(); ++it) {
        if (!it.value().isString())
            throw ÇalışmaHatası(ÇalışmaHatası::TürUyuşmazlığı);
        çanta.Sakla(it.key(), it.value().toString());
    }
    return çanta;
}
