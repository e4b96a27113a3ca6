// The deal (stub: to be written).
#include "game/Dagitim.h"

MersenneKaynağı::MersenneKaynağı() : üreteç_(std::random_device{}()) {}
MersenneKaynağı::MersenneKaynağı(unsigned tohum) : üreteç_(tohum) {}
double MersenneKaynağı::Rnd() { return dağılım_(üreteç_); }
std::vector<int> Dağıtım(int, RastgeleKaynak &) { return {}; }
