// SPDX-License-Identifier: GPL-3.0-or-later
// The records on demand: a shortcut anywhere in the window, and an item of the board's menu
// (AnaFormIpucu.cpp).
#include "game/AnaForm.h"

#include "game/cekirdek/RekorMetni.h"
#include "resources/DizgiTablosu.h"
#include "startup/OrtakYordamlarModulu.h"
#include "toolkit/HataPolitikasi.h"
#include "toolkit/MesajKutusu.h"

#include <QAction>
#include <QLocale>

// Nothing is added to the window's layout: the records are a key or a right click away. Ctrl+R
// is taken by no access key of the window (those go with Alt).
void AnaForm::RekorlarıBağla() {
    RekorlarEylemi = new QAction(LoadResString(3790), this);
    RekorlarEylemi->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    RekorlarEylemi->setShortcutContext(Qt::WindowShortcut);
    addAction(RekorlarEylemi);
    connect(RekorlarEylemi, &QAction::triggered, this, [this] { RekorlarıGöster(); });
}

void AnaForm::RekorlarıGöster() {
    HataKapanı adım(HataTarzı::BildirVeDevamEt);
    QString metin;
    if (!adım([&] { metin = RekorlarMetni(ayarlar_, QLocale()); }))
        return;
    adım([] { MesajıOrtala(); });
    adım([&] { MsgBox(metin, BilgiSimgesi); });
}
