// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: photo files of any bytes end in a picture within the loader's limits or in
// ÇalışmaHatası, through the loader's look at the file's structure and its decode.
#include "tests/fuzz/FuzzGirdisi.h"
#include "toolkit/HataPolitikasi.h"
#include "toolkit/ResimYukleyici.h"

#include <QDir>
#include <QTemporaryFile>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *veri, std::size_t boyut) {
    // One file for every run, in memory-backed storage where there is one; gone at exit.
    static QTemporaryFile dosya(
        (QDir("/dev/shm").exists() ? QString("/dev/shm") : QDir::tempPath()) +
        "/mozeta-fuzz-XXXXXX.jpg");
    if (!dosya.open() || !dosya.resize(0) ||
        dosya.write(FuzzBaytları(veri, boyut)) != qint64(boyut) || !dosya.flush())
        return 0;
    HataKapanı::Kurtar(
        [&] {
            const QImage resim = LoadPicture(dosya.fileName(), OyunİçinEnAzBoyut).Resim;
            FuzzGerekli(!resim.isNull() && resim.width() <= EnBüyükKenar &&
                            resim.height() <= EnBüyükKenar,
                        "a picture beyond the limits came through");
        },
        [](const ÇalışmaHatası &) {});
    return 0;
}
