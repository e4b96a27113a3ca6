// SPDX-License-Identifier: GPL-3.0-or-later
// The one-second timer behind the game's clock.
#include "game/cekirdek/SaatKaynagi.h"

#include <QTimer>

namespace {

class SaniyeSayacı : public SaatKaynağı {
public:
    SaniyeSayacı() {
        sayaç_.setInterval(1000);
        QObject::connect(&sayaç_, &QTimer::timeout, [this] {
            if (Saniye)
                Saniye();
        });
    }
    void Çalıştır(bool çalışsın) override {
        if (çalışsın)
            sayaç_.start();
        else
            sayaç_.stop();
    }

private:
    QTimer sayaç_;
};

} // namespace

std::unique_ptr<SaatKaynağı> SaniyeSaati() { return std::make_unique<SaniyeSayacı>(); }
