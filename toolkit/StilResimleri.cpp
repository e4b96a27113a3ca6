// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/StilResimleri.h"

#include "toolkit/HamResim.h"

#include <QDateTime>
#include <QFileInfo>
#include <QPixmap>
#include <QPixmapCache>

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
    // A copy made from another Qt's frame is left out: the style then reads its own.
    const HamResim kopya = HamResmiOku(QStringLiteral(":/stil/grup-cercevesi.ham"));
    if (!kopya.Resim.isNull() && kopya.KaynakBoyutu == çerçeve.size())
        QPixmapCache::insert(PixmapAnahtarı(çerçeve), QPixmap::fromImage(kopya.Resim));
}
