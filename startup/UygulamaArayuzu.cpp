// SPDX-License-Identifier: GPL-3.0-or-later
// The running copy's answers to org.freedesktop.Application.
#include "startup/UygulamaArayuzu.h"

#include "toolkit/DosyaAdresi.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QTimer>

namespace {

// The token a launcher handed to the caller: Wayland's, else X11's startup id.
QString Jeton(const QVariantMap &platformVerisi) {
    const QString wayland = platformVerisi.value(QStringLiteral("activation-token")).toString();
    return wayland.isEmpty() ? platformVerisi.value(QStringLiteral("desktop-startup-id")).toString()
                             : wayland;
}

} // namespace

void ApplicationInterface::Karşıla(TekKopya::İstekler istekler) {
    istekler_ = std::move(istekler);
    Yürüt();
}

QString ApplicationInterface::İlkİsteğinJetonu(std::chrono::milliseconds süre) {
    QTimer süreDoldu;
    süreDoldu.setSingleShot(true);
    süreDoldu.start(süre);
    while (!bekleyenJeton_ && süreDoldu.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return bekleyenJeton_.value_or(QString());
}

void ApplicationInterface::Activate(const QVariantMap &platformData) {
    bekleyenJeton_ = Jeton(platformData);
    Zamanla();
}

void ApplicationInterface::Zamanla() {
    if (std::exchange(zamanlandı_, true))
        return;
    QTimer::singleShot(0, this, [this] {
        zamanlandı_ = false;
        Yürüt();
    });
}

// One photo at a time: the first of the files asked for. A URI that names no file on this
// machine, or a relative path, is still handed on, so that its refusal names it.
void ApplicationInterface::Open(const QStringList &uris, const QVariantMap &platformData) {
    if (!uris.isEmpty())
        bekleyenFoto_ = İstenenFotoğrafAdı(uris.first());
    Activate(platformData);
}

// The game offers no actions.
void ApplicationInterface::ActivateAction(const QString &actionName, const QVariantList &,
                                          const QVariantMap &) {
    if (calledFromDBus())
        sendErrorReply(QDBusError::NotSupported,
                       QStringLiteral("Mozeta has no action named \"%1\"").arg(actionName));
}

void ApplicationInterface::Yürüt() {
    if (!istekler_.ÖneGetir)
        return; // the window is not there yet: it comes forward by itself
    // Forward first: a photo that is refused says so over the window the player now sees.
    if (bekleyenJeton_)
        istekler_.ÖneGetir(*std::exchange(bekleyenJeton_, std::nullopt));
    if (bekleyenFoto_)
        istekler_.FotoğrafıAç(*std::exchange(bekleyenFoto_, std::nullopt));
}
