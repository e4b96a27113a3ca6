// SPDX-License-Identifier: GPL-3.0-or-later
// A label that shows one of the game's values (the clock, the move count), reached by Tab for a
// screen reader to read it, and tells a screen reader the value as a number.
#pragma once

#include <QLabel>

class DegerEtiketi : public QLabel {
    Q_OBJECT

public:
    explicit DegerEtiketi(QWidget *sahip) : QLabel(sahip) { setFocusPolicy(Qt::TabFocus); }

    // Announces `sayı`, the value the label shows as a number (seconds for the clock), unless
    // the label has the focus.
    void SayıyıBildir(double sayı);
    double Sayı() const { return sayı_; }

protected:
    void paintEvent(QPaintEvent *olay) override;

private:
    double sayı_ = 0;
};
using DeğerEtiketi = DegerEtiketi;
