// SPDX-License-Identifier: GPL-3.0-or-later
// The timer.
#include "toolkit/Zamanlayici.h"

Zamanlayıcı::Zamanlayıcı() {
    QObject::connect(&sayaç_, &QTimer::timeout, [this] {
        if (Timer)
            Timer();
    });
}

void Zamanlayıcı::SetInterval(int milisaniye) {
    aralık_ = milisaniye > 0 ? milisaniye : 0;
    if (aralık_ == 0) {
        sayaç_.stop();
    } else {
        sayaç_.start(aralık_);
    }
}
