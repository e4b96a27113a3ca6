// SPDX-License-Identifier: GPL-3.0-or-later
// Looking at a photo file before it is decoded: a picture cut short, and what its decode would
// cost.
#pragma once

#include <QtGlobal>

class QIODevice;

// What the file's own structure tells, read without decoding.
struct ResimYapısı {
    // The picture data stops early: a JPEG whose compressed picture ends before its end-of-image
    // marker, an uncompressed BMP shorter than its rows. The decoders would show such a file
    // with grey or black filler where the data is missing.
    bool Yarım = false;
    int TaramaSayısı = 0; // a JPEG's scans, counted up to one past EnÇokTarama
    // The memory a JPEG decode keeps for the whole picture's coefficients when the picture
    // comes in several scans (progressive, or its colours one after the other); 0 otherwise.
    qint64 KatsayıBelleği = 0;
};

// Real encoders write a progressive JPEG in about ten scans; every scan is a pass over the whole
// picture, so a file that repeats one thousands of times keeps the decoder busy for minutes.
constexpr int EnÇokTarama = 100;

// Reads `dosya` (a file of `boyut` bytes, open for reading) never past `boyut` and holding at
// most a window of it in memory. Files that are neither JPEG nor BMP, and broken headers, are
// left to the picture loader.
ResimYapısı ResimYapısınıOku(QIODevice &dosya, qint64 boyut);
