// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the sliding puzzle, free of any window: places, tags, the empty place, the
// neighbour test, moves and the completion test.
//
// Place k of an N x N board stands in row k / N, column k % N. A place shows at most one piece
// picture and carries a Tag: the decimal number of the piece it shows. A move hands the moved
// piece's Tag to the empty place and leaves the clicked place's Tag as it was, so the empty
// place is never found through its Tag: BoşParça holds its index.
#pragma once

#include <QString>
#include <vector>

// `kenar` itself when the board can be laid out with that many places a side (2 to 16; the
// options give 3 to 5); any other side is ÇalışmaHatası 5.
int GeçerliKenar(int kenar);

// N for a split option: 0, 1, 2 give 3, 4, 5. Any other index is ÇalışmaHatası 5.
int KenarParçaSayısıOf(int bölmeSeçimi);

// True when place `boş` is a grid neighbour of place `tıklanan` on an N x N board: left or right
// in the same row, above or below. The last place of a row and the first of the next are not
// neighbours; a place is not its own neighbour.
bool KomşuMu(int tıklanan, int boş, int kenar);

// The four arrow keys of keyboard play. An arrow moves the piece on its side of the empty place
// into it: Yukarı moves the piece below the empty place up, Sol the piece to its right, and so
// on, as the player sees the piece travel in the arrow's direction.
enum class Ok { Yukarı, Aşağı, Sol, Sağ };

// The place whose piece the arrow moves into the empty place `boş` of an N x N board, or
// OyunTahtası::ParçaYok when no place lies on that side (the arrow moves nothing).
int OklaTaşınanYer(int boş, int kenar, Ok ok);

class OyunTahtası {
public:
    static constexpr int ParçaYok = -1;

    struct Yer {
        QString Tag;
        int Parça = ParçaYok; // the piece picture the place shows, or ParçaYok
    };

    // A blank board (as BoşGöster). Sides from 2 to 16 are accepted; others are ÇalışmaHatası 5.
    explicit OyunTahtası(int kenar = 3);

    int KenarParçaSayısı() const { return kenar_; }
    int YerSayısı() const { return static_cast<int>(yerler_.size()); }
    const Yer &YerOf(int yer) const { return yerler_.at(yer); }
    int BoşParça() const { return boş_; }

    // After a split with no game: place k shows piece k, every Tag empty, empty place N*N-1.
    void SıralıGöster(int kenar);
    // After a split while a saved game is being restored: every place blank with an empty Tag.
    void BoşGöster(int kenar);

    // A new game: places 0..N*N-2 show `dağıtım`'s pieces with their numbers as Tags; the last
    // place is empty and its Tag is its own index. `dağıtım` lists the pieces of places
    // 0..N*N-1 (as Dağıtım gives them) or 0..N*N-2; anything but an arrangement of pieces
    // 0..N*N-2 on those places is ÇalışmaHatası 5.
    void Dağıt(const std::vector<int> &dağıtım);

    // Puts one place back as a saved game held it: `parça` shown with Tag `etiket`, or, for the
    // empty place, no picture and its own index as Tag (it becomes BoşParça). A place or piece
    // outside the board is ÇalışmaHatası 9.
    void YeriKur(int yer, int parça, const QString &etiket);
    void BoşYeriKur(int yer);

    // A click on place `yer` during a game. Returns false (refused, nothing changes) unless the
    // empty place is its neighbour; otherwise slides the piece and returns true: the empty place
    // takes the piece and its Tag, the clicked place shows no picture and keeps its Tag.
    bool Taşı(int yer);

    // Places 0..N*N-2 each carry their own index as Tag, compared as text ("07" is not 7); the
    // last place is not looked at.
    bool TamamlandıMı() const;

    // The finishing touch of a completed game: the last place shows the last piece.
    void SonParçayıKoy();

private:
    int kenar_;
    int boş_;
    std::vector<Yer> yerler_;
};
