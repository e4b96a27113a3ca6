// SPDX-License-Identifier: GPL-3.0-or-later
// Routines shared by every window: the error report, centred message boxes, window texts from
// the string table and the path test.
#include "startup/OrtakYordamlarModulu.h"

#include "resources/DizgiKimligi.h"
#include "resources/DizgiTablosu.h"
#include "resources/StandartDugmeler.h"
#include "toolkit/HataPolitikasi.h"
#include "toolkit/MesajKutusu.h"
#include "toolkit/ResimKutusu.h"
#include "toolkit/Yuvarlama.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

std::function<void()> SüreciBitir = [] { std::_Exit(0); };

void OrtakHizmetleriKur() {
    HataKapanı::BildiriciKur(HataRaporu);
    MesajKutusuMetinleriniKur(
        {EvetDüğmesiMetni(), HayırDüğmesiMetni(), TamamDüğmesiMetni(), UygulamaBaşlığı()});
}

// ---- Error report ----

QString HataRaporuMetni(const ÇalışmaHatası &hata) {
    const QString boşSatır = QStringLiteral("\r\n\r\n");
    return LoadResString(40) + boşSatır + LoadResString(50) + u' ' +
           QString::number(hata.Numara()) + boşSatır + LoadResString(60) + u' ' + hata.Açıklama();
}

void HataRaporu(const ÇalışmaHatası &hata) {
    MesajıOrtala();
    if (MsgBox(HataRaporuMetni(hata), EvetHayırDüğmeleri | HataSimgesi, LoadResString(70)) !=
        EvetYanıtı)
        SüreciBitir();
}

// ---- Centred message boxes ----

// Right and bottom lie one past the owner's last pixel, hence left + width rather than
// QRect::right(). Differences are integers, the halves are doubles, and the sums round half to
// even.
std::optional<QPoint> OrtalanmışKonum(const QRect &sahip, const QSize &kutu) {
    const int sol = sahip.left(), üst = sahip.top();
    const int sağ = sol + sahip.width(), alt = üst + sahip.height();
    if (sol < 0 || üst < 0 || sağ < 0 || alt < 0)
        return std::nullopt;
    const double x = (sağ - sol) / 2.0 + sol - kutu.width() / 2.0;
    const double y = (alt - üst) / 2.0 + üst - kutu.height() / 2.0;
    return QPoint(EnYakın(x), EnYakın(y));
}

void MesajıOrtala() {
    QWidget *etkin = QApplication::activeWindow();
    const bool ekranaOrtala = etkin == nullptr;
    QPointer<QWidget> sahip = etkin;
    SonrakiMesajKutusunuHazırla([ekranaOrtala, sahip](QMessageBox &kutu) {
        QRect alan;
        if (ekranaOrtala) {
            if (const QScreen *ekran = QGuiApplication::primaryScreen())
                alan = ekran->geometry();
            else
                return;
        } else {
            // A minimised owner has no place on the screen to centre on; an owner closed in
            // the meantime has none either: the box keeps the toolkit's own position.
            if (!sahip || sahip->isMinimized())
                return;
            alan = sahip->frameGeometry();
        }
        if (const auto konum = OrtalanmışKonum(alan, kutu.frameGeometry().size()))
            kutu.move(*konum);
    });
}

// ---- Window texts ----

namespace {

// The caption of labels, buttons, check boxes, option buttons and frames. Picture boxes and
// lists hold data, never a caption, whatever they look like; other controls have none.
std::optional<QString> BaşlığıOku(const QWidget *kontrol) {
    if (qobject_cast<const ResimKutusu *>(kontrol) ||
        qobject_cast<const QAbstractItemView *>(kontrol))
        return std::nullopt;
    if (const auto *etiket = qobject_cast<const QLabel *>(kontrol))
        return etiket->text();
    if (const auto *düğme = qobject_cast<const QAbstractButton *>(kontrol))
        return düğme->text();
    if (const auto *çerçeve = qobject_cast<const QGroupBox *>(kontrol))
        return çerçeve->title();
    return std::nullopt;
}

void BaşlığıYaz(QWidget *kontrol, const QString &başlık) {
    if (auto *etiket = qobject_cast<QLabel *>(kontrol))
        etiket->setText(başlık);
    else if (auto *düğme = qobject_cast<QAbstractButton *>(kontrol))
        düğme->setText(başlık);
    else if (auto *çerçeve = qobject_cast<QGroupBox *>(kontrol))
        çerçeve->setTitle(başlık);
}

} // namespace

void FormuYerelleştir(QWidget *form) {
    HataKapanı adım(HataTarzı::YoksayVeDevamEt);
    // Every control of the window, those inside frames and panels included, in creation order;
    // a control that fails keeps its caption and the walk goes on.
    for (QWidget *kontrol : form->findChildren<QWidget *>()) {
        // A caption without a digit cannot be a number: it keeps its text without a failed
        // conversion for each such control.
        const std::optional<QString> başlık = BaşlığıOku(kontrol);
        if (başlık &&
            std::any_of(başlık->begin(), başlık->end(), [](QChar c) { return c.isDigit(); }))
            adım([&] { BaşlığıYaz(kontrol, KimliğinMetni(*başlık)); });
    }
}

bool YolVarMı(const QString &yol) { return !yol.isEmpty() && QFileInfo::exists(yol); }
