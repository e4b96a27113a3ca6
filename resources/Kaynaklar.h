// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own media embedded in the executable: the three sounds and the icon "1PROGRAM".
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QString>

// The complete WAVE file of the sound `ad` ("DUR", "TAMAM" or "TEBRIK"); throws ÇalışmaHatası 326
// when there is no sound of that name.
QByteArray LoadResData(const QString &ad);

// The address a QSoundEffect plays the sound `ad` from; it only accepts qrc: URLs.
QString SesKaynağıUrl(const QString &ad);

// The main window's icon "1PROGRAM", with its 16, 32 and 48 pixel images.
QIcon ProgramSimgesi();
