// What a widget shows on the screen, for tests that look at the drawing itself.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// True when some pixel of the widget as drawn has exactly this colour (the stems of the text).
inline bool ÇizimdeRenkVar(QWidget *denetim, const QColor &renk) {
    const QImage resim = denetim->grab().toImage();
    for (int y = 0; y < resim.height(); ++y) {
        for (int x = 0; x < resim.width(); ++x) {
            if (resim.pixelColor(x, y).rgb() == renk.rgb())
                return true;
        }
    }
    return false;
}
