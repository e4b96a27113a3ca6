// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader says for a board place: the piece lying there and where it belongs.
#pragma once

#include "game/cekirdek/Tahta.h"

#include <QString>

// "Parça 6: yeri 2. sıra, 3. sütun" for a place showing piece 5 of a 3 x 3 board (numbers and
// rows counted from 1, as the player counts them); "Boş yer" for a place that shows no piece.
QString YerAdı(const OyunTahtası &tahta, int yer);

// Where the place stands and, while a game runs, where the empty place is: "3. sıra, 1.
// sütunda; boş yer 2. sıra, 1. sütunda"; "3. sıra, 3. sütunda" for the empty place itself.
QString YerKonumu(const OyunTahtası &tahta, int yer);
