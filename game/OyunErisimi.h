// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader sees of the main window: the board as a list of places, each named for
// the piece it shows, and the clock and move count as values.
#pragma once

class QWidget;

// Installs the descriptions once per process; later calls do nothing.
void OyunErişiminiKur();

// Tells a screen reader that a board place shows another piece (its name changed).
void YerAdıDeğişti(QWidget *yer);
