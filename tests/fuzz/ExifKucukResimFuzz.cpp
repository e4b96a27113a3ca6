// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the EXIF small picture reader gives one or none from any bytes, reads nothing
// beyond them, and keeps the photo's aspect when cut to it.
#include "tests/fuzz/FuzzGirdisi.h"
#include "toolkit/ExifKucukResim.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *veri, std::size_t boyut) {
    const QByteArrayView baş(reinterpret_cast<const char *>(veri), qsizetype(boyut));
    ExifKüçükResmi(baş, QSize());                                // size unknown
    const QImage küçük = ExifKüçükResmi(baş, QSize(6000, 4000)); // a 3:2 camera photo
    const int uzun = qMax(küçük.width(), küçük.height()),
              kısa = qMin(küçük.width(), küçük.height());
    FuzzGerekli(uzun <= 1024, "a small picture larger than 1024 came through");
    FuzzGerekli(küçük.isNull() || std::abs(2 * uzun - 3 * kısa) <= 8,
                "a small picture not cut to 3:2");
    return 0;
}
