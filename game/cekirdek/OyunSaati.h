// SPDX-License-Identifier: GPL-3.0-or-later
// The game clock's arithmetic, its display and the congratulation text.
#pragma once

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

// The elapsed time as hours, minutes and seconds of two digits each ("00:00:32"), whatever the
// locale: a count of time has no day-part marker and no 12 for zero hours. A time that is not a
// time of day is ÇalışmaHatası 13.
QString SüreMetni(int saat, int dakika, int saniye);

// The completion message, built from the string table exactly as the player sees it.
QString TebrikMetni(const OyunSaati &süre, std::int32_t hamleSayısı);
