// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/BilinenBicim.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>

QImage BilinenBiçimdeOku(const QString &yol, const char *biçim) {
    QImageReader okuyucu(yol, biçim);
    okuyucu.setAutoDetectImageFormat(false);
    return okuyucu.read();
}

namespace {

// The key under which QPixmap keeps a picture it read from a file: "qt_pixmap", the absolute
// path, then the file's last change in seconds (4 bytes), its size (8 bytes) and the pixmap
// type (4 bytes, 0 for a pixmap), each byte written as two hex digits, the low one first.
QString PixmapAnahtarı(const QFileInfo &dosya) {
    QString anahtar = QStringLiteral("qt_pixmap") + dosya.absoluteFilePath();
    const auto ekle = [&anahtar](quint64 değer, int bayt) {
        static constexpr char16_t rakamlar[] = u"0123456789abcdef";
        for (int i = 0; i < bayt; ++i, değer >>= 8) {
            anahtar += QChar(rakamlar[değer & 0xf]);
            anahtar += QChar(rakamlar[(değer >> 4) & 0xf]);
        }
    };
    ekle(quint32(dosya.lastModified().toSecsSinceEpoch()), 4);
    ekle(quint64(dosya.size()), 8);
    ekle(0, 4);
    return anahtar;
}

} // namespace

void StilResimleriniHazırla() {
    const QFileInfo çerçeve(
        QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
    const QImage resim = BilinenBiçimdeOku(çerçeve.filePath(), "png");
    if (!resim.isNull())
        QPixmapCache::insert(PixmapAnahtarı(çerçeve), QPixmap::fromImage(resim));
}
