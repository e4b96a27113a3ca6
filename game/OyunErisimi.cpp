// SPDX-License-Identifier: GPL-3.0-or-later
// The accessible descriptions of the board, its places and the value labels, and what a screen
// reader is told of play.
#include "game/OyunErisimi.h"

#include "game/DegerEtiketi.h"
#include "game/TahtaCizimi.h"
#include "game/cekirdek/OyunOturumu.h"
#include "game/cekirdek/YerAdi.h"
#include "resources/DizgiTablosu.h"
#include "resources/ErisimMetinleri.h"
#include "toolkit/ResimKutusu.h"

#include <QAccessibleWidget>
#include <QMetaObject>
#include <QPointer>
#include <QTimer>
#include <utility>
#include <vector>

namespace {

const QString DuyuruAdı = QStringLiteral("OkuyucuDuyurusu");

void Bildir(QObject *nesne, QAccessible::Event tür, int çocuk = -1) {
    QAccessibleEvent olay(nesne, tür);
    olay.setChild(çocuk);
    QAccessible::updateAccessibility(&olay);
}

// A board place: a list item named by the board, and pressing it is clicking it. Its description
// says where it stands and where the empty place is. A place is no widget of its own: it lives
// as long as the board and stands for the board's place of its index, whatever the grid.
class YerErişimi : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    YerErişimi(TahtaÇizimi *tahta, int yer) : tahta_(tahta), yer_(yer) {}

