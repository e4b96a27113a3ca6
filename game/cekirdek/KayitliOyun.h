// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a saved board back: the rows of section "Oyun" checked whole before any is used.
#pragma once

#include "toolkit/AyarDeposu.h"

#include <QString>
#include <optional>
#include <vector>

struct KayıtlıDüzen {
    std::vector<QString> Etiketler; // per place, as stored (the empty place's own index)
    std::vector<int> Parçalar;      // per place, the piece to show, or -1 for the empty place
    int BoşParça = -1;
};

// The arrangement the rows describe for an N x N board, or nothing when they are not a valid
// one: row count other than N*N, a piece number missing, repeated or out of range (a running
// game never shows piece N*N-1), no empty place ("<index>B" naming its own row) or more than
// one, the finished order itself (its first move would count as a win with a hole), or any
// number not written as the program writes it (plain decimal digits, no sign, no
// spaces, no leading zero). Row i restores place i whatever its key; only values are read.
std::optional<KayıtlıDüzen> KayıtlıDüzeniÇöz(const AyarListesi &satırlar, int kenar);

// The value stored for place `yer`: its Tag, or "<BoşParça>B" for the empty place.
QString KayıtDeğeri(int yer, int boşParça, const QString &etiket);
