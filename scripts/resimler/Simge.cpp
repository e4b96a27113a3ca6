// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon "1PROGRAM": a 3 x 3 sliding puzzle of a landscape with one empty,
// light-yellow place. One drawing, written as SVG and painted at 32 and 48 pixels; 16 pixels is
// drawn pixel by pixel so that it stays crisp.
#include "Cizim.h"

#include <QFile>
#include <QTextStream>
#include <vector>

namespace {

const QColor BoşRenk(255, 255, 192);
const QColor ÇerçeveÜst(0x3d, 0x50, 0x66), ÇerçeveAlt(0x1e, 0x29, 0x36);

// One shape of the landscape, in a 48-unit square; `renk2` set means a vertical gradient.
struct Şekil {
    enum Tür { Dikdörtgen, Elips, Çokgen } tür;
    QRectF kutu;
    QPolygonF köşeler;
    QColor renk, renk2 = {};
};

std::vector<Şekil> Manzara() {
    return {
        {Şekil::Dikdörtgen, {0, 0, 48, 30}, {}, QColor(0x3f, 0x9c, 0xe8), QColor(0xd2, 0xef, 0xff)},
        {Şekil::Elips, {30, 2, 15, 15}, {}, QColor(255, 244, 190)},
        {Şekil::Elips, {33, 5, 9, 9}, {}, QColor(255, 205, 60)},
        {Şekil::Elips, {4, 6, 8, 6}, {}, QColor(255, 255, 255)},
        {Şekil::Elips, {8, 3.5, 9, 8.5}, {}, QColor(255, 255, 255)},
        {Şekil::Elips, {14, 6, 7, 6}, {}, QColor(244, 248, 252)},
        {Şekil::Çokgen,
         {},
         QPolygonF({{0, 27},
                    {7, 18},
                    {11, 21},
                    {21, 10},
                    {27, 17},
                    {31, 14},
                    {39, 20},
                    {48, 16},
                    {48, 33},
                    {0, 33}}),
         QColor(0x8a, 0x98, 0xc4),
         QColor(0x5d, 0x6b, 0x96)},
        {Şekil::Çokgen,
         {},
         QPolygonF({{21, 10}, {17.6, 14}, {19.5, 13.6}, {21, 15}, {22.8, 13.5}, {24.4, 14.5}}),
         QColor(255, 255, 255)},
        {Şekil::Elips, {-16, 24, 44, 22}, {}, QColor(0x6c, 0xc2, 0x4a), QColor(0x3f, 0x92, 0x2e)},
        {Şekil::Elips, {20, 25, 44, 20}, {}, QColor(0x5a, 0xb3, 0x3e), QColor(0x35, 0x84, 0x28)},
        {Şekil::Dikdörtgen,
         {0, 36, 48, 12},
         {},
         QColor(0x4c, 0xa5, 0x36),
         QColor(0x2f, 0x7a, 0x25)},
        {Şekil::Elips, {12, 36, 26, 8}, {}, QColor(0x5c, 0xb6, 0xf0), QColor(0x2a, 0x7c, 0xc8)},
        {Şekil::Dikdörtgen, {5.5, 28, 6, 5}, {}, QColor(0xf6, 0xe7, 0xc8)},
        {Şekil::Çokgen,
         {},
         QPolygonF({{4.5, 28.5}, {8.5, 24.5}, {12.5, 28.5}}),
         QColor(0xd2, 0x3c, 0x2a)},
        {Şekil::Dikdörtgen, {7.5, 30, 2, 3}, {}, QColor(0x7a, 0x4a, 0x2a)},
        {Şekil::Çokgen, {}, QPolygonF({{40, 26}, {37, 33}, {43, 33}}), QColor(0x1f, 0x6b, 0x2a)},
        {Şekil::Çokgen,
         {},
         QPolygonF({{44, 24}, {41.5, 31}, {46.5, 31}}),
         QColor(0x27, 0x75, 0x30)},
    };
}

// The tiles' edges at a given size: margin and gap in units of that size, rounded to pixels
// so that the gaps stay sharp.
std::vector<QRectF> Parçalar(double boyut, double kenar, double ara, bool yuvarla) {
    const double parça = (boyut - 2 * kenar - 2 * ara) / 3;
    auto r = [&](double v) { return yuvarla ? std::round(v) : v; };
    std::vector<QRectF> sonuç;
    for (int satır = 0; satır < 3; ++satır)
        for (int sütun = 0; sütun < 3; ++sütun) {
            const double x0 = r(kenar + sütun * (parça + ara)),
                         x1 = r(kenar + sütun * (parça + ara) + parça);
            const double y0 = r(kenar + satır * (parça + ara)),
                         y1 = r(kenar + satır * (parça + ara) + parça);
            sonuç.push_back(QRectF(x0, y0, x1 - x0, y1 - y0));
        }
    return sonuç;
}

QBrush Fırça(const Şekil &ş, double ölçek) {
    if (!ş.renk2.isValid())
        return ş.renk;
    const QRectF k = ş.tür == Şekil::Çokgen ? ş.köşeler.boundingRect() : ş.kutu;
    return DikeyGeçiş(k.top() * ölçek, k.bottom() * ölçek, ş.renk, ş.renk2);
}

QImage Boya(int boyut) {
    QImage resim(boyut, boyut, QImage::Format_ARGB32);
    resim.fill(Qt::transparent);
    QPainter p(&resim);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(DikeyGeçiş(0, boyut, ÇerçeveÜst, ÇerçeveAlt));
    p.drawRoundedRect(QRectF(0, 0, boyut, boyut), boyut * 0.12, boyut * 0.12);

    const double ölçek = boyut / 48.0;
    const std::vector<QRectF> parçalar = Parçalar(boyut, 2 * ölçek, 1, true);
    QPainterPath kesit;
    for (size_t i = 0; i + 1 < parçalar.size(); ++i)
        kesit.addRect(parçalar[i]);
    p.save();
    p.setClipPath(kesit);
    for (const Şekil &ş : Manzara()) {
        p.setBrush(Fırça(ş, ölçek));
        QTransform t = QTransform::fromScale(ölçek, ölçek);
        if (ş.tür == Şekil::Dikdörtgen)
            p.drawRect(t.mapRect(ş.kutu));
        else if (ş.tür == Şekil::Elips)
            p.drawEllipse(t.mapRect(ş.kutu));
        else
            p.drawPolygon(t.map(ş.köşeler));
    }
    p.restore();
    p.setBrush(BoşRenk);
    p.drawRect(parçalar.back());

    // A lit upper-left and a shaded lower-right edge make each place read as a tile.
    p.setRenderHint(QPainter::Antialiasing, false);
    for (size_t i = 0; i + 1 < parçalar.size(); ++i) {
        const QRect r = parçalar[i].toRect();
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), QColor(255, 255, 255, 80));
        p.fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 1), QColor(255, 255, 255, 60));
        p.fillRect(QRect(r.left() + 1, r.bottom(), r.width() - 1, 1), QColor(0, 0, 0, 60));
        p.fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 2), QColor(0, 0, 0, 45));
    }
    const QRect boş = parçalar.back().toRect();
    p.fillRect(QRect(boş.left(), boş.top(), boş.width(), 1), QColor(0, 0, 0, 70));
    p.fillRect(QRect(boş.left(), boş.top() + 1, 1, boş.height() - 1), QColor(0, 0, 0, 50));
    return resim;
}

