// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own media: the icon "1PROGRAM", embedded in the executable, and the three sounds,
// embedded in the sound module.
#pragma once

#include <QIcon>
#include <QString>

// The game's sounds: a refused click, a move, a finished photo.
enum class Ses { Dur, Tamam, Tebrik };

// The name of the sound's resource: "DUR", "TAMAM" or "TEBRIK".
QString SesAdı(Ses ses);

// The address a QSoundEffect plays the sound from (it only accepts qrc: URLs). The sound module
// brings the sounds with it: the address is valid once the module is loaded.
QString SesKaynağıUrl(Ses ses);

// The main window's icon "1PROGRAM", with its 16, 32 and 48 pixel images.
QIcon ProgramSimgesi();
