// SPDX-License-Identifier: GPL-3.0-or-later
// Walking a JPEG's markers and a BMP's header through a window of the file.
#include "toolkit/YarimResim.h"

#include "toolkit/BicimYapilari.h"
#include "toolkit/DosyaPenceresi.h"

#include <QtEndian>

namespace {

// JPEG markers without a length field: fill bytes, TEM, restart markers.
bool UzunluksuzMu(int işaret) { return işaret == 0x01 || (işaret >= 0xD0 && işaret <= 0xD7); }

qint64 Yukarı(qint64 a, qint64 b) { return (a + b - 1) / b; }

// A frame header: the picture's size and each colour's sampling.
struct Çerçeve {
    qint64 en = 0, boy = 0;
    bool ilerlemeli = false;
    bool aritmetik = false;    // arithmetic coding instead of Huffman's
    qint64 bloklar = 0;        // 8 x 8 blocks of the first colour
    qint64 katsayıBelleği = 0; // every colour's blocks, at 64 coefficients of 2 bytes
};

Çerçeve ÇerçeveyiOku(DosyaPenceresi &p, qint64 i, int işaret) {
    Çerçeve ç;
    ç.ilerlemeli = işaret == 0xC2 || işaret == 0xC6 || işaret == 0xCA || işaret == 0xCE;
    ç.aritmetik = işaret >= 0xC9;
    ç.boy = p.Bayt(i + 5) << 8 | p.Bayt(i + 6);
    ç.en = p.Bayt(i + 7) << 8 | p.Bayt(i + 8);
    ç.bloklar = Yukarı(ç.en, 8) * Yukarı(ç.boy, 8);
    const int renkler = qMax(0, p.Bayt(i + 9));
    int enÇokYatay = 1, enÇokDikey = 1;
    for (int r = 0; r < renkler; ++r) {
        const int örnekleme = qMax(0, p.Bayt(i + 11 + 3 * r));
        enÇokYatay = qMax(enÇokYatay, örnekleme >> 4);
        enÇokDikey = qMax(enÇokDikey, örnekleme & 15);
    }
    for (int r = 0; r < renkler; ++r) {
        const int örnekleme = qMax(0, p.Bayt(i + 11 + 3 * r));
        const qint64 yatay = qMax(1, örnekleme >> 4), dikey = qMax(1, örnekleme & 15);
        // The decoder keeps whole MCU rows and columns of every colour.
        const qint64 sütun = Yukarı(Yukarı(ç.en * yatay, enÇokYatay * 8), yatay) * yatay;
        const qint64 satır = Yukarı(Yukarı(ç.boy * dikey, enÇokDikey * 8), dikey) * dikey;
        ç.katsayıBelleği += sütun * satır * 128;
    }
    return ç;
}

// Adds the segment at `i` (marker `işaret`, `uzunluk` bytes after it) to what the decoder keeps
// in memory: every comment, APP1 and APP2. XMP, standard or extended, goes to the first sum only.
void SaklananıSay(ResimYapısı &sonuç, DosyaPenceresi &p, qint64 i, int işaret, qint64 uzunluk) {
    if (işaret != 0xFE && işaret != 0xE1 && işaret != 0xE2)
        return;
    sonuç.SaklananBaytlar += uzunluk;
    if (işaret != 0xE1 || !ÖnekMi(p, i + 4, "http://ns.adobe.com/"))
        sonuç.ÜstBilgiBaytları += uzunluk;
}

ResimYapısı JpegYapısı(DosyaPenceresi &p, bool başlıkta) {
    // Walk the segments by their lengths (an embedded thumbnail in APP1 has an end-of-image
    // marker of its own, which must not count) and each scan's compressed data up to the marker
    // that ends it. The walk stops at the picture's end marker: some phones append more data
    // behind the picture.
    ResimYapısı sonuç;
    Çerçeve çerçeve;
    qint64 veri = 0; // compressed bytes of all scans
    qint64 i = 2;
    while (true) {
        const int ff = p.Bayt(i), işaret = p.Bayt(i + 1);
        if (ff < 0 || işaret < 0)
            break; // the file ends before the picture does
        if (ff != 0xFF)
            return sonuç; // broken headers: the decoder refuses these itself
        if (işaret == 0xFF) {
            ++i;
            continue;
        }
        if (işaret == 0xD9) {
            // Huffman coding spends at least two bits on every block (its DC difference and
            // its end of block), so far fewer bytes than blocks / 16 cannot be the whole picture:
            // a header that promises a huge photo over the data of a small one would come out
            // as grey filler. Arithmetic coding spends next to nothing on a flat area: a whole
            // 4000 x 3000 picture of one colour takes three bytes.
            sonuç.Yarım =
                sonuç.TaramaSayısı == 0 || (!çerçeve.aritmetik && veri * 16 < çerçeve.bloklar);
            if (çerçeve.ilerlemeli || sonuç.TaramaSayısı > 1)
                sonuç.KatsayıBelleği = çerçeve.katsayıBelleği;
            return sonuç;
        }
        if (UzunluksuzMu(işaret)) {
            i += 2;
            continue;
        }
        const int yüksek = p.Bayt(i + 2), düşük = p.Bayt(i + 3);
        if (düşük < 0)
            break;
        const qint64 segmentSonu = i + 2 + (yüksek << 8 | düşük);
        SaklananıSay(sonuç, p, i, işaret, yüksek << 8 | düşük);
        if (sonuç.SaklananBaytlar > EnÇokSaklanan || sonuç.ÜstBilgiBaytları > EnÇokÜstBilgi)
            return sonuç; // refused: what follows does not matter
        const bool huffmanÇerçevesi = işaret >= 0xC0 && işaret <= 0xC7 && işaret != 0xC4;
        if (huffmanÇerçevesi || (işaret >= 0xC9 && işaret <= 0xCF && işaret != 0xCC)) {
            çerçeve = ÇerçeveyiOku(p, i, işaret);
            sonuç.Boyut = QSize(int(çerçeve.en), int(çerçeve.boy));
            if (başlıkta)
                return sonuç;
        }
        if (işaret != 0xDA) {
            i = segmentSonu;
            continue;
        }
        if (başlıkta || ++sonuç.TaramaSayısı > EnÇokTarama)
            return sonuç; // the headers end here, or the file is refused: no need to read on
        // In compressed data a byte FF is followed by 00 (a data byte), a restart marker or
        // more fill; anything else is the next marker.
        qint64 j = segmentSonu;
        while (true) {
            j = p.FFAra(j);
            const int sonraki = p.Bayt(j + 1);
            if (sonraki < 0) {
                sonuç.Yarım = true;
                return sonuç;
            }
            if (sonraki != 0x00 && sonraki != 0xFF && !(sonraki >= 0xD0 && sonraki <= 0xD7))
                break;
            j += sonraki == 0xFF ? 1 : 2;
        }
        veri += j - segmentSonu;
        i = j;
    }
    sonuç.Yarım = true;
    return sonuç;
}

bool YarımBmp(DosyaPenceresi &p) {
    constexpr int başlıkSonu = 34; // file header and the fields read below
    if (p.Boyut() < başlıkSonu)
        return false;
    uchar v[başlıkSonu];
    for (int k = 0; k < başlıkSonu; ++k)
        v[k] = uchar(p.Bayt(k));
    const qint64 veriBaşı = qFromLittleEndian<quint32>(v + 10);
    const qint64 başlıkBoyu = qFromLittleEndian<quint32>(v + 14);
    if (başlıkBoyu < 40)
        return false; // the old OS/2 header: left to the decoder
    const qint64 en = qFromLittleEndian<qint32>(v + 18);
    const qint64 boy = qAbs(qint64(qFromLittleEndian<qint32>(v + 22)));
    const qint64 bit = qFromLittleEndian<quint16>(v + 28);
    const quint32 sıkıştırma = qFromLittleEndian<quint32>(v + 30);
    // Only plain rows have a size known in advance (BI_RGB, BI_BITFIELDS).
    if ((sıkıştırma != 0 && sıkıştırma != 3) || en <= 0 || bit <= 0 || bit > 32)
        return false;
    const qint64 satır = (en * bit + 31) / 32 * 4;
    // Compared by division: a forged header's width times height overflows.
    return p.Boyut() < veriBaşı || (p.Boyut() - veriBaşı) / satır < boy;
}

} // namespace

