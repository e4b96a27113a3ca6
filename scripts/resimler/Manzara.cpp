// SPDX-License-Identifier: GPL-3.0-or-later
// Sample photo 1: a mountain lake on a summer day. Every part of the picture carries its own
// detail, so that the pieces of a 5 x 5 cut can all be told apart.
#include "Cizim.h"

#include <QtMath>

namespace {

constexpr int En = 800, Boy = 600;
constexpr double Ufuk = 330; // the far shore of the lake

void Gökyüzü(QPainter &p) {
    QLinearGradient g(0, 0, 0, Ufuk);
    g.setColorAt(0, QColor(0x1d, 0x5c, 0xb4));
    g.setColorAt(0.55, QColor(0x6c, 0xae, 0xea));
    g.setColorAt(1, QColor(0xdc, 0xf0, 0xfc));
    p.fillRect(QRectF(0, 0, En, Ufuk), g);

    const QPointF güneş(640, 100);
    QRadialGradient parıltı(güneş, 300);
    parıltı.setColorAt(0, QColor(255, 246, 214, 190));
    parıltı.setColorAt(0.35, QColor(255, 240, 200, 70));
    parıltı.setColorAt(1, QColor(255, 240, 200, 0));
    p.fillRect(QRectF(0, 0, En, Ufuk), parıltı);
    QRadialGradient disk(güneş, 36);
    disk.setColorAt(0, QColor(255, 255, 240));
    disk.setColorAt(0.75, QColor(255, 236, 140));
    disk.setColorAt(1, QColor(255, 214, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(disk);
    p.drawEllipse(güneş, 34, 34);
    // Faint rays, each a thin wedge.
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8 + 0.1;
        const double r0 = 46, r1 = i % 2 ? 70 : 92;
        QPolygonF ışın{güneş + QPointF(std::cos(a - 0.05), std::sin(a - 0.05)) * r0,
                       güneş + QPointF(std::cos(a), std::sin(a)) * r1,
                       güneş + QPointF(std::cos(a + 0.05), std::sin(a + 0.05)) * r0};
        p.setBrush(QColor(255, 240, 170, 110));
        p.drawPolygon(ışın);
    }
}

void Bulutlar(QPainter &p, Zar &zar) {
    const QColor ak(255, 255, 255), gölge(0xc4, 0xd4, 0xe8);
    Bulut(p, zar, {120, 78}, 210, ak, gölge);
    Bulut(p, zar, {345, 38}, 120, ak, gölge.lighter(105));
    Bulut(p, zar, {470, 132}, 170, ak, gölge);
    Bulut(p, zar, {770, 200}, 130, QColor(255, 250, 240), QColor(0xd8, 0xd2, 0xd8));
    Bulut(p, zar, {40, 200}, 90, ak, gölge);
    // High thin streaks.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        p.setBrush(QColor(255, 255, 255, 70));
        p.drawEllipse(QPointF(200 + i * 22, 158 - i * 3), 60 - i * 6, 3.5);
    }
}

void Balon(QPainter &p, QPointF m, double r) {
    QPainterPath zarf;
    zarf.moveTo(m + QPointF(-r * 0.42, r * 1.02));
    zarf.cubicTo(m + QPointF(-r * 1.25, r * 0.4), m + QPointF(-r * 1.1, -r * 1.05),
                 m + QPointF(0, -r * 1.05));
    zarf.cubicTo(m + QPointF(r * 1.1, -r * 1.05), m + QPointF(r * 1.25, r * 0.4),
                 m + QPointF(r * 0.42, r * 1.02));
    zarf.closeSubpath();
    p.save();
    p.setClipPath(zarf);
    const QColor şeritler[] = {QColor(0xe5, 0x3a, 0x32), QColor(0xff, 0xc8, 0x2e),
                               QColor(0x2f, 0x7f, 0xd8), QColor(0xff, 0xff, 0xff),
                               QColor(0x34, 0xa8, 0x53), QColor(0xff, 0x8a, 0x1e)};
    const int top = 12;
    for (int i = 0; i < top; ++i) {
        // Gores narrow towards the edges as they turn away from the viewer.
        const double a0 = -M_PI / 2 + M_PI * i / top, a1 = -M_PI / 2 + M_PI * (i + 1) / top;
        const double x0 = m.x() + std::sin(a0) * r * 1.3, x1 = m.x() + std::sin(a1) * r * 1.3;
        p.fillRect(QRectF(x0, m.y() - r * 1.2, x1 - x0 + 0.5, r * 2.4), şeritler[i % 6]);
    }
    QRadialGradient ışık(m + QPointF(-r * 0.4, -r * 0.5), r * 1.6);
    ışık.setColorAt(0, QColor(255, 255, 255, 90));
    ışık.setColorAt(0.5, QColor(255, 255, 255, 0));
    ışık.setColorAt(1, QColor(0, 0, 40, 90));
    p.fillRect(QRectF(m.x() - r * 1.3, m.y() - r * 1.2, r * 2.6, r * 2.4), ışık);
    p.restore();
    p.setPen(QPen(QColor(80, 60, 40), 1));
    const QPointF sepet = m + QPointF(0, r * 1.45);
    p.drawLine(m + QPointF(-r * 0.42, r * 1.02), sepet + QPointF(-r * 0.18, 0));
    p.drawLine(m + QPointF(r * 0.42, r * 1.02), sepet + QPointF(r * 0.18, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8b, 0x5a, 0x2b));
    p.drawRoundedRect(QRectF(sepet.x() - r * 0.2, sepet.y(), r * 0.4, r * 0.3), 2, 2);
}

void Sıradağlar(QPainter &p, Zar &zar) {
    // Far range: pale and hazy, with broad snowfields.
    const QPainterPath uzak = Dağlar(zar,
                                     {{-10, 205},
                                      {70, 170},
                                      {150, 196},
                                      {235, 142},
                                      {330, 205},
                                      {420, 176},
                                      {505, 150},
                                      {590, 198},
                                      {690, 160},
                                      {810, 210}},
                                     5, Ufuk);
    p.setPen(Qt::NoPen);
    p.setBrush(DikeyGeçiş(140, 260, QColor(0xa3, 0xb2, 0xd8), QColor(0x86, 0x98, 0xc4)));
    p.drawPath(uzak);
    p.save();
    p.setClipPath(uzak);
    p.setBrush(QColor(250, 252, 255, 235));
    p.drawPath(Sırt(zar, -10, 810, 188, 10, 0, 7));
    p.restore();

    // Near range: darker rock, snow only on the summits, a lit and a shaded face.
    const QPolygonF doruklar{{-10, 250}, {60, 222},  {120, 240}, {205, 190}, {300, 252}, {385, 222},
                             {440, 238}, {545, 182}, {640, 250}, {725, 216}, {810, 246}};
    const QPainterPath yakın = Dağlar(zar, doruklar, 4, Ufuk);
    p.setBrush(DikeyGeçiş(180, 300, QColor(0x6f, 0x80, 0xa8), QColor(0x4a, 0x5a, 0x80)));
    p.drawPath(yakın);
    p.save();
    p.setClipPath(yakın);
    for (int i = 1; i + 1 < doruklar.size(); ++i) {
        const QPointF d = doruklar[i];
        if (d.y() > 230)
            continue;
        QPolygonF gölge{d, d + QPointF(70, 120), d + QPointF(5, 120)};
        p.setBrush(QColor(30, 40, 70, 60));
        p.drawPolygon(gölge);
        QPolygonF kar{d + QPointF(0, -2),  d + QPointF(-22, 24), d + QPointF(-12, 20),
                      d + QPointF(-6, 30), d + QPointF(2, 21),   d + QPointF(10, 28),
                      d + QPointF(24, 22)};
        p.setBrush(QColor(255, 255, 255, 240));
        p.drawPolygon(kar);
    }
    p.restore();
}

// A waterfall down the near range, vanishing into the forest.
void Çağlayan(QPainter &p, Zar &zar) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        const double x = 702 + i * 2.2;
        QPainterPath şerit({x, 236});
        şerit.cubicTo(x + 4, 260, x - 3, 280, x + 3 + i, 310);
        p.setPen(QPen(i % 2 ? QColor(255, 255, 255, 200) : QColor(0xb8, 0xdc, 0xf4, 200),
                      zar.Ara(1.5, 3), Qt::SolidLine, Qt::RoundCap));
        p.drawPath(şerit);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 120));
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(QPointF(712 + zar.Ara(-14, 14), 300 + zar.Ara(-4, 4)), 9, 5);
}

