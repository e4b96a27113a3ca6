// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the EXIF small picture reader. Whatever bytes a file starts with, it gives a small
// picture or none, reads nothing outside those bytes, and a picture cut to a photo's aspect keeps
// that aspect.
#include "tests/fuzz/FuzzGirdisi.h"
#include "toolkit/ExifKucukResim.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *veri, std::size_t boyut) {
    const QByteArrayView baş(reinterpret_cast<const char *>(veri), qsizetype(boyut));
    // Size unknown, a 3:2 camera photo, and a strip no small picture can match.
    for (const QSize foto : {QSize(), QSize(6000, 4000), QSize(1, 3000)}) {
        const QImage küçük = ExifKüçükResmi(baş, foto);
        const int uzun = std::max(küçük.width(), küçük.height());
        const int kısa = std::min(küçük.width(), küçük.height());
        FuzzGerekli(uzun <= 1024, "a small picture larger than 1024 came through");
        FuzzGerekli(küçük.isNull() || foto != QSize(6000, 4000) ||
                        std::abs(2 * uzun - 3 * kısa) <= 8,
                    "a small picture not cut to 3:2");
    }
    return 0;
}
