// SPDX-License-Identifier: GPL-3.0-or-later
// Narrowing pictures to three bytes a pixel, and scaling them smoothly.
#include "toolkit/ResimBicimi.h"

QImage YumuşakÖlçekle(const QImage &resim, QSize boyut) {
    if (resim.format() == QImage::Format_RGB888)
        return resim.convertToFormat(QImage::Format_RGB32)
            .scaled(boyut, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return resim.scaled(boyut, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage KutudakiBiçim(QImage resim) {
    if (resim.format() == QImage::Format_RGB32)
        return resim.convertToFormat(QImage::Format_RGB888);
    return resim;
}
