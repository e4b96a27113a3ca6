// SPDX-License-Identifier: GPL-3.0-or-later
// The header walks of PNG, WebP and HEIF files, beside the JPEG and BMP ones.
#pragma once

#include "toolkit/YarimResim.h"

class DosyaPenceresi;

// Each fills in `sonuç` (its Tür already set) from the file seen through `p`, stopping as soon
// as a sum is over its bound: what follows does not matter then.

// Chunk by chunk up to IEND: the size, the depth, eXIf's orientation, and what the texts and the
// colour profile cost once inflated. A file that ends before IEND is cut short.
void PngYapısı(DosyaPenceresi &p, ResimYapısı &sonuç);

// The RIFF chunks: the canvas's size and the EXIF, XMP and colour profile chunks.
void WebPYapısı(DosyaPenceresi &p, ResimYapısı &sonuç);

// The boxes of a HEIF or AVIF file: the metadata's size, its items, and the largest picture its
// image properties and grids declare.
void HeifYapısı(DosyaPenceresi &p, ResimYapısı &sonuç);

// True for the first bytes of a HEIF or AVIF file: an ftyp box naming one of their brands.
bool HeifMi(DosyaPenceresi &p);
