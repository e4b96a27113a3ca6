// SPDX-License-Identifier: GPL-3.0-or-later
// Folder contents for the chooser's lists.
#include "chooser/KlasorIcerigi.h"

#include "chooser/Suruculer.h"
#include "toolkit/CalismaHatasi.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

namespace {

QStringList Listele(const QString &klasör, QDir::Filters süzgeç) {
    if (!KlasörOkunurMu(klasör))
        throw ÇalışmaHatası(ÇalışmaHatası::YolBulunamadı);
    // Hidden entries (dot names) stay out: QDir leaves them out unless asked for them.
    return QDir(klasör).entryList(süzgeç | QDir::NoDotAndDotDot, QDir::NoSort);
}

} // namespace

void İnsanSırasıylaSırala(QStringList &adlar) {
    static const QCollator sıralayıcı = [] {
        QCollator c{QLocale(QLocale::Turkish, QLocale::Turkey)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(true);
        return c;
    }();
    std::stable_sort(adlar.begin(), adlar.end(), [](const QString &a, const QString &b) {
        const int fark = sıralayıcı.compare(a, b);
        // Names that collate alike ("a.jpg", "A.jpg") still get a fixed order.
        return fark != 0 ? fark < 0 : a < b;
    });
}

bool FotoğrafDosyasıMı(const QString &ad) {
    for (const char *uzantı : {".bmp", ".jpg", ".jpeg", ".png", ".webp", ".heic", ".heif", ".avif"})
        if (ad.endsWith(QLatin1String(uzantı), Qt::CaseInsensitive) &&
            ad.size() > qsizetype(strlen(uzantı)))
            return true;
    return false;
}

bool KlasörOkunurMu(const QString &klasör) {
    const QFileInfo bilgi(klasör);
    return bilgi.isDir() && bilgi.isReadable() && bilgi.isExecutable();
}

QStringList AltKlasörler(const QString &klasör) {
    QStringList adlar = Listele(klasör, QDir::Dirs);
    İnsanSırasıylaSırala(adlar);
    return adlar;
}

QStringList FotoğrafDosyaları(const QString &klasör) {
    QStringList adlar = Listele(klasör, QDir::Files);
    adlar.removeIf([](const QString &ad) { return !FotoğrafDosyasıMı(ad); });
    İnsanSırasıylaSırala(adlar);
    return adlar;
}

QStringList Atalar(const QString &kök, const QString &klasör) {
    const QString temizKök = QDir::cleanPath(kök);
    QString yol = QDir::cleanPath(klasör);
    QStringList atalar;
    if (!KökünAltındaMı(temizKök, yol))
        return {yol};
    while (yol != temizKök && yol.size() > temizKök.size()) {
        atalar.prepend(yol);
        yol = QFileInfo(yol).path();
    }
    atalar.prepend(temizKök);
    return atalar;
}

QString YolaEkle(const QString &klasör, const QString &ad) {
    return klasör.endsWith(QLatin1Char('/')) ? klasör + ad : klasör + QLatin1Char('/') + ad;
}
