// SPDX-License-Identifier: GPL-3.0-or-later
// File URIs and paths of photos named from outside.
#include "toolkit/DosyaAdresi.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace {

// "file:" or a scheme followed by "//": a file name with a colon in it stays a file name.
bool AdresMi(const QString &ad) {
    static const QRegularExpression adres(QStringLiteral("^(file:|[A-Za-z][A-Za-z0-9+.-]*://)"),
                                          QRegularExpression::CaseInsensitiveOption);
    return adres.match(ad).hasMatch();
}

} // namespace

QString YerelDosyaYolu(const QUrl &adres) {
    if (!adres.isLocalFile())
        return {};
    const QString makine = adres.host();
    if (!makine.isEmpty() && makine.compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0)
        return {};
    return adres.path();
}

QString FotoğrafAdı(const QString &argüman) {
    if (argüman.isEmpty())
        return {};
    if (!AdresMi(argüman))
        return QFileInfo(argüman).absoluteFilePath();
    const QString yol = YerelDosyaYolu(QUrl(argüman));
    return yol.isEmpty() ? argüman : QFileInfo(yol).absoluteFilePath();
}

bool GöreliYolMu(const QString &ad) {
    if (!AdresMi(ad))
        return !QDir::isAbsolutePath(ad);
    const QString yol = YerelDosyaYolu(QUrl(ad));
    return !yol.isEmpty() && !QDir::isAbsolutePath(yol);
}

QString İstenenFotoğrafAdı(const QString &giriş) {
    return GöreliYolMu(giriş) ? giriş : FotoğrafAdı(giriş);
}

QString FotoğrafAdresi(const QString &ad) {
    const QUrl adres = ad.startsWith(u'/') ? QUrl::fromLocalFile(ad) : QUrl(ad);
    return QString::fromLatin1(adres.toEncoded());
}
