// SPDX-License-Identifier: GPL-3.0-or-later
// Photo loading: sizes checked before decoding, EXIF orientation applied, large JPEGs decoded
// at a reduced size through the DCT.
#include "toolkit/ResimYukleyici.h"

#include "toolkit/CalismaHatasi.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// The largest reduction 1/2, 1/4 or 1/8 that keeps both upright sides at least `enAz`; 1 when
// none does. libjpeg scales by these factors almost for free.
int İndirgemeBöleni(QSize doğal, QSize enAz) {
    if (!enAz.isValid())
        return 1;
    for (const int bölen : {8, 4, 2}) {
        if (doğal.width() / bölen >= enAz.width() && doğal.height() / bölen >= enAz.height())
            return bölen;
    }
    return 1;
}

} // namespace

Fotoğraf LoadPicture(const QString &yol, QSize enAz) {
    const QFileInfo bilgi(yol);
    if (yol.isEmpty() || !bilgi.exists() || bilgi.isDir())
        throw ÇalışmaHatası(ÇalışmaHatası::DosyaBulunamadı);
    // A pipe or a device named like a photo would block the reader or never end.
    if (!bilgi.isFile())
        throw ÇalışmaHatası(ÇalışmaHatası::GeçersizResim);
    QFile dosya(yol);
    // Unbuffered: the look at the structure jumps from header to header and reads a little at
    // each, where a buffer would read 16 KiB.
    if (!dosya.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw ÇalışmaHatası(ÇalışmaHatası::DosyaErişimHatası);
    // The size of the file opened, not of the name: everything below reads only this much. A
    // file of size 0 holds no photo; the kernel's own files (/proc) say 0 and never end.
    const qint64 boyut = dosya.size();
    if (boyut == 0)
        throw ÇalışmaHatası(ÇalışmaHatası::GeçersizResim);
    if (boyut > EnBüyükDosya)
        throw ÇalışmaHatası(ÇalışmaHatası::YetersizBellek);
    // A photo cut short (an interrupted copy) would come out with grey filler; a header alone
    // would even pass for a picture of any size.
    const ResimYapısı yapı = ResimYapısınıOku(dosya, boyut);
    if (SınırlarıAşar(yapı))
        throw ÇalışmaHatası(ÇalışmaHatası::YetersizBellek);
    if (yapı.Yarım)
        throw ÇalışmaHatası(ÇalışmaHatası::GeçersizResim);
    if (!dosya.seek(0))
        throw ÇalışmaHatası(ÇalışmaHatası::DosyaErişimHatası);

    QImageReader okuyucu(&dosya);
    okuyucu.setAutoTransform(true);

    // The stored size, before any rotation. A file whose header gives no size is tried whole;
    // Qt's own allocation limit still guards that decode.
    const QSize kayıtlı = okuyucu.size();
    if (kayıtlı.isValid()) {
        if (kayıtlı.isEmpty())
            throw ÇalışmaHatası(ÇalışmaHatası::GeçersizResim);
        // Decoding time grows with the pixels, whatever the file's size.
        if (kayıtlı.width() > EnBüyükKenar || kayıtlı.height() > EnBüyükKenar ||
            qint64(kayıtlı.width()) * kayıtlı.height() > EnÇokPiksel)
            throw ÇalışmaHatası(ÇalışmaHatası::YetersizBellek);
    } else if (!okuyucu.canRead()) {
        throw ÇalışmaHatası(ÇalışmaHatası::GeçersizResim);
    }

    const bool yanYatık =
        okuyucu.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    const QSize doğal = yanYatık ? kayıtlı.transposed() : kayıtlı;

    if (kayıtlı.isValid() && okuyucu.supportsOption(QImageIOHandler::ScaledSize)) {
        // Rounded down: libjpeg then keeps exactly the chosen factor (rounding up makes Qt
        // fall back to a smaller factor and a slow rescale).
        const int bölen = İndirgemeBöleni(doğal, enAz);
        if (bölen > 1)
            okuyucu.setScaledSize(QSize(kayıtlı.width() / bölen, kayıtlı.height() / bölen));
    }

    // A GIF decodes at its logical-screen size, which the header size above does not tell.
    QImage resim = okuyucu.read();
    if (resim.isNull() || resim.width() > EnBüyükKenar || resim.height() > EnBüyükKenar)
        throw ÇalışmaHatası(ÇalışmaHatası::GeçersizResim);
    return {resim, kayıtlı.isValid() ? doğal : resim.size()};
}
