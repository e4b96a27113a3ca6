// SPDX-License-Identifier: GPL-3.0-or-later
// Cutting the photo into the piece pictures of an N x N board.
#pragma once

#include <QImage>
#include <QSize>

// Piece `parça` of an N x N board of `resim`: the photo cell of HücreDikdörtgeni (computed in
// the photo's natural pixels `doğalBoyut`, then mapped onto `resim`, which may be a reduced
// decode) smooth-scaled over the whole `parçaBoyutu`: the photo's aspect ratio is not kept. A null
// `resim` gives a null piece.
QImage ParçayıKes(const QImage &resim, QSize doğalBoyut, int kenar, QSize parçaBoyutu, int parça);

// `resim` smooth-scaled down to the least size whose sides are both at least those of `gereken`,
// keeping its aspect ratio; a photo already that small or smaller is returned as it is.
QImage GösterimİçinKüçült(const QImage &resim, QSize gereken);
