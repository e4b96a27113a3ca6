// SPDX-License-Identifier: GPL-3.0-or-later
// Sample photo 2: a small harbour town at sunset, with a lighthouse, boats and a quay. Every part
// of the picture carries its own detail, so that the pieces of a 5 x 5 cut can all be told apart.
#include "Cizim.h"

#include <QtMath>

namespace {

constexpr int En = 800, Boy = 600;
constexpr double Deniz = 340; // the sea's horizon
const QPointF Güneş(560, 326);
const QColor GünIşığı(255, 170, 90);

void Gökyüzü(QPainter &p, Zar &zar) {
    QLinearGradient g(0, 0, 0, Deniz);
    g.setColorAt(0, QColor(0x1e, 0x17, 0x4e));
    g.setColorAt(0.32, QColor(0x5e, 0x2c, 0x78));
    g.setColorAt(0.62, QColor(0xd4, 0x50, 0x6c));
    g.setColorAt(0.84, QColor(0xf6, 0x94, 0x48));
    g.setColorAt(1, QColor(0xff, 0xd4, 0x7c));
    p.fillRect(QRectF(0, 0, En, Deniz), g);

    QRadialGradient parıltı(Güneş, 360);
    parıltı.setColorAt(0, QColor(255, 236, 170, 220));
    parıltı.setColorAt(0.25, QColor(255, 190, 110, 110));
    parıltı.setColorAt(1, QColor(255, 150, 90, 0));
    p.fillRect(QRectF(0, 0, En, Deniz), parıltı);

    // Stars only where the sky is already dark, fading out towards the glow.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 160; ++i) {
        const QPointF y(zar.Ara(0, En), zar.Ara(0, 150));
        const double uzaklık = QLineF(y, Güneş).length();
        const int parlaklık = int(qBound(0.0, (uzaklık - 330) / 220, 1.0) * zar.Ara(120, 255));
        if (parlaklık < 30)
            continue;
        p.setBrush(QColor(255, 250, 230, parlaklık));
        p.drawEllipse(y, zar.Ara(0.6, 1.6), zar.Ara(0.6, 1.6));
    }
    // A shooting star over the town.
    QLinearGradient iz(QPointF(300, 22), QPointF(236, 52));
    iz.setColorAt(0, QColor(255, 255, 255, 0));
    iz.setColorAt(1, QColor(255, 255, 240, 220));
    p.setPen(QPen(QBrush(iz), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(300, 22), QPointF(236, 52));
    p.setPen(Qt::NoPen);
    QPainterPath ay;
    ay.addEllipse(QPointF(108, 72), 26, 26);
    QPainterPath gölge;
    gölge.addEllipse(QPointF(122, 62), 24, 24);
    QRadialGradient ayışığı(QPointF(108, 72), 70);
    ayışığı.setColorAt(0, QColor(255, 250, 220, 90));
    ayışığı.setColorAt(1, QColor(255, 250, 220, 0));
    p.setBrush(ayışığı);
    p.drawEllipse(QPointF(108, 72), 70, 70);
    p.setBrush(QColor(0xff, 0xf6, 0xd8));
    p.drawPath(ay.subtracted(gölge));

    QRadialGradient disk(Güneş, 50);
    disk.setColorAt(0, QColor(255, 252, 220));
    disk.setColorAt(0.7, QColor(255, 214, 120));
    disk.setColorAt(1, QColor(255, 160, 70));
    p.setBrush(disk);
    p.drawEllipse(Güneş, 48, 48);
}

// A long evening cloud: dark on top, lit from below by the low sun.
void ŞeritBulut(QPainter &p, Zar &zar, QPointF m, double en, double kalınlık) {
    const double ışıkPayı = qBound(0.0, 1 - QLineF(m, Güneş).length() / 700, 1.0);
    const QColor üst = Karıştır(QColor(0x4a, 0x2a, 0x66), QColor(0x8a, 0x40, 0x70), ışıkPayı);
    const QColor alt = Karıştır(QColor(0xf0, 0x78, 0x80), QColor(0xff, 0xc8, 0x70), ışıkPayı);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        const QPointF c = m + QPointF(zar.Ara(-0.4, 0.4) * en, zar.Ara(-0.5, 0.5) * kalınlık);
        const double rx = en * zar.Ara(0.2, 0.4), ry = kalınlık * zar.Ara(0.35, 0.6);
        p.setBrush(DikeyGeçiş(c.y() - ry, c.y() + ry, üst, alt));
        p.drawEllipse(c, rx, ry);
    }
}

