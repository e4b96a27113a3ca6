// SPDX-License-Identifier: GPL-3.0-or-later
// Walking the chunks of PNG and WebP files for their size and for what their decoders keep.
#include "toolkit/BicimYapilari.h"
#include "toolkit/DosyaPenceresi.h"

#include <zlib.h>

namespace {

// What the zlib stream `veri` inflates to, counted and thrown away; the count stops a little
// past `sınır`. A broken stream counts what came out before the break, as the decoder keeps it.
qint64 AçılmışBoyu(QByteArrayView veri, qint64 sınır) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return sınır + 1;
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(veri.data()));
    z.avail_in = uInt(veri.size());
    Bytef çıktı[16384];
    qint64 toplam = 0;
    int durum = Z_OK;
    while (durum == Z_OK && toplam <= sınır) {
        z.next_out = çıktı;
        z.avail_out = sizeof çıktı;
        durum = inflate(&z, Z_NO_FLUSH);
        toplam += qint64(sizeof çıktı - z.avail_out);
    }
    inflateEnd(&z);
    return toplam;
}

// The orientation (1-8) that the TIFF data of an eXIf chunk gives its first directory; 1 when
// there is none or the data is broken. Every offset is checked against the data's end.
int ExifYönü(QByteArrayView v) {
    const bool mm = v.startsWith("MM");
    if (!mm && !v.startsWith("II"))
        return 1;
    const auto oku = [&](qint64 yer, int boy) -> qint64 {
        if (yer < 0 || yer + boy > v.size())
            return -1;
        qint64 değer = 0;
        for (int i = 0; i < boy; ++i)
            değer |= qint64(uchar(v[yer + i])) << 8 * (mm ? boy - 1 - i : i);
        return değer;
    };
    const qint64 dizin = oku(4, 4), sayı = oku(dizin, 2);
    for (qint64 k = 0; k < sayı; ++k) {
        const qint64 giriş = dizin + 2 + 12 * k;
        if (oku(giriş, 2) == 0x0112 && oku(giriş + 2, 2) == 3 && oku(giriş + 4, 4) == 1) {
            const qint64 yön = oku(giriş + 8, 2);
            return yön >= 1 && yön <= 8 ? int(yön) : 1;
        }
    }
    return 1;
}

// Where a chunk's compressed part begins: after its keyword, its compression fields and, in
// iTXt, its language and translated keyword; -1 when it has none.
qsizetype SıkıştırılmışBaşı(QByteArrayView veri, bool itxt) {
    qsizetype k = veri.indexOf('\0');
    if (k < 0)
        return -1;
    if (!itxt)
        return k + 2; // compression method
    if (k + 2 >= veri.size() || veri[k + 1] == 0)
        return -1; // an iTXt chunk not compressed
    const qsizetype dil = veri.indexOf('\0', k + 3);
    const qsizetype çeviri = dil < 0 ? -1 : veri.indexOf('\0', dil + 1);
    return çeviri < 0 ? -1 : çeviri + 1;
}

} // namespace

void PngYapısı(DosyaPenceresi &p, ResimYapısı &sonuç) {
    if (!ÖnekMi(p, 12, "IHDR"))
        return; // broken: the decoder refuses it
    sonuç.Boyut = QSize(int(qMin<qint64>(Sayı(p, 16, 4), INT_MAX)),
                        int(qMin<qint64>(Sayı(p, 20, 4), INT_MAX)));
    sonuç.OnAltıBit = p.Bayt(24) == 16;
    for (qint64 i = 8;;) {
        const qint64 uzunluk = Sayı(p, i, 4);
        if (uzunluk < 0 || p.Bayt(i + 7) < 0 || i + 12 + uzunluk > p.Boyut()) {
            sonuç.Yarım = true;
            return;
        }
        if (ÖnekMi(p, i + 4, "IEND"))
            return;
        const bool metin = ÖnekMi(p, i + 4, "tEXt"), sıkışık = ÖnekMi(p, i + 4, "zTXt"),
                   itxt = ÖnekMi(p, i + 4, "iTXt"), profil = ÖnekMi(p, i + 4, "iCCP"),
                   exif = ÖnekMi(p, i + 4, "eXIf");
        if (metin || sıkışık || itxt || profil || exif) {
            // Counted before it is read: a chunk over the bound is never held.
            sonuç.ÜstBilgiBaytları += uzunluk;
            sonuç.SaklananBaytlar += uzunluk;
            if (sonuç.ÜstBilgiBaytları > EnÇokÜstBilgi)
                return;
            const QByteArray veri = p.Baytlar(i + 8, uzunluk);
            if (exif && sonuç.Yön == 1)
                sonuç.Yön = ExifYönü(veri);
            const qsizetype baş = metin || exif ? -1 : SıkıştırılmışBaşı(veri, itxt);
            if (baş >= 0 && baş < veri.size()) {
                const qint64 açık = AçılmışBoyu(QByteArrayView(veri).sliced(baş),
                                                EnÇokÜstBilgi - sonuç.ÜstBilgiBaytları);
                sonuç.ÜstBilgiBaytları += açık;
                sonuç.SaklananBaytlar += açık;
                if (sonuç.ÜstBilgiBaytları > EnÇokÜstBilgi)
                    return;
            }
        }
        i += 12 + uzunluk;
    }
}

void WebPYapısı(DosyaPenceresi &p, ResimYapısı &sonuç) {
    const qint64 son = qMin(p.Boyut(), 8 + Sayı(p, 4, 4, false));
    bool tuval = false; // VP8X gives the canvas, which the pictures inside must fit
    for (qint64 i = 12; i < son;) {
        const qint64 uzunluk = Sayı(p, i + 4, 4, false), d = i + 8;
        if (uzunluk < 0 || d + uzunluk > son) {
            sonuç.Yarım = true;
            return;
        }
        if (ÖnekMi(p, i, "VP8X")) {
            sonuç.Boyut =
                QSize(int(Sayı(p, d + 4, 3, false) + 1), int(Sayı(p, d + 7, 3, false) + 1));
            tuval = true;
        } else if (!tuval && ÖnekMi(p, i, "VP8 ") && ÖnekMi(p, d + 3, "\x9d\x01\x2a")) {
            sonuç.Boyut = QSize(int(Sayı(p, d + 6, 2, false) & 0x3fff),
                                int(Sayı(p, d + 8, 2, false) & 0x3fff));
        } else if (!tuval && ÖnekMi(p, i, "VP8L") && p.Bayt(d) == 0x2f) {
            const qint64 bitler = Sayı(p, d + 1, 4, false);
            sonuç.Boyut = QSize(int((bitler & 0x3fff) + 1), int((bitler >> 14 & 0x3fff) + 1));
        } else if (ÖnekMi(p, i, "ICCP") || ÖnekMi(p, i, "EXIF") || ÖnekMi(p, i, "XMP ")) {
            sonuç.SaklananBaytlar += uzunluk;
            if (!ÖnekMi(p, i, "XMP "))
                sonuç.ÜstBilgiBaytları += uzunluk;
            if (sonuç.SaklananBaytlar > EnÇokSaklanan || sonuç.ÜstBilgiBaytları > EnÇokÜstBilgi)
                return;
        }
        i = d + uzunluk + (uzunluk & 1);
    }
}