void OrmanlıTepeler(QPainter &p, Zar &zar) {
    p.setPen(Qt::NoPen);
    const QPainterPath tepe = Sırt(zar, -10, 810, 292, 14, Ufuk + 2, 6);
    p.setBrush(DikeyGeçiş(270, Ufuk, QColor(0x3e, 0x7d, 0x3a), QColor(0x2a, 0x5e, 0x2c)));
    p.drawPath(tepe);
    // A belt of small firs along the hills, thicker on the right where the forest comes down.
    for (int i = 0; i < 140; ++i) {
        const double x = zar.Ara(-10, 810);
        const double y = zar.Ara(296, Ufuk + 4) - (x > 520 ? 8 : 0);
        const QColor yeşil(zar.Tam(0x1e, 0x3a), zar.Tam(0x5a, 0x80), zar.Tam(0x2a, 0x40));
        Çam(p, {x, y}, zar.Ara(12, 26), yeşil);
    }
    // A red boathouse on the far shore.
    p.setBrush(QColor(0xb8, 0x32, 0x26));
    p.drawRect(QRectF(566, 314, 30, 14));
    p.setBrush(QColor(0x5a, 0x3a, 0x2a));
    p.drawPolygon(QPolygonF({{563, 315}, {581, 304}, {599, 315}}));
    p.setBrush(QColor(0xf4, 0xee, 0xe0));
    p.drawRect(QRectF(576, 319, 10, 9));
    // A little chapel on the far shore.
    p.setBrush(QColor(0xf4, 0xee, 0xe0));
    p.drawRect(QRectF(380, 312, 16, 14));
    p.drawRect(QRectF(392, 300, 7, 26));
    p.setBrush(QColor(0xa8, 0x3a, 0x2a));
    p.drawPolygon(QPolygonF({{377, 313}, {388, 304}, {399, 313}}));
    p.drawPolygon(QPolygonF({{391, 301}, {395.5, 290}, {400, 301}}));
    p.setBrush(QColor(0x5a, 0x8e, 0x3e));
    p.drawRect(QRectF(-10, Ufuk - 3, En + 20, 6));
}