// 16 pixels: every pixel chosen. Letters name colours; '.' is the frame, ' ' is transparent.
QImage Boya16() {
    static const char *const satırlar[16] = {
        " .............. ", //
        ".bbbb.bbbb.bYYb.", //
        ".bccb.bbbb.YYYY.", //
        ".cccc.bbbW.bYYb.", //
        ".ssss.ssWM.ssss.", //
        "................", //
        ".sssM.sWMM.Msss.", //
        ".sMMM.MMMM.MMMs.", //
        ".GMMM.MMGG.MGGG.", //
        ".GGGG.GGGg.gGTG.", //
        "................", //
        ".GrrG.GGGG.EEEE.", //
        ".GhhG.gLLL.EEEE.", //
        ".gGGg.LLLL.EEEE.", //
        ".gggg.gLLg.EEEE.", //
        " .............. ", //
    };
    const auto renk = [](char c) -> QColor {
        switch (c) {
        case '.':
            return ÇerçeveAlt;
        case 'b':
            return QColor(0x52, 0xa8, 0xec);
        case 's':
            return QColor(0xa6, 0xd8, 0xfa);
        case 'c':
            return QColor(0xf4, 0xf8, 0xfc);
        case 'Y':
            return QColor(255, 205, 60);
        case 'W':
            return QColor(255, 255, 255);
        case 'M':
            return QColor(0x6f, 0x7d, 0xaa);
        case 'G':
            return QColor(0x55, 0xae, 0x3a);
        case 'g':
            return QColor(0x2f, 0x7a, 0x25);
        case 'T':
            return QColor(0x1f, 0x5b, 0x22);
        case 'r':
            return QColor(0xd2, 0x3c, 0x2a);
        case 'h':
            return QColor(0xf6, 0xe7, 0xc8);
        case 'L':
            return QColor(0x2f, 0x86, 0xd6);
        case 'E':
            return BoşRenk;
        default:
            return Qt::transparent;
        }
    };
    QImage resim(16, 16, QImage::Format_ARGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            resim.setPixelColor(x, y, renk(satırlar[y][x]));
    return resim;
}

QString Renk(const QColor &c) { return c.name(); }

bool SvgYaz(const QString &yol) {
    QFile dosya(yol);
    if (!dosya.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream s(&dosya);
    const std::vector<Şekil> şekiller = Manzara();
    const std::vector<QRectF> parçalar = Parçalar(48, 2, 1, false);
    s << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"48\" height=\"48\" "
         "viewBox=\"0 0 48 48\">\n<defs>\n";
    s << "<linearGradient id=\"cerceve\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\"><stop offset=\"0\" "
         "stop-color=\""
      << Renk(ÇerçeveÜst) << "\"/><stop offset=\"1\" stop-color=\"" << Renk(ÇerçeveAlt)
      << "\"/></linearGradient>\n";
    for (size_t i = 0; i < şekiller.size(); ++i) {
        if (!şekiller[i].renk2.isValid())
            continue;
        s << "<linearGradient id=\"g" << i << "\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
          << "<stop offset=\"0\" stop-color=\"" << Renk(şekiller[i].renk) << "\"/>"
          << "<stop offset=\"1\" stop-color=\"" << Renk(şekiller[i].renk2) << "\"/>"
          << "</linearGradient>\n";
    }
    s << "<clipPath id=\"parcalar\">\n";
    for (size_t i = 0; i + 1 < parçalar.size(); ++i) {
        const QRectF &r = parçalar[i];
        s << "<rect x=\"" << r.x() << "\" y=\"" << r.y() << "\" width=\"" << r.width()
          << "\" height=\"" << r.height() << "\"/>\n";
    }
    s << "</clipPath>\n</defs>\n";
    s << "<rect width=\"48\" height=\"48\" rx=\"5.76\" fill=\"url(#cerceve)\"/>\n";
    s << "<g clip-path=\"url(#parcalar)\">\n";
    for (size_t i = 0; i < şekiller.size(); ++i) {
        const Şekil &ş = şekiller[i];
        const QString dolgu = ş.renk2.isValid() ? QStringLiteral("url(#g%1)").arg(i) : Renk(ş.renk);
        if (ş.tür == Şekil::Dikdörtgen)
            s << "<rect x=\"" << ş.kutu.x() << "\" y=\"" << ş.kutu.y() << "\" width=\""
              << ş.kutu.width() << "\" height=\"" << ş.kutu.height() << "\"";
        else if (ş.tür == Şekil::Elips)
            s << "<ellipse cx=\"" << ş.kutu.center().x() << "\" cy=\"" << ş.kutu.center().y()
              << "\" rx=\"" << ş.kutu.width() / 2 << "\" ry=\"" << ş.kutu.height() / 2 << "\"";
        else {
            s << "<polygon points=\"";
            for (int k = 0; k < ş.köşeler.size(); ++k)
                s << (k ? " " : "") << ş.köşeler[k].x() << "," << ş.köşeler[k].y();
            s << "\"";
        }
        s << " fill=\"" << dolgu << "\"/>\n";
    }
    s << "</g>\n";
    for (size_t i = 0; i + 1 < parçalar.size(); ++i) {
        const QRectF &r = parçalar[i];
        s << "<path d=\"M" << r.left() + 0.25 << "," << r.bottom() << "V" << r.top() + 0.25 << "H"
          << r.right() << "\" fill=\"none\" stroke=\"#fff\" stroke-opacity=\".3\" "
          << "stroke-width=\".5\"/>\n";
    }
    const QRectF &b = parçalar.back();
    s << "<rect x=\"" << b.x() << "\" y=\"" << b.y() << "\" width=\"" << b.width() << "\" height=\""
      << b.height() << "\" fill=\"" << Renk(BoşRenk) << "\"/>\n";
    s << "</svg>\n";
    std::printf("%s\n", qPrintable(yol));
    return s.status() == QTextStream::Ok;
}

} // namespace

bool SimgeleriÇiz(const QString &klasör) {
    bool tamam = SvgYaz(klasör + "/mozeta.svg");
    tamam &= Kaydet(Boya16(), klasör + "/mozeta-16.png", "PNG");
    tamam &= Kaydet(Boya(32), klasör + "/mozeta-32.png", "PNG");
    tamam &= Kaydet(Boya(48), klasör + "/mozeta-48.png", "PNG");
    return tamam;
}
