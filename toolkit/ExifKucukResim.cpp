// SPDX-License-Identifier: GPL-3.0-or-later
// EXIF small pictures: a bounded walk of the JPEG markers and of the first two TIFF directories.
#include "toolkit/ExifKucukResim.h"

#include "toolkit/ResimYukleyici.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTransform>
#include <algorithm>
#include <optional>

namespace {

// Cameras write 160 x 120, some phones up to 640 x 480: anything larger is not a small picture,
// and decoding it would hold up the window.
constexpr int KüçükResimSınırı = 1024;

struct KüçükResimYeri {
    QByteArrayView jpeg;
    int yön = 1; // EXIF orientation 1-8
};

// Reads inside the TIFF data of the EXIF block only: every offset taken from the file is checked
// against its end before it is used.
struct Tiff {
    QByteArrayView v;
    bool mm = false; // Motorola byte order

    // An unsigned field of 2 or 4 bytes.
    std::optional<quint32> Oku(qint64 yer, int boy) const {
        if (yer < 0 || yer + boy > v.size())
            return std::nullopt;
        quint32 değer = 0;
        for (int i = 0; i < boy; ++i)
            değer |= quint32(uchar(v[yer + i])) << 8 * (mm ? boy - 1 - i : i);
        return değer;
    }
    // The number of entries of the directory at `dizin`, when all of it lies inside.
    std::optional<quint32> Sayı(qint64 dizin) const {
        const auto sayı = Oku(dizin, 2);
        return sayı && dizin + 6 + 12 * qint64(*sayı) <= v.size() ? sayı : std::nullopt;
    }
    std::optional<quint32> Sonraki(qint64 dizin) const {
        const auto sayı = Sayı(dizin);
        return sayı ? Oku(dizin + 2 + 12 * qint64(*sayı), 4) : std::nullopt;
    }
    // The single SHORT or LONG value of `etiket` in the directory at `dizin`.
    std::optional<quint32> Değer(qint64 dizin, quint16 etiket) const {
        const qint64 son = dizin + 2 + 12 * qint64(Sayı(dizin).value_or(0));
        for (qint64 giriş = dizin + 2; giriş < son; giriş += 12) {
            if (Oku(giriş, 2) != etiket || Oku(giriş + 4, 4) != 1u)
                continue;
            const auto tür = Oku(giriş + 2, 2);
            return tür == 3u ? Oku(giriş + 8, 2) : tür == 4u ? Oku(giriş + 8, 4) : std::nullopt;
        }
        return std::nullopt;
    }
};

// The EXIF block's TIFF data: the first APP1 segment that starts with "Exif\0\0", looked for
// among the segments before the picture data.
std::optional<QByteArrayView> ExifBloğu(QByteArrayView baş) {
    const auto bayt = [&](qsizetype i) { return uchar(baş[i]); };
    if (baş.size() < 4 || bayt(0) != 0xFF || bayt(1) != 0xD8)
        return std::nullopt;
    qsizetype yer = 2;
    while (yer + 4 <= baş.size() && bayt(yer) == 0xFF) {
        const uchar işaret = bayt(yer + 1);
        if (işaret == 0xD9 || işaret == 0xDA)
            break;
        if (işaret == 0xFF || işaret == 0x01 || (işaret >= 0xD0 && işaret <= 0xD7)) {
            yer += işaret == 0xFF ? 1 : 2; // fill bytes and markers without a length
            continue;
        }
        const qsizetype uzunluk = qsizetype(bayt(yer + 2)) << 8 | bayt(yer + 3);
        if (uzunluk < 2 || yer + 2 + uzunluk > baş.size())
            break;
        const QByteArrayView içerik = baş.sliced(yer + 4, uzunluk - 2);
        if (işaret == 0xE1 && içerik.startsWith(QByteArrayView("Exif\0\0", 6)))
            return içerik.sliced(6);
        yer += 2 + uzunluk;
    }
    return std::nullopt;
}

std::optional<KüçükResimYeri> KüçükResmiBul(QByteArrayView baş) {
    const auto blok = ExifBloğu(baş);
    if (!blok)
        return std::nullopt;
    const Tiff tiff{*blok, blok->startsWith("MM")};
    if (!(blok->startsWith("MM") || blok->startsWith("II")) || tiff.Oku(2, 2) != 42u)
        return std::nullopt;
    const auto ilk = tiff.Oku(4, 4);
    const auto ikinci = ilk ? tiff.Sonraki(*ilk) : std::nullopt;
    // The second directory describes the small picture; one that points back at the first is a
    // loop, never a camera's.
    if (!ikinci || *ikinci == 0 || *ikinci == *ilk)
        return std::nullopt;
    const auto konum = tiff.Değer(*ikinci, 0x0201);
    const auto uzunluk = tiff.Değer(*ikinci, 0x0202);
    if (!konum || !uzunluk || *uzunluk < 4 || qint64(*konum) + *uzunluk > blok->size())
        return std::nullopt;
    const int yön = int(tiff.Değer(*ilk, 0x0112).value_or(1));
    return KüçükResimYeri{blok->sliced(*konum, *uzunluk), yön >= 1 && yön <= 8 ? yön : 1};
}

QImage Çöz(QByteArrayView jpeg) {
    // One cut short would come out with grey filler: its end marker must be there, followed at
    // most by a little padding.
    if (!jpeg.startsWith("\xFF\xD8") ||
        !jpeg.last(qMin<qsizetype>(jpeg.size(), 64)).contains("\xFF\xD9"))
        return {};
    QByteArray baytlar = jpeg.toByteArray();
    QBuffer tampon(&baytlar);
    tampon.open(QIODevice::ReadOnly);
    // Small in bytes is not small to decode: thousands of scans over a large picture fit in
    // 64 KiB. The photo's own limits hold here too.
    const ResimYapısı yapı = ResimYapısınıOku(tampon, baytlar.size());
    if (yapı.Yarım || SınırlarıAşar(yapı) || !tampon.seek(0))
        return {};
    QImageReader okuyucu(&tampon, "jpeg");
    okuyucu.setAutoDetectImageFormat(false);
    const QSize boyut = okuyucu.size();
    if (boyut.isEmpty() || boyut.width() > KüçükResimSınırı || boyut.height() > KüçükResimSınırı)
        return {};
    return okuyucu.read();
}

// The largest central part with the photo's aspect, rounded down; JPEG smears a black bar into
// the line beside it, so one more line goes at each cut edge. A small picture lying the other way
// than the photo was not updated when the photo was turned: it shows another picture.
QImage Kırp(const QImage &resim, QSize kayıtlı) {
    if (kayıtlı.isEmpty())
        return resim;
    const qint64 en = resim.width(), boy = resim.height();
    const qint64 kayıtlıEn = kayıtlı.width(), kayıtlıBoy = kayıtlı.height();
    if ((en > boy && kayıtlıEn < kayıtlıBoy) || (en < boy && kayıtlıEn > kayıtlıBoy))
        return {};
    qint64 yeniEn = std::min(en, boy * kayıtlıEn / kayıtlıBoy);
    qint64 yeniBoy = std::min(boy, en * kayıtlıBoy / kayıtlıEn);
    yeniEn -= yeniEn < en ? 2 : 0;
    yeniBoy -= yeniBoy < boy ? 2 : 0;
    if (yeniEn < 1 || yeniBoy < 1)
        return {};
    return resim.copy(int((en - yeniEn) / 2), int((boy - yeniBoy) / 2), int(yeniEn), int(yeniBoy));
}

// As the photo's own loader turns it for EXIF orientation 1-8: mirrored across and down first,
// then turned clockwise.
QImage Döndür(const QImage &resim, int yön) {
    static constexpr struct {
        bool yatay, dikey;
        int açı;
    } dönüşler[] = {{false, false, 0},  {false, false, 0}, {true, false, 0},
                    {true, true, 0},    {false, true, 0},  {false, true, 90},
                    {false, false, 90}, {true, false, 90}, {false, false, 270}};
    const auto &d = dönüşler[yön];
    const QImage aynalı = resim.mirrored(d.yatay, d.dikey);
    return d.açı ? aynalı.transformed(QTransform().rotate(d.açı)) : aynalı;
}

QImage Hazırla(const KüçükResimYeri &yer, QSize kayıtlı) {
    const QImage resim = Kırp(Çöz(yer.jpeg), kayıtlı);
    return resim.isNull() ? resim : Döndür(resim, yer.yön);
}

} // namespace

QImage ExifKüçükResmi(QByteArrayView baş, QSize kayıtlıBoyut) {
    const auto yer = KüçükResmiBul(baş);
    return yer ? Hazırla(*yer, kayıtlıBoyut) : QImage();
}

QImage ExifKüçükResmi(const QString &yol) {
    // A pipe or a device named like a photo would block the reader.
    if (!QFileInfo(yol).isFile())
        return {};
    QFile dosya(yol);
    // Unbuffered, as the photo's loader reads: the headers are walked a little at a time.
    if (!dosya.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {};
    const QByteArray baş = dosya.read(ExifBaşUzunluğu);
    const auto yer = KüçükResmiBul(baş);
    if (!yer || !dosya.seek(0))
        return {};
    // The photo's stored size comes from its headers alone, walked without keeping them: the
    // decoder would keep every comment before its frame header in memory.
    const ResimYapısı başlık = ResimBaşlığınıOku(dosya, dosya.size());
    return SınırlarıAşar(başlık) ? QImage() : Hazırla(*yer, başlık.Boyut);
}
