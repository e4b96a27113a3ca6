// Photo loading (stub: to be written).
#include "toolkit/ResimYukleyici.h"

#include "toolkit/CalismaHatasi.h"

#include <QImageReader>

Fotoğraf LoadPicture(const QString &yol, QSize) {
    QImageReader okuyucu(yol);
    okuyucu.setAutoTransform(true);
    QImage resim = okuyucu.read();
    if (resim.isNull())
        throw ÇalışmaHatası(ÇalışmaHatası::GeçersizResim);
    return {resim, resim.size()};
}
