// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: any key and any value the program stores, under any section the store can name,
// survive being written to the file and read back: same sections, same keys in the same order,
// same texts, to the last UTF-16 unit.
#include "tests/fuzz/FuzzGirdisi.h"
#include "toolkit/AyarBelgesi.h"

#include <vector>

namespace {

// A section path as the store makes them: up to four levels, none empty, none holding the
// level separator (the store splits its names at it).
AyarBelgesi::Yol FuzzYolu(FuzzedDataProvider &girdi) {
    AyarBelgesi::Yol yol;
    for (int i = girdi.ConsumeIntegralInRange(0, 4); i > 0; --i) {
        const QString düzey =
            girdi.ConsumeBool() ? QString("Oyun") : FuzzMetni(girdi, 8).replace(u'\\', u'/');
        yol << (düzey.isEmpty() ? QString("x") : düzey);
    }
    return yol;
}

AyarListesi Satırları(const AyarBelgesi &belge, const AyarBelgesi::Yol &yol) {
    return belge.Satırlar(yol) ? *belge.Satırlar(yol) : AyarListesi();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *veri, std::size_t boyut) {
    FuzzedDataProvider girdi(veri, boyut);
    AyarBelgesi belge;
    std::vector<AyarBelgesi::Yol> yollar{{}};
    // A save at close makes about forty changes; a few dozen of any kind keep each run quick.
    for (int değişiklik = 0; değişiklik < 64 && girdi.remaining_bytes() > 0; ++değişiklik) {
        const bool eski = girdi.ConsumeBool(); // usually a section used before
        yollar.push_back(
            eski ? yollar[girdi.ConsumeIntegralInRange<std::size_t>(0, yollar.size() - 1)]
                 : FuzzYolu(girdi));
        switch (girdi.ConsumeIntegralInRange(0, 7)) {
        case 0:
            belge.Sil(yollar.back());
            break;
        case 1: // the store reads its file again between two saves
            belge = AyarBelgesi::Oku(belge.Yaz());
            break;
        default: // short keys: often one written before, now and then in another case
            belge.Kaydet(yollar.back(), FuzzMetni(girdi, 3), FuzzMetni(girdi));
        }
    }
    const QByteArray yazılan = belge.Yaz();
    const AyarBelgesi okunan = AyarBelgesi::Oku(yazılan);
    for (const AyarBelgesi::Yol &yol : yollar)
        FuzzGerekli(Satırları(belge, yol) == Satırları(okunan, yol), "a section's rows changed");
    FuzzGerekli(okunan.Yaz() == yazılan, "the written file does not read back as itself");
    return 0;
}
