// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures kept as the pixels Qt holds, so that showing one needs no decoder: the icon and the
// style's group-box frame are drawn at every start, and as PNG they would read in the PNG
// decoder's code for them alone. The build writes them (resources/HamResimYazici.cpp).
//
// A raw picture is a header of five 32-bit little-endian numbers, the text "MZHR", the width,
// the height, the QImage::Format and the size in bytes of the file it was made from, followed
// by the rows at four bytes a pixel.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// `resim` as a raw picture made from a file of `kaynakBoyutu` bytes; a picture that is not four
// bytes a pixel is widened first. Empty for a null picture or one larger than a raw one holds.
QByteArray HamResimBaytları(QImage resim, qint64 kaynakBoyutu);

struct HamResim {
    QImage Resim;          // null when the resource is missing or malformed
    qint64 KaynakBoyutu{}; // the size of the file it was made from
};

// The raw picture in the resource `kaynak`.
HamResim HamResmiOku(const QString &kaynak);
