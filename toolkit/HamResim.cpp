// SPDX-License-Identifier: GPL-3.0-or-later
// Raw pictures: written by the build, read back at start-up.
#include "toolkit/HamResim.h"

#include <QResource>
#include <QtEndian>
#include <cstring>

namespace {

constexpr char İmza[4] = {'M', 'Z', 'H', 'R'};
constexpr int BaşlıkBoyu = 20;
// Icons and style frames: far above any of them, far below anything that costs.
constexpr int EnBüyükKenar = 1024;

bool DörtBaytlık(QImage::Format biçim) {
    return biçim == QImage::Format_RGB32 || biçim == QImage::Format_ARGB32 ||
           biçim == QImage::Format_ARGB32_Premultiplied;
}

} // namespace

QByteArray HamResimBaytları(QImage resim, qint64 kaynakBoyutu) {
    if (!DörtBaytlık(resim.format()))
        resim.convertTo(resim.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (resim.isNull() || resim.width() > EnBüyükKenar || resim.height() > EnBüyükKenar ||
        kaynakBoyutu < 0 || kaynakBoyutu > UINT32_MAX)
        return {};
    QByteArray bayt(BaşlıkBoyu + resim.width() * resim.height() * 4, Qt::Uninitialized);
    auto *yaz = reinterpret_cast<uchar *>(bayt.data());
    std::memcpy(yaz, İmza, 4);
    qToLittleEndian<quint32>(resim.width(), yaz + 4);
    qToLittleEndian<quint32>(resim.height(), yaz + 8);
    qToLittleEndian<quint32>(resim.format(), yaz + 12);
    qToLittleEndian<quint32>(quint32(kaynakBoyutu), yaz + 16);
    for (int y = 0; y < resim.height(); ++y)
        std::memcpy(yaz + BaşlıkBoyu + y * resim.width() * 4, resim.constScanLine(y),
                    resim.width() * 4);
    return bayt;
}

HamResim HamResmiOku(const QString &kaynak) {
    // Stored uncompressed, the bytes are read where the executable holds them, not inflated.
    const QByteArray bayt = QResource(kaynak).uncompressedData();
    if (bayt.size() < BaşlıkBoyu || std::memcmp(bayt.constData(), İmza, 4) != 0)
        return {};
    const auto *oku = reinterpret_cast<const uchar *>(bayt.constData());
    const quint32 en = qFromLittleEndian<quint32>(oku + 4);
    const quint32 boy = qFromLittleEndian<quint32>(oku + 8);
    const auto biçim = QImage::Format(qFromLittleEndian<quint32>(oku + 12));
    if (en == 0 || boy == 0 || en > EnBüyükKenar || boy > EnBüyükKenar || !DörtBaytlık(biçim) ||
        bayt.size() != BaşlıkBoyu + qsizetype(en) * boy * 4)
        return {};
    // Copied into a picture of its own: a resource's bytes need not lie on a four-byte boundary.
    QImage resim(int(en), int(boy), biçim);
    if (resim.isNull())
        return {};
    for (int y = 0; y < resim.height(); ++y)
        std::memcpy(resim.scanLine(y), oku + BaşlıkBoyu + y * en * 4, en * 4);
    return {std::move(resim), qFromLittleEndian<quint32>(oku + 16)};
}
