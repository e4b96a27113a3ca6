// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: HEIF and AVIF files of any bytes, through the loader's look at their boxes and,
// where that lets them through, libheif's decode as the HEIF module runs it.
#include "tests/fuzz/FuzzGirdisi.h"
#include "toolkit/HeifCozucu.h"
#include "toolkit/ResimYukleyici.h"

#include <QBuffer>

extern "C" HeifÇözücü *mozeta_heif_cozucu_yap();

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *veri, std::size_t boyut) {
    static const HeifÇözücü *const çözücü = mozeta_heif_cozucu_yap();
    QByteArray baytlar = FuzzBaytları(veri, boyut);
    QBuffer dosya(&baytlar);
    dosya.open(QIODevice::ReadOnly);
    const ResimYapısı yapı = ResimYapısınıOku(dosya, baytlar.size());
    if (yapı.Tür != ResimTürü::Heif || yapı.Yarım || SınırlarıAşar(yapı))
        return 0;
    const QImage resim = çözücü->Çöz(dosya, baytlar.size());
    FuzzGerekli(resim.isNull() || qint64(resim.width()) * resim.height() <= EnÇokHeifPikseli,
                "a picture beyond the pixels its boxes declare came through");
    return 0;
}
