// SPDX-License-Identifier: GPL-3.0-or-later
// What a player can do to the main window and see of it: click a place or a control, press a key,
// read a value, look at a place. The window tests go through it, so a relayout breaks no test.
#pragma once

// moc cannot read this header's namespace name, and needs nothing of it.
#ifndef Q_MOC_RUN
#include "game/TahtaCizimi.h"
#include "resources/ErisimMetinleri.h"
#endif

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QWindow>
#include <QtTest>
#include <algorithm>
#include <qpa/qwindowsysteminterface.h>
#include <vector>

class Oyuncu {
public:
    explicit Oyuncu(QWidget &pencere) : pencere_(pencere) {}

    // The control whose caption (its access key's '&' and the spaces around left out) begins
    // with `ad`, or whose accessible name is `ad`.
    QWidget *Denetim(const QString &ad) const {
        for (auto *öğe : pencere_.findChildren<QWidget *>()) {
            const auto *düğme = qobject_cast<QAbstractButton *>(öğe);
            if ((düğme && QString(düğme->text()).remove(u'&').startsWith(ad)) ||
                öğe->accessibleName() == ad)
                return öğe;
        }
        qFatal("no control %s", qPrintable(ad));
    }
    QAbstractButton *Düğme(const QString &ad) const {
        return qobject_cast<QAbstractButton *>(Denetim(ad));
    }
    QWidget *Tahta() const { return Denetim(ErişimMetni::OyunTahtası); }

    // A click of the mouse on a button, an option or a check box, on its caption.
    void Tıkla(const QString &ad) const {
        QAbstractButton *düğme = Düğme(ad);
        QTest::mouseClick(düğme, Qt::LeftButton, {}, QPoint(6, düğme->height() / 2));
    }
    void BölmeSeç(int bölme) const { Tıkla(QStringLiteral("%1 x %1").arg(bölme + 3)); }
    void YeniOyun() const { Tıkla(QStringLiteral("Yeni Oyun")); }
    void Çıkış() const { Tıkla(QStringLiteral("Çıkış (Esc)")); }

    void TuşaBas(Qt::Key tuş, Qt::KeyboardModifiers değiştirici = {}) const {
        QWidget *odak = QApplication::focusWidget();
        QTest::keyClick(odak ? odak : &pencere_, tuş, değiştirici);
    }

    // The window's close box: the window system's request to close.
    void KapatmaKutusu() const {
        QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
            pencere_.windowHandle());
    }

    // The board's places in reading order, as a screen reader finds them.
    std::vector<QAccessibleInterface *> Yerler() const {
        QAccessibleInterface *tahta = QAccessible::queryAccessibleInterface(Tahta());
        std::vector<QAccessibleInterface *> yerler;
        for (int i = 0; i < tahta->childCount(); ++i) {
            QAccessibleInterface *yer = tahta->child(i);
            if (yer->role() == QAccessible::ListItem && !yer->state().invisible)
                yerler.push_back(yer);
        }
        std::sort(yerler.begin(), yerler.end(), [](auto *a, auto *b) {
            return std::pair(a->rect().top(), a->rect().left()) <
                   std::pair(b->rect().top(), b->rect().left());
        });
        return yerler;
    }
    int YerSayısı() const { return int(Yerler().size()); }
    QString YerAdı(int yer) const { return Yerler().at(std::size_t(yer))->text(QAccessible::Name); }
    // The place a screen reader calls `ad` (-1: none).
    int AdıOlanYer(const QString &ad) const {
        const auto yerler = Yerler();
        for (std::size_t i = 0; i < yerler.size(); ++i)
            if (yerler[i]->text(QAccessible::Name) == ad)
                return int(i);
        return -1;
    }
    int BoşYer() const { return AdıOlanYer(ErişimMetni::BoşYer); }
    // The place that shows piece `parça` (from 0) of a grid `kenar` pieces wide.
    int ParçanınYeri(int parça, int kenar) const {
        return AdıOlanYer(
            ErişimMetni::Parça.arg(parça + 1).arg(parça / kenar + 1).arg(parça % kenar + 1));
    }
    QRect YerAlanı(int yer) const {
        const QRect ekranda = Yerler().at(std::size_t(yer))->rect();
        return QRect(Tahta()->mapFromGlobal(ekranda.topLeft()), ekranda.size());
    }
    // A click of the mouse in the middle of a place; with `kayma`, the button is let go that far
    // away.
    void YereTıkla(int yer, QPoint kayma = {}) const {
        const QPoint orta = YerAlanı(yer).center();
        QTest::mousePress(Tahta(), Qt::LeftButton, {}, orta);
        QTest::mouseRelease(Tahta(), Qt::LeftButton, {}, orta + kayma);
    }
    // What place `yer` shows once the pieces have come to rest.
    QImage YerResmi(int yer) const {
        const auto *tahta = qobject_cast<TahtaÇizimi *>(Tahta());
        [&] { QTRY_VERIFY_WITH_TIMEOUT(!tahta->KayıyorMu(), 60000); }();
        return Tahta()->grab(YerAlanı(yer)).toImage();
    }
    void SağTıkla(int yer) const {
        const QPoint orta = YerAlanı(yer).center();
        QContextMenuEvent olay(QContextMenuEvent::Mouse, orta, Tahta()->mapToGlobal(orta));
        QApplication::sendEvent(Tahta(), &olay);
    }

    // The text a value label shows: the clock ("Geçen süre") or the moves ("Hamle sayısı").
    QString Değer(const QString &ad) const { return qobject_cast<QLabel *>(Denetim(ad))->text(); }
    QString Süre() const { return Değer(ErişimMetni::GeçenSüre); }
    QString Hamle() const { return Değer(ErişimMetni::HamleSayısı); }

private:
    QWidget &pencere_;
};
