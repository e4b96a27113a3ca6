// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of a known format, read without waking every image plugin installed.
#pragma once

#include <QImage>
#include <QString>

// Qt asks every installed image plugin whether it reads a picture before it tries the reader
// its format names, unless told not to guess, and so loads them all with their libraries (TIFF,
// MNG, WebP and more): about a megabyte of memory for pictures Qt reads itself. Every reader in
// the game is told the format and not to guess; this reads one file so.
QImage BilinenBiçimdeOku(const QString &yol, const char *biçim);

// The style reads its group-box frame the guessing way, at the first frame it draws, unless
// the picture is in Qt's pixmap cache: it is put there, read as above. Called once before the
// first window is drawn.
void StilResimleriniHazırla();