QPainterPath Kasabaİnişi() {
    QPainterPath tepe({-10, 222});
    tepe.cubicTo(90, 206, 190, 232, 260, 262);
    tepe.cubicTo(330, 292, 380, 322, 450, 346);
    tepe.lineTo(-10, 346);
    tepe.closeSubpath();
    return tepe;
}

void Ev(QPainter &p, QRectF r, const QColor &renk, Zar &zar) {
    p.setPen(Qt::NoPen);
    const double gölgeEni = r.width() * 0.3;
    p.setBrush(renk.darker(135));
    p.drawRect(QRectF(r.left(), r.top(), gölgeEni, r.height()));
    p.setBrush(Karıştır(renk, GünIşığı, 0.22));
    p.drawRect(QRectF(r.left() + gölgeEni, r.top(), r.width() - gölgeEni, r.height()));
    p.setBrush(Karıştır(QColor(0xb8, 0x4a, 0x2e), QColor(0x60, 0x2a, 0x3a), zar.Ara(0, 0.5)));
    p.drawPolygon(QPolygonF({{r.left() - 2, r.top()},
                             {r.left() + r.width() * 0.35, r.top() - r.width() * 0.32},
                             {r.right() + 2, r.top()}}));
    // Windows: most are lit for the evening.
    const int sütun = qMax(1, int(r.width() / 11)), satır = qMax(1, int(r.height() / 12));
    for (int i = 0; i < sütun; ++i)
        for (int k = 0; k < satır; ++k) {
            const QRectF pencere(r.left() + 4 + i * (r.width() - 6) / sütun, r.top() + 4 + k * 11,
                                 qMin(5.0, r.width() / sütun - 3), 6);
            p.setBrush(zar.Ara(0, 1) < 0.6 ? QColor(0xff, 0xe0, 0x7a) : QColor(0x3a, 0x2c, 0x40));
            p.drawRect(pencere);
        }
}

void Kasaba(QPainter &p, Zar &zar) {
    const QPainterPath tepe = Kasabaİnişi();
    p.setPen(Qt::NoPen);
    p.setBrush(DikeyGeçiş(210, Deniz, QColor(0x5a, 0x3a, 0x5c), QColor(0x3a, 0x28, 0x48)));
    p.drawPath(tepe);
    const QColor renkler[] = {QColor(0xe8, 0xd8, 0xb8), QColor(0xd8, 0x7a, 0x4e),
                              QColor(0x8e, 0xb4, 0xd4), QColor(0xe8, 0xa8, 0xb0),
                              QColor(0xf2, 0xc8, 0x5a), QColor(0xf4, 0xf0, 0xe8),
                              QColor(0x9a, 0xc0, 0x8a)};
    // A bell tower stands on the top of the hill.
    p.setBrush(QColor(0xe4, 0xcc, 0xa8).darker(110));
    p.drawRect(QRectF(96, 150, 22, 72));
    p.setBrush(Karıştır(QColor(0xe4, 0xcc, 0xa8), GünIşığı, 0.3));
    p.drawRect(QRectF(104, 150, 14, 72));
    p.setBrush(QColor(0x3a, 0x2a, 0x3a));
    p.drawRoundedRect(QRectF(101, 160, 12, 16), 5, 5);
    p.setBrush(QColor(0x9a, 0x3a, 0x2e));
    p.drawPolygon(QPolygonF({{93, 151}, {107, 118}, {121, 151}}));
    p.setBrush(QColor(0xff, 0xd8, 0x6a));
    p.drawEllipse(QPointF(107, 190), 4, 4);

    for (int sıra = 0; sıra < 8; ++sıra) {
        const double taban = 232 + sıra * 15;
        double x = -10 + zar.Ara(0, 20);
        while (x < 440) {
            const double en = zar.Ara(22, 40), boy = zar.Ara(16, 28);
            const QPointF ayak(x + en / 2, taban + boy);
            if (tepe.contains(QPointF(x + en / 2, taban - 4)) && tepe.contains(ayak)) {
                const QColor renk =
                    Karıştır(renkler[zar.Tam(0, 6)], QColor(0x5a, 0x3a, 0x6a), 0.25 - sıra * 0.02);
                Ev(p, QRectF(x, taban, en, boy), renk, zar);
            }
            x += en + zar.Ara(2, 12);
        }
        // Cypresses between the rows.
        for (int i = 0; i < 3; ++i) {
            const double cx = zar.Ara(0, 400);
            if (!tepe.contains(QPointF(cx, taban + 2)))
                continue;
            p.setBrush(QColor(0x2a, 0x3a, 0x2a));
            p.drawEllipse(QPointF(cx, taban - 6), 4, 14);
        }
    }
}

