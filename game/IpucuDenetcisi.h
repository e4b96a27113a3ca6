// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's work for the window, off the window's thread: the fewest moves of each new 3 x 3
// and 4 x 4 deal, handed to the session, and hints. Work for a board that has changed since it
// was asked for is stopped, and whatever it found is dropped.
#pragma once

#include "game/cekirdek/Ipucu.h"

#include <QObject>
#include <QThreadPool>
#include <stop_token>

class OyunOturumu;

class IpucuDenetcisi : public QObject {
    Q_OBJECT

public:
    explicit IpucuDenetcisi(OyunOturumu &oturum, QObject *ebeveyn = nullptr);
    ~IpucuDenetcisi() override; // stops the work and waits for it

    // A hint for the running game's board as it stands. A board that sliding cannot solve (a
    // saved game from an edited file) is reported at once and nothing is searched.
    void İste();

signals:
    void HintFound(int place); // the piece on `place` begins the way; the board has not moved
    void Unsolvable();
    void HintGone(); // the board changed: a hint shown no longer holds

private:
    void OyunDeğişti();
    void EnAzHamleyiBul();

    OyunOturumu &oturum_;
    İpucuBulucu bulucu_;
    std::stop_source enAzHamle_, ipucu_;
    // Last, so that it is gone first: its end waits for the work, which uses the members above.
    QThreadPool havuz_;
};
using İpucuDenetçisi = IpucuDenetcisi;
