// SPDX-License-Identifier: GPL-3.0-or-later
// Cutting the photo into pieces.
#include "game/ParcaKesici.h"

#include "game/cekirdek/Bolme.h"
#include "toolkit/ResimBicimi.h"

#include <QRectF>

QImage ParçayıKes(const QImage &resim, QSize doğalBoyut, int kenar, QSize parçaBoyutu, int parça) {
    if (resim.isNull() || parçaBoyutu.isEmpty())
        return {};
    if (!doğalBoyut.isValid())
        doğalBoyut = resim.size();

    const double x = double(resim.width()) / doğalBoyut.width();
    const double y = double(resim.height()) / doğalBoyut.height();
    const QRect hücre = HücreDikdörtgeni(doğalBoyut, kenar, parça);
    // On a reduced decode a cell's edges fall between pixels: the pixels it touches are taken.
    // Whatever would lie past the photo's edge is left out rather than drawn black.
    const QRect kaynak = QRectF(hücre.x() * x, hücre.y() * y, hücre.width() * x, hücre.height() * y)
                             .toAlignedRect()
                             .intersected(resim.rect());
    if (kaynak.isEmpty())
        return {};
    return KutudakiBiçim(YumuşakÖlçekle(resim.copy(kaynak), parçaBoyutu));
}

QImage GösterimİçinKüçült(const QImage &resim, QSize gereken) {
    const qint64 en = resim.width(), boy = resim.height();
    if (resim.isNull() || gereken.isEmpty() || en <= gereken.width() || boy <= gereken.height())
        return resim;
    // The side that reaches its need last decides; the other is rounded up, so it never falls
    // short of its own.
    QSize boyut = gereken;
    if (gereken.width() * boy >= gereken.height() * en)
        boyut.setHeight(int((boy * gereken.width() + en - 1) / en));
    else
        boyut.setWidth(int((en * gereken.height() + boy - 1) / boy));
    return YumuşakÖlçekle(resim, boyut);
}
