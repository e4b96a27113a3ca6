// SPDX-License-Identifier: GPL-3.0-or-later
// Bringing the window forward with the desktop's activation token.
#include "startup/PencereyiOneGetir.h"

#include <QGuiApplication>
#include <QWidget>
#include <qpa/qplatformnativeinterface.h>

// Focus-stealing prevention lets a window come forward when it presents the token the
// launcher gave to the start that asked for it.
void EtkinleştirmeJetonunuVer(const QString &jeton) {
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland"))) {
        // The Wayland plugin takes the token from here at the next activation request.
        qputenv("XDG_ACTIVATION_TOKEN", jeton.toUtf8());
    } else if (platform == QLatin1String("xcb")) {
        // The plugin hands its function out untyped; void (*)() converts to any function type.
        QPlatformNativeInterface *yerli = QGuiApplication::platformNativeInterface();
        using BaşlangıçKimliğiKur = void (*)(const char *);
        const auto işlev =
            yerli ? yerli->nativeResourceFunctionForIntegration("setstartupid") : nullptr;
        if (işlev)
            reinterpret_cast<BaşlangıçKimliğiKur>(reinterpret_cast<void (*)()>(işlev))(
                jeton.toUtf8().constData());
    }
}

void PencereyiÖneGetir(QWidget &pencere, const QString &jeton) {
    pencere.showNormal();
    pencere.raise();
    if (!jeton.isEmpty())
        EtkinleştirmeJetonunuVer(jeton);
    pencere.activateWindow();
}
