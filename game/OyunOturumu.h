// SPDX-License-Identifier: GPL-3.0-or-later
// One game from deal to completion, free of any window: the board, the moves, the clock and the
// saved game. The window and the screen reader's view both follow what it reports.
#pragma once

#include "game/OyunSaati.h"
#include "game/Tahta.h"
#include "toolkit/AyarDeposu.h"

#include <QObject>
#include <cstdint>
#include <memory>

class HataKapanı;
class RastgeleKaynak;

class OyunOturumu : public QObject {
    Q_OBJECT

public:
    explicit OyunOturumu(QObject *ebeveyn = nullptr);
    ~OyunOturumu() override;

    const OyunTahtası &Tahta() const { return tahta_; }
    const OyunSaati &Süre() const { return süre_; }
    std::int32_t HamleSayısı() const { return hamle_; }
    // A game runs: its clock ticks and the board takes moves.
    bool SürüyorMu() const { return sürüyor_; }
    // A game runs that the player would lose by starting another: one with a move made, or one
    // put back from the saved game.
    bool HamleVarMı() const { return sürüyor_ && (hamle_ > 0 || geriYüklendi_); }

    // The deal draws from `kaynak`; without one, a generator seeded at the first deal.
    void RastgeleKaynağıKur(std::unique_ptr<RastgeleKaynak> kaynak);

    // The board of a new grid: the pieces in order (no game runs), or every place blank while
    // a saved game is about to be put back. Neither changes the clock, the moves or whether a
    // game runs.
    void SıralıGöster(int kenar);
    void BoşGöster(int kenar);

    // A new game on the current grid, dealt at random; the clock and the moves start from zero.
    void YeniOyun();

    // A click on place `yer`: a move when it is the empty place's neighbour, else a refusal;
    // the move that puts the last piece in order completes the game. Nothing while no game runs.
    void Tıkla(int yer);
    // The place an arrow key plays: the piece on its side of the empty place, or the empty place
    // itself (a refusal) when nothing lies there.
    int OklaTıklanan(Ok ok) const;

    // One second of a running game. At 24 hours the clock starts again from zero (DayFull first);
    // seconds that arrive while DayFull is being answered are dropped.
    void SaniyeGeçti();

    // The saved game ("Oyun" and "Oyun\Bilgiler" of the store). Oku takes the rows as they stand
    // at start-up; only a game read there is ever deleted by completion or by clearing the save
    // option (OkunanıSil).
    bool KayıtlıOyunuOku();
    // Puts the game read back on the board of the current grid, its clock and moves each read
    // on its own (a value that cannot be read is reported through `adım` and stays 0). Rows
    // that are no valid board are deleted, the pieces are shown in order and false is returned
    // after the error went through `adım`.
    bool KayıtlıOyunuKur(HataKapanı &adım);
    // Writes the running game over whatever is stored; with no game running writes nothing.
    void Kaydet();
    void OkunanıSil();

signals:
    void BoardShown(); // the board laid anew without a game (SıralıGöster, BoşGöster)
    void Dealt();      // a game on the board: dealt or put back; clock and moves new
    void Moved(int from, int to); // the piece on `from` slid into the empty place `to`
    void MoveRefused(int place);  // a click on a place that cannot move
    void Ticked();                // the clock shows another time
    void DayFull();               // 24 hours on the clock; it is set back once this returns
    void Completed(OyunSaati time, int moves); // the last piece lies in its corner, no game runs
    void Ended(); // after Completed: the clock and the moves back at zero

private:
    void SayaçlarıSıfırla();
    void KayıtlıDüzeniKur();

    OyunTahtası tahta_;
    OyunSaati süre_;
    std::int32_t hamle_ = 0;
    bool sürüyor_ = false;
    bool geriYüklendi_ = false;
    bool günDoldu_ = false; // DayFull is being answered
    AyarListesi okunan_;    // the saved game as read at start-up; empty when there was none
    std::unique_ptr<RastgeleKaynak> rastgele_;
};