void Göl(QPainter &p, Zar &zar, const QImage &üst) {
    const QRectF göl(0, Ufuk, En, Boy - Ufuk);
    p.save();
    p.setClipRect(göl);
    p.drawImage(QPointF(0, Ufuk), Yansıma(üst, 2.5, zar));
    QLinearGradient su(0, Ufuk, 0, 500);
    su.setColorAt(0, QColor(40, 110, 170, 90));
    su.setColorAt(1, QColor(18, 64, 118, 200));
    p.fillRect(göl, su);
    // Wind ripples: short light and dark dashes, longer and sparser towards the viewer.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 700; ++i) {
        const double y = zar.Ara(Ufuk + 2, 500);
        const double yakınlık = (y - Ufuk) / 170;
        const double x = zar.Ara(0, En);
        const double uzunluk = 6 + 30 * yakınlık * zar.Ara(0.4, 1.2);
        p.setBrush(i % 3 ? QColor(255, 255, 255, 40) : QColor(10, 40, 80, 50));
        p.drawRect(QRectF(x, y, uzunluk, 0.8 + yakınlık));
    }
    // The sun's glitter on the water.
    for (int i = 0; i < 120; ++i) {
        const double y = zar.Ara(Ufuk + 4, 480);
        const double x = 640 + zar.Ara(-1, 1) * (18 + (y - Ufuk) * 0.35);
        p.setBrush(QColor(255, 248, 210, zar.Tam(80, 200)));
        p.drawRect(QRectF(x, y, zar.Ara(4, 14), 1.2));
    }
    p.restore();
}

void Tekne(QPainter &p, QPointF m, double ö, const QColor &gövde, const QColor &yelken) {
    p.setPen(Qt::NoPen);
    // Reflection first, so the hull covers its top.
    p.setBrush(QColor(gövde.red(), gövde.green(), gövde.blue(), 70));
    p.drawPolygon(QPolygonF({m + QPointF(-30, 0) * ö, m + QPointF(30, 0) * ö,
                             m + QPointF(22, 9) * ö, m + QPointF(-22, 9) * ö}));
    p.setBrush(QColor(yelken.red(), yelken.green(), yelken.blue(), 50));
    p.drawPolygon(
        QPolygonF({m + QPointF(2, 9) * ö, m + QPointF(2, 60) * ö, m + QPointF(26, 9) * ö}));
    p.setBrush(gövde);
    p.drawPolygon(QPolygonF({m + QPointF(-32, -8) * ö, m + QPointF(32, -8) * ö,
                             m + QPointF(24, 0) * ö, m + QPointF(-24, 0) * ö}));
    p.setBrush(QColor(90, 60, 40));
    p.drawRect(QRectF(m + QPointF(0, -62) * ö, m + QPointF(2, -8) * ö));
    p.setBrush(yelken);
    p.drawPolygon(
        QPolygonF({m + QPointF(3, -60) * ö, m + QPointF(3, -11) * ö, m + QPointF(28, -11) * ö}));
    p.setBrush(yelken.darker(112));
    p.drawPolygon(
        QPolygonF({m + QPointF(-1, -52) * ö, m + QPointF(-1, -11) * ö, m + QPointF(-20, -11) * ö}));
}

