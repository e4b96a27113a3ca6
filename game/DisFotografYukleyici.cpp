// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding photos from outside on a worker thread.
#include "game/DisFotografYukleyici.h"

#include "toolkit/HataPolitikasi.h"

#include <QApplication>
#include <QTimer>

DışFotoğrafYükleyici::DışFotoğrafYükleyici(QObject *bağlam, Teslimci teslimci)
    : bağlam_(bağlam), teslimci_(std::move(teslimci)) {
    // One decode at a time: a flood of requests never holds more than one photo's memory.
    havuz_.setMaxThreadCount(1);
}

DışFotoğrafYükleyici::~DışFotoğrafYükleyici() { havuz_.waitForDone(); }

void DışFotoğrafYükleyici::İste(const QString &yol, std::function<Fotoğraf()> çöz) {
    sıradaki_.emplace(yol, std::move(çöz));
    if (!meşgul_)
        Başlat();
}

void DışFotoğrafYükleyici::Başlat() {
    if (!sıradaki_)
        return;
    auto [yol, çöz] = *std::exchange(sıradaki_, std::nullopt);
    meşgul_ = true;
    havuz_.start([this, yol, çöz, bekçi = std::weak_ptr<int>(canlı_)] {
        std::optional<Fotoğraf> fotoğraf;
        int hata = 0;
        HataKapanı::Kurtar([&] { fotoğraf = çöz(); },
                           [&](const ÇalışmaHatası &h) { hata = h.Numara(); });
        QMetaObject::invokeMethod(
            bağlam_,
            [this, yol, fotoğraf, hata, bekçi] {
                if (bekçi.lock())
                    Teslim(yol, fotoğraf, hata);
            },
            Qt::QueuedConnection);
    });
}

void DışFotoğrafYükleyici::Teslim(const QString &yol, const std::optional<Fotoğraf> &fotoğraf,
                                  int hata) {
    // A box or a dialog runs an event loop of its own: an answer given from there would put
    // its box over the other, or change the board behind the chooser. It waits.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(250, bağlam_,
                           [this, yol, fotoğraf, hata, bekçi = std::weak_ptr<int>(canlı_)] {
                               if (bekçi.lock())
                                   Teslim(yol, fotoğraf, hata);
                           });
        return;
    }
    teslimci_(yol, fotoğraf, hata);
    meşgul_ = false;
    // The same file asked for again while its answer was on screen has had it.
    if (sıradaki_ && sıradaki_->first == yol)
        sıradaki_.reset();
    Başlat();
}
