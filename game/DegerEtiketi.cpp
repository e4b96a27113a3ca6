// SPDX-License-Identifier: GPL-3.0-or-later
// The value labels of the game information.
#include "game/DegerEtiketi.h"

#include <QAccessible>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

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

// Tab stops only for the keyboard: a sighted keyboard player sees where the focus went, as on
// any other control; the mouse never gives it.
void DegerEtiketi::paintEvent(QPaintEvent *olay) {
    QLabel::paintEvent(olay);
    if (!hasFocus())
        return;
    QStylePainter boyacı(this);
    QStyleOptionFocusRect seçenek;
    seçenek.initFrom(this);
    const QRect yazı = fontMetrics().boundingRect(contentsRect(), int(alignment()), text());
    seçenek.rect = yazı.adjusted(-2, -1, 2, 1) & rect();
    boyacı.drawPrimitive(QStyle::PE_FrameFocusRect, seçenek);
}