QPainterPath Kıyı() {
    QPainterPath çayır({0, 410});
    çayır.cubicTo(120, 400, 220, 470, 330, 476);
    çayır.cubicTo(450, 482, 560, 455, 660, 452);
    çayır.cubicTo(720, 450, 770, 432, 800, 420);
    çayır.lineTo(800, Boy);
    çayır.lineTo(0, Boy);
    çayır.closeSubpath();
    return çayır;
}

void Ev(QPainter &p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9c, 0x9c, 0xa0));
    p.drawRect(QRectF(124, 346, 14, 30)); // chimney
    for (int i = 0; i < 5; ++i) {
        p.setBrush(QColor(230, 230, 235, 150 - i * 25));
        p.drawEllipse(QPointF(134 + i * 9, 334 - i * 13), 7 + i * 2.5, 6 + i * 2);
    }
    p.setBrush(DikeyGeçiş(380, 460, QColor(0xfb, 0xef, 0xd4), QColor(0xe4, 0xd0, 0xa8)));
    p.drawRect(QRectF(40, 392, 130, 66));
    p.setBrush(QColor(0xd9, 0xc0, 0x92));
    p.drawRect(QRectF(40, 392, 130, 6));
    p.setBrush(DikeyGeçiş(350, 395, QColor(0xd8, 0x45, 0x2e), QColor(0xa2, 0x2b, 0x1c)));
    p.drawPolygon(QPolygonF({{28, 396}, {78, 350}, {150, 350}, {182, 396}}));
    p.setPen(QPen(QColor(0x8a, 0x22, 0x16), 1));
    for (int i = 1; i < 5; ++i)
        p.drawLine(QLineF(28 + i * 2, 396 - i * 9.2, 182 - i * 6.4, 396 - i * 9.2));
    p.setPen(Qt::NoPen);
    const auto pencere = [&](QRectF r) {
        p.setBrush(QColor(0xff, 0xff, 0xff));
        p.drawRect(r.adjusted(-2, -2, 2, 2));
        p.setBrush(
            DikeyGeçiş(r.top(), r.bottom(), QColor(0x9e, 0xd4, 0xf4), QColor(0x3a, 0x7c, 0xb8)));
        p.drawRect(r);
        p.setBrush(QColor(0xff, 0xff, 0xff));
        p.drawRect(QRectF(r.center().x() - 1, r.top(), 2, r.height()));
        p.drawRect(QRectF(r.left(), r.center().y() - 1, r.width(), 2));
        p.setBrush(QColor(0x3f, 0x8a, 0x2e));
        p.drawRect(QRectF(r.left() - 3, r.bottom() + 2, r.width() + 6, 5));
        for (int i = 0; i < 4; ++i) {
            p.setBrush(i % 2 ? QColor(0xff, 0x5a, 0x7a) : QColor(0xff, 0xd0, 0x30));
            p.drawEllipse(QPointF(r.left() + 2 + i * r.width() / 3.5, r.bottom() + 3), 2.5, 2.5);
        }
    };
    pencere(QRectF(54, 408, 22, 22));
    pencere(QRectF(132, 408, 22, 22));
    p.setBrush(QColor(0x7a, 0x4a, 0x24));
    p.drawRoundedRect(QRectF(94, 414, 22, 44), 3, 3);
    p.setBrush(QColor(0xf0, 0xc0, 0x40));
    p.drawEllipse(QPointF(111, 437), 1.6, 1.6);
}

