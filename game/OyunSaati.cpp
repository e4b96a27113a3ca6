// The clock (stub: to be written).
#include "game/OyunSaati.h"

bool OyunSaati::Tıkla() { return false; }
QString UzunSaat(const QLocale &, int, int, int) { return {}; }
QString UzunSaatBiçimi(const QLocale &) { return {}; }
QString TebrikMetni(const OyunSaati &, std::int32_t) { return {}; }
