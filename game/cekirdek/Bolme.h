// SPDX-License-Identifier: GPL-3.0-or-later
// The arithmetic of cutting a photo into an N x N board: where each place stands and which
// rectangle of the photo each piece shows.
#pragma once

#include <QRect>
#include <QSize>

// A side the board does not take (see GeçerliKenar) is ÇalışmaHatası 5 and a place or piece
// outside the board ÇalışmaHatası 9 for the functions below; sizes round halves to even.

// Size of one board place in twips for a board frame of the given size (twips).
QSize ParçaBoyutuTwip(QSize çerçeve, int kenar);

// Position and size of place `yer` in the board frame, in twips.
QRect YerDikdörtgeniTwip(QSize çerçeve, int kenar, int yer);

// The source rectangle of piece `parça` in a photo of `foto` natural pixels: its origin is the
// nearest integer to the exact multiple of width / N (height / N); every cell has the same size
// nearest(width / N) x nearest(height / N). Cells may overlap or skip one pixel, and the last
// may reach one pixel past the photo's edge.
QRect HücreDikdörtgeni(QSize foto, int kenar, int parça);
