// SPDX-License-Identifier: GPL-3.0-or-later
// Photos from outside the game decoded off the window's thread, one at a time: the window stays
// alive while a large photo decodes, and requests that come meanwhile fold into the latest.
#pragma once

#include "toolkit/ResimYukleyici.h"

#include <QThreadPool>
#include <functional>
#include <memory>
#include <optional>

class QObject;

class DışFotoğrafYükleyici {
public:
    // A decode's outcome, on the thread of the context object and never while a modal window
    // is open: the photo, or the number of the ÇalışmaHatası that refused it.
    using Teslimci =
        std::function<void(const QString &yol, const std::optional<Fotoğraf> &fotoğraf, int hata)>;

    DışFotoğrafYükleyici(QObject *bağlam, Teslimci teslimci);
    ~DışFotoğrafYükleyici(); // waits for the decode under way
    DışFotoğrafYükleyici(const DışFotoğrafYükleyici &) = delete;
    DışFotoğrafYükleyici &operator=(const DışFotoğrafYükleyici &) = delete;

    // Runs `çöz`, the decode of `yol` (LoadPicture or a refusal), once the photo under way has
    // been answered; a request still waiting is replaced.
    void İste(const QString &yol, std::function<Fotoğraf()> çöz);

private:
    void Başlat();
    void Teslim(const QString &yol, const std::optional<Fotoğraf> &fotoğraf, int hata);

    QObject *bağlam_;
    Teslimci teslimci_;
    std::optional<std::pair<QString, std::function<Fotoğraf()>>> sıradaki_;
    bool meşgul_ = false; // a decode runs, or its outcome is being answered
    std::shared_ptr<int> canlı_ = std::make_shared<int>(); // gone with this object
    QThreadPool havuz_;
};
