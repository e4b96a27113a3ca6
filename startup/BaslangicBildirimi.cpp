// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up notification on X11, sent by the game itself for a window that is already shown.
#include "startup/BaslangicBildirimi.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace {

// Launchers make ids of a few dozen bytes; one from the bus is not trusted to be that short.
constexpr qsizetype EnUzunKimlik = 1024;
// A client message carries 20 bytes of text.
constexpr int ParçaBoyu = 20;

xcb_connection_t *X11Bağlantısı() {
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t *bağlantı, const char *ad) {
    const xcb_intern_atom_cookie_t istek =
        xcb_intern_atom(bağlantı, 0, static_cast<uint16_t>(std::strlen(ad)), ad);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> yanıt(
        xcb_intern_atom_reply(bağlantı, istek, nullptr), &std::free);
    return yanıt ? yanıt->atom : xcb_atom_t{XCB_ATOM_NONE};
}

bool Geçerli(const QString &kimlik) {
    return !kimlik.isEmpty() && kimlik.toUtf8().size() <= EnUzunKimlik;
}

} // namespace

QByteArray TamamlamaMesajı(const QString &kimlik) {
    QByteArray mesaj("remove: ID=");
    for (const char c : kimlik.toUtf8()) {
        if (c == ' ' || c == '"' || c == '\\')
            mesaj += '\\';
        mesaj += c;
    }
    return mesaj + '\0';
}

bool BaşlangıçKimliğiniTaşı(QWidget &pencere, const QString &kimlik) {
    xcb_connection_t *bağlantı = X11Bağlantısı();
    if (!bağlantı || !Geçerli(kimlik))
        return false;
    const QByteArray metin = kimlik.toUtf8();
    xcb_change_property(bağlantı, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(pencere.winId()),
                        Atom(bağlantı, "_NET_STARTUP_ID"), Atom(bağlantı, "UTF8_STRING"), 8,
                        static_cast<uint32_t>(metin.size()), metin.constData());
    return true;
}

// Broadcast on the root window in pieces, the first under _NET_STARTUP_INFO_BEGIN; the zero byte
// that ends the text ends the message.
void BaşlangıcıTamamla(QWidget &pencere, const QString &kimlik) {
    xcb_connection_t *bağlantı = X11Bağlantısı();
    if (!bağlantı || !Geçerli(kimlik))
        return;
    const auto pencereNo = static_cast<xcb_window_t>(pencere.winId());
    const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometri(
        xcb_get_geometry_reply(bağlantı, xcb_get_geometry(bağlantı, pencereNo), nullptr),
        &std::free);
    if (!geometri)
        return;
    const QByteArray mesaj = TamamlamaMesajı(kimlik);
    xcb_client_message_event_t olay{};
    olay.response_type = XCB_CLIENT_MESSAGE;
    olay.format = 8;
    olay.window = pencereNo;
    olay.type = Atom(bağlantı, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t devamı = Atom(bağlantı, "_NET_STARTUP_INFO");
    for (qsizetype baş = 0; baş < mesaj.size(); baş += ParçaBoyu) {
        std::memset(olay.data.data8, 0, sizeof olay.data.data8);
        std::memcpy(olay.data.data8, mesaj.constData() + baş,
                    static_cast<size_t>(std::min<qsizetype>(ParçaBoyu, mesaj.size() - baş)));
        xcb_send_event(bağlantı, 0, geometri->root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char *>(&olay));
        olay.type = devamı;
    }
    xcb_flush(bağlantı);
}
