// SPDX-License-Identifier: GPL-3.0-or-later
// The last photo decoded off the window's thread: a photo of today's sizes is waited for, so that
// it is on the board when the window first shows; a slower one is handed over once it is ready,
// unless a newer photo has taken its place.
#pragma once

#include "toolkit/ResimYukleyici.h"

#include <QThreadPool>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QObject;

class SonFotoğrafYükleyici {
public:
    // The photo, or the number of the ÇalışmaHatası that refused it.
    struct Sonuç {
        std::optional<Fotoğraf> Yüklenen;
        int Hata = 0;
    };
    using Teslimci = std::function<void(Sonuç sonuç)>;

    // Starts `çöz`, the decode of the photo (LoadPicture or a refusal), at once.
    SonFotoğrafYükleyici(QObject *bağlam, std::function<Fotoğraf()> çöz);
    ~SonFotoğrafYükleyici(); // waits for the decode under way
    SonFotoğrafYükleyici(const SonFotoğrafYükleyici &) = delete;
    SonFotoğrafYükleyici &operator=(const SonFotoğrafYükleyici &) = delete;

    // Waits at most `süre` on the caller's thread: the outcome when the decode has ended by
    // then, which nobody else is handed afterwards.
    std::optional<Sonuç> Bekle(std::chrono::milliseconds süre);
    // Hands the outcome to `teslimci` on the context object's thread once it is ready, never
    // while a modal window is open, unless it is given up first.
    void Sonra(Teslimci teslimci);
    // The outcome is not wanted any more; the decode may go on, but nobody sees it.
    void Vazgeç();
    // Neither handed over nor given up.
    bool Bekliyor() const { return !bitti_; }
    // The decode has ended, its outcome taken or not.
    bool Çözüldü() const;

private:
    struct Ortak;
    void Teslim();

    QObject *bağlam_;
    std::shared_ptr<Ortak> ortak_;
    Teslimci teslimci_;
    bool bitti_ = false;
    std::shared_ptr<int> canlı_ = std::make_shared<int>(); // gone with this object
    QThreadPool havuz_;
};
