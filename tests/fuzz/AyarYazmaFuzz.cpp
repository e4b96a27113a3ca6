// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: any key and value under any section the store can name survive a write and a
// read: same sections, same keys in the same order, same texts to the last UTF-16 unit.
#include "tests/fuzz/FuzzGirdisi.h"
#include "toolkit/AyarBelgesi.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *veri, std::size_t boyut) {
    FuzzedDataProvider girdi(veri, boyut);
    AyarBelgesi belge;
    std::vector<AyarBelgesi::Yol> yollar{{}};
    // A save at close makes about forty changes; a few dozen of any kind keep each run quick.
    for (int değişiklik = 0; değişiklik < 64 && girdi.remaining_bytes() > 0; ++değişiklik) {
        if (girdi.ConsumeBool()) { // usually a section used before
            yollar.push_back(
                yollar[girdi.ConsumeIntegralInRange<std::size_t>(0, yollar.size() - 1)]);
        } else { // up to four levels as the store makes them: none empty, none holding its '\\'
            AyarBelgesi::Yol yol;
            for (int i = girdi.ConsumeIntegralInRange(0, 4); i > 0; --i) {
                const QString düzey = girdi.ConsumeBool()
                                          ? QString("Oyun")
                                          : FuzzMetni(girdi, 8).replace(u'\\', u'/');
                yol << (düzey.isEmpty() ? QString("x") : düzey);
            }
            yollar.push_back(yol);
        }
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
    const auto satırları = [](const AyarBelgesi &b, const AyarBelgesi::Yol &yol) {
        return b.Satırlar(yol) ? *b.Satırlar(yol) : AyarListesi();
    };
    for (const AyarBelgesi::Yol &yol : yollar)
        FuzzGerekli(satırları(belge, yol) == satırları(okunan, yol), "a section's rows changed");
    FuzzGerekli(okunan.Yaz() == yazılan, "the written file does not read back as itself");
    return 0;
}
