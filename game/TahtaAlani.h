// SPDX-License-Identifier: GPL-3.0-or-later
// The board's panel: it holds the places, takes the keyboard for play and shows that it has it.
#pragma once

#include "game/cekirdek/Tahta.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class TahtaAlani : public QWidget {
    Q_OBJECT

public:
    // Spans the whole board frame, so that the places keep their positions in the frame.
    explicit TahtaAlani(QWidget *çerçeve);

    // What a screen reader says for one of its places, its name and where it stands; the window
    // that knows the board sets them.
    std::function<QString(const QWidget *yer)> YerAdı;
    std::function<QString(const QWidget *yer)> YerKonumu;

    // The place a screen reader's focus is on while the board has the keyboard: the one the last
    // move filled (OyunErisimi.cpp).
    QPointer<QWidget> OkuyucununYeri;

signals:
    // An arrow key pressed while the board has the keyboard.
    void ArrowKey(Ok ok);
    void HintKey(); // plain H

public:
    // The mark on the place whose piece a hint names (`yer` in the board's coordinates); it
    // stays until the board changes.
    void İpucuİşaretle(const QRect &yer);
    void İpucuyuKaldır();

protected:
    void paintEvent(QPaintEvent *olay) override;
    void keyPressEvent(QKeyEvent *olay) override;
    void focusInEvent(QFocusEvent *olay) override;
    bool eventFilter(QObject *nesne, QEvent *olay) override;

private:
    bool klavyeyle_ = false; // the player's last input was a key, not the mouse
    QWidget *ipucuİşareti_ = nullptr;
};
using TahtaAlanı = TahtaAlani;
