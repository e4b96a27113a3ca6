// The about box.
#include "about/HakkindaFormu.h"

HakkindaFormu::HakkindaFormu(QWidget *sahip) : QDialog(sahip) {}

HakkindaFormu::~HakkindaFormu() = default;
