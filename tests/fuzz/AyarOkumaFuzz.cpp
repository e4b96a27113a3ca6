// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the settings file reader takes any bytes without harm, and what it reads is
// written back as a text that reads as the same document again.
#include "tests/fuzz/FuzzGirdisi.h"
#include "toolkit/AyarBelgesi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *veri, std::size_t boyut) {
    const AyarBelgesi belge = AyarBelgesi::Oku(FuzzBaytları(veri, boyut));
    const QByteArray yazılan = belge.Yaz();
    const AyarBelgesi yeniden = AyarBelgesi::Oku(yazılan);
    const auto göster = [&] { return yazılan; };
    FuzzGerekli(yeniden.Yaz() == yazılan, "the written file does not read back as itself", göster);

    // The sections the game reads, and a few that files of other hands may hold.
    const AyarBelgesi::Yol yollar[] = {{}, {"Ayarlar"}, {"Oyun"}, {"Oyun", "Bilgiler"}, {"a", "b"}};
    for (const AyarBelgesi::Yol &yol : yollar) {
        const auto satırları = [&](const AyarBelgesi &b) {
            return b.Satırlar(yol) ? *b.Satırlar(yol) : AyarListesi();
        };
        FuzzGerekli(satırları(belge) == satırları(yeniden),
                    "a section changed on its way through the file", göster);
        // Every key finds its own row: the index and the rows never drift apart.
        for (const auto &satır : satırları(belge)) {
            const QString *bulunan = belge.Değer(yol, satır.first);
            FuzzGerekli(bulunan && *bulunan == satır.second, "a key does not find its own value",
                        [&] { return satır.first.toUtf8(); });
        }
    }
    return 0;
}
