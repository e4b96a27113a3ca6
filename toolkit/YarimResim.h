// SPDX-License-Identifier: GPL-3.0-or-later
// Looking at a photo file before it is decoded: a picture cut short, and what its decode would
// cost.
#pragma once

#include <QSize>

class QIODevice;

// What a file holds, told by its first bytes whatever its name says.
enum class ResimTürü { Başka, Bmp, Jpeg, Png, WebP, Heif };

// What the file's own structure tells, read without decoding.
struct ResimYapısı {
    ResimTürü Tür = ResimTürü::Başka;
    // The picture data stops early: a JPEG whose compressed picture ends before its end-of-image
    // marker, an uncompressed BMP shorter than its rows. The decoders would show such a file
    // with grey or black filler where the data is missing.
    bool Yarım = false;
    int TaramaSayısı = 0; // a JPEG's scans, counted up to one past EnÇokTarama
    // The memory a JPEG decode keeps for the whole picture's coefficients when the picture
    // comes in several scans (progressive, or its colours one after the other); 0 otherwise.
    qint64 KatsayıBelleği = 0;
    // The segments the decoder keeps in memory whole, wherever they stand (between scans too):
    // comments, APP1 (EXIF, XMP) and APP2 (colour profile). The walk stops once either sum is
    // over its bound below, so a sum over the bound need not be the file's whole.
    qint64 SaklananBaytlar = 0;
    qint64 ÜstBilgiBaytları = 0; // the same without XMP: comments, EXIF, colour profile
    // The stored size, as the header gives it (JPEG, PNG, WebP; for HEIF the largest any of its
    // images or grids declares).
    QSize Boyut;
    bool OnAltıBit = false; // a PNG of 16 bits a channel, which decodes at 8 bytes a pixel
    int Yön = 1;            // a PNG's EXIF orientation (1-8) from its eXIf chunk
    qint64 ÖğeSayısı = 0;   // a HEIF's items (pictures, tiles of a grid, metadata)
};

// Real encoders write a progressive JPEG in about ten scans; every scan is a pass over the whole
// picture, so a file that repeats one thousands of times keeps the decoder busy for minutes.
constexpr int EnÇokTarama = 100;

// A camera writes a comment of a few bytes, an EXIF block of at most 64 KiB and a colour profile
// well under 1 MiB; a phone's XMP, which carries depth maps and such, reaches a few MiB. The
// decoder keeps all of it and copies the texts and the EXIF block again, several bytes for each
// (a file padded with 295 MB of comments took 1.45 GiB), so these sums bound what a photo's
// extras may cost.
constexpr qint64 EnÇokÜstBilgi = qint64(4) << 20;
constexpr qint64 EnÇokSaklanan = qint64(16) << 20;

// A HEIF photo of 48 megapixels comes in about 200 tiles; each item costs the decoder a few
// structures.
constexpr qint64 EnÇokÖğe = 1000;

// Reads `dosya` (a file of `boyut` bytes, open for reading) never past `boyut` and holding at
// most a window of it in memory. Broken headers are left to the picture loader. A PNG's
// compressed texts and colour profile are inflated to count what the decoder would keep, never
// beyond the bounds above.
ResimYapısı ResimYapısınıOku(QIODevice &dosya, qint64 boyut);

// The same read only as far as a JPEG's frame header, for its size and the segments before it:
// this costs the headers alone, however long the picture's data.
ResimYapısı ResimBaşlığınıOku(QIODevice &dosya, qint64 boyut);
