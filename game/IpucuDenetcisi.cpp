// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's work for the window, and how its results come back to the window's thread.
#include "game/IpucuDenetcisi.h"

#include "game/cekirdek/OyunOturumu.h"

IpucuDenetcisi::IpucuDenetcisi(OyunOturumu &oturum, QObject *ebeveyn)
    : QObject(ebeveyn), oturum_(oturum) {
    // A long search for a deal's fewest moves must not hold a hint back.
    havuz_.setMaxThreadCount(2);
    connect(&oturum_, &OyunOturumu::Dealt, this, [this] {
        OyunDeğişti();
        EnAzHamleyiBul();
    });
    connect(&oturum_, &OyunOturumu::BoardShown, this, [this] { OyunDeğişti(); });
    connect(&oturum_, &OyunOturumu::Moved, this, [this] {
        ipucu_.request_stop();
        emit HintGone();
    });
}

IpucuDenetcisi::~IpucuDenetcisi() {
    enAzHamle_.request_stop();
    ipucu_.request_stop();
}

void IpucuDenetcisi::OyunDeğişti() {
    enAzHamle_.request_stop();
    ipucu_.request_stop();
    emit HintGone();
}

// Only a new deal: a restored game's first position was never kept.
void IpucuDenetcisi::EnAzHamleyiBul() {
    const int kenar = oturum_.Tahta().KenarParçaSayısı();
    if (oturum_.HamleVarMı() || kenar > 4)
        return;
    enAzHamle_ = {};
    const Dizilim dizilim = DizilimOf(oturum_.Tahta());
    const std::uint64_t dağıtım = oturum_.DağıtımNumarası();
    havuz_.start([this, dizilim, dağıtım, dur = enAzHamle_.get_token()] {
        const auto çözüm = EnKısaÇözüm(dizilim, dur);
        if (!çözüm)
            return;
        const int hamle = static_cast<int>(çözüm->hamleler.size());
        QMetaObject::invokeMethod(
            this, [this, dağıtım, hamle] { oturum_.EnAzHamleBulundu(dağıtım, hamle); },
            Qt::QueuedConnection);
    });
}

void IpucuDenetcisi::İste() {
    if (!oturum_.SürüyorMu())
        return;
    const Dizilim dizilim = DizilimOf(oturum_.Tahta());
    if (!ÇözülebilirMi(dizilim)) {
        emit Unsolvable();
        return;
    }
    ipucu_.request_stop();
    ipucu_ = {};
    const std::uint64_t dağıtım = oturum_.DağıtımNumarası();
    const std::int32_t hamle = oturum_.HamleSayısı();
    havuz_.start([this, dizilim, dağıtım, hamle, dur = ipucu_.get_token()] {
        const İpucu ipucu = bulucu_.Bul(dizilim, dur);
        if (ipucu.tür != İpucu::Tür::Hamle)
            return;
        QMetaObject::invokeMethod(
            this,
            [this, dağıtım, hamle, yer = ipucu.yer] {
                // A move made meanwhile stopped the search, but its answer may already be on
                // its way.
                if (!oturum_.SürüyorMu() || oturum_.DağıtımNumarası() != dağıtım ||
                    oturum_.HamleSayısı() != hamle)
                    return;
                oturum_.YardımAlındı();
                emit HintFound(yer);
            },
            Qt::QueuedConnection);
    });
}
