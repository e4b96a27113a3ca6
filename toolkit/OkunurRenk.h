// SPDX-License-Identifier: GPL-3.0-or-later
// Text colours that stay readable on whatever background the desktop's palette gives.
#pragma once

#include <QColor>

// How far apart two colours are to the eye, by their relative luminance: 1 for equal colours,
// 21 for black on white.
double Karşıtlık(const QColor &a, const QColor &b);

// `renk` itself when it reads on `zemin` (4.5:1 at least); otherwise the same hue made lighter on
// a dark background, darker on a light one, until it does. The light palettes the window's
// colours were chosen for keep them as they are.
QColor OkunurRenk(const QColor &renk, const QColor &zemin);
