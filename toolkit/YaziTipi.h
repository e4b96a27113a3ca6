// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts: the window font of every window with its fallbacks, and the text form a stored layout
// keeps a font in.
#pragma once

#include <QFont>
#include <QString>

// MS Sans Serif 8.25 pt, regular. Systems without it get the nearest face we know of, in order.
QFont PencereYazıTipi();

// The font a stored layout's text stands for, with the window font's fallbacks behind its family:
// "family,points,weight,italic,underline,strikeout" ("MS Sans Serif,8.25,400,0,0,0").
// ÇalışmaHatası 13 when the text is not a font.
QFont MetindenYazıTipi(const QString &metin);
