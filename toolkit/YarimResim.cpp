// SPDX-License-Identifier: GPL-3.0-or-later
// Telling a truncated JPEG by its markers and a truncated BMP by its header.
#include "toolkit/YarimResim.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

// JPEG markers without a length field: fill bytes, TEM, restart markers.
bool UzunluksuzMu(uchar işaret) { return işaret == 0x01 || (işaret >= 0xD0 && işaret <= 0xD7); }

bool YarımJpeg(const uchar *v, qint64 n) {
    // Walk the header segments up to the first scan; an embedded thumbnail (in APP1) has an
    // end-of-image marker of its own, which must not count.
    qint64 i = 2;
    qint64 bloklar = 0; // 8 x 8 blocks of the first component, for Huffman-coded frames
    while (true) {
        if (i + 4 > n)
            return true;
        if (v[i] != 0xFF)
            return false; // broken headers: the decoder refuses these itself
        const uchar işaret = v[i + 1];
        if (işaret == 0xFF) {
            ++i;
            continue;
        }
        if (işaret == 0xDA)
            break;
        if (UzunluksuzMu(işaret)) {
            i += 2;
            continue;
        }
        const bool huffmanÇerçevesi = işaret >= 0xC0 && işaret <= 0xC7 && işaret != 0xC4;
        if (huffmanÇerçevesi && i + 9 <= n) {
            const qint64 boy = (qint64(v[i + 5]) << 8) | v[i + 6];
            const qint64 en = (qint64(v[i + 7]) << 8) | v[i + 8];
            bloklar = ((en + 7) / 8) * ((boy + 7) / 8);
        }
        i += 2 + ((qint64(v[i + 2]) << 8) | v[i + 3]);
    }
    // Compressed data never holds FF D9 (a data byte FF is followed by 00), so the picture is
    // whole when an end-of-image marker follows the scan. It is sought from the end: usually
    // the last two bytes, though some phones append more data behind the picture.
    qint64 son = n - 2;
    while (son > i && !(v[son] == 0xFF && v[son + 1] == 0xD9))
        --son;
    if (son <= i)
        return true;
    // Huffman coding spends at least two bits on every block (its DC difference and its end of
    // block), so far fewer bytes than blocks / 16 cannot be the whole picture: a header that
    // promises a huge photo over the data of a small one would come out as grey filler.
    return (son - i) * 16 < bloklar;
}

bool YarımBmp(const uchar *v, qint64 n) {
    constexpr qint64 başlıkSonu = 34; // file header and the fields read below
    if (n < başlıkSonu)
        return false;
    const qint64 veriBaşı = qFromLittleEndian<quint32>(v + 10);
    const qint64 başlıkBoyu = qFromLittleEndian<quint32>(v + 14);
    if (başlıkBoyu < 40)
        return false; // the old OS/2 header: left to the decoder
    const qint64 en = qFromLittleEndian<qint32>(v + 18);
    const qint64 boy = qAbs(qint64(qFromLittleEndian<qint32>(v + 22)));
    const qint64 bit = qFromLittleEndian<quint16>(v + 28);
    const quint32 sıkıştırma = qFromLittleEndian<quint32>(v + 30);
    // Only plain rows have a size known in advance (BI_RGB, BI_BITFIELDS).
    if ((sıkıştırma != 0 && sıkıştırma != 3) || en <= 0 || bit <= 0 || bit > 32)
        return false;
    const qint64 satır = (en * bit + 31) / 32 * 4;
    // Compared by division: a forged header's width times height overflows.
    return n < veriBaşı || (n - veriBaşı) / satır < boy;
}

bool Yarım(const uchar *v, qint64 n) {
    if (n >= 4 && v[0] == 0xFF && v[1] == 0xD8)
        return YarımJpeg(v, n);
    if (n >= 2 && v[0] == 'B' && v[1] == 'M')
        return YarımBmp(v, n);
    return false;
}

} // namespace

bool YarımResimMi(const QString &yol) {
    // Only plain files: opening a pipe that happens to be named .jpg would wait for a writer.
    if (!QFileInfo(yol).isFile())
        return false;
    QFile dosya(yol);
    if (!dosya.open(QIODevice::ReadOnly))
        return false;
    const qint64 boyut = dosya.size();
    if (const uchar *eşlem = boyut > 0 ? dosya.map(0, boyut) : nullptr)
        return Yarım(eşlem, boyut);
    const QByteArray içerik = dosya.readAll();
    return Yarım(reinterpret_cast<const uchar *>(içerik.constData()), içerik.size());
}