void Burun(QPainter &p, Zar &zar) {
    const double x = 728, taban = 268, yük = 128;
    // The lighthouse stands first, so that the headland's crest hides its foot.
    p.setPen(Qt::NoPen);
    QPolygonF kule{
        {x - 13, taban + 20}, {x - 8, taban - yük}, {x + 8, taban - yük}, {x + 13, taban + 20}};
    p.save();
    QPainterPath kuleYolu;
    kuleYolu.addPolygon(kule);
    p.setClipPath(kuleYolu);
    for (int i = 0; i < 6; ++i) {
        p.setBrush(i % 2 ? QColor(0xf4, 0xec, 0xe4) : QColor(0xd2, 0x30, 0x30));
        p.drawRect(QRectF(x - 14, taban - yük + i * yük / 6, 28, i == 5 ? 40 : yük / 6 + 0.5));
    }
    p.fillRect(QRectF(x - 14, taban - yük, 9, yük + 20), QColor(40, 20, 60, 80));
    p.restore();
    const QPointF lamba(x, taban - yük - 9);
    QPainterPath ışın(lamba);
    ışın.lineTo(lamba + QPointF(-330, -44));
    ışın.lineTo(lamba + QPointF(-330, 10));
    ışın.closeSubpath();
    QLinearGradient ışınRengi(lamba, lamba + QPointF(-330, 0));
    ışınRengi.setColorAt(0, QColor(255, 250, 200, 120));
    ışınRengi.setColorAt(1, QColor(255, 250, 200, 0));
    p.setBrush(ışınRengi);
    p.drawPath(ışın);
    p.setBrush(QColor(0x30, 0x30, 0x3a));
    p.drawRect(QRectF(x - 12, taban - yük - 2, 24, 4));
    p.setBrush(QColor(0xff, 0xf0, 0xa0));
    p.drawRect(QRectF(x - 7, taban - yük - 14, 14, 12));
    p.setBrush(QColor(0xb0, 0x28, 0x28));
    p.drawPolygon(
        QPolygonF({{x - 10, taban - yük - 14}, {x, taban - yük - 26}, {x + 10, taban - yük - 14}}));
    QRadialGradient hale(lamba, 26);
    hale.setColorAt(0, QColor(255, 250, 200, 200));
    hale.setColorAt(1, QColor(255, 250, 200, 0));
    p.setBrush(hale);
    p.drawEllipse(lamba, 26, 26);

    const QPainterPath burun =
        Dağlar(zar, {{560, 346}, {640, 294}, {700, 268}, {760, 258}, {810, 262}}, 2.5, 346);
    p.setBrush(DikeyGeçiş(250, Deniz, QColor(0x4e, 0x30, 0x52), QColor(0x2c, 0x1c, 0x38)));
    p.drawPath(burun);
    for (int i = 0; i < 18; ++i)
        Çam(p, {zar.Ara(630, 800), zar.Ara(306, 342)}, zar.Ara(14, 30), QColor(0x2a, 0x2a, 0x36));
}

