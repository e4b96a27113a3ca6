// Playing: the deal, moves, the clock, the options and closing (stub: to be written).
#include "game/AnaForm.h"

#include "about/HakkindaFormu.h"
#include "chooser/FotografSecFormu.h"

void AnaForm::YeniOyunDüğmesi_Click() {}
void AnaForm::DağınıkParçalar_Click(int) {}
void AnaForm::SüreHesapla_Timer() {}
void AnaForm::OyunuKaydetOnayı_Click() {}
void AnaForm::ÇıkışDüğmesi_Click() { close(); }

void AnaForm::YeniFotoğrafDüğmesi_Click() {
    FotoğrafSeçFormu form(*this);
    form.exec();
}

void AnaForm::HakkındaDüğmesi_Click() {
    HakkındaFormu form(this);
    form.exec();
}

void AnaForm::Form_QueryUnload(bool &, KapanmaNedeni) {}
