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
    static const QString Bilinen[] = {"Ayarlar", "Oyun", "Bilgiler", "oyun"};
    AyarBelgesi::Yol yol;
    for (int i = girdi.ConsumeIntegralInRange(0, 4); i > 0; --i) {
        QString düzey =
            girdi.ConsumeBool() ? Bilinen[girdi.ConsumeIntegralInRange(0, 3)] : FuzzMetni(girdi, 8);
        düzey.replace(u'\\', u'/');
        yol << (düzey.isEmpty() ? QString("x") : düzey);
    }
    return yol;
}

template <class T> const T &Biri(FuzzedDataProvider &girdi, const std::vector<T> &hepsi) {
    return hepsi[girdi.ConsumeIntegralInRange<std::size_t>(0, hepsi.size() - 1)];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *veri, std::size_t boyut) {
    FuzzedDataProvider girdi(veri, boyut);
    AyarBelgesi belge;
    std::vector<AyarBelgesi::Yol> yollar;
    std::vector<QString> anahtarlar;

    // A save at close makes about forty changes; a few dozen of any kind keep each run quick.
    for (int değişiklik = 0; değişiklik < 64 && girdi.remaining_bytes() > 0; ++değişiklik) {
        switch (girdi.ConsumeIntegralInRange(0, 9)) {
        case 7: // remove a section, usually one used before
            belge.Sil(!yollar.empty() && girdi.ConsumeBool() ? Biri(girdi, yollar)
                                                             : FuzzYolu(girdi));
            break;
        case 8: // write an existing key again, perhaps spelt in another case
            if (!yollar.empty()) {
                const AyarBelgesi::Yol &yol = Biri(girdi, yollar);
                const QString &anahtar = Biri(girdi, anahtarlar);
                const bool büyük = girdi.ConsumeBool();
                belge.Kaydet(yol, büyük ? anahtar.toUpper() : anahtar, FuzzMetni(girdi));
            }
            break;
        case 9: // the store reads its file again between two saves
            belge = AyarBelgesi::Oku(belge.Yaz());
            break;
        default:
            yollar.push_back(FuzzYolu(girdi));
            anahtarlar.push_back(FuzzMetni(girdi, 12));
            belge.Kaydet(yollar.back(), anahtarlar.back(), FuzzMetni(girdi));
        }
    }

    const QByteArray yazılan = belge.Yaz();
    const AyarBelgesi okunan = AyarBelgesi::Oku(yazılan);
    yollar.push_back({});
    for (const AyarBelgesi::Yol &yol : yollar) {
        const auto satırları = [&](const AyarBelgesi &b) {
            return b.Satırlar(yol) ? *b.Satırlar(yol) : AyarListesi();
        };
        FuzzGerekli(satırları(belge) == satırları(okunan), "a section's rows changed",
                    [&] { return yol.join(u'\\').toUtf8() + '\n' + yazılan; });
    }
    FuzzGerekli(okunan.Yaz() == yazılan, "the written file does not read back as itself",
                [&] { return yazılan; });
    return 0;
}