void Deniz_(QPainter &p, Zar &zar, const QImage &üst) {
    const QRectF deniz(0, Deniz, En, Boy - Deniz);
    QLinearGradient g(0, Deniz, 0, Boy);
    g.setColorAt(0, QColor(0xf0, 0xa0, 0x60));
    g.setColorAt(0.3, QColor(0x9a, 0x4a, 0x70));
    g.setColorAt(1, QColor(0x24, 0x1c, 0x4c));
    p.fillRect(deniz, g);
    p.save();
    p.setClipRect(deniz);
    p.setOpacity(0.55);
    p.drawImage(QPointF(0, Deniz), Yansıma(üst, 3.5, zar));
    p.setOpacity(1);
    // The sun's road: a column of glints that widens towards the viewer.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 900; ++i) {
        const double y = Deniz + std::pow(zar.Ara(0, 1), 1.4) * (Boy - Deniz);
        const double yakınlık = (y - Deniz) / (Boy - Deniz);
        const double x = Güneş.x() + zar.Ara(-1, 1) * zar.Ara(0.2, 1) * (30 + 130 * yakınlık);
        const double uzunluk = zar.Ara(4, 10) + 26 * yakınlık;
        p.setBrush(Karıştır(QColor(255, 230, 150), QColor(255, 150, 80), zar.Ara(0, 1)));
        p.setOpacity(zar.Ara(0.35, 1) * (1 - yakınlık * 0.5));
        p.drawRect(QRectF(x - uzunluk / 2, y, uzunluk, 1 + yakınlık * 2));
    }
    p.setOpacity(1);
    for (int i = 0; i < 900; ++i) {
        const double y = zar.Ara(Deniz + 3, Boy);
        const double yakınlık = (y - Deniz) / (Boy - Deniz);
        p.setBrush(i % 2 ? QColor(255, 200, 170, 45) : QColor(20, 10, 50, 70));
        p.drawRect(QRectF(zar.Ara(0, En), y, 8 + 40 * yakınlık * zar.Ara(0.3, 1), 1 + yakınlık));
    }
    p.restore();
}

void Yelkenli(QPainter &p, QPointF m, double ö, const QColor &yelken, bool ikiYelken) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 10, 30, 90));
    p.drawEllipse(m + QPointF(0, 4 * ö), 30 * ö, 4 * ö);
    p.setBrush(QColor(0x2a, 0x1e, 0x30));
    p.drawPolygon(QPolygonF({m + QPointF(-30, -7) * ö, m + QPointF(32, -7) * ö,
                             m + QPointF(22, 2) * ö, m + QPointF(-24, 2) * ö}));
    p.setBrush(QColor(0x3a, 0x2a, 0x30));
    p.drawRect(QRectF(m + QPointF(-1, -72) * ö, m + QPointF(1, -7) * ö));
    QPolygonF ana{m + QPointF(2, -70) * ö, m + QPointF(2, -11) * ö, m + QPointF(30, -11) * ö};
    p.setBrush(DikeyGeçiş(m.y() - 70 * ö, m.y(), yelken, Karıştır(yelken, GünIşığı, 0.5)));
    p.drawPolygon(ana);
    if (ikiYelken) {
        p.setBrush(yelken.darker(125));
        p.drawPolygon(QPolygonF(
            {m + QPointF(-3, -64) * ö, m + QPointF(-3, -11) * ö, m + QPointF(-26, -11) * ö}));
    }
}

