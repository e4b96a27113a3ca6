// The main window's layout (stub: to be written).
#include "game/AnaForm.h"

#include "game/Dagitim.h"
#include "game/SesOynatici.h"

#include <QCloseEvent>

AnaForm::AnaForm(QWidget *parent)
    : QWidget(parent), rastgele_(std::make_unique<MersenneKaynağı>()),
      ses_(std::make_unique<SesOynatıcı>()) {
    DüzeniKur();
}

AnaForm::~AnaForm() = default;

void AnaForm::RastgeleKaynağıKur(std::unique_ptr<RastgeleKaynak> kaynak) {
    rastgele_ = std::move(kaynak);
}

void AnaForm::DüzeniKur() {}

void AnaForm::closeEvent(QCloseEvent *olay) {
    bool iptal = false;
    Form_QueryUnload(iptal, KapanmaNedeniniBul(*olay));
    if (iptal)
        olay->ignore();
    else
        olay->accept();
}
