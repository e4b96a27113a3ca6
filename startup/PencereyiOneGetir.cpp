// SPDX-License-Identifier: GPL-3.0-or-later
// Bringing the window forward with the desktop's activation token.
#include "startup/PencereyiOneGetir.h"

#include "startup/BaslangicBildirimi.h"

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

// A window already shown is past the moment the toolkit completes a start: on X11 the window
// takes the launcher's id itself and completes the start once it has asked to come forward.
void PencereyiÖneGetir(QWidget &pencere, const QString &jeton) {
    const bool gösteriliyordu = pencere.isVisible();
    pencere.showNormal();
    pencere.raise();
    const bool x11 = gösteriliyordu && BaşlangıçKimliğiniTaşı(pencere, jeton);
    if (!jeton.isEmpty() && !x11)
        EtkinleştirmeJetonunuVer(jeton);
    pencere.activateWindow();
    if (x11)
        BaşlangıcıTamamla(pencere, jeton);
}
