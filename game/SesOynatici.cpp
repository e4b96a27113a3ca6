// Sounds (stub: to be written).
#include "game/SesOynatici.h"

struct SesOynatıcı::İç {};
SesOynatıcı::SesOynatıcı() = default;
SesOynatıcı::~SesOynatıcı() = default;
void SesOynatıcı::Çal(const QString &) {}
