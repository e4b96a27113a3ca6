// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a photo file (BMP, JPEG, PNG, WebP, HEIF, AVIF) for the game: upright as the camera
// recorded it, in sRGB, and decoded no larger than the caller needs, while its natural size stays
// known.
#pragma once

#include "toolkit/YarimResim.h"

#include <QImage>
#include <QSize>
#include <QString>

struct Fotoğraf {
    QImage Resim;     // the decoded picture, possibly smaller than the photo
    QSize DoğalBoyut; // the photo's own upright size in pixels
};

// Photos larger than this on either side are refused as pictures that cannot be loaded.
constexpr int EnBüyükKenar = 30000;

// What looking at one file may cost, whatever it holds: a 100-megapixel camera's photo fits, and
// so does the largest BMP Qt decodes (256 MiB of pixels). Files beyond are refused as too large.
constexpr qint64 EnBüyükDosya = qint64(300) << 20;
constexpr qint64 EnÇokPiksel = 120'000'000;
constexpr qint64 EnÇokKatsayıBelleği = qint64(400) << 20; // see ResimYapısı

// The pixels a type may have where its decoder cannot decode at a reduced size, so that the
// decode and the conversions after it stay under 512 MiB (peaks measured on 12-megapixel photos,
// module and libraries included). Qt's readers refuse more than 128 MiB of pixels themselves.
// A PNG of 8 bits a channel decodes at 4 bytes a pixel (peak 4, 8 with transparency), one of 16
// at 8 (peak 12). Qt's WebP reader holds the whole file beside the pixels (peak 4 bytes a pixel,
// 8 with transparency, plus the file). libheif holds the coded planes and the picture: peak 9.4
// bytes a pixel for HEVC, 7.3 for AV1, so a phone's 48 megapixels fit.
constexpr qint64 EnÇokPngPikseli = 32'000'000;
constexpr qint64 EnÇok16BitPngPikseli = 16'000'000;
constexpr qint64 EnÇokWebPPikseli = 24'000'000;
constexpr qint64 EnÇokHeifPikseli = 50'000'000;

// True when decoding a file of this structure would cost more than the limits allow: too many
// scans, too much coefficient memory, too much kept beside the picture, too many items, or more
// pixels than its type may have.
bool SınırlarıAşar(const ResimYapısı &yapı);

// The board and the sample never show a photo larger than this (the board is about 350 x 260
// pixels, twice that on a high-density screen): a decode of at least this size loses nothing.
inline constexpr QSize OyunİçinEnAzBoyut{1024, 768};

// Loads `yol`. `enAz` is the smallest decoded size the caller can use without losing detail
// (an invalid size asks for the natural size); the decode is reduced (JPEG by 1/2, 1/4, 1/8)
// only as far as it stays at least that large. Throws ÇalışmaHatası 53 for a missing file, 75
// for one that cannot be read, 7 for one beyond the limits above and 481 for anything else that
// is not a loadable picture. The type is told by the content, never by the name. Nothing is read
// past the size the file has when it is opened.
Fotoğraf LoadPicture(const QString &yol, QSize enAz = {});
