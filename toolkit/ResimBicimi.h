// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures as the game keeps them for the whole game (the photo, its pieces, the sample): three
// bytes a pixel instead of four, and widened again for smooth scaling.
#pragma once

#include <QImage>
#include <QSize>

// `resim` smooth-scaled to `boyut`, each axis on its own. A picture kept in three bytes a pixel
// is widened to four first: Qt gives only four-byte pictures its area-averaging filter, so the
// result is the one the picture gave before it was narrowed.
QImage YumuşakÖlçekle(const QImage &resim, QSize boyut);

// `resim` as a picture box keeps it: an opaque four-byte picture narrowed to three bytes a pixel,
// any other as it is. Pictures made in a row are best narrowed each as it is made, so that the
// wide one's memory is taken again by the next.
QImage KutudakiBiçim(QImage resim);
