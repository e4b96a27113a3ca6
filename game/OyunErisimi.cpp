// SPDX-License-Identifier: GPL-3.0-or-later
// The accessible descriptions of the board, its places and the value labels, and what a screen
// reader is told of play.
#include "game/OyunErisimi.h"

#include "game/DegerEtiketi.h"
#include "game/TahtaAlani.h"
#include "game/cekirdek/OyunOturumu.h"
#include "game/cekirdek/YerAdi.h"
#include "resources/ErisimMetinleri.h"
#include "toolkit/ResimKutusu.h"

#include <QAccessibleWidget>
#include <QMetaObject>
#include <QTimer>

namespace {

const QString DuyuruAdı = QStringLiteral("OkuyucuDuyurusu");

TahtaAlanı *TahtasıOf(const QWidget *yer) {
    return qobject_cast<TahtaAlanı *>(yer->parentWidget());
}

void Bildir(QObject *nesne, QAccessible::Event tür) {
    QAccessibleEvent olay(nesne, tür);
    QAccessible::updateAccessibility(&olay);
}

// A board place: a list item named by the board, and pressing it is clicking it. Its description
// says where it stands and where the empty place is.
class YerErişimi : public QAccessibleWidget {
public:
    explicit YerErişimi(QWidget *yer) : QAccessibleWidget(yer, QAccessible::ListItem) {}

    QString text(QAccessible::Text tür) const override {
        const TahtaAlanı *alan = TahtasıOf(widget());
        if (tür == QAccessible::Name && alan && alan->YerAdı)
            return alan->YerAdı(widget());
        if (tür == QAccessible::Description && alan && alan->YerKonumu)
            return alan->YerKonumu(widget());
        return QAccessibleWidget::text(tür);
    }

    QAccessible::State state() const override {
        QAccessible::State durum = QAccessibleWidget::state();
        const TahtaAlanı *alan = TahtasıOf(widget());
        durum.focusable = true;
        durum.focused = alan && alan->hasFocus() && alan->OkuyucununYeri == widget();
        return durum;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &eylem) override {
        // Queued: a move may end the game and open a modal box, which must not run inside the
        // assistive technology's call.
        if (eylem == pressAction())
            QMetaObject::invokeMethod(static_cast<ResimKutusu *>(widget()), &ResimKutusu::Click,
                                      Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(eylem);
    }
};

// The clock or the move count: its name with the value it shows ("Hamle sayısı: 3"), which a
// screen reader reads on focus and in review, and the value as a number.
class DeğerErişimi : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit DeğerErişimi(DeğerEtiketi *etiket)
        : QAccessibleWidget(etiket, QAccessible::StaticText), etiket_(etiket) {}

    QString text(QAccessible::Text tür) const override {
        if (tür == QAccessible::Value)
            return etiket_->text();
        if (tür == QAccessible::Name)
            return ErişimMetni::Değer.arg(QAccessibleWidget::text(tür), etiket_->text());
        return QAccessibleWidget::text(tür);
    }

