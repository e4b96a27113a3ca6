// SPDX-License-Identifier: GPL-3.0-or-later
// Close reasons.
#include "toolkit/KapanmaNedeni.h"

#include <QCloseEvent>

KapanmaNedeni KapanmaNedeniniBul(const QCloseEvent &olay) {
    return olay.spontaneous() ? KapanmaNedeni::KullanıcıKomutu : KapanmaNedeni::Diğer;
}