void BalıkçıTeknesi(QPainter &p, QPointF m) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 10, 30, 110));
    p.drawEllipse(m + QPointF(0, 34), 120, 10);
    QPainterPath gövde(m + QPointF(-118, -8));
    gövde.lineTo(m + QPointF(120, -20));
    gövde.cubicTo(m + QPointF(104, 20), m + QPointF(60, 32), m + QPointF(-90, 32));
    gövde.closeSubpath();
    p.setBrush(
        DikeyGeçiş(m.y() - 20, m.y() + 32, QColor(0x2f, 0x6a, 0xb8), QColor(0x1a, 0x34, 0x62)));
    p.drawPath(gövde);
    p.setBrush(QColor(0xf2, 0xe8, 0xdc));
    p.drawPolygon(QPolygonF({m + QPointF(-118, -8), m + QPointF(120, -20), m + QPointF(119, -14),
                             m + QPointF(-117, -2)}));
    p.setBrush(QColor(0xe8, 0x5a, 0x30));
    p.drawPolygon(QPolygonF(
        {m + QPointF(-112, 6), m + QPointF(112, -6), m + QPointF(109, -1), m + QPointF(-110, 11)}));
    p.setBrush(DikeyGeçiş(m.y() - 60, m.y(), QColor(0xfa, 0xf0, 0xe0), QColor(0xd8, 0xb8, 0x98)));
    p.drawRect(QRectF(m + QPointF(-70, -56), QSizeF(64, 48)));
    p.setBrush(QColor(0xb8, 0x34, 0x2c));
    p.drawRect(QRectF(m + QPointF(-76, -62), QSizeF(76, 8)));
    for (int i = 0; i < 3; ++i) {
        p.setBrush(QColor(0xff, 0xdc, 0x80));
        p.drawRect(QRectF(m + QPointF(-64 + i * 20, -46), QSizeF(13, 12)));
    }
    p.setBrush(QColor(0x3a, 0x2a, 0x2a));
    p.drawRect(QRectF(m + QPointF(40, -120), QSizeF(4, 108)));
    p.setPen(QPen(QColor(0x3a, 0x2a, 0x2a), 1));
    p.drawLine(m + QPointF(42, -118), m + QPointF(-110, -8));
    p.drawLine(m + QPointF(42, -118), m + QPointF(118, -18));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x40, 0x30));
    p.drawEllipse(m + QPointF(42, -120), 3, 3);
}

