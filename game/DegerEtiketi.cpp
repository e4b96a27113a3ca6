// SPDX-License-Identifier: GPL-3.0-or-later
// The value labels of the game information.
#include "game/DegerEtiketi.h"

#include <QAccessible>

void DegerEtiketi::SayıyıBildir(double sayı) {
    sayı_ = sayı;
    QAccessibleValueChangeEvent olay(this, sayı);
    QAccessible::updateAccessibility(&olay);
}
