// SPDX-License-Identifier: GPL-3.0-or-later
// Shared-memory buffers on Wayland where the window keeps its frame with them.
#include "startup/WaylandTamponu.h"

#include <QLibrary>
#include <cstring>
#include <utility>
#include <wayland-client.h>

namespace {

constexpr char TamponDeğişkeni[] = "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION";

// Whether the compositor draws the frames of the windows that ask it to (xdg-decoration). Qt 6.4
// draws a title bar itself only for a window with EGL buffers: under a compositor that leaves the
// frame to the program (weston, GNOME), shared memory would cost the window its title bar.
// libwayland-client is loaded here rather than linked: on X11 it and libffi would be read in at
// every start for nothing. The protocol header's inline requests are spelled out on its calls.
bool ÇerçeveyiSunucuÇizer() {
    QLibrary kitaplık(QStringLiteral("wayland-client"), 0);
    const auto çöz = [&kitaplık](const char *ad) { return kitaplık.resolve(ad); };
    const auto bağlan = reinterpret_cast<decltype(&wl_display_connect)>(çöz("wl_display_connect"));
    const auto kes =
        reinterpret_cast<decltype(&wl_display_disconnect)>(çöz("wl_display_disconnect"));
    const auto gidipGel =
        reinterpret_cast<decltype(&wl_display_roundtrip)>(çöz("wl_display_roundtrip"));
    const auto gönder =
        reinterpret_cast<decltype(&wl_proxy_marshal_flags)>(çöz("wl_proxy_marshal_flags"));
    const auto sürüm =
        reinterpret_cast<decltype(&wl_proxy_get_version)>(çöz("wl_proxy_get_version"));
    const auto dinle =
        reinterpret_cast<decltype(&wl_proxy_add_listener)>(çöz("wl_proxy_add_listener"));
    const auto yık = reinterpret_cast<decltype(&wl_proxy_destroy)>(çöz("wl_proxy_destroy"));
    const auto kayıtArayüzü = reinterpret_cast<const wl_interface *>(çöz("wl_registry_interface"));
    if (!bağlan || !kes || !gidipGel || !gönder || !sürüm || !dinle || !yık || !kayıtArayüzü)
        return false;

    wl_display *bağlantı = bağlan(nullptr);
    if (!bağlantı)
        return false;
    bool çizer = false;
    static const wl_registry_listener dinleyici{
        [](void *veri, wl_registry *, uint32_t, const char *arayüz, uint32_t) {
            if (std::strcmp(arayüz, "zxdg_decoration_manager_v1") == 0)
                *static_cast<bool *>(veri) = true;
        },
        [](void *, wl_registry *, uint32_t) {}};
    auto *ekran = reinterpret_cast<wl_proxy *>(bağlantı);
    wl_proxy *kayıt =
        gönder(ekran, WL_DISPLAY_GET_REGISTRY, kayıtArayüzü, sürüm(ekran), 0, nullptr);
    dinle(kayıt, reinterpret_cast<void (**)()>(const_cast<wl_registry_listener *>(&dinleyici)),
          &çizer);
    gidipGel(bağlantı);
    yık(kayıt);
    kes(bağlantı);
    return çizer;
}

bool tamponuSeçtik = false;

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
    tamponuSeçtik = true;
}

void WaylandTamponunuBırak() {
    if (std::exchange(tamponuSeçtik, false))
        qunsetenv(TamponDeğişkeni);
}
