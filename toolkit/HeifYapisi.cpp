// SPDX-License-Identifier: GPL-3.0-or-later
// Walking the boxes of HEIF and AVIF files: the metadata box is read whole (it is small and
// bounded) and its items, image sizes and grids are looked at in memory.
#include "toolkit/BicimYapilari.h"
#include "toolkit/DosyaPenceresi.h"

#include <QHash>
#include <QList>

#include <limits>

namespace {

// A box inside the metadata held in memory; every field read is checked against its end.
struct Kutu {
    QByteArrayView v;

    qint64 Sayı(qint64 yer, int boy) const {
        if (yer < 0 || boy <= 0 || yer + boy > v.size())
            return -1;
        qint64 değer = 0;
        for (int i = 0; i < boy; ++i)
            değer = değer << 8 | uchar(v[yer + i]);
        return değer;
    }
};

// The boxes that follow one another in `v` from `baş`: type and contents (header left off).
QList<std::pair<QByteArrayView, QByteArrayView>> Kutular(QByteArrayView v, qint64 baş) {
    QList<std::pair<QByteArrayView, QByteArrayView>> kutular;
    const Kutu k{v};
    while (baş + 8 <= v.size()) {
        qint64 boy = k.Sayı(baş, 4), başlık = 8;
        if (boy == 1) {
            boy = k.Sayı(baş + 8, 8);
            başlık = 16;
        } else if (boy == 0) {
            boy = v.size() - baş;
        }
        if (boy < başlık || baş + boy > v.size())
            break; // broken: the decoder refuses it
        kutular.append({v.sliced(baş + 4, 4), v.sliced(baş + başlık, boy - başlık)});
        baş += boy;
    }
    return kutular;
}

void Büyüt(ResimYapısı &sonuç, qint64 en, qint64 boy) {
    sonuç.Boyut = QSize(int(qMax<qint64>(sonuç.Boyut.width(), qMin<qint64>(en, INT_MAX))),
                        int(qMax<qint64>(sonuç.Boyut.height(), qMin<qint64>(boy, INT_MAX))));
}

// A grid's own data: its rows and columns of tiles and the size of the picture they make.
void Izgara(ResimYapısı &sonuç, QByteArrayView veri) {
    const Kutu k{veri};
    const int alan = k.Sayı(1, 1) & 1 ? 4 : 2;
    Büyüt(sonuç, k.Sayı(4, alan), k.Sayı(4 + alan, alan));
}

struct Meta {
    QList<qint64> ızgaralar;   // item numbers of the grids
    QByteArrayView veriKutusu; // idat
    // Where each item's data begins (its first extent) and how: 0 in the file, 1 in idat. The
    // boxes may come in any order, so grids are looked up once all are read.
    QHash<qint64, std::pair<qint64, qint64>> yerler;
};

// infe boxes of version 2 and 3: an item's number and its type.
void Öğeler(ResimYapısı &sonuç, Meta &meta, QByteArrayView iinf) {
    const Kutu k{iinf};
    const int sürüm = int(k.Sayı(0, 1));
    const qint64 sayı = k.Sayı(4, sürüm == 0 ? 2 : 4);
    sonuç.ÖğeSayısı = qMax(sonuç.ÖğeSayısı, sayı);
    if (sayı > EnÇokÖğe)
        return;
    qint64 kutuSayısı = 0; // the items there are, whatever the count says
    for (const auto &[tür, içi] : Kutular(iinf, sürüm == 0 ? 6 : 8)) {
        sonuç.ÖğeSayısı = qMax(sonuç.ÖğeSayısı, ++kutuSayısı);
        if (kutuSayısı > EnÇokÖğe)
            return;
        const Kutu infe{içi};
        const int infeSürümü = int(infe.Sayı(0, 1));
        if (tür != "infe" || infeSürümü < 2)
            continue;
        const int numara = infeSürümü == 2 ? 2 : 4;
        if (infe.v.sliced(qMin<qint64>(infe.v.size(), 4 + numara + 2)).startsWith("grid"))
            meta.ızgaralar.append(infe.Sayı(4, numara));
    }
}

// Where each item's data lies (iloc).
void Yerler(ResimYapısı &sonuç, Meta &meta, QByteArrayView iloc) {
    const Kutu k{iloc};
    const int sürüm = int(k.Sayı(0, 1));
    const int boylar = int(k.Sayı(4, 1)), boylar2 = int(k.Sayı(5, 1));
    const int uzaklık = boylar >> 4, uzunluk = boylar & 15, taban = boylar2 >> 4;
    const int dizin = sürüm >= 1 ? boylar2 & 15 : 0;
    qint64 yer = 6;
    const qint64 sayı = k.Sayı(yer, sürüm < 2 ? 2 : 4);
    yer += sürüm < 2 ? 2 : 4;
    sonuç.ÖğeSayısı = qMax(sonuç.ÖğeSayısı, sayı);
    // Each field is 0, 4 or 8 bytes wide; any other width is a damaged box (whose items still
    // count against the bound above).
    for (const int genişlik : {uzaklık, uzunluk, taban, dizin})
        if (genişlik != 0 && genişlik != 4 && genişlik != 8)
            return;
    for (qint64 n = 0; n < sayı && n <= EnÇokÖğe && yer < iloc.size(); ++n) {
        const qint64 numara = k.Sayı(yer, sürüm < 2 ? 2 : 4);
        yer += sürüm < 2 ? 2 : 4;
        const qint64 yöntem = sürüm >= 1 ? k.Sayı(yer, 2) & 15 : 0;
        yer += (sürüm >= 1 ? 2 : 0) + 2;
        const qint64 tabanDeğeri = taban ? k.Sayı(yer, taban) : 0;
        yer += taban;
        const qint64 parçalar = k.Sayı(yer, 2);
        yer += 2;
        if (parçalar < 0)
            return;
        const qint64 ilk = uzaklık ? k.Sayı(yer + (dizin ? dizin : 0), uzaklık) : 0;
        yer += parçalar * (dizin + uzaklık + uzunluk);
        // An 8-byte field may read as negative, and two large ones overflow when added.
        if (parçalar > 0 && tabanDeğeri >= 0 && ilk >= 0 &&
            tabanDeğeri <= std::numeric_limits<qint64>::max() - ilk)
            meta.yerler.insert(numara, {tabanDeğeri + ilk, yöntem});
    }
}

// The children of `v` from `baş`, down through the two boxes that hold the image properties
// (iprp, then ipco): no deeper, however the file nests them.
void İçindekiler(ResimYapısı &sonuç, Meta &meta, QByteArrayView v, qint64 baş, int derinlik = 0) {
    for (const auto &[tür, içi] : Kutular(v, baş)) {
        if (tür == "iinf")
            Öğeler(sonuç, meta, içi);
        else if (tür == "iloc")
            Yerler(sonuç, meta, içi);
        else if (tür == "idat")
            meta.veriKutusu = içi;
        else if ((tür == "iprp" && derinlik == 0) || (tür == "ipco" && derinlik == 1))
            İçindekiler(sonuç, meta, içi, 0, derinlik + 1);
        else if (tür == "ispe")
            Büyüt(sonuç, Kutu{içi}.Sayı(4, 4), Kutu{içi}.Sayı(8, 4));
    }
}

} // namespace