void Çit(QPainter &p) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 11; ++i) {
        const double x = 4 + i * 20, y = 478 + i * 3.2;
        p.setBrush(QColor(0xb0, 0x86, 0x52));
        p.drawPolygon(
            QPolygonF({{x, y}, {x + 3, y - 5}, {x + 6, y}, {x + 6, y + 38}, {x, y + 38}}));
    }
    p.setBrush(QColor(0x9a, 0x72, 0x44));
    p.drawPolygon(QPolygonF({{0, 488}, {220, 520}, {220, 525}, {0, 493}}));
    p.drawPolygon(QPolygonF({{0, 503}, {220, 535}, {220, 540}, {0, 508}}));
}

void İskele(QPainter &p) {
    p.setPen(Qt::NoPen);
    // Posts standing in the water, then the planks, darker towards the far end.
    for (int i = 0; i < 4; ++i) {
        const double t = i / 3.0;
        const double y = 470 - t * 70, x0 = 560 - t * 40, x1 = 640 - t * 62;
        p.setBrush(QColor(0x5a, 0x3e, 0x26));
        p.drawRect(QRectF(x0, y - 2, 4, 18 - t * 8));
        p.drawRect(QRectF(x1 - 4, y - 2, 4, 18 - t * 8));
        p.setBrush(QColor(0x5a, 0x3e, 0x26, 60));
        p.drawRect(QRectF(x0, y + 16 - t * 8, 4, 14));
    }
    for (int i = 0; i < 16; ++i) {
        const double t0 = i / 16.0, t1 = (i + 0.8) / 16.0;
        const double y0 = 476 - t0 * 80, y1 = 476 - t1 * 80;
        const QColor tahta = Karıştır(QColor(0xc8, 0x9a, 0x62), QColor(0x8a, 0x66, 0x42), t0);
        p.setBrush(i % 3 ? tahta : tahta.darker(108));
        p.drawPolygon(QPolygonF(
            {{556 - t0 * 40, y0}, {644 - t0 * 62, y0}, {644 - t1 * 62, y1}, {556 - t1 * 40, y1}}));
    }
}

void Kayalar(QPainter &p, Zar &zar) {
    const QPointF yerler[] = {{470, 530}, {505, 548}, {150, 585}, {700, 575}, {300, 468}};
    const double boylar[] = {34, 22, 28, 40, 16};
    for (int i = 0; i < 5; ++i) {
        const QPointF m = yerler[i];
        const double r = boylar[i];
        QPainterPath taş;
        taş.moveTo(m + QPointF(-r, 0));
        taş.cubicTo(m + QPointF(-r, -r * zar.Ara(0.7, 1)), m + QPointF(r * 0.6, -r),
                    m + QPointF(r, 0));
        taş.closeSubpath();
        QRadialGradient g(m + QPointF(-r * 0.3, -r * 0.6), r * 1.4);
        g.setColorAt(0, QColor(0xc8, 0xc4, 0xbc));
        g.setColorAt(1, QColor(0x6c, 0x68, 0x64));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(taş);
    }
}

void Çiçek(QPainter &p, QPointF m, double r, const QColor &renk) {
    p.setPen(QPen(QColor(0x2e, 0x6e, 0x22), qMax(1.0, r * 0.35)));
    p.drawLine(m, m + QPointF(0, r * 3));
    p.setPen(Qt::NoPen);
    p.setBrush(renk);
    for (int k = 0; k < 5; ++k) {
        const double a = k * 2 * M_PI / 5;
        p.drawEllipse(m + QPointF(std::cos(a), std::sin(a)) * r * 0.8, r * 0.6, r * 0.6);
    }
    p.setBrush(QColor(0xff, 0xd8, 0x30));
    p.drawEllipse(m, r * 0.4, r * 0.4);
}

