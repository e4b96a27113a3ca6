// SPDX-License-Identifier: GPL-3.0-or-later
// The game clock: carrying seconds into hours, the display and the congratulation.
#include "game/cekirdek/OyunSaati.h"

#include "resources/DizgiTablosu.h"
#include "toolkit/CalismaHatasi.h"

#include <QTime>
#include <algorithm>

bool OyunSaati::Tıkla() {
    // ">=" rather than "==", and in int: counters read back from an edited saved game may be
    // out of range, up to 255, and must still carry instead of wrapping to 0.
    int saniye = Saniye + 1, dakika = Dakika, saat = Saat;
    if (saniye >= 60) {
        saniye = 0;
        ++dakika;
    }
    if (dakika >= 60) {
        dakika = 0;
        ++saat;
    }
    Saniye = static_cast<std::uint8_t>(saniye);
    Dakika = static_cast<std::uint8_t>(dakika);
    Saat = static_cast<std::uint8_t>(std::min(saat, 255));
    return saat >= 24;
}

QString SüreMetni(int saat, int dakika, int saniye) {
    const QTime zaman(saat, dakika, saniye);
    if (!zaman.isValid())
        throw ÇalışmaHatası(ÇalışmaHatası::TürUyuşmazlığı);
    // QTime's own formatting is the C locale's: ASCII digits and nothing of the player's
    // time-of-day habits.
    return zaman.toString(u"HH:mm:ss");
}

QString TebrikMetni(const OyunSaati &süre, std::int32_t hamleSayısı) {
    const QString satırSonu = QStringLiteral("\r\n\r\n");
    QString metin = LoadResString(1300) + satırSonu + LoadResString(1320);
    if (süre.Saat != 0)
        metin += QString::number(süre.Saat) + LoadResString(1100);
    if (süre.Dakika != 0)
        metin += QString::number(süre.Dakika) + LoadResString(1200);
    if (süre.Saniye != 0)
        metin += QString::number(süre.Saniye) + LoadResString(1250);
    return metin + satırSonu + LoadResString(1340) + QString::number(hamleSayısı);
}
