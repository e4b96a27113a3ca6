// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the settings file reader takes any bytes without harm, and what it reads is
// written back as a text that reads as the same document again (that any document's keys keep
// their values is fuzz_ayar_yazma's check).
#include "tests/fuzz/FuzzGirdisi.h"
#include "toolkit/AyarBelgesi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *veri, std::size_t boyut) {
    const AyarBelgesi belge = AyarBelgesi::Oku(FuzzBaytları(veri, boyut));
    const QByteArray yazılan = belge.Yaz();
    FuzzGerekli(AyarBelgesi::Oku(yazılan).Yaz() == yazılan,
                "the written file does not read back as itself");
    return 0;
}
