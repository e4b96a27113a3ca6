// SPDX-License-Identifier: GPL-3.0-or-later
// The way back to the solved board: the fewest moves on 3 x 3 and 4 x 4, a good way on 5 x 5.
//
// The solver sees a board as a layout: the piece on each place, row by row, with the number
// N*N-1 standing for the empty place. Solved, place k holds piece k and the empty place is last.
// A way is the list of places to click, one after another.
#pragma once

#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

class OyunTahtası;

using Dizilim = std::vector<int>;

struct Çözüm {
    std::vector<int> hamleler; // the places clicked, in order
    std::uint64_t düğüm = 0;   // positions the search looked at
};

// The board's layout, or an empty one when its places do not hold each piece once (a saved game
// from an edited file may not).
Dizilim DizilimOf(const OyunTahtası &tahta);

// True when the layout holds each of 0..N*N-1 once and sliding moves can put it in order: the
// parity of the arrangement equals the parity of the empty place's distance from its corner.
bool ÇözülebilirMi(const Dizilim &dizilim);

// Applies one click to a layout; false (nothing changes) when the place is not next to the empty
// place.
bool HamleyiUygula(Dizilim &dizilim, int yer);

// Iterative-deepening A*: the fewest moves of a 3 x 3 (Manhattan distance with linear conflicts)
// or 4 x 4 board (additive pattern databases, built at the first call). Nothing when the layout
// cannot be solved, is of another size, or `dur` was asked to stop.
std::optional<Çözüm> EnKısaÇözüm(const Dizilim &dizilim, std::stop_token dur = {});

// The same search led by the Manhattan distance alone, on any size up to 5 x 5: the yardstick
// the stronger estimates are measured against.
std::optional<Çözüm> ManhattanlaÇöz(const Dizilim &dizilim, std::stop_token dur = {});

// A good way, not always the shortest, for 5 x 5 and 6 x 6 boards: rows and columns are put in
// place a few pieces at a time, each group by the fewest moves, and the 4 x 4 (when that search
// is short) or 3 x 3 corner left over by the fewest moves. Sizes 2 to 4 get the shortest way.
// Nothing when the layout cannot be solved, is larger, or `dur` was asked to stop.
std::optional<Çözüm> İyiÇözüm(const Dizilim &dizilim, std::stop_token dur = {});

// A lower bound of any way's length: Manhattan distance plus linear conflicts.
int AltSınır(const Dizilim &dizilim);
