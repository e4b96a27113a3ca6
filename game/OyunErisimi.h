// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader sees of the main window: the board as a list of places, each named for
// the piece it shows, and the clock and move count as values; and what it is told of play.
#pragma once

class QString;
class QWidget;
class TahtaAlani;

// Installs the descriptions once per process; later calls do nothing.
void OyunErişiminiKur();

// Tells a screen reader that a board place shows another piece (its name changed).
void YerAdıDeğişti(QWidget *yer);

// Play as a screen reader hears it. While the board has the keyboard its focus follows the place
// a piece moved onto, which it speaks with its name and position; a refused arrow and a deal on
// a `kenar` x `kenar` board are announced.
void ParçaTaşındı(QWidget *yer);
void HamleReddedildi(TahtaAlani *tahta);
void OyunDağıtıldı(TahtaAlani *tahta, int kenar);

// The board took the keyboard: the screen reader goes on to the place it was on.
void TahtaOdaklandı(TahtaAlani *tahta);
