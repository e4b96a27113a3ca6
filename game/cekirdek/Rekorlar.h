// SPDX-License-Identifier: GPL-3.0-or-later
// Each grid's best time and fewest moves, kept in the settings store, and what a win beats.
#pragma once

#include "game/cekirdek/OyunAyarlari.h"

#include <QDate>
#include <optional>

struct Rekor {
    int Değer = 0; // seconds, or moves
    QDate Tarih;   // the day it was set; invalid when the stored day cannot be read
};

struct BölmeRekorları {
    std::optional<Rekor> Süre;
    std::optional<Rekor> Hamle;
};

// What a win did for the records, and why it could not do more.
struct RekorSonucu {
    bool Süre = false;  // a new best time was written
    bool Hamle = false; // a new fewest moves was written
    bool Yardımlı = false;
    bool SayaçSıfırlandı = false;
};

// The records of grid `bölme` (0 = 3 x 3). A store with none (an older one) has none; a value
// that is not a number of the right range (an edited file) is no record, so that the next win
// writes a good one over it.
BölmeRekorları RekorlarıOku(AyarDeposuArayüzü &ayarlar, int bölme);

// A win on grid `bölme` in `saniye` (none when its clock is not its time) and `hamle` moves,
// on the day `bugün`: what it beats is written, and marked in `sonuç` once written. A tie keeps
// the older record. A failing write is the store's ÇalışmaHatası, and what was written before
// it stays marked.
void RekorlarıDene(AyarDeposuArayüzü &ayarlar, int bölme, std::optional<int> saniye, int hamle,
                   const QDate &bugün, RekorSonucu &sonuç);
