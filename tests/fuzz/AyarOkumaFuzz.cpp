// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the settings file reader takes any bytes, reads nothing of a file over its bounds,
// and what it writes back reads as itself, within the bounds.
#include "tests/fuzz/FuzzGirdisi.h"
#include "toolkit/AyarBelgesi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *veri, std::size_t boyut) {
    bool yabancı = false;
    const AyarBelgesi belge = AyarBelgesi::Oku(FuzzBaytları(veri, boyut), &yabancı);
    const QByteArray yazılan = belge.Yaz();
    FuzzGerekli(!yabancı || yazılan.isEmpty(), "a file over the bounds was read");
    FuzzGerekli(AyarBelgesi::Oku(yazılan, &yabancı).Yaz() == yazılan && !yabancı,
                "the written file does not read back as itself");
    return 0;
}