namespace {

ResimTürü TürünüBul(DosyaPenceresi &p) {
    if (p.Boyut() >= 4 && p.Bayt(0) == 0xFF && p.Bayt(1) == 0xD8)
        return ResimTürü::Jpeg;
    if (p.Boyut() >= 2 && p.Bayt(0) == 'B' && p.Bayt(1) == 'M')
        return ResimTürü::Bmp;
    if (ÖnekMi(p, 0, "\x89PNG\r\n\x1a\n"))
        return ResimTürü::Png;
    if (ÖnekMi(p, 0, "RIFF") && ÖnekMi(p, 8, "WEBP"))
        return ResimTürü::WebP;
    return HeifMi(p) ? ResimTürü::Heif : ResimTürü::Başka;
}

} // namespace

ResimYapısı ResimYapısınıOku(QIODevice &dosya, qint64 boyut) {
    DosyaPenceresi p(dosya, boyut);
    const ResimTürü tür = TürünüBul(p);
    ResimYapısı sonuç;
    switch (tür) {
    case ResimTürü::Jpeg:
        sonuç = JpegYapısı(p, false);
        break;
    case ResimTürü::Bmp:
        sonuç.Yarım = YarımBmp(p);
        break;
    case ResimTürü::Png:
        PngYapısı(p, sonuç);
        break;
    case ResimTürü::WebP:
        WebPYapısı(p, sonuç);
        break;
    case ResimTürü::Heif:
        HeifYapısı(p, sonuç);
        break;
    case ResimTürü::Başka:
        break;
    }
    sonuç.Tür = tür;
    return sonuç;
}

ResimYapısı ResimBaşlığınıOku(QIODevice &dosya, qint64 boyut) {
    DosyaPenceresi p(dosya, boyut);
    if (TürünüBul(p) != ResimTürü::Jpeg)
        return {};
    ResimYapısı sonuç = JpegYapısı(p, true);
    sonuç.Tür = ResimTürü::Jpeg;
    return sonuç;
}
