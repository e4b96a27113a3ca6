// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the settings file reader takes any bytes, and what it writes back reads as itself.
#include "tests/fuzz/FuzzGirdisi.h"
#include "toolkit/AyarBelgesi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *veri, std::size_t boyut) {
    const AyarBelgesi belge = AyarBelgesi::Oku(FuzzBaytları(veri, boyut));
    const QByteArray yazılan = belge.Yaz();
    FuzzGerekli(AyarBelgesi::Oku(yazılan).Yaz() == yazılan,
                "the written file does not read back as itself");
    return 0;
}
