// SPDX-License-Identifier: GPL-3.0-or-later
// Folder icons for the folder list, drawn by the program where the desktop has none.
#include "chooser/KlasorSimgeleri.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor Çizgi(140, 105, 30);
const QColor Arka(222, 178, 70);
const QColor Ön(247, 214, 118);

// Draws on a 16-unit grid, at 16 and 32 pixels.
template <class Çizim> QIcon Simge(Çizim çiz) {
    QIcon simge;
    for (const int boyut : {16, 32}) {
        QPixmap resim(boyut, boyut);
        resim.fill(Qt::transparent);
        QPainter boyacı(&resim);
        boyacı.setRenderHint(QPainter::Antialiasing);
        boyacı.scale(boyut / 16.0, boyut / 16.0);
        boyacı.setPen(QPen(Çizgi, 1.0));
        çiz(boyacı);
        boyacı.end();
        simge.addPixmap(resim);
    }
    return simge;
}

QPolygonF Çokgen(std::initializer_list<QPointF> noktalar) { return QPolygonF(noktalar); }

void Sırt(QPainter &boyacı) {
    // The back of the folder with its tab.
    boyacı.setBrush(Arka);
    boyacı.drawPolygon(
        Çokgen({{1.5, 3.5}, {6, 3.5}, {7.5, 5}, {14.5, 5}, {14.5, 13.5}, {1.5, 13.5}}));
}

} // namespace

QIcon AçıkKlasörSimgesi() {
    if (QIcon::hasThemeIcon(QStringLiteral("folder-open")))
        return QIcon::fromTheme(QStringLiteral("folder-open"));
    return Simge([](QPainter &boyacı) {
        Sırt(boyacı);
        // The front swung down and out.
        boyacı.setBrush(Ön);
        boyacı.drawPolygon(Çokgen({{4, 7.5}, {15.5, 7.5}, {13, 13.5}, {1.5, 13.5}}));
    });
}

QIcon KapalıKlasörSimgesi() {
    if (QIcon::hasThemeIcon(QStringLiteral("folder")))
        return QIcon::fromTheme(QStringLiteral("folder"));
    return Simge([](QPainter &boyacı) {
        Sırt(boyacı);
        boyacı.setBrush(Ön);
        boyacı.drawRect(QRectF(1.5, 6.5, 13, 7));
    });
}
