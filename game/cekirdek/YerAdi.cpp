// SPDX-License-Identifier: GPL-3.0-or-later
// The spoken names and positions of board places.
#include "game/cekirdek/YerAdi.h"

#include "resources/ErisimMetinleri.h"

QString YerAdı(const OyunTahtası &tahta, int yer) {
    const int parça = tahta.YerOf(yer).Parça;
    if (parça == OyunTahtası::ParçaYok)
        return ErişimMetni::BoşYer;
    const int kenar = tahta.KenarParçaSayısı();
    return ErişimMetni::Parça.arg(parça + 1).arg(parça / kenar + 1).arg(parça % kenar + 1);
}

QString YerKonumu(const OyunTahtası &tahta, int yer) {
    const int kenar = tahta.KenarParçaSayısı(), boş = tahta.BoşParça();
    QString konum = ErişimMetni::Konum.arg(yer / kenar + 1).arg(yer % kenar + 1);
    if (yer != boş && tahta.YerOf(boş).Parça == OyunTahtası::ParçaYok)
        konum += ErişimMetni::BoşYerinKonumu.arg(boş / kenar + 1).arg(boş % kenar + 1);
    return konum;
}
