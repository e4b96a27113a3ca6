// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing helpers shared by the icon and the sample photos: a seeded die and natural shapes.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <random>

// A die with a fixed seed, so that every run draws the very same pictures.
class Zar {
public:
    explicit Zar(unsigned tohum) : üreteç_(tohum) {}
    double Ara(double alt, double üst) { return alt + (üst - alt) * (üreteç_() / 4294967296.0); }
    int Tam(int alt, int üst) {
        return alt + static_cast<int>(üreteç_() % unsigned(üst - alt + 1));
    }

private:
    std::mt19937 üreteç_;
};

// A colour between `a` and `b`; t = 0 gives a.
QColor Karıştır(const QColor &a, const QColor &b, double t);

// A vertical gradient from `üst` at y0 to `alt` at y1, optionally through a middle colour.
QLinearGradient DikeyGeçiş(double y0, double y1, const QColor &üst, const QColor &alt);

// A ridge line from x0 to x1 around height y, roughened by midpoint displacement, closed down to
// `taban`.
QPainterPath Sırt(Zar &zar, double x0, double x1, double y, double pürüz, double taban,
                  int derinlik = 7);

// A mountain range through the given summits and saddles, roughened between them and closed down
// to `taban`.
QPainterPath Dağlar(Zar &zar, const QPolygonF &doruklar, double pürüz, double taban);

// A fluffy cloud of overlapping discs, lit from above.
void Bulut(QPainter &p, Zar &zar, QPointF merkez, double genişlik, const QColor &ışık,
           const QColor &gölge);

// A conifer standing on `taban`.
void Çam(QPainter &p, QPointF taban, double yükseklik, const QColor &renk);

// A broad-leaved tree standing on `taban` with a round crown.
void Ağaç(QPainter &p, Zar &zar, QPointF taban, double yükseklik, const QColor &yaprak);

// A flying bird seen from afar: two arcs.
void Kuş(QPainter &p, QPointF merkez, double açıklık, const QColor &renk);

// The picture mirrored about its horizontal axis and shifted by a small wave per row, so that it
// can be laid on water as a reflection.
QImage Yansıma(const QImage &kaynak, double dalga, Zar &zar);

bool Kaydet(const QImage &resim, const QString &yol, const char *biçim, int kalite = -1);