void Rıhtım(QPainter &p, Zar &zar) {
    const double üst = 508;
    QPolygonF yüz{{0, üst}, {360, üst + 22}, {360, Boy}, {0, Boy}};
    p.setPen(Qt::NoPen);
    p.setBrush(DikeyGeçiş(üst, Boy, QColor(0x8a, 0x70, 0x6a), QColor(0x4a, 0x3a, 0x44)));
    p.drawPolygon(yüz);
    // Dressed stones, their joints following the quay's slant.
    p.setPen(QPen(QColor(0x3a, 0x2c, 0x34), 1.2));
    for (int s = 0; s < 5; ++s) {
        const double y = üst + 10 + s * 18;
        p.drawLine(QLineF(0, y, 360, y + 22 * (1 - s * 0.15)));
        for (int i = 0; i < 9; ++i) {
            const double x = i * 44 + (s % 2) * 22 + zar.Ara(-4, 4);
            const double yy = y + 22 * (1 - s * 0.15) * x / 360;
            p.drawLine(QLineF(x, yy, x, yy + 18));
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd8, 0xb8, 0x9a));
    p.drawPolygon(QPolygonF({{0, üst - 6}, {364, üst + 17}, {360, üst + 22}, {0, üst}}));

    const auto babası = [&](double x) {
        const double y = üst + 22 * x / 360;
        p.setBrush(QColor(0x2a, 0x24, 0x2c));
        p.drawRoundedRect(QRectF(x - 7, y - 20, 14, 20), 4, 4);
        p.drawEllipse(QPointF(x, y - 20), 10, 4);
    };
    babası(160);
    babası(300);
    const auto fener = [&](double x) {
        const double y = üst + 22 * x / 360;
        p.setBrush(QColor(0x22, 0x1c, 0x28));
        p.drawRect(QRectF(x - 2.5, y - 150, 5, 150));
        p.drawRect(QRectF(x - 8, y - 6, 16, 6));
        QRadialGradient ışık(QPointF(x, y - 160), 40);
        ışık.setColorAt(0, QColor(255, 240, 170, 230));
        ışık.setColorAt(1, QColor(255, 240, 170, 0));
        p.setBrush(ışık);
        p.drawEllipse(QPointF(x, y - 160), 40, 40);
        p.setBrush(QColor(0xff, 0xf0, 0xb8));
        p.drawRoundedRect(QRectF(x - 7, y - 170, 14, 18), 3, 3);
        p.setBrush(QColor(0x22, 0x1c, 0x28));
        p.drawPolygon(QPolygonF({{x - 10, y - 170}, {x, y - 178}, {x + 10, y - 170}}));
    };
    fener(40);
    fener(250);
    // Crates and a coil of rope on the quay.
    const QColor tahta(0xa8, 0x74, 0x44);
    for (const QRectF &k :
         {QRectF(70, 472, 40, 34), QRectF(96, 446, 34, 30), QRectF(112, 478, 34, 30)}) {
        p.setBrush(tahta);
        p.drawRect(k);
        p.setBrush(tahta.darker(130));
        p.drawRect(QRectF(k.left(), k.top() + k.height() * 0.45, k.width(), 3));
        p.drawRect(QRectF(k.left(), k.top(), 3, k.height()));
        p.drawRect(QRectF(k.right() - 3, k.top(), 3, k.height()));
    }
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(QColor(0xd8, 0xc0, 0x90).darker(100 + i * 12), 3));
        p.drawEllipse(QPointF(205, 514), 20 - i * 4, 6 - i);
    }
    // A gull resting on the near bollard.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xf0, 0xee));
    p.drawEllipse(QPointF(300, 499), 10, 6);
    p.drawEllipse(QPointF(308, 492), 4.5, 4.5);
    p.setBrush(QColor(0x6a, 0x6a, 0x78));
    p.drawEllipse(QPointF(296, 497), 8, 3.5);
    p.setBrush(QColor(0xf0, 0xa0, 0x20));
    p.drawPolygon(QPolygonF({{312, 491}, {318, 493}, {312, 494}}));
}

void İskele(QPainter &p) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        const double t = i / 6.0;
        const double x = 800 - t * 190, y = 600 - t * 150;
        const double ö = 1 - t * 0.6;
        p.setBrush(QColor(0x2a, 0x1c, 0x26));
        p.drawRect(QRectF(x - 6 * ö, y - 40 * ö, 10 * ö, 70 * ö));
        p.setBrush(QColor(0x2a, 0x1c, 0x26, 90));
        p.drawRect(QRectF(x - 6 * ö, y + 30 * ö, 10 * ö, 30 * ö));
    }
    const auto kenar = [](double t, double yan) {
        return QPointF(800 - t * 190 + yan * (1 - t * 0.6), 600 - t * 150 - 40 * (1 - t * 0.6));
    };
    // The deck's near side, a dark beam under the planks.
    QPolygonF yan{kenar(0, -90), kenar(1, -90), kenar(1, -90) + QPointF(0, 5),
                  kenar(0, -90) + QPointF(0, 14)};
    p.setBrush(QColor(0x3a, 0x24, 0x30));
    p.drawPolygon(yan);
    for (int i = 0; i < 22; ++i) {
        const double t0 = i / 22.0, t1 = (i + 0.88) / 22.0;
        const QColor tahta = Karıştır(QColor(0x9a, 0x6a, 0x4a), QColor(0x5a, 0x3a, 0x48), t0);
        p.setBrush(i % 4 ? tahta : tahta.darker(115));
        p.drawPolygon(QPolygonF({kenar(t0, -8), kenar(t0, -90), kenar(t1, -90), kenar(t1, -8)}));
    }
}

