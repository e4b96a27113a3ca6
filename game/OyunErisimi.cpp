// SPDX-License-Identifier: GPL-3.0-or-later
// The accessible descriptions of the board, its places and the value labels.
#include "game/OyunErisimi.h"

#include "game/DegerEtiketi.h"
#include "game/OyunOturumu.h"
#include "game/TahtaAlani.h"
#include "game/YerAdi.h"
#include "toolkit/ResimKutusu.h"

#include <QAccessibleWidget>
#include <QMetaObject>

namespace {

// A board place: a list item named by the board, and pressing it is clicking it.
class YerErişimi : public QAccessibleWidget {
public:
    explicit YerErişimi(QWidget *yer) : QAccessibleWidget(yer, QAccessible::ListItem) {}

    QString text(QAccessible::Text tür) const override {
        const auto *alan = qobject_cast<const TahtaAlanı *>(widget()->parentWidget());
        if (tür == QAccessible::Name && alan && alan->YerAdı)
            return alan->YerAdı(widget());
        return QAccessibleWidget::text(tür);
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

// The clock or the move count: its own name, the text it shows and the value as a number.
class DeğerErişimi : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit DeğerErişimi(QWidget *etiket) : QAccessibleWidget(etiket, QAccessible::StaticText) {}

    QString text(QAccessible::Text tür) const override {
        if (tür == QAccessible::Value)
            return etiket()->text();
        return QAccessibleWidget::text(tür);
    }

    void *interface_cast(QAccessible::InterfaceType tür) override {
        if (tür == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(tür);
    }

    QVariant currentValue() const override { return etiket()->Sayı(); }
    void setCurrentValue(const QVariant &) override {} // shown, never set by the player
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    const DeğerEtiketi *etiket() const { return static_cast<const DeğerEtiketi *>(widget()); }
};

QAccessibleInterface *Açıklama(const QString &sınıf, QObject *nesne) {
    auto *pencereÖğesi = qobject_cast<QWidget *>(nesne);
    if (!pencereÖğesi)
        return nullptr;
    if (sınıf == QLatin1String("TahtaAlani"))
        return new QAccessibleWidget(pencereÖğesi, QAccessible::List);
    if (sınıf == QLatin1String("DegerEtiketi"))
        return new DeğerErişimi(pencereÖğesi);
    if (sınıf == QLatin1String("ResimKutusu")) {
        if (qobject_cast<TahtaAlanı *>(pencereÖğesi->parentWidget()))
            return new YerErişimi(pencereÖğesi);
        return new QAccessibleWidget(pencereÖğesi, QAccessible::Graphic);
    }
    return nullptr;
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
    alan.YerAdı = [&oturum, yer](const QWidget *kutu) {
        for (int i = 0; i < oturum.Tahta().YerSayısı(); ++i)
            if (yer(i) == kutu)
                return YerAdı(oturum.Tahta(), i);
        return QString();
    };
    const auto adDeğişti = [yer](int i) {
        QAccessibleEvent olay(yer(i), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&olay);
    };
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
    QObject::connect(&oturum, &OyunOturumu::Dealt, &alan, [hepsi, süreyi, hamleyi] {
        hepsi();
        süreyi();
        hamleyi();
    });
    QObject::connect(&oturum, &OyunOturumu::Moved, &alan, [adDeğişti, hamleyi](int from, int to) {
        adDeğişti(from);
        adDeğişti(to);
        hamleyi();
    });
    QObject::connect(&oturum, &OyunOturumu::Completed, &alan,
                     [&oturum, adDeğişti] { adDeğişti(oturum.Tahta().YerSayısı() - 1); });
    QObject::connect(&oturum, &OyunOturumu::Ticked, &alan, süreyi);
    QObject::connect(&oturum, &OyunOturumu::Ended, &alan, [süreyi, hamleyi] {
        süreyi();
        hamleyi();
    });
}
