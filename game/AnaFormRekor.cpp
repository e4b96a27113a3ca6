// SPDX-License-Identifier: GPL-3.0-or-later
// The records on demand: a shortcut anywhere in the window and the board's own menu.
#include "game/AnaForm.h"

#include "game/cekirdek/RekorMetni.h"
#include "resources/DizgiTablosu.h"
#include "startup/OrtakYordamlarModulu.h"
#include "toolkit/HataPolitikasi.h"
#include "toolkit/MesajKutusu.h"

#include <QAction>
#include <QLocale>
#include <QMenu>

// Nothing is added to the window's layout: the records are a key or a right click away. Ctrl+R
// is taken by no access key of the window (those go with Alt).
void AnaForm::RekorlarıBağla() {
    RekorlarEylemi = new QAction(LoadResString(3790), this);
    RekorlarEylemi->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    RekorlarEylemi->setShortcutContext(Qt::WindowShortcut);
    addAction(RekorlarEylemi);
    connect(RekorlarEylemi, &QAction::triggered, this, [this] { RekorlarıGöster(); });
    // A right click on a place reaches the board, as does the menu key while it has the focus.
    OyunAlanı->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(OyunAlanı, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &yer) { TahtaMenüsü(OyunAlanı->mapToGlobal(yer)); });
}

void AnaForm::RekorlarıGöster() {
    HataKapanı adım(HataTarzı::BildirVeDevamEt);
    QString metin;
    if (!adım([&] { metin = RekorlarMetni(ayarlar_, QLocale()); }))
        return;
    adım([] { MesajıOrtala(); });
    adım([&] { MsgBox(metin, BilgiSimgesi); });
}
