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
    static const QString Bilinen[] = {QStringLiteral("Ayarlar"), QStringLiteral("Oyun"),
                                      QStringLiteral("Bilgiler"), QStringLiteral("oyun")};
    AyarBelgesi::Yol yol;
    const int düzeySayısı = girdi.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < düzeySayısı; ++i) {
        QString düzey =
            girdi.ConsumeBool() ? Bilinen[girdi.ConsumeIntegralInRange(0, 3)] : FuzzMetni(girdi, 8);
        düzey.replace(u'\\', u'/');
        if (düzey.isEmpty())
            düzey = QStringLiteral("x");
        yol << düzey;
    }
    return yol;
}

QByteArray Göster(const AyarBelgesi::Yol &yol) { return yol.join(u'\\').toUtf8(); }

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
            if (!yollar.empty() && girdi.ConsumeBool())
                belge.Sil(yollar[girdi.ConsumeIntegralInRange<std::size_t>(0, yollar.size() - 1)]);
            else
                belge.Sil(FuzzYolu(girdi));
            break;
        case 8: { // write an existing key again, perhaps spelt in another case
            if (yollar.empty() || anahtarlar.empty())
                break;
            const auto &yol =
                yollar[girdi.ConsumeIntegralInRange<std::size_t>(0, yollar.size() - 1)];
            QString anahtar =
                anahtarlar[girdi.ConsumeIntegralInRange<std::size_t>(0, anahtarlar.size() - 1)];
            if (girdi.ConsumeBool())
                anahtar = anahtar.toUpper();
            belge.Kaydet(yol, anahtar, FuzzMetni(girdi));
            break;
        }
        case 9: // the store reads its file again between two saves
            belge = AyarBelgesi::Oku(belge.Yaz());
            break;
        default: {
            yollar.push_back(FuzzYolu(girdi));
            anahtarlar.push_back(FuzzMetni(girdi, 12));
            belge.Kaydet(yollar.back(), anahtarlar.back(), FuzzMetni(girdi));
        }
        }
    }

    const QByteArray yazılan = belge.Yaz();
    const AyarBelgesi okunan = AyarBelgesi::Oku(yazılan);
    yollar.push_back({});
    for (const AyarBelgesi::Yol &yol : yollar) {
        const AyarListesi *önce = belge.Satırlar(yol);
        const AyarListesi *sonra = okunan.Satırlar(yol);
        const bool boşÖnce = !önce || önce->empty();
        const bool boşSonra = !sonra || sonra->empty();
        FuzzGerekli(boşÖnce == boşSonra, "a section was lost or made up",
                    [&] { return QByteArray(Göster(yol) + "\n" + FuzzGöster(yazılan)); });
        if (!boşÖnce)
            FuzzGerekli(*önce == *sonra, "a section's rows changed",
                        [&] { return QByteArray(Göster(yol) + "\n" + FuzzGöster(yazılan)); });
    }
    FuzzGerekli(okunan.Yaz() == yazılan, "the written file does not read back as itself",
                [&] { return QByteArray(FuzzGöster(yazılan)); });
    return 0;
}