bool HeifMi(DosyaPenceresi &p) {
    const qint64 boy = Sayı(p, 0, 4);
    if (!ÖnekMi(p, 4, "ftyp") || boy < 16 || boy > 1024)
        return false;
    for (qint64 k = 8; k + 4 <= boy; k += k == 8 ? 8 : 4) // the major brand, the compatible ones
        for (const char *marka :
             {"heic", "heix", "heim", "heis", "hevc", "hevx", "mif1", "msf1", "avif", "avis"})
            if (ÖnekMi(p, k, marka))
                return true;
    return false;
}

void HeifYapısı(DosyaPenceresi &p, ResimYapısı &sonuç) {
    for (qint64 i = 0; i + 8 <= p.Boyut();) {
        qint64 boy = Sayı(p, i, 4), başlık = 8;
        if (boy == 1) {
            boy = Sayı(p, i + 8, 8);
            başlık = 16;
        } else if (boy == 0) {
            boy = p.Boyut() - i;
        }
        if (boy < başlık || i + boy > p.Boyut()) {
            sonuç.Yarım = true;
            return;
        }
        if (ÖnekMi(p, i + 4, "meta")) {
            // The decoder reads the metadata box whole and builds every item and property.
            sonuç.ÜstBilgiBaytları += boy;
            sonuç.SaklananBaytlar += boy;
            if (sonuç.ÜstBilgiBaytları > EnÇokÜstBilgi)
                return;
            const QByteArray veri = p.Baytlar(i + başlık, boy - başlık);
            Meta meta;
            İçindekiler(sonuç, meta, veri, 4);
            for (const qint64 ızgara : std::as_const(meta.ızgaralar)) {
                const auto [yer, yöntem] = meta.yerler.value(ızgara, {-1, -1});
                if (yöntem == 1 && yer >= 0 && yer < meta.veriKutusu.size())
                    Izgara(sonuç, meta.veriKutusu.sliced(yer));
                else if (yöntem == 0)
                    Izgara(sonuç, p.Baytlar(yer, 12));
            }
        }
        i += boy;
    }
}
