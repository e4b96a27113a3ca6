// SPDX-License-Identifier: GPL-3.0-or-later
// The chooser's photo decoding on worker threads.
#include "chooser/OnizlemeYukleyici.h"

#include "toolkit/ExifKucukResim.h"
#include "toolkit/HataPolitikasi.h"

#include <QMetaObject>
#include <QObject>
#include <utility>

ÖnizlemeYükleyici::ÖnizlemeYükleyici(QObject *bağlam, Teslimci teslimci,
                                     KüçükTeslimci küçükTeslimci)
    : bağlam_(bağlam), teslimci_(std::move(teslimci)), küçükTeslimci_(std::move(küçükTeslimci)) {
    // One decode at a time, the selected photo before the one ahead: two JPEG decodes side by
    // side each ran at half speed here, so the photo waited for came later.
    havuz_.setMaxThreadCount(1);
    küçükHavuz_.setMaxThreadCount(1);
}

ÖnizlemeYükleyici::~ÖnizlemeYükleyici() {
    {
        const std::lock_guard kilitli(kilit_);
        for (auto &[yol, iş] : işler_)
            iş->istenen = false;
        işler_.clear();
    }
    havuz_.clear();
    küçükHavuz_.clear();
    havuz_.waitForDone();
    küçükHavuz_.waitForDone();
}

ÖnizlemeYükleyici::Sonuç ÖnizlemeYükleyici::Çöz(const QString &yol) {
    Sonuç sonuç;
    HataKapanı adım(HataTarzı::YoksayVeDevamEt);
    adım([&] {
        // The preview and the board need far less than a camera's full size: the decode is
        // reduced, and the natural size travels with the picture so the cut stays exact.
        sonuç = LoadPicture(yol, OyunİçinEnAzBoyut);
    });
    return sonuç;
}

void ÖnizlemeYükleyici::İste(const QString &seçili, const QString &sıradaki) {
    {
        const std::lock_guard kilitli(kilit_);
        for (auto it = işler_.begin(); it != işler_.end();) {
            if (it->first == seçili || it->first == sıradaki) {
                ++it;
                continue;
            }
            it->second->istenen = false;
            it = işler_.erase(it);
        }
    }
    seçili_ = seçili;
    Başlat(seçili, 1);
    if (!sıradaki.isEmpty())
        Başlat(sıradaki, 0);
    Teslim();
    if (!seçili_.isEmpty()) // the photo was not ready: its small picture comes first
        KüçükResmiBaşlat(seçili);
}

void ÖnizlemeYükleyici::KüçükResmiBaşlat(const QString &yol) {
    küçükHavuz_.clear(); // small pictures of files passed over are not read
    küçükHavuz_.start([this, yol, bekçi = std::weak_ptr<int>(canlı_)] {
        const QImage küçük = ExifKüçükResmi(yol);
        QMetaObject::invokeMethod(
            bağlam_,
            [this, yol, küçük, bekçi] {
                // The player may have moved on, or the photo itself have come.
                if (bekçi.lock() && yol == seçili_)
                    küçükTeslimci_(yol, küçük);
            },
            Qt::QueuedConnection);
    });
}

void ÖnizlemeYükleyici::Tamamla() {
    if (seçili_.isEmpty())
        return;
    {
        std::unique_lock kilitli(kilit_);
        const auto bulunan = işler_.find(seçili_);
        if (bulunan == işler_.end())
            return;
        const std::shared_ptr<İş> iş = bulunan->second;
        bittiSinyali_.wait(kilitli, [&] { return iş->bitti; });
    }
    Teslim();
}

void ÖnizlemeYükleyici::Başlat(const QString &yol, int öncelik) {
    auto iş = std::make_shared<İş>();
    {
        const std::lock_guard kilitli(kilit_);
        if (!işler_.emplace(yol, iş).second)
            return;
    }
    havuz_.start(
        [this, yol, iş, bekçi = std::weak_ptr<int>(canlı_)] {
            {
                const std::lock_guard kilitli(kilit_);
                if (!iş->istenen)
                    return; // the player has moved on before this decode began
            }
            Sonuç sonuç = Çöz(yol);
            {
                const std::lock_guard kilitli(kilit_);
                iş->sonuç = std::move(sonuç);
                iş->bitti = true;
            }
            bittiSinyali_.notify_all();
            QMetaObject::invokeMethod(
                bağlam_,
                [this, yol, bekçi] {
                    if (bekçi.lock() && yol == seçili_)
                        Teslim();
                },
                Qt::QueuedConnection);
        },
        öncelik);
}

void ÖnizlemeYükleyici::Teslim() {
    if (seçili_.isEmpty())
        return;
    std::shared_ptr<İş> iş;
    {
        const std::lock_guard kilitli(kilit_);
        const auto bulunan = işler_.find(seçili_);
        if (bulunan == işler_.end() || !bulunan->second->bitti)
            return;
        iş = bulunan->second;
    }
    const QString yol = std::exchange(seçili_, QString());
    teslimci_(yol, iş->sonuç);
}
