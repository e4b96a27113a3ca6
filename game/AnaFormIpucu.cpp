// SPDX-License-Identifier: GPL-3.0-or-later
// Hints, asked for with H on the board or from the board's menu, marked on the board and spoken;
// and the board's menu itself, which holds the records too.
#include "game/AnaForm.h"

#include "game/IpucuDenetcisi.h"
#include "game/OyunErisimi.h"
#include "game/cekirdek/YerAdi.h"
#include "resources/DizgiTablosu.h"
#include "startup/OrtakYordamlarModulu.h"
#include "toolkit/HataPolitikasi.h"
#include "toolkit/MesajKutusu.h"

#include <QMenu>

void AnaForm::İpucuyuBağla() {
    ipucu_ = std::make_unique<İpucuDenetçisi>(Oturum);
    connect(OyunAlanı, &TahtaÇizimi::HintKey, this, [this] { İpucu_Click(); });
    // A right click on a place reaches the board, as does the menu key while it has the focus.
    OyunAlanı->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(OyunAlanı, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &yer) { TahtaMenüsü(OyunAlanı->mapToGlobal(yer)); });
    connect(ipucu_.get(), &IpucuDenetcisi::HintFound, this, [this](int yer) { İpucuBulundu(yer); });
    connect(ipucu_.get(), &IpucuDenetcisi::HintGone, this, [this] { OyunAlanı->İpucuyuKaldır(); });
    // The box opens once the key's handling is over.
    connect(
        ipucu_.get(), &IpucuDenetcisi::Unsolvable, this, [this] { TahtaÇözülemez(); },
        Qt::QueuedConnection);
}

// The board's own menu, by the mouse's right button or the keyboard's menu key.
void AnaForm::TahtaMenüsü(QPoint yer) {
    QMenu menü(this);
    QAction *ipucu = menü.addAction(LoadResString(3700), this, [this] { İpucu_Click(); });
    ipucu->setShortcut(Qt::Key_H);
    ipucu->setShortcutContext(Qt::WidgetShortcut); // H is the board's key, not the window's
    ipucu->setEnabled(Oturum.SürüyorMu());
    menü.addAction(RekorlarEylemi);
    menü.exec(yer);
}

void AnaForm::İpucu_Click() { ipucu_->İste(); }

void AnaForm::İpucuBulundu(int yer) {
    HataKapanı adım(HataTarzı::YoksayVeDevamEt);
    adım([&] { OyunAlanı->İpucuİşaretle(yer); });
    adım([&] {
        İpucuDuyur(*OyunAlanı, LoadResString(3702).arg(YerAdı(Oturum.Tahta(), yer),
                                                       YerKonumu(Oturum.Tahta(), yer)));
    });
}

void AnaForm::TahtaÇözülemez() {
    HataKapanı adım(HataTarzı::BildirVeDevamEt);
    adım([] { MesajıOrtala(); });
    adım([] { MsgBox(LoadResString(3701), BilgiSimgesi); });
}