    bool isValid() const override { return tahta_ && yer_ < tahta_->YerSayısı(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return tahta_ ? tahta_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override {
        return QAccessible::queryAccessibleInterface(tahta_);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString text(QAccessible::Text tür) const override {
        if (!isValid())
            return {};
        if (tür == QAccessible::Name && tahta_->YerAdı)
            return tahta_->YerAdı(yer_);
        if (tür == QAccessible::Description && tahta_->YerKonumu)
            return tahta_->YerKonumu(yer_);
        return {};
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect yer = tahta_->YerDikdörtgeni(yer_);
        return QRect(tahta_->mapToGlobal(yer.topLeft()), yer.size());
    }

    QAccessible::State state() const override {
        QAccessible::State durum;
        if (!isValid()) {
            durum.invalid = true;
            return durum;
        }
        durum.invisible = !tahta_->isVisible();
        durum.focusable = true;
        durum.focused = tahta_->hasFocus() && tahta_->OkuyucununYeri == yer_;
        return durum;
    }

    void *interface_cast(QAccessible::InterfaceType tür) override {
        return tür == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                   : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
    void doAction(const QString &eylem) override {
        // Queued: a move may end the game and open a modal box, which must not run inside the
        // assistive technology's call.
        if (eylem == pressAction() && isValid())
            QMetaObject::invokeMethod(
                tahta_, [tahta = tahta_, yer = yer_] { emit tahta->PlaceClicked(yer); },
                Qt::QueuedConnection);
    }

private:
    QPointer<TahtaÇizimi> tahta_;
    int yer_;
};

// The board: a list of its places, in their order. Each place's description is made once and
// kept for the board's life, so that a screen reader that holds one keeps talking to the same.
class TahtaErişimi : public QAccessibleWidget {
public:
    explicit TahtaErişimi(TahtaÇizimi *tahta)
        : QAccessibleWidget(tahta, QAccessible::List), tahta_(tahta) {}
    ~TahtaErişimi() override {
        for (const QAccessible::Id kimlik : yerler_)
            QAccessible::deleteAccessibleInterface(kimlik);
    }

    int childCount() const override { return tahta_->YerSayısı(); }
    QAccessibleInterface *child(int dizin) const override {
        if (dizin < 0 || dizin >= childCount())
            return nullptr;
        while (int(yerler_.size()) <= dizin)
            yerler_.push_back(QAccessible::registerAccessibleInterface(
                new YerErişimi(tahta_, int(yerler_.size()))));
        return QAccessible::accessibleInterface(yerler_[std::size_t(dizin)]);
    }
    int indexOfChild(const QAccessibleInterface *çocuk) const override {
        for (int dizin = 0; dizin < childCount() && dizin < int(yerler_.size()); ++dizin)
            if (QAccessible::accessibleInterface(yerler_[std::size_t(dizin)]) == çocuk)
                return dizin;
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override {
        return child(tahta_->YerAt(tahta_->mapFromGlobal(QPoint(x, y))));
    }
    QAccessibleInterface *focusChild() const override {
        return tahta_->hasFocus() ? child(tahta_->OkuyucununYeri) : nullptr;
    }
    QString text(QAccessible::Text tür) const override {
        if (tür == QAccessible::Description && tahta_->TahtaAçıklaması)
            return tahta_->TahtaAçıklaması();
        return QAccessibleWidget::text(tür);
    }

private:
    TahtaÇizimi *tahta_; // Qt deletes the description with its board
    mutable std::vector<QAccessible::Id> yerler_;
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
    if (auto *tahta = qobject_cast<TahtaÇizimi *>(nesne))
        return new TahtaErişimi(tahta);
    if (nesne->objectName() == DuyuruAdı)
        return new QAccessibleWidget(pencereÖğesi, QAccessible::Notification);
    if (auto *değer = qobject_cast<DeğerEtiketi *>(nesne))
        return new DeğerErişimi(değer);
    if (qobject_cast<ResimKutusu *>(nesne))
        return new QAccessibleWidget(pencereÖğesi, QAccessible::Graphic);
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

void ParçaTaşındı(TahtaÇizimi *tahta, int yer) {
    tahta->OkuyucununYeri = yer;
    if (tahta->hasFocus())
        Bildir(tahta, QAccessible::Focus, yer);
}

// Said of an arrow only: a refused click is heard as the game's own sound.
void HamleReddedildi(TahtaÇizimi *tahta) {
    if (tahta->hasFocus())
        Duyur(tahta, ErişimMetni::HamleYok);
}

// The screen reader goes back to the board itself, so that the first move is a new focus even
// when it fills the place it was on. Queued: the window gives the board the keyboard after a
// deal, and the news must come after that focus. A game put back at the start is no news.
void OyunDağıtıldı(TahtaÇizimi *tahta, int kenar) {
    tahta->OkuyucununYeri = -1;
    // A deal made from a dialog over the window (the chooser's OK) is told by that dialog's
    // news once the window is back, even when the window is active again by the next turn.
    const bool etkindi = tahta->isActiveWindow();
    QTimer::singleShot(0, tahta, [tahta, kenar, etkindi] {
        if (!etkindi || !tahta->isActiveWindow())
            return;
        if (tahta->hasFocus())
            Bildir(tahta, QAccessible::Focus);
        Duyur(tahta, ErişimMetni::YeniOyun.arg(kenar));
    });
}

// Holds what is to be said once the window is active again: a window that is not active is not
// the one the screen reader presents, and Orca would stay silent.
class EtkinOlunca : public QObject {
public:
    EtkinOlunca(QWidget *pencere, TahtaÇizimi *tahta, QString metin)
        : QObject(pencere), tahta_(tahta), metin_(std::move(metin)) {
        setObjectName(Adı);
        pencere->installEventFilter(this);
    }

    static inline const QString Adı = QStringLiteral("EtkinOluncaDuyurusu");

protected:
    bool eventFilter(QObject *nesne, QEvent *olay) override {
        if (olay->type() == QEvent::WindowActivate && nesne == parent()) {
            // Queued, as a deal's news is: after the focus the activation brings.
            QTimer::singleShot(0, tahta_,
                               [tahta = tahta_, metin = metin_] { Duyur(tahta, metin); });
            deleteLater();
        }
        return false;
    }

private:
    TahtaÇizimi *tahta_;
    QString metin_;
};

} // namespace

void FotoğrafAlındı(TahtaCizimi &tahta, const QString &ad, int yeniOyununKenarı) {
    QString metin = LoadResString(3600) + ad;
    if (yeniOyununKenarı > 0)
        metin += QStringLiteral(". ") + ErişimMetni::YeniOyun.arg(yeniOyununKenarı);
    QWidget *pencere = tahta.window();
    delete pencere->findChild<QObject *>(EtkinOlunca::Adı, Qt::FindDirectChildrenOnly);
    if (pencere->isActiveWindow())
        QTimer::singleShot(0, &tahta, [tahta = &tahta, metin] { Duyur(tahta, metin); });
    else
        new EtkinOlunca(pencere, &tahta, metin);
}

void OyunErişiminiKur() {
    static const bool kuruldu = [] {
        QAccessible::installFactory(Açıklama);
        return true;
    }();
    Q_UNUSED(kuruldu);
}

void OyunErişiminiBağla(const OyunOturumu &oturum, TahtaÇizimi &alan, DegerEtiketi &süre,
                        DegerEtiketi &hamle) {
    const auto yerMetni = [&oturum](QString (*metin)(const OyunTahtası &, int)) {
        return [&oturum, metin](int yer) {
            return yer < oturum.Tahta().YerSayısı() ? metin(oturum.Tahta(), yer) : QString();
        };
    };
    alan.YerAdı = yerMetni(YerAdı);
    alan.YerKonumu = yerMetni(YerKonumu);
    // Where-am-I on the board itself names the empty place, wherever a deal or a restore left it.
    alan.TahtaAçıklaması = [&oturum] {
        if (!oturum.SürüyorMu())
            return QString();
        const int kenar = oturum.Tahta().KenarParçaSayısı(), boş = oturum.Tahta().BoşParça();
        return ErişimMetni::BoşYer + u' ' +
               ErişimMetni::Konum.arg(boş / kenar + 1).arg(boş % kenar + 1);
    };
    const auto adDeğişti = [&alan](int i) { Bildir(&alan, QAccessible::NameChanged, i); };
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
                     [&alan, adDeğişti, hamleyi](int from, int to) {
                         adDeğişti(from);
                         adDeğişti(to);
                         hamleyi();
                         ParçaTaşındı(&alan, to);
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
void TahtaOdaklandı(TahtaÇizimi *tahta) {
    QTimer::singleShot(0, tahta, [tahta] {
        if (tahta->hasFocus() && tahta->OkuyucununYeri >= 0)
            Bildir(tahta, QAccessible::Focus, tahta->OkuyucununYeri);
    });
}

void İpucuDuyur(TahtaÇizimi &tahta, const QString &metin) { Duyur(&tahta, metin); }
