// SPDX-License-Identifier: GPL-3.0-or-later
// The org.freedesktop.Application interface of the running copy, as desktops and a later copy
// call it. Every call is answered at once and its request queued: the photo's work and any box
// it opens run later, from the main event loop, so that no caller waits on a box and no box
// opens inside the bus call's handler.
#pragma once

#include "startup/TekKopya.h"

#include <QDBusContext>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <chrono>
#include <optional>

class ApplicationInterface : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    // Requests that came before are answered now: the last photo asked for, and the window
    // brought forward.
    void Karşıla(TekKopya::İstekler istekler);

    // Waits, within `süre`, for the first request and returns its activation token (empty when
    // none came, or it carried none).
    QString İlkİsteğinJetonu(std::chrono::milliseconds süre);

public slots:
    void Activate(const QVariantMap &platformData);
    void Open(const QStringList &uris, const QVariantMap &platformData);
    void ActivateAction(const QString &actionName, const QVariantList &parameter,
                        const QVariantMap &platformData);

private:
    void Yürüt();
    void Zamanla(); // one run of Yürüt however many calls came

    bool zamanlandı_ = false;

    TekKopya::İstekler istekler_;
    std::optional<QString> bekleyenJeton_; // a request to come forward, with its token
    std::optional<QString> bekleyenFoto_;  // only the latest: requests that came meanwhile fold
};
