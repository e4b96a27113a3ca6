// SPDX-License-Identifier: GPL-3.0-or-later
// The board's panel: it holds the places, takes the keyboard for play and shows that it has it.
#pragma once

#include "game/Tahta.h"

#include <QWidget>
#include <functional>

class TahtaAlani : public QWidget {
    Q_OBJECT

public:
    // Spans the whole board frame, so that the places keep their positions in the frame.
    explicit TahtaAlani(QWidget *çerçeve);

    // What a screen reader says for one of its places; the window that knows the board sets it.
    std::function<QString(const QWidget *yer)> YerAdı;

signals:
    // An arrow key pressed while the board has the keyboard.
    void ArrowKey(Ok ok);

protected:
    void paintEvent(QPaintEvent *olay) override;
    void keyPressEvent(QKeyEvent *olay) override;
    bool eventFilter(QObject *nesne, QEvent *olay) override;

private:
    bool klavyeyle_ = false; // the player's last input was a key, not the mouse
};
using TahtaAlanı = TahtaAlani;
