// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the settings file reader takes any bytes without harm, and what it reads is
// written back as a text that reads as the same document again.
#include "tests/fuzz/FuzzGirdisi.h"
#include "toolkit/AyarBelgesi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *veri, std::size_t boyut) {
    const AyarBelgesi belge = AyarBelgesi::Oku(FuzzBaytları(veri, boyut));
    const QByteArray yazılan = belge.Yaz();
    const AyarBelgesi yeniden = AyarBelgesi::Oku(yazılan);
    FuzzGerekli(yeniden.Yaz() == yazılan, "the written file does not read back as itself");
    // Every key the game reads finds its own value again.
    for (const AyarBelgesi::Yol &yol :
         {AyarBelgesi::Yol{"Ayarlar"}, {"Oyun"}, {"Oyun", "Bilgiler"}})
        if (const AyarListesi *satırlar = belge.Satırlar(yol))
            for (const auto &[anahtar, değer] : *satırlar) {
                const QString *bulunan = yeniden.Değer(yol, anahtar);
                FuzzGerekli(bulunan && *bulunan == değer, "a key lost its value on the way");
            }
    return 0;
}
