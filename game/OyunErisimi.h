// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader sees of the main window: the board as a list of places, each named for
// the piece it shows, and the clock and move count as values; and what it is told of play.
#pragma once

#include <QString>
#include <functional>

class QWidget;
class DegerEtiketi;
class OyunOturumu;
class TahtaCizimi;

// Installs the descriptions once per process; later calls do nothing.
void OyunErişiminiKur();

// The screen reader's view follows the session: the places of `alan` are named for the pieces
// the session puts there and say where they stand, the board names its empty place, and the
// clock and move labels carry its numbers. Connected after the window's own drawing, so a value
// is told once its text is shown. While the board has the keyboard the screen reader's focus
// follows the place a piece moved onto, which it speaks with its name and position; a refused
// arrow and a deal are announced.
void OyunErişiminiBağla(const OyunOturumu &oturum, TahtaCizimi &alan, DegerEtiketi &süre,
                        DegerEtiketi &hamle);

// A photo was taken from the chooser, and with it a new game of `yeniOyununKenarı` pieces a side
// dealt (0 when none was): said once the main window is active again, by the file's name.
void FotoğrafAlındı(TahtaCizimi &tahta, const QString &ad, int yeniOyununKenarı);
// A hint, spoken whatever has the focus.
void İpucuDuyur(TahtaCizimi &tahta, const QString &metin);

// The board took the keyboard: the screen reader goes on to the place it was on.
void TahtaOdaklandı(TahtaCizimi *tahta);
