// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing helpers shared by the icon and the sample photos.
#include "Cizim.h"

#include <QtMath>
#include <cstdio>
#include <vector>

QColor Karıştır(const QColor &a, const QColor &b, double t) {
    return QColor::fromRgbF(
        a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
        a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QLinearGradient DikeyGeçiş(double y0, double y1, const QColor &üst, const QColor &alt) {
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, üst);
    g.setColorAt(1, alt);
    return g;
}

QPainterPath Sırt(Zar &zar, double x0, double x1, double y, double pürüz, double taban,
                  int derinlik) {
    std::vector<QPointF> noktalar{{x0, y + zar.Ara(-pürüz, pürüz)},
                                  {x1, y + zar.Ara(-pürüz, pürüz)}};
    double sapma = pürüz;
    for (int d = 0; d < derinlik; ++d) {
        std::vector<QPointF> yeni;
        for (size_t i = 0; i + 1 < noktalar.size(); ++i) {
            const QPointF &a = noktalar[i], &b = noktalar[i + 1];
            yeni.push_back(a);
            yeni.push_back({(a.x() + b.x()) / 2, (a.y() + b.y()) / 2 + zar.Ara(-sapma, sapma)});
        }
        yeni.push_back(noktalar.back());
        noktalar.swap(yeni);
        sapma *= 0.55;
    }
    QPainterPath yol({x0, taban});
    for (const QPointF &n : noktalar)
        yol.lineTo(n);
    yol.lineTo(x1, taban);
    yol.closeSubpath();
    return yol;
}

QPainterPath Dağlar(Zar &zar, const QPolygonF &doruklar, double pürüz, double taban) {
    QPainterPath yol({doruklar.first().x(), taban});
    yol.lineTo(doruklar.first());
    for (int i = 0; i + 1 < doruklar.size(); ++i) {
        const QPointF a = doruklar[i], b = doruklar[i + 1];
        // Each slope gets its own roughness: a chain of small random steps between two summits.
        const int adım = std::max(4, int(QLineF(a, b).length() / 6));
        for (int k = 1; k < adım; ++k) {
            const double t = double(k) / adım;
            const double kabarma = std::sin(t * M_PI);
            yol.lineTo(a + (b - a) * t + QPointF(zar.Ara(-1, 1), zar.Ara(-pürüz, pürüz) * kabarma));
        }
        yol.lineTo(b);
    }
    yol.lineTo(doruklar.last().x(), taban);
    yol.closeSubpath();
    return yol;
}

void Bulut(QPainter &p, Zar &zar, QPointF merkez, double genişlik, const QColor &ışık,
           const QColor &gölge) {
    const double yükseklik = genişlik * 0.32;
    QPainterPath biçim;
    const int top = 9;
    for (int i = 0; i < top; ++i) {
        const double t = (i + 0.5) / top;
        const double x = merkez.x() - genişlik / 2 + t * genişlik;
        // Discs are larger in the middle, so the cloud rises to a crown and stays flat below.
        const double r = yükseklik * (0.35 + 0.55 * std::sin(t * M_PI)) * zar.Ara(0.8, 1.15);
        const double y = merkez.y() + yükseklik * 0.35 - r;
        biçim.addEllipse(QPointF(x, y + r * 0.1), r, r);
    }
    biçim.addRoundedRect(QRectF(merkez.x() - genişlik * 0.45, merkez.y() - yükseklik * 0.1,
                                genişlik * 0.9, yükseklik * 0.45),
                         yükseklik * 0.2, yükseklik * 0.2);
    biçim.setFillRule(Qt::WindingFill);
    const QRectF sınır = biçim.boundingRect();
    p.setPen(Qt::NoPen);
    p.setBrush(DikeyGeçiş(sınır.top(), sınır.bottom(), ışık, gölge));
    p.drawPath(biçim.simplified());
}

void Çam(QPainter &p, QPointF taban, double yükseklik, const QColor &renk) {
    const double g = yükseklik * 0.42;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 60, 40));
    p.drawRect(
        QRectF(taban.x() - g * 0.06, taban.y() - yükseklik * 0.15, g * 0.12, yükseklik * 0.15));
    // Three tiers, each a little narrower; the sunny side is a shade lighter.
    for (int k = 0; k < 3; ++k) {
        const double alt = taban.y() - yükseklik * (0.12 + 0.26 * k);
        const double üst = alt - yükseklik * (0.5 - 0.06 * k);
        const double yarı = g * (0.5 - 0.11 * k);
        QPolygonF sol{{taban.x(), üst}, {taban.x() - yarı, alt}, {taban.x(), alt}};
        QPolygonF sağ{{taban.x(), üst}, {taban.x() + yarı, alt}, {taban.x(), alt}};
        p.setBrush(renk.darker(115));
        p.drawPolygon(sol);
        p.setBrush(renk.lighter(112));
        p.drawPolygon(sağ);
    }
}