void Çayır(QPainter &p, Zar &zar) {
    const QPainterPath çayır = Kıyı();
    p.setPen(Qt::NoPen);
    p.setBrush(DikeyGeçiş(400, Boy, QColor(0x7c, 0xc8, 0x4e), QColor(0x3a, 0x86, 0x28)));
    p.drawPath(çayır);
    p.save();
    p.setClipPath(çayır);
    // A sandy path winds from the front edge towards the house.
    QPainterPath patika({300, Boy});
    patika.cubicTo(330, 540, 230, 505, 112, 458);
    patika.lineTo(98, 458);
    patika.cubicTo(200, 520, 250, 560, 210, Boy);
    patika.closeSubpath();
    p.setBrush(DikeyGeçiş(458, Boy, QColor(0xe0, 0xc8, 0x94), QColor(0xc4, 0xa0, 0x6a)));
    p.drawPath(patika);
    for (int i = 0; i < 2200; ++i) {
        const QPointF a(zar.Ara(0, En), zar.Ara(400, Boy));
        if (patika.contains(a))
            continue;
        const double boy = 3 + (a.y() - 400) / 22;
        const QColor ot =
            zar.Ara(0, 1) < 0.5 ? QColor(0x2e, 0x74, 0x20, 150) : QColor(0xa8, 0xe0, 0x70, 130);
        p.setPen(QPen(ot, 1));
        p.drawLine(a, a + QPointF(zar.Ara(-2, 2), -boy));
    }
    p.restore();

    // Flower patches, each with its own colour, so the front row of pieces differs.
    struct Öbek {
        QPointF m;
        double yayılma;
        QColor renk;
        int sayı;
    };
    const Öbek öbekler[] = {{{80, 565}, 70, QColor(0xe8, 0x2a, 0x2a), 38},
                            {{260, 585}, 40, QColor(0xff, 0xff, 0xff), 20},
                            {{400, 575}, 60, QColor(0xff, 0xd0, 0x20), 34},
                            {{560, 565}, 60, QColor(0x9a, 0x5c, 0xe0), 40},
                            {{730, 520}, 60, QColor(0xff, 0x7a, 0xb8), 30},
                            {{380, 500}, 50, QColor(0xff, 0xff, 0xff), 18}};
    for (const Öbek &ö : öbekler)
        for (int i = 0; i < ö.sayı; ++i) {
            const QPointF m =
                ö.m + QPointF(zar.Ara(-1, 1) * ö.yayılma, zar.Ara(-0.5, 0.5) * ö.yayılma);
            Çiçek(p, m, 2 + (m.y() - 440) / 50, ö.renk);
        }
}

void Kelebek(QPainter &p, QPointF m) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x98, 0x20));
    p.drawEllipse(m + QPointF(-5, -3), 5, 4);
    p.drawEllipse(m + QPointF(5, -3), 5, 4);
    p.setBrush(QColor(0xe0, 0x60, 0x10));
    p.drawEllipse(m + QPointF(-4, 3), 3.5, 3);
    p.drawEllipse(m + QPointF(4, 3), 3.5, 3);
    p.setBrush(QColor(40, 30, 20));
    p.drawRect(QRectF(m.x() - 0.8, m.y() - 5, 1.6, 10));
}

} // namespace

bool ManzarayıÇiz(const QString &yol) {
    Zar zar(1905);
    QImage resim(En, Boy, QImage::Format_RGB32);
    {
        QPainter p(&resim);
        p.setRenderHint(QPainter::Antialiasing);
        Gökyüzü(p);
        Sıradağlar(p, zar);
        Çağlayan(p, zar);
        Bulutlar(p, zar);
        OrmanlıTepeler(p, zar);
        const QImage üst = resim.copy(0, 0, En, int(Ufuk));
        Göl(p, zar, üst);
        Balon(p, {262, 92}, 34);
        Balon(p, {520, 245}, 13);
        for (int i = 0; i < 7; ++i)
            Kuş(p, QPointF(50 + i * 17 + (i % 2) * 6, 150 + (i % 3) * 9 - i * 2), 5 + i % 2,
                QColor(40, 50, 70));
        Kuş(p, {560, 58}, 7, QColor(40, 50, 70));
        Kuş(p, {586, 70}, 6, QColor(40, 50, 70));
        Tekne(p, {430, 392}, 0.8, QColor(0xc8, 0x30, 0x28), QColor(0xfa, 0xfa, 0xf4));
        Tekne(p, {250, 356}, 0.45, QColor(0x24, 0x50, 0x90), QColor(0xff, 0xd2, 0x48));
        Çayır(p, zar);
        İskele(p);
        Kayalar(p, zar);
        Ağaç(p, zar, {245, 470}, 150, QColor(0x4e, 0x9a, 0x32));
        Ev(p);
        Çit(p);
        for (int i = 0; i < 6; ++i)
            Çam(p, {690.0 + i * 19 + (i % 2) * 7, 452.0 + (i % 3) * 12}, 110 + (i * 37) % 70,
                QColor(0x24, 0x6a, 0x2c));
        Kelebek(p, {355, 530});
        Kelebek(p, {640, 505});
    }
    return Kaydet(resim, yol, "JPG", 88);
}
