// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding the last photo on a worker thread, waited for briefly, handed over later.
#include "game/SonFotografYukleyici.h"

#include "toolkit/HataPolitikasi.h"

#include <QApplication>
#include <QTimer>
#include <condition_variable>
#include <mutex>

struct SonFotoğrafYükleyici::Ortak {
    std::mutex kilit;
    std::condition_variable bitti;
    std::optional<Sonuç> sonuç;
};

SonFotoğrafYükleyici::SonFotoğrafYükleyici(QObject *bağlam, std::function<Fotoğraf()> çöz)
    : bağlam_(bağlam), ortak_(std::make_shared<Ortak>()) {
    havuz_.setMaxThreadCount(1);
    havuz_.start([this, çöz = std::move(çöz), ortak = ortak_, bekçi = std::weak_ptr<int>(canlı_)] {
        Sonuç sonuç;
        HataKapanı::Kurtar([&] { sonuç.Yüklenen = çöz(); },
                           [&](const ÇalışmaHatası &h) { sonuç.Hata = h.Numara(); });
        {
            // Knocked before the outcome can be seen: whoever sees it ended also finds the
            // knock in the context's queue.
            const std::lock_guard kilit(ortak->kilit);
            ortak->sonuç = std::move(sonuç);
            QMetaObject::invokeMethod(
                bağlam_,
                [this, bekçi] {
                    if (bekçi.lock())
                        Teslim();
                },
                Qt::QueuedConnection);
        }
        ortak->bitti.notify_all();
    });
}

SonFotoğrafYükleyici::~SonFotoğrafYükleyici() { havuz_.waitForDone(); }

std::optional<SonFotoğrafYükleyici::Sonuç>
SonFotoğrafYükleyici::Bekle(std::chrono::milliseconds süre) {
    std::unique_lock kilit(ortak_->kilit);
    if (bitti_ ||
        !ortak_->bitti.wait_for(kilit, süre, [this] { return ortak_->sonuç.has_value(); }))
        return std::nullopt;
    bitti_ = true;
    return std::move(ortak_->sonuç);
}

void SonFotoğrafYükleyici::Sonra(Teslimci teslimci) {
    teslimci_ = std::move(teslimci);
    // A decode that has ended meanwhile has already knocked, with nobody to hand it to.
    QTimer::singleShot(0, bağlam_, [this, bekçi = std::weak_ptr<int>(canlı_)] {
        if (bekçi.lock())
            Teslim();
    });
}

void SonFotoğrafYükleyici::Vazgeç() { bitti_ = true; }

bool SonFotoğrafYükleyici::Çözüldü() const {
    const std::lock_guard kilit(ortak_->kilit);
    return ortak_->sonuç.has_value();
}

void SonFotoğrafYükleyici::Teslim() {
    if (bitti_ || !teslimci_)
        return;
    std::optional<Sonuç> sonuç;
    {
        const std::lock_guard kilit(ortak_->kilit);
        if (!ortak_->sonuç)
            return;
        // A box or a dialog runs an event loop of its own: the board would change behind it, or
        // a second box stand over the first. It waits.
        if (!QApplication::activeModalWidget())
            sonuç = std::move(ortak_->sonuç);
    }
    if (!sonuç) {
        QTimer::singleShot(250, bağlam_, [this, bekçi = std::weak_ptr<int>(canlı_)] {
            if (bekçi.lock())
                Teslim();
        });
        return;
    }
    bitti_ = true;
    const Teslimci teslimci = std::exchange(teslimci_, nullptr);
    teslimci(std::move(*sonuç));
}
