// SPDX-License-Identifier: GPL-3.0-or-later
// One game from deal to completion, free of any window: the grid, the board, the moves, the
// clock and the saved game, and the rules of when a game starts and stops. The window and the
// screen reader's view both follow what it reports.
#pragma once

#include "game/cekirdek/OyunAyarlari.h"
#include "game/cekirdek/OyunSaati.h"
#include "game/cekirdek/SaatKaynagi.h"
#include "game/cekirdek/Tahta.h"

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class HataKapanı;
class RastgeleKaynak;

// What a command that may deal leaves the window to do: nothing, give the keyboard to the new
// game, or ask the player for a photo.
enum class Dağıtılan { Yok, Oyun, FotoğrafYok };

class OyunOturumu : public QObject {
    Q_OBJECT

public:
    // The store holds the grid and the saved game; it must outlive the session. The clock counts
    // the seconds of a running game.
    explicit OyunOturumu(AyarDeposuArayüzü &ayarlar,
                         std::unique_ptr<SaatKaynağı> saat = SaniyeSaati(),
                         QObject *ebeveyn = nullptr);
    ~OyunOturumu() override;

    const OyunTahtası &Tahta() const { return tahta_; }
    const OyunSaati &Süre() const { return süre_; }
    std::int32_t HamleSayısı() const { return hamle_; }
    // A game runs: the board takes moves and, unless the 24-hour message is being answered, the
    // clock ticks.
    bool SürüyorMu() const { return sürüyor_; }
    bool SaatÇalışıyorMu() const { return saatÇalışıyor_; }
    // A game runs that the player would lose by starting another: one with a move made, or one
    // put back from the saved game.
    bool HamleVarMı() const { return sürüyor_ && (hamle_ > 0 || geriYüklendi_); }

    // The deal draws from `kaynak`; without one, a generator seeded at the first deal.
    void RastgeleKaynağıKur(std::unique_ptr<RastgeleKaynak> kaynak);

    // Whether there is a photo to play, and whether the last one is still on its way (then the
    // board and "Yeni Oyun" wait, and the saved game with them).
    void FotoğrafVar(bool var) { fotoğrafVar_ = var; }
    void SonFotoğrafYolda(bool yolda) { fotoğrafYolda_ = yolda; }

    // The grid: 0 = 3 x 3, 1 = 4 x 4, 2 = 5 x 5.
    int Bölme() const { return bölme_; }
    // The stored grid; one outside the three is ÇalışmaHatası 9 and 3 x 3 is kept.
    void BölmeyiOku();
    void BölmeyiKaydet();
    // The pieces of the new grid in order; a game that ran is dealt again on it.
    Dağıtılan BölmeyiSeç(int bölme);

    // A new game on the current grid, dealt at random; the clock and the moves start from zero.
    // Without a photo nothing changes.
    Dağıtılan YeniOyun();

    // A click on place `yer`: with no game running, a new game; else a move when it is the empty
    // place's neighbour, or a refusal. The move that puts the last piece in order completes the
    // game; the counters keep their values until TebrikGörüldü.
    Dağıtılan Tıkla(int yer);
    // The place an arrow key plays: the piece on its side of the empty place, or the empty place
    // itself (a refusal) when nothing lies there.
    int OklaTıklanan(Ok ok) const;
    // The player has seen Completed: the clock and the moves back at zero (Ended), the saved
    // game read at start-up deleted.
    void TebrikGörüldü();

    // One second of a running game (the clock's tick, the game's SüreHesapla timer). At 24 hours
    // the clock stops and DayFull is reported; it starts again from zero at GünDoluGörüldü.
    void SaniyeGeçti();
    void GünDoluGörüldü();

    // Puts the saved game ("Oyun" and "Oyun\Bilgiler" of the store) back on the board of the
    // current grid, its clock and moves each read on its own (a value that cannot be read is
    // reported through `adım` and stays 0). Rows that are no valid board are deleted and the
    // pieces are shown in order after the error went through `adım`. While the last photo is on
    // its way the game read waits, to be put back by the next call.
    void KayıtlıOyunuGeriYükle(HataKapanı &adım);
    bool KayıtlıOyunBekliyor() const { return kayıtlıOyunBekliyor_; }
    bool KayıtlıOyundanVazgeç(); // true when one was waiting
    // Writes the running game over whatever is stored; with no game running writes nothing.
    void Kaydet();
    // Only a game read at start-up is ever deleted, by completion or by clearing the save option.
    void OkunanıSil();

    // Each deal and each restore gets a number of its own, so that work begun for one game (the
    // search for its fewest moves) cannot land on the next.
    std::uint64_t DağıtımNumarası() const { return dağıtımNumarası_; }
    // The fewest moves the deal needed from its first position, once found for this deal; never
    // for a restored game, whose first position was not kept.
    std::optional<int> DağıtımınEnAzHamlesi() const { return enAzHamle_; }
    void EnAzHamleBulundu(std::uint64_t dağıtım, int hamle);
    // A hint was shown during this game: it sets no record.
    bool Yardımlı() const { return yardımlı_; }
    void YardımAlındı() { yardımlı_ = true; }

signals:
    void BoardShown();            // the board laid anew without a game
    void Dealt();                 // a game on the board: dealt or put back; clock and moves new
    void Moved(int from, int to); // the piece on `from` slid into the empty place `to`
    void MoveRefused(int place);  // a click on a place that cannot move
    void Ticked();                // the clock shows another time
    void DayFull();               // 24 hours on the clock; it waits for GünDoluGörüldü
    void Completed(OyunSaati time, int moves); // the last piece lies in its corner, no game runs
    void Ended(); // after TebrikGörüldü: the clock and the moves back at zero

private:
    void SıralıGöster(int kenar);
    void SaatiÇalıştır(bool çalışsın);
    void SayaçlarıSıfırla();
    void KayıtlıDüzeniKur();
    void KayıtlıOyunuSil();
    void YeniDağıtım(); // a new number, no fewest moves known, no hint taken

    AyarDeposuArayüzü &ayarlar_;
    OyunTahtası tahta_;
    OyunSaati süre_;
    std::int32_t hamle_ = 0;
    int bölme_ = 0;
    bool sürüyor_ = false;
    bool saatÇalışıyor_ = false;
    bool geriYüklendi_ = false;
    bool tamamlandı_ = false; // Completed not yet seen
    bool fotoğrafVar_ = false;
    bool fotoğrafYolda_ = false;
    bool kayıtlıOyunBekliyor_ = false;
    std::uint64_t dağıtımNumarası_ = 0;
    std::optional<int> enAzHamle_;
    bool yardımlı_ = false;
    AyarListesi okunan_; // the saved game as read at start-up; empty when there was none
    std::unique_ptr<SaatKaynağı> saat_;
    std::unique_ptr<RastgeleKaynak> rastgele_;
};
