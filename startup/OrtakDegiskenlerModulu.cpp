// The shared values.
#include "startup/OrtakDegiskenlerModulu.h"

QString ProgramKlasörü;
QString UygulamaAdı;
bool NTSistemi = true;
QString FotoğrafYolu;
std::int16_t BölmeSeçimi = 0;
