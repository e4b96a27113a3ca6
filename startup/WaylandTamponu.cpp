// SPDX-License-Identifier: GPL-3.0-or-later
// Shared-memory buffers on Wayland where the window keeps its frame with them.
#include "startup/WaylandTamponu.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <cstring>
#include <wayland-client.h>

namespace {

constexpr char TamponDeğişkeni[] = "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION";

// Whether the compositor draws the frames of the windows that ask it to (xdg-decoration). Qt 6.4
// draws a title bar itself only for a window with EGL buffers: under a compositor that leaves the
// frame to the program (weston, GNOME), shared memory would cost the window its title bar.
bool ÇerçeveyiSunucuÇizer() {
    wl_display *bağlantı = wl_display_connect(nullptr);
    if (!bağlantı)
        return false;
    bool çizer = false;
    static const wl_registry_listener dinleyici{
        [](void *veri, wl_registry *, uint32_t, const char *arayüz, uint32_t) {
            if (std::strcmp(arayüz, "zxdg_decoration_manager_v1") == 0)
                *static_cast<bool *>(veri) = true;
        },
        [](void *, wl_registry *, uint32_t) {}};
    wl_registry *kayıt = wl_display_get_registry(bağlantı);
    wl_registry_add_listener(kayıt, &dinleyici, &çizer);
    wl_display_roundtrip(bağlantı);
    wl_registry_destroy(kayıt);
    wl_display_disconnect(bağlantı);
    return çizer;
}

// Qt reads the variable when it makes the first window. Once a window is on the screen it goes,
// so that the programs the game starts (the about box's links) choose their buffers themselves.
class TamponDeğişkeniniKaldır : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *olay) override {
        if (olay->type() == QEvent::Expose) {
            qunsetenv(TamponDeğişkeni);
            QCoreApplication::instance()->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

void WaylandTamponunuSeç() {
    if (qEnvironmentVariableIsSet(TamponDeğişkeni))
        return;
    // Where Qt takes Wayland: asked to, or by itself in a Wayland session.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool wayland = platform.isEmpty() ? qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
                                                  qgetenv("XDG_SESSION_TYPE") == "wayland"
                                            : platform == "wayland";
    if (!wayland || !ÇerçeveyiSunucuÇizer())
        return;
    // A name no buffer plugin has: Qt then draws into shared memory, as on X11.
    qputenv(TamponDeğişkeni, "shm");
    qAddPreRoutine([] {
        QCoreApplication *uygulama = QCoreApplication::instance();
        uygulama->installEventFilter(new TamponDeğişkeniniKaldır(uygulama));
    });
}
