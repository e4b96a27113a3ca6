// SPDX-License-Identifier: GPL-3.0-or-later
// The value labels of the game information.
#include "game/DegerEtiketi.h"

#include <QAccessible>

void DegerEtiketi::SayıyıBildir(double sayı) {
    sayı_ = sayı;
    // The name carries the value. A screen reader speaks each change of the value it is on, not
    // of a label's name: the clock, followed by its value, would talk every second.
    QAccessibleEvent ad(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&ad);
    if (hasFocus())
        return;
    QAccessibleValueChangeEvent olay(this, sayı);
    QAccessible::updateAccessibility(&olay);
}