void Ağaç(QPainter &p, Zar &zar, QPointF taban, double yükseklik, const QColor &yaprak) {
    const double r = yükseklik * 0.3;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(105, 72, 45));
    p.drawRect(
        QRectF(taban.x() - r * 0.12, taban.y() - yükseklik * 0.45, r * 0.24, yükseklik * 0.45));
    const QPointF taç(taban.x(), taban.y() - yükseklik + r);
    // Darker clumps at the back, lighter ones in front, so the crown has depth.
    for (int i = 0; i < 16; ++i) {
        const double önde = i / 15.0;
        const QPointF m = taç + QPointF(zar.Ara(-0.85, 0.85) * r, zar.Ara(-0.6, 0.6) * r);
        const double rr = r * zar.Ara(0.38, 0.6);
        const QColor renk = Karıştır(yaprak.darker(130), yaprak, önde);
        QRadialGradient g(m + QPointF(-rr * 0.3, -rr * 0.4), rr * 1.3);
        g.setColorAt(0, renk.lighter(135));
        g.setColorAt(1, renk.darker(125));
        p.setBrush(g);
        p.drawEllipse(m, rr, rr);
    }
}

void Kuş(QPainter &p, QPointF m, double açıklık, const QColor &renk) {
    QPainterPath yol(m + QPointF(-açıklık, -açıklık * 0.2));
    yol.quadTo(m + QPointF(-açıklık * 0.5, -açıklık * 0.55), m);
    yol.quadTo(m + QPointF(açıklık * 0.5, -açıklık * 0.55), m + QPointF(açıklık, -açıklık * 0.2));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(renk, qMax(1.2, açıklık * 0.18), Qt::SolidLine, Qt::RoundCap));
    p.drawPath(yol);
}

QImage Yansıma(const QImage &kaynak, double dalga, Zar &zar) {
    const QImage ters = kaynak.mirrored(false, true);
    QImage sonuç(kaynak.size(), QImage::Format_ARGB32_Premultiplied);
    sonuç.fill(Qt::transparent);
    QPainter p(&sonuç);
    const double evre = zar.Ara(0, 6.28);
    for (int y = 0; y < ters.height(); ++y) {
        // Ripples grow towards the viewer, who looks at the nearer water more steeply.
        const double uzaklık = double(y) / ters.height();
        const double kayma = dalga * (0.3 + uzaklık) * std::sin(evre + y * 0.9 / (0.3 + uzaklık));
        p.drawImage(QPointF(kayma, y), ters, QRectF(0, y, ters.width(), 1));
    }
    return sonuç;
}

bool Kaydet(const QImage &resim, const QString &yol, const char *biçim, int kalite) {
    if (resim.save(yol, biçim, kalite)) {
        std::printf("%s\n", qPrintable(yol));
        return true;
    }
    std::fprintf(stderr, "cannot write %s\n", qPrintable(yol));
    return false;
}
