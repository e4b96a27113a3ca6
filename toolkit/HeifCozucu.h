// SPDX-License-Identifier: GPL-3.0-or-later
// What the HEIF module offers the photo loader. The module alone links libheif and its HEVC and
// AV1 decoders (3.5 MiB), so they are loaded at the first HEIF or AVIF photo, not at every start.
#pragma once

#include <QImage>

class QIODevice;

class HeifÇözücü {
public:
    virtual ~HeifÇözücü() = default;
    // The primary picture of the HEIF or AVIF file open in `dosya` (`boyut` bytes, nothing read
    // beyond), turned and mirrored as the file asks, 8 bits a channel, carrying its colour space;
    // a null image when it cannot be decoded. Safe to call from several threads at once.
    virtual QImage Çöz(QIODevice &dosya, qint64 boyut) const = 0;
};

// The module's one entry point: a new decoder, owned by the caller.
using HeifÇözücüsüYapan = HeifÇözücü *(*)();
#define MOZETA_HEIF_GIRISI "mozeta_heif_cozucu_yap"
