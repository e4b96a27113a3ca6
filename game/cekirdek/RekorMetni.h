// SPDX-License-Identifier: GPL-3.0-or-later
// The records in words: the lines a win adds to its congratulation, and the box of all records.
#pragma once

#include "game/cekirdek/Rekorlar.h"

#include <QLocale>
#include <QString>
#include <optional>

// The lines after the congratulation's own text, from its first line break on: whether the win
// set a record (or why it could not), the records of grid `bölme` as they now stand, and, on a
// 3 x 3 or 4 x 4 grid whose deal's fewest moves are known, that number.
QString TebrikEki(const RekorSonucu &sonuç, const BölmeRekorları &rekorlar, int bölme,
                  std::optional<int> enAzHamle, const QLocale &yerel);

// Grid `bölme`'s heading and its two records, one line each.
QString RekorSatırları(const BölmeRekorları &rekorlar, int bölme, const QLocale &yerel);

// The records of the three grids, as the records box shows them.
QString RekorlarMetni(AyarDeposuArayüzü &ayarlar, const QLocale &yerel);
