// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own media embedded in the executable: the three sounds and the icon "1PROGRAM".
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QString>

// The game's sounds: a refused click, a move, a finished photo.
enum class Ses { Dur, Tamam, Tebrik };

// The name of the sound's resource: "DUR", "TAMAM" or "TEBRIK".
QString SesAdı(Ses ses);

// The complete WAVE file of the sound; throws ÇalışmaHatası 326 when its resource is missing.
QByteArray LoadResData(Ses ses);

// The address a QSoundEffect plays the sound from; it only accepts qrc: URLs.
QString SesKaynağıUrl(Ses ses);

// The main window's icon "1PROGRAM", with its 16, 32 and 48 pixel images.
QIcon ProgramSimgesi();
