// SPDX-License-Identifier: GPL-3.0-or-later
// A label that shows one of the game's values (the clock, the move count) and tells a screen
// reader the value as a number.
#pragma once

#include <QLabel>

class DegerEtiketi : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // Announces `sayı`, the value the label shows as a number (seconds for the clock).
    void SayıyıBildir(double sayı);
    double Sayı() const { return sayı_; }

private:
    double sayı_ = 0;
};
using DeğerEtiketi = DegerEtiketi;
