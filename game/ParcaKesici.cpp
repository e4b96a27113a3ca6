// Cutting the photo into pieces.
#include "game/ParcaKesici.h"

#include "game/Bolme.h"

#include <QRectF>
#include <algorithm>
#include <cmath>

std::vector<QImage> ParçalarıKes(const QImage &resim, QSize doğalBoyut, int kenar,
                                 QSize parçaBoyutu) {
    std::vector<QImage> parçalar(static_cast<std::size_t>(kenar * kenar));
    if (resim.isNull() || parçaBoyutu.isEmpty())
        return parçalar;
    if (!doğalBoyut.isValid())
        doğalBoyut = resim.size();

    const double x = double(resim.width()) / doğalBoyut.width();
    const double y = double(resim.height()) / doğalBoyut.height();
    for (int parça = 0; parça < kenar * kenar; ++parça) {
        const QRect hücre = HücreDikdörtgeni(doğalBoyut, kenar, parça);
        // On a reduced decode a cell's edges fall between pixels: the pixels it touches are
        // taken. Whatever would lie past the photo's edge is left out rather than drawn black.
        const QRect kaynak =
            QRectF(hücre.x() * x, hücre.y() * y, hücre.width() * x, hücre.height() * y)
                .toAlignedRect()
                .intersected(resim.rect());
        if (kaynak.isEmpty())
            continue;
        parçalar[static_cast<std::size_t>(parça)] =
            resim.copy(kaynak).scaled(parçaBoyutu, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return parçalar;
}

QImage GösterimİçinKüçült(const QImage &resim, QSize gereken) {
    if (resim.isNull() || gereken.isEmpty() || resim.width() <= gereken.width() ||
        resim.height() <= gereken.height())
        return resim;
    const double oran = std::max(double(gereken.width()) / resim.width(),
                                 double(gereken.height()) / resim.height());
    const QSize boyut(int(std::ceil(resim.width() * oran)), int(std::ceil(resim.height() * oran)));
    return resim.scaled(boyut.expandedTo(gereken), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
