// SPDX-License-Identifier: GPL-3.0-or-later
// The 4 x 4 board's pattern databases: for three groups of pieces, the fewest moves of the
// group's own pieces that bring them home from any places they may stand on.
//
// Only moves of a group's own pieces are counted and the groups share no piece, so the three
// values add up to a lower bound of the moves the whole board needs. The empty place moves
// through the places the group leaves free for nothing, but it must reach a piece to move it.
//
// The board mirrored in its diagonal through the empty corner needs as many moves as the board
// itself, so the tables read on the mirrored board give a second lower bound.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <stop_token>
#include <vector>

class ÖrüntüVeritabanı {
public:
    static constexpr int GrupSayısı = 3;

    // The tables, built by the first caller and shared from then on (about 5.8 MB). A caller
    // asked to stop while building gets nothing; the next one builds them anew.
    static std::shared_ptr<const ÖrüntüVeritabanı> Al(std::stop_token dur = {});

    // The group a piece 0..14 belongs to.
    static int GrupOf(int parça) { return grupOf_[static_cast<std::size_t>(parça)]; }

    // Place or piece `x` mirrored in the diagonal through places 0 and 15.
    static int Yansıt(int x) { return x % 4 * 4 + x / 4; }

    // The group's value for the places of the pieces (`konum[p]` is the place of piece p), or for
    // the same board mirrored.
    int Değer(int grup, const std::uint8_t *konum, bool yansıyan = false) const;

    std::size_t Bayt() const;

private:
    ÖrüntüVeritabanı() = default;
    bool Kur(int grup, std::stop_token dur);

    // The left block's pieces and the bottom row's, each with a table of its own; the right
    // block reads the left block's table.
    static const std::array<std::vector<int>, 2> tabloGrupları_;
    static const std::array<int, 15> grupOf_;
    std::array<std::vector<std::uint8_t>, 2> tablolar_;
};
using OruntuVeritabani = ÖrüntüVeritabanı;
