// SPDX-License-Identifier: GPL-3.0-or-later
// The org.freedesktop.Application interface of the running copy, as desktops and a later copy
// call it. Requests run from the event loop after the call has been answered, so a message box
// they open never keeps the caller waiting.
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

    TekKopya::İstekler istekler_;
    std::optional<QString> bekleyenJeton_; // a request to come forward, with its token
    std::optional<QString> bekleyenFoto_;
};
