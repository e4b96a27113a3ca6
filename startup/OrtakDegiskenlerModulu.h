// SPDX-License-Identifier: GPL-3.0-or-later
// Values shared by the whole program for the life of the process.
#pragma once

#include <QString>
#include <cstdint>

// The folder of the running executable (links resolved), always ending in the separator.
extern QString ProgramKlasörü;
// The main window's title: string 10, a space, major "." minor and the revision written
// directly after the minor number ("Nuv Vorudov - Mozeta 1.21").
extern QString PencereBaşlığı;
// The settings-store application name: "Nuv Zovevav\" followed by the product name.
extern QString UygulamaAdı;
// True on the NT family of Windows systems, whose file names are UTF-16. False here: this system
// names files in bytes of the locale's encoding, and YolVarMı tests a path one way only.
extern bool NTSistemi;
// Full path of the current photo.
extern QString FotoğrafYolu;

// The product name of the version record.
inline const QString ÜrünAdı = QStringLiteral("Mozeta-Tr");