void Şamandıra(QPainter &p, QPointF m, double ö) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 10, 30, 100));
    p.drawEllipse(m + QPointF(0, 2) * ö, 16 * ö, 3.5 * ö);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i % 2 ? QColor(0xf4, 0xee, 0xe8) : QColor(0xe0, 0x30, 0x28));
        p.drawRect(QRectF(m + QPointF(-8 + i * 1.2, -8 - i * 6) * ö, QSizeF(16 - i * 2.4, 6) * ö));
    }
    p.setBrush(QColor(0xff, 0xe0, 0x60));
    p.drawEllipse(m + QPointF(0, -34) * ö, 3 * ö, 3 * ö);
}

void Sandal(QPainter &p, QPointF m) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 10, 30, 100));
    p.drawEllipse(m + QPointF(0, 8), 52, 6);
    QPainterPath gövde(m + QPointF(-50, -10));
    gövde.quadTo(m + QPointF(0, -4), m + QPointF(50, -14));
    gövde.quadTo(m + QPointF(40, 10), m + QPointF(0, 10));
    gövde.quadTo(m + QPointF(-40, 10), m + QPointF(-50, -10));
    p.setBrush(
        DikeyGeçiş(m.y() - 14, m.y() + 10, QColor(0x3c, 0xa0, 0x6a), QColor(0x1c, 0x50, 0x3a)));
    p.drawPath(gövde);
    p.setBrush(QColor(0xf0, 0xe0, 0xc8));
    p.drawRect(QRectF(m + QPointF(-40, -10), QSizeF(80, 3)));
    p.setPen(QPen(QColor(0xc0, 0x90, 0x58), 2.5));
    p.drawLine(m + QPointF(-8, -8), m + QPointF(-70, 14));
}

} // namespace

bool LimanıÇiz(const QString &yol) {
    Zar zar(1923);
    QImage resim(En, Boy, QImage::Format_RGB32);
    {
        QPainter p(&resim);
        p.setRenderHint(QPainter::Antialiasing);
        Gökyüzü(p, zar);
        ŞeritBulut(p, zar, {300, 196}, 300, 22);
        ŞeritBulut(p, zar, {660, 150}, 240, 20);
        ŞeritBulut(p, zar, {440, 100}, 190, 14);
        ŞeritBulut(p, zar, {140, 262}, 200, 16);
        ŞeritBulut(p, zar, {740, 282}, 150, 12);
        ŞeritBulut(p, zar, {420, 290}, 120, 8);
        ŞeritBulut(p, zar, {715, 58}, 130, 7);
        const QColor martı(0x2a, 0x1e, 0x3a);
        const QPointF kuşlar[] = {{380, 56},  {410, 72},  {352, 80}, {600, 220},
                                  {630, 206}, {250, 130}, {770, 40}};
        for (int i = 0; i < 7; ++i)
            Kuş(p, kuşlar[i], 8 - i % 3, martı);
        Burun(p, zar);
        Kasaba(p, zar);
        const QImage üst = resim.copy(0, 0, En, int(Deniz));
        Deniz_(p, zar, üst);
        Yelkenli(p, {230, 384}, 0.8, QColor(0xfa, 0xf0, 0xe4), true);
        Yelkenli(p, {470, 356}, 0.4, QColor(0xff, 0xd8, 0xc0), false);
        Yelkenli(p, {690, 402}, 1.0, QColor(0xe8, 0x5a, 0x48), true);
        Şamandıra(p, {420, 470}, 1.0);
        Şamandıra(p, {560, 420}, 0.6);
        Sandal(p, {470, 560});
        İskele(p);
        BalıkçıTeknesi(p, {250, 470});
        Rıhtım(p, zar);
    }
    return Kaydet(resim, yol, "JPG", 88);
}