    void *interface_cast(QAccessible::InterfaceType tür) override {
        if (tür == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(tür);
    }

    QVariant currentValue() const override { return etiket_->Sayı(); }
    void setCurrentValue(const QVariant &) override {} // shown, never set by the player
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    // Qt deletes the description with its label.
    const DeğerEtiketi *etiket_;
};

// Chosen by type rather than by the class name Qt passes: a renamed or derived class keeps
// its description.
QAccessibleInterface *Açıklama(const QString &, QObject *nesne) {
    auto *pencereÖğesi = qobject_cast<QWidget *>(nesne);
    if (!pencereÖğesi)
        return nullptr;
    if (qobject_cast<TahtaAlanı *>(nesne))
        return new QAccessibleWidget(pencereÖğesi, QAccessible::List);
    if (nesne->objectName() == DuyuruAdı)
        return new QAccessibleWidget(pencereÖğesi, QAccessible::Notification);
    if (auto *değer = qobject_cast<DeğerEtiketi *>(nesne))
        return new DeğerErişimi(değer);
    if (qobject_cast<ResimKutusu *>(nesne)) {
        if (TahtasıOf(pencereÖğesi))
            return new YerErişimi(pencereÖğesi);
        return new QAccessibleWidget(pencereÖğesi, QAccessible::Graphic);
    }
    return nullptr;
}

// Said through a notification that appears: Orca speaks one as it shows, whatever has the focus.
// It stands unseen in the window, too small to draw or to take a click.
void Duyur(QWidget *tahta, const QString &metin) {
    QWidget *pencere = tahta->window();
    auto *duyuru = pencere->findChild<QWidget *>(DuyuruAdı, Qt::FindDirectChildrenOnly);
    if (!duyuru) {
        duyuru = new QWidget(pencere);
        duyuru->setObjectName(DuyuruAdı);
        duyuru->setGeometry(0, 0, 0, 0);
        duyuru->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    duyuru->hide();
    duyuru->setAccessibleName(metin);
    duyuru->show();
}

void ParçaTaşındı(QWidget *yer) {
    TahtaAlanı *tahta = TahtasıOf(yer);
    if (!tahta)
        return;
    tahta->OkuyucununYeri = yer;
    if (tahta->hasFocus())
        Bildir(yer, QAccessible::Focus);
}

// Said of an arrow only: a refused click is heard as the game's own sound.
void HamleReddedildi(TahtaAlanı *tahta) {
    if (tahta->hasFocus())
        Duyur(tahta, ErişimMetni::HamleYok);
}

// The screen reader goes back to the board itself, so that the first move is a new focus even
// when it fills the place it was on. Queued: the window gives the board the keyboard after a
// deal, and the news must come after that focus. A game put back at the start is no news.
void OyunDağıtıldı(TahtaAlanı *tahta, int kenar) {
    tahta->OkuyucununYeri = nullptr;
    QTimer::singleShot(0, tahta, [tahta, kenar] {
        if (!tahta->isActiveWindow())
            return;
        if (tahta->hasFocus())
            Bildir(tahta, QAccessible::Focus);
        Duyur(tahta, ErişimMetni::YeniOyun.arg(kenar));
    });
}

} // namespace

void OyunErişiminiKur() {
    static const bool kuruldu = [] {
        QAccessible::installFactory(Açıklama);
        return true;
    }();
    Q_UNUSED(kuruldu);
}

void OyunErişiminiBağla(const OyunOturumu &oturum, TahtaAlani &alan,
                        std::function<QWidget *(int yer)> yer, DegerEtiketi &süre,
                        DegerEtiketi &hamle) {
    const auto yerMetni = [&oturum, yer](QString (*metin)(const OyunTahtası &, int)) {
        return [&oturum, yer, metin](const QWidget *kutu) {
            for (int i = 0; i < oturum.Tahta().YerSayısı(); ++i)
                if (yer(i) == kutu)
                    return metin(oturum.Tahta(), i);
            return QString();
        };
    };
    alan.YerAdı = yerMetni(YerAdı);
    alan.YerKonumu = yerMetni(YerKonumu);
    const auto adDeğişti = [yer](int i) { Bildir(yer(i), QAccessible::NameChanged); };
    const auto hepsi = [&oturum, adDeğişti] {
        for (int i = 0; i < oturum.Tahta().YerSayısı(); ++i)
            adDeğişti(i);
    };
    const auto süreyi = [&oturum, &süre] {
        const OyunSaati &s = oturum.Süre();
        süre.SayıyıBildir(s.Saat * 3600 + s.Dakika * 60 + s.Saniye);
    };
    const auto hamleyi = [&oturum, &hamle] { hamle.SayıyıBildir(oturum.HamleSayısı()); };
    QObject::connect(&oturum, &OyunOturumu::BoardShown, &alan, hepsi);
    QObject::connect(&oturum, &OyunOturumu::Dealt, &alan, [&oturum, &alan, hepsi, süreyi, hamleyi] {
        hepsi();
        süreyi();
        hamleyi();
        OyunDağıtıldı(&alan, oturum.Tahta().KenarParçaSayısı());
    });
    QObject::connect(&oturum, &OyunOturumu::Moved, &alan,
                     [adDeğişti, hamleyi, yer](int from, int to) {
                         adDeğişti(from);
                         adDeğişti(to);
                         hamleyi();
                         ParçaTaşındı(yer(to));
                     });
    QObject::connect(&oturum, &OyunOturumu::MoveRefused, &alan,
                     [&alan] { HamleReddedildi(&alan); });
    QObject::connect(&oturum, &OyunOturumu::Completed, &alan,
                     [&oturum, adDeğişti] { adDeğişti(oturum.Tahta().YerSayısı() - 1); });
    QObject::connect(&oturum, &OyunOturumu::Ticked, &alan, süreyi);
    QObject::connect(&oturum, &OyunOturumu::Ended, &alan, [süreyi, hamleyi] {
        süreyi();
        hamleyi();
    });
}

// Queued: the toolkit tells of the board's own focus after this, and the place must come last.
void TahtaOdaklandı(TahtaAlanı *tahta) {
    QTimer::singleShot(0, tahta, [tahta] {
        if (tahta->hasFocus() && tahta->OkuyucununYeri)
            Bildir(tahta->OkuyucununYeri, QAccessible::Focus);
    });
}

void İpucuDuyur(TahtaAlanı &tahta, const QString &metin) { Duyur(&tahta, metin); }
