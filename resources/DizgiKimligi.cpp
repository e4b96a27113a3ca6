// Design captions that stand for string-table entries.
#include "resources/DizgiKimligi.h"

#include "resources/DizgiTablosu.h"
#include "toolkit/CalismaHatasi.h"

#include <QLocale>
#include <cmath>
#include <limits>

int DizgiKimliği(const QString &başlık) {
    bool sayı = false;
    const double değer = QLocale::c().toDouble(başlık.trimmed(), &sayı);
    if (!sayı || !std::isfinite(değer))
        throw ÇalışmaHatası(ÇalışmaHatası::TürUyuşmazlığı);
    // The default rounding mode rounds halves to the even neighbour.
    const double yuvarlanmış = std::nearbyint(değer);
    if (yuvarlanmış < std::numeric_limits<qint16>::min() ||
        yuvarlanmış > std::numeric_limits<qint16>::max())
        throw ÇalışmaHatası(ÇalışmaHatası::Taşma);
    return static_cast<int>(yuvarlanmış);
}

QString KimliğinMetni(const QString &başlık) { return LoadResString(DizgiKimliği(başlık)); }
