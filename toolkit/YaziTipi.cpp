// SPDX-License-Identifier: GPL-3.0-or-later
// The window font with its fallbacks, and the text form a stored layout keeps a font in.
#include "toolkit/YaziTipi.h"

#include "toolkit/CalismaHatasi.h"

#include <QStringList>

namespace {

// The layouts were measured with MS Sans Serif: it comes first where it is installed. Liberation
// Sans keeps its narrow metrics better than DejaVu Sans, which is about 14 % wider.
QStringList Aileler(const QString &ilk) {
    QStringList aileler{ilk};
    for (const QString &yedek :
         {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
          QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}) {
        if (!aileler.contains(yedek, Qt::CaseInsensitive))
            aileler.append(yedek);
    }
    return aileler;
}

bool BayrakOku(const QString &alan) {
    if (alan == u'0')
        return false;
    if (alan == u'1')
        return true;
    throw ÇalışmaHatası(ÇalışmaHatası::TürUyuşmazlığı);
}

} // namespace

QFont PencereYazıTipi() { return MetindenYazıTipi(QStringLiteral("MS Sans Serif,8.25,400,0,0,0")); }

QFont MetindenYazıTipi(const QString &metin) {
    const QStringList alanlar = metin.split(u',');
    if (alanlar.size() != 6 || alanlar[0].trimmed().isEmpty())
        throw ÇalışmaHatası(ÇalışmaHatası::TürUyuşmazlığı);
    bool puntoGeçerli = false, kalınlıkGeçerli = false;
    const double punto = alanlar[1].trimmed().toDouble(&puntoGeçerli);
    const int kalınlık = alanlar[2].trimmed().toInt(&kalınlıkGeçerli);
    if (!puntoGeçerli || punto <= 0 || !kalınlıkGeçerli || kalınlık < 1 || kalınlık > 1000)
        throw ÇalışmaHatası(ÇalışmaHatası::TürUyuşmazlığı);

    QFont yazıTipi;
    yazıTipi.setFamilies(Aileler(alanlar[0].trimmed()));
    yazıTipi.setStyleHint(QFont::SansSerif);
    yazıTipi.setPointSizeF(punto);
    yazıTipi.setWeight(static_cast<QFont::Weight>(kalınlık));
    yazıTipi.setItalic(BayrakOku(alanlar[3].trimmed()));
    yazıTipi.setUnderline(BayrakOku(alanlar[4].trimmed()));
    yazıTipi.setStrikeOut(BayrakOku(alanlar[5].trimmed()));
    return yazıTipi;
}
