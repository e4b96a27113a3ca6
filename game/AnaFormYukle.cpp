// The main window's load and split (stub: to be written).
#include "game/AnaForm.h"

void AnaForm::Form_Load() { show(); }
void AnaForm::ParçalaraBölSeçeneği_Click(int) {}
void AnaForm::TahtayıGöster() {}
void AnaForm::YeriGöster(int) {}
void AnaForm::OrjinalFotoğrafKutusu_Change() {}
void AnaForm::FotoğrafınÖrneğiniGöster_Click() {}
