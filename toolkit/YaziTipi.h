// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts: the window font of every window with its fallbacks, and the text form a stored layout
// keeps a font in.
#pragma once

#include <QFont>
#include <QString>

// MS Sans Serif 8.25 pt, regular. Systems without it get the nearest face we know of, in order.
QFont PencereYazıTipi();

// The text form of a font in a stored layout: "family,points,weight,italic,underline,strikeout"
// ("MS Sans Serif,8.25,400,0,0,0"). Only the first family is kept.
QString YazıTipiMetni(const QFont &yazıTipi);

// The font a stored text stands for, with the window font's fallbacks behind its family;
// ÇalışmaHatası 13 when the text is not a font.
QFont MetindenYazıTipi(const QString &metin);
