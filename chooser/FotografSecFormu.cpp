// The photo chooser.
#include "chooser/FotografSecFormu.h"

#include "game/AnaForm.h"

FotografSecFormu::FotografSecFormu(AnaForm &anaForm) : QDialog(&anaForm), anaForm_(anaForm) {}

FotografSecFormu::~FotografSecFormu() = default;
