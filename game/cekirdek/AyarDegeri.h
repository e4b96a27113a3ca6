// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers read back from the texts of the settings store.
#pragma once

#include <QString>

// A whole number: blanks around it are allowed and a fraction is rounded to the even neighbour.
// Not a number: ÇalışmaHatası 13; outside [enAz, enÇok]: ÇalışmaHatası 6.
int TamSayıDeğeri(const QString &metin, int enAz, int enÇok);

// A number written with either '.' or ',' as its decimal separator (the store keeps it in the
// writer's locale). Not a number: ÇalışmaHatası 13.
double OndalıkDeğeri(const QString &metin);
