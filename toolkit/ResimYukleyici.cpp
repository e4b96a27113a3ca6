// SPDX-License-Identifier: GPL-3.0-or-later
// Photo loading: sizes checked before decoding, EXIF orientation applied, large JPEGs decoded
// at a reduced size through the DCT, colours brought to sRGB.
#include "toolkit/ResimYukleyici.h"

#include "toolkit/CalismaHatasi.h"
#include "toolkit/HeifCozucu.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLibrary>
#include <QPainter>

namespace {

// The pixels this type may decode to whole; 0 where the decoder reduces or Qt's own header check
// applies (JPEG, BMP).
qint64 TürünEnÇokPikseli(const ResimYapısı &yapı) {
    switch (yapı.Tür) {
    case ResimTürü::Png:
        return yapı.OnAltıBit ? EnÇok16BitPngPikseli : EnÇokPngPikseli;
    case ResimTürü::WebP:
        return EnÇokWebPPikseli;
    case ResimTürü::Heif:
        return EnÇokHeifPikseli;
    default:
        return 0;
    }
}

// The HEIF module, loaded at the first HEIF or AVIF photo from beside the executable (a folder
// named at build time could be anyone's once the game is installed). Null when it is missing.
// The decoder lives as long as the process: a decode may still run on a worker at exit.
const HeifÇözücü *HeifModülü() {
    static const HeifÇözücü *const çözücü = []() -> HeifÇözücü * {
        QLibrary modül(QCoreApplication::applicationDirPath() + QStringLiteral("/mozeta-heif"));
        if (auto yap = reinterpret_cast<HeifÇözücüsüYapan>(modül.resolve(MOZETA_HEIF_GIRISI)))
            return yap(); // the library stays loaded: QLibrary never unloads by itself
        qWarning("Mozeta: the HEIF module was not found; HEIF and AVIF photos cannot be opened");
        return nullptr;
    }();
    return çözücü;
}

// How an EXIF orientation (1-8) turns the stored picture upright.
QImageIOHandler::Transformations ExifDönüşümü(int yön) {
    using D = QImageIOHandler;
    static constexpr D::Transformation dönüşümler[] = {D::TransformationNone,
                                                       D::TransformationMirror,
                                                       D::TransformationRotate180,
                                                       D::TransformationFlip,
                                                       D::TransformationFlipAndRotate90,
                                                       D::TransformationRotate90,
                                                       D::TransformationMirrorAndRotate90,
                                                       D::TransformationRotate270};
    return dönüşümler[qBound(1, yön, 8) - 1];
}

// Mirrors first, then the quarter turn, as EXIF means them.
QImage Döndür(QImage resim, QImageIOHandler::Transformations dönüşüm) {
    if (dönüşüm.testFlag(QImageIOHandler::TransformationMirror) ||
        dönüşüm.testFlag(QImageIOHandler::TransformationFlip))
        resim = resim.mirrored(dönüşüm.testFlag(QImageIOHandler::TransformationMirror),
                               dönüşüm.testFlag(QImageIOHandler::TransformationFlip));
    if (dönüşüm.testFlag(QImageIOHandler::TransformationRotate90))
        resim = resim.transformed(QTransform().rotate(90));
    return resim;
}

// The picture as the game shows it: its colours converted from the photo's own profile to sRGB
// (a profile Qt cannot use is ignored), transparent parts laid on white, 8 bits a channel.
QImage SRgbVeBeyaz(QImage resim) {
    const QColorSpace uzay = resim.colorSpace();
    const bool dönüştür = uzay.isValid() && uzay != QColorSpace::SRgb;
    const bool saydam = resim.hasAlphaChannel();
    if (resim.format() == QImage::Format_Grayscale16) // a grey PNG of 16 bits
        resim.convertTo(QImage::Format_Grayscale8);
    if (!dönüştür && !saydam && resim.depth() <= 32)
        return resim;
    // 16 bits a channel are converted at their own precision; the rest at 8 bits in four bytes.
    if (resim.depth() <= 32 && resim.format() != QImage::Format_RGB32 &&
        resim.format() != QImage::Format_ARGB32)
        resim.convertTo(saydam ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (dönüştür)
        resim.convertToColorSpace(QColorSpace::SRgb);
    if (saydam) {
        QImage zemin(resim.size(), QImage::Format_RGB32);
        zemin.fill(Qt::white);
        QPainter(&zemin).drawImage(0, 0, resim);
        zemin.setColorSpace(resim.colorSpace());
        return zemin;
    }
    if (resim.depth() > 32)
        resim.convertTo(QImage::Format_RGB32);
    return resim;
}

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

bool SınırlarıAşar(const ResimYapısı &yapı) {
    const qint64 enÇokPiksel = TürünEnÇokPikseli(yapı);
    return yapı.TaramaSayısı > EnÇokTarama || yapı.KatsayıBelleği > EnÇokKatsayıBelleği ||
           yapı.SaklananBaytlar > EnÇokSaklanan || yapı.ÜstBilgiBaytları > EnÇokÜstBilgi ||
           yapı.ÖğeSayısı > EnÇokÖğe ||
           (enÇokPiksel &&
            (yapı.Boyut.width() > EnBüyükKenar || yapı.Boyut.height() > EnBüyükKenar ||
             qint64(yapı.Boyut.width()) * yapı.Boyut.height() > enÇokPiksel));
}

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
    if (yapı.Tür == ResimTürü::Başka)
        throw ÇalışmaHatası(ÇalışmaHatası::GeçersizResim);
    if (yapı.Tür == ResimTürü::Heif) {
        const HeifÇözücü *çözücü = HeifModülü();
        QImage resim = çözücü ? çözücü->Çöz(dosya, boyut) : QImage();
        if (resim.isNull() || resim.width() > EnBüyükKenar || resim.height() > EnBüyükKenar)
            throw ÇalışmaHatası(ÇalışmaHatası::GeçersizResim);
        const QSize doğal = resim.size(); // already upright: libheif has turned it
        return {SRgbVeBeyaz(std::move(resim)), doğal};
    }

    // The decoder is the one the content names: the file's name may say anything.
    static constexpr const char *biçimler[] = {"", "bmp", "jpeg", "png", "webp", ""};
    QImageReader okuyucu(&dosya, biçimler[int(yapı.Tür)]);
    // Not left to guess: Qt would ask every image plugin installed whether it reads the file,
    // and load them all with their libraries (TIFF, MNG and more, about a megabyte).
    okuyucu.setAutoDetectImageFormat(false);
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

    // Qt turns a JPEG by its EXIF block; a PNG's eXIf chunk is applied here.
    const QImageIOHandler::Transformations pngDönüşümü =
        yapı.Tür == ResimTürü::Png ? ExifDönüşümü(yapı.Yön) : QImageIOHandler::TransformationNone;
    const bool yanYatık =
        (okuyucu.transformation() | pngDönüşümü).testFlag(QImageIOHandler::TransformationRotate90);
    const QSize doğal = yanYatık ? kayıtlı.transposed() : kayıtlı;

    // Only JPEG decodes a reduced picture for less; Qt's PNG reader would decode it whole and
    // then scale, and its WebP reader cannot reduce.
    if (kayıtlı.isValid() && yapı.Tür == ResimTürü::Jpeg &&
        okuyucu.supportsOption(QImageIOHandler::ScaledSize)) {
        // Rounded down: libjpeg then keeps exactly the chosen factor (rounding up makes Qt
        // fall back to a smaller factor and a slow rescale).
        const int bölen = İndirgemeBöleni(doğal, enAz);
        if (bölen > 1)
            okuyucu.setScaledSize(QSize(kayıtlı.width() / bölen, kayıtlı.height() / bölen));
    }

    // The decode's own size is checked again: a header may have told another.
    QImage resim = okuyucu.read();
    if (resim.isNull() || resim.width() > EnBüyükKenar || resim.height() > EnBüyükKenar)
        throw ÇalışmaHatası(ÇalışmaHatası::GeçersizResim);
    if (pngDönüşümü != QImageIOHandler::TransformationNone)
        resim = Döndür(std::move(resim), pngDönüşümü);
    return {SRgbVeBeyaz(std::move(resim)), kayıtlı.isValid() ? doğal : resim.size()};
}
