// SPDX-License-Identifier: GPL-3.0-or-later
// Telling a photo file whose picture data stops early (an interrupted copy or download).
#pragma once

#include <QString>

// True for a JPEG whose compressed picture ends before its end-of-image marker, and for an
// uncompressed BMP shorter than its rows. The decoders would show such a file with grey or
// black filler where the data is missing; the picture loader treats it as a file that
// cannot be loaded. Other files, and files that cannot be read, are left to the picture loader:
// false.
bool YarımResimMi(const QString &yol);
