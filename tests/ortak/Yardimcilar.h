// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the tests: generated photos, camera JPEGs with a small picture, and files.
#pragma once

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <random>

// Whether a file whose path contains `ad` is mapped into this process (a library, a catalogue).
inline bool Eşlenmiş(const char *ad) {
    QFile haritalar(QStringLiteral("/proc/self/maps"));
    return haritalar.open(QIODevice::ReadOnly) && haritalar.readAll().contains(ad);
}

// Red grows to the right, green downwards: cells stay recognisable after scaling and JPEG.
inline QRgb ÖrnekRengi(double x, double y, QSize boyut) {
    return qRgb(int(255 * x / boyut.width()), int(255 * y / boyut.height()), 96);
}

inline QImage ÖrnekFotoğraf(QSize boyut) {
    QImage resim(boyut, QImage::Format_RGB32);
    for (int y = 0; y < boyut.height(); ++y)
        for (int x = 0; x < boyut.width(); ++x)
            resim.setPixel(x, y, ÖrnekRengi(x + 0.5, y + 0.5, boyut));
    return resim;
}

// The quarters of DörtRenkliFotoğraf: top left, top right, bottom left, bottom right.
inline const QColor Çeyrekler[4] = {{220, 0, 0}, {0, 200, 0}, {0, 0, 220}, {230, 230, 0}};

inline QImage DörtRenkliFotoğraf(int en, int boy) {
    QImage resim(en, boy, QImage::Format_RGB32);
    for (int y = 0; y < boy; ++y)
        for (int x = 0; x < en; ++x)
            resim.setPixel(x, y, Çeyrekler[2 * (y >= boy / 2) + (x >= en / 2)].rgb());
    return resim;
}

inline QImage DüzFotoğraf(QColor renk, int en = 320, int boy = 240) {
    QImage resim(en, boy, QImage::Format_RGB32);
    resim.fill(renk);
    return resim;
}

// Noise, which JPEG cannot squeeze: the picture data is most of the file.
inline QImage Gürültü(int en, int boy) {
    QImage resim(en, boy, QImage::Format_RGB32);
    std::minstd_rand üreteç(1);
    for (qsizetype i = 0; i < resim.sizeInBytes(); ++i)
        resim.bits()[i] = uchar(üreteç());
    return resim;
}

// Alike within what JPEG and smoothing change.
inline bool RenkYakın(QColor a, QColor b, int pay = 40) {
    return std::abs(a.red() - b.red()) <= pay && std::abs(a.green() - b.green()) <= pay &&
           std::abs(a.blue() - b.blue()) <= pay;
}

inline QColor OrtaRenk(const QImage &resim) { return resim.pixelColor(resim.rect().center()); }

inline QByteArray Kodla(const QImage &resim, const char *biçim) {
    QByteArray veri;
    QBuffer tampon(&veri);
    tampon.open(QIODevice::WriteOnly);
    resim.save(&tampon, biçim, 90);
    return veri;
}

inline void DosyaYaz(const QString &yol, const QByteArray &içerik) {
    QFile dosya(yol);
    if (!dosya.open(QIODevice::WriteOnly) || dosya.write(içerik) != içerik.size())
        qFatal("cannot write %s", qPrintable(yol));
}

// `resim` as a progressive JPEG whose last scan comes `kez` times: each scan is a pass over it all.
inline QByteArray TaramaBombası(const QImage &resim, int kez) {
    QByteArray b;
    QBuffer tampon(&b);
    QImageWriter yazıcı(&tampon, "jpeg");
    yazıcı.setProgressiveScanWrite(true);
    yazıcı.write(resim);
    const qsizetype son = b.lastIndexOf("\xff\xda"), bitiş = b.size() - 2;
    return b.left(bitiş) + b.mid(son, bitiş - son).repeated(kez - 1) + "\xff\xd9";
}

// A JPEG as a camera writes it: after the start marker an EXIF block in Motorola (`mm`) or Intel
// order, orientation `yön`, small picture `küçük` (or the JPEG `küçükJpeg`). Its TIFF data starts
// at byte 12: directories at 8 and 26 (pointer at 22), the small picture's place and length at 36
// and 48, itself at 56.
inline QByteArray ExifliJpeg(const QImage &resim, const QImage &küçük, bool mm = false, int yön = 1,
                             QByteArray küçükJpeg = {}) {
    if (küçükJpeg.isEmpty())
        küçükJpeg = Kodla(küçük, "JPG");
    // clang-format off
    const int alanlar[][3] = { // place, value, width
        {0, mm ? 0x4D4D : 0x4949, 2}, {2, 42, 2}, {4, 8, 4},
        {8, 1, 2}, {10, 0x0112, 2}, {12, 3, 2}, {14, 1, 4}, {18, yön, 2}, {22, 26, 4},
        {26, 2, 2}, {28, 0x0201, 2}, {30, 4, 2}, {32, 1, 4}, {36, 56, 4},
        {40, 0x0202, 2}, {42, 4, 2}, {44, 1, 4}, {48, int(küçükJpeg.size()), 4}};
    // clang-format on
    QByteArray t(56, '\0');
    for (const auto &[yer, değer, boy] : alanlar)
        for (int i = 0; i < boy; ++i)
            t[yer + i] = char(quint32(değer) >> 8 * (mm ? boy - 1 - i : i));
    t += küçükJpeg;
    const qsizetype uzunluk = t.size() + 8;
    const QByteArray ana = Kodla(resim, "JPG");
    return ana.left(2) + "\xFF\xE1" + char(uzunluk >> 8) + char(uzunluk & 0xFF) +
           QByteArray("Exif\0\0", 6) + t + ana.mid(2);
}
