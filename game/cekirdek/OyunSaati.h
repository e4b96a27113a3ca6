// SPDX-License-Identifier: GPL-3.0-or-later
// The game clock's arithmetic, its long-time display and the congratulation text.
#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

struct OyunSaati {
    std::uint8_t Saniye = 0;
    std::uint8_t Dakika = 0;
    std::uint8_t Saat = 0;

    // One second: carries seconds into minutes and minutes into hours (counters out of range, as
    // from an edited saved game, carry too). Returns true when the clock has reached 24 hours;
    // the caller tells the player and then calls Sıfırla().
    bool Tıkla();
    void Sıfırla() { Saniye = Dakika = Saat = 0; }
};

// The time of day h:m:s in the locale's long time format, without any time-zone part
// (Turkish: "01:02:03"). A time that is not a time of day is ÇalışmaHatası 13.
QString UzunSaat(const QLocale &yerel, int saat, int dakika, int saniye);

// The long time format of `yerel` with its time-zone part stripped.
QString UzunSaatBiçimi(const QLocale &yerel);

// A time format without its unquoted time-zone tokens, brackets left empty and the separators
// left hanging: "HH:mm:ss t" -> "HH:mm:ss", "H:mm:ss (t)" -> "H:mm:ss", "t HH:mm:ss" -> "HH:mm:ss".
QString SaatDiliminiAyıkla(const QString &biçim);

// The completion message, built from the string table exactly as the player sees it.
QString TebrikMetni(const OyunSaati &süre, std::int32_t hamleSayısı);
