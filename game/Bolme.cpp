// Cut arithmetic (stub: to be written).
#include "game/Bolme.h"

#include <cmath>

int EnYakın(double değer) { return static_cast<int>(std::nearbyint(değer)); }
QSize ParçaBoyutuTwip(QSize, int) { return {}; }
QRect YerDikdörtgeniTwip(QSize, int, int) { return {}; }
QRect HücreDikdörtgeni(QSize, int, int) { return {}; }
