// SPDX-License-Identifier: GPL-3.0-or-later
// The game clock: carrying seconds into hours, the long-time display and the congratulation.
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

namespace {

bool SonundakiAyraç(QChar c) { return c.isSpace() || c == u',' || c == u'-' || c == u'/'; }

} // namespace

// Every locale's long time format ends (or begins) with the time-zone token 't', which means
// nothing for a count of elapsed time. Quoted literals ('h', 'kl', '') are left alone.
QString SaatDiliminiAyıkla(const QString &biçim) {
    QString sonuç;
    // For each character of `sonuç`: true when it stands outside quotes.
    QList<bool> açıkta;
    bool tırnakta = false;
    for (const QChar c : biçim) {
        if (c == u'\'')
            tırnakta = !tırnakta;
        else if (!tırnakta && c == u't')
            continue;
        sonuç += c;
        açıkta.append(!tırnakta && c != u'\'');
    }
    auto sil = [&](qsizetype konum, qsizetype uzunluk) {
        sonuç.remove(konum, uzunluk);
        açıkta.remove(konum, uzunluk);
    };

    // Brackets that held only the time zone: "H:mm:ss (t)".
    for (qsizetype i = 0; i < sonuç.size(); ++i) {
        if (!açıkta[i] || (sonuç[i] != u'(' && sonuç[i] != u'['))
            continue;
        const QChar kapanış = sonuç[i] == u'(' ? u')' : u']';
        qsizetype j = i + 1;
        while (j < sonuç.size() && açıkta[j] && sonuç[j].isSpace())
            ++j;
        if (j < sonuç.size() && açıkta[j] && sonuç[j] == kapanış)
            sil(i, j - i + 1);
    }
    // Separators left hanging at either end, then runs of spaces.
    while (!sonuç.isEmpty() && açıkta.back() && SonundakiAyraç(sonuç.back()))
        sil(sonuç.size() - 1, 1);
    while (!sonuç.isEmpty() && açıkta.front() && SonundakiAyraç(sonuç.front()))
        sil(0, 1);
    for (qsizetype i = 1; i < sonuç.size();) {
        if (açıkta[i] && açıkta[i - 1] && sonuç[i].isSpace() && sonuç[i - 1].isSpace())
            sil(i, 1);
        else
            ++i;
    }
    return sonuç;
}

QString UzunSaatBiçimi(const QLocale &yerel) {
    return SaatDiliminiAyıkla(yerel.timeFormat(QLocale::LongFormat));
}

QString UzunSaat(const QLocale &yerel, int saat, int dakika, int saniye) {
    const QTime zaman(saat, dakika, saniye);
    if (!zaman.isValid())
        throw ÇalışmaHatası(ÇalışmaHatası::TürUyuşmazlığı);
    return yerel.toString(zaman, UzunSaatBiçimi(yerel));
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
